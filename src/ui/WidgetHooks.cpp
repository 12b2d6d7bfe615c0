#include "ui/WidgetHooks.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QImageReader>
#include <QRegularExpression>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>

#include "i18n/LanguageManager.h"

#include <utility>

namespace {

class WheelGuard : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->hasFocus())
            return false;
        // Ignored and consumed here, the event travels on to the parent widgets (for a page,
        // its scroll area).
        event->ignore();
        return true;
    }
};

bool takesWheelForValue(QWidget* w)
{
    if (qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w))
        return true;
    return qobject_cast<QAbstractSlider*>(w) && !qobject_cast<QScrollBar*>(w);
}

void guard(QWidget* w)
{
    static WheelGuard filter;
    if (!takesWheelForValue(w))
        return;
    // The default WheelFocus would hand the focus to whatever the wheel passes over.
    w->setFocusPolicy(Qt::StrongFocus);
    w->removeEventFilter(&filter);
    w->installEventFilter(&filter);
}

} // namespace

void installWheelGuard(QWidget* root)
{
    if (!root)
        return;
    guard(root);
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    for (QWidget* w : children)
        guard(w);
}

void installWidgetHooks()
{
    LanguageManager::setTopLevelNotifier([] {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return;
        // A window may delete another while it re-applies its texts; skip the ones gone.
        QList<QPointer<QWidget>> widgets;
        const QWidgetList topLevels = QApplication::topLevelWidgets();
        for (QWidget* w : topLevels)
            widgets.append(w);
        for (const QPointer<QWidget>& w : std::as_const(widgets)) {
            if (!w)
                continue;
            QEvent event(QEvent::LanguageChange);
            QCoreApplication::sendEvent(w, &event);
        }
    });
}

QString withInstalledFontFamilies(const QString& styleSheet, const QStringList& installed)
{
    static const QStringList generic = {QStringLiteral("serif"),     QStringLiteral("sans-serif"),
                                        QStringLiteral("monospace"), QStringLiteral("cursive"),
                                        QStringLiteral("fantasy"),   QStringLiteral("system-ui")};
    static const QRegularExpression declaration(QStringLiteral("(font-family\\s*:)([^;}]*)"));
    // A family offered by two foundries is listed as "Family [Foundry]".
    QStringList families;
    for (const QString& family : installed)
        families.append(family.section(QStringLiteral(" ["), 0, 0));
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : declaration.globalMatch(styleSheet)) {
        QStringList kept;
        const QStringList entries = match.captured(2).split(QLatin1Char(','));
        for (const QString& entry : entries) {
            const QString name = entry.trimmed();
            const bool quoted = name.size() >= 2
                && (name.front() == QLatin1Char('"') || name.front() == QLatin1Char('\''))
                && name.back() == name.front();
            const QString bare = quoted ? name.mid(1, name.size() - 2) : name;
            if ((!quoted && generic.contains(bare, Qt::CaseInsensitive))
                || families.contains(bare, Qt::CaseInsensitive))
                kept.append(name);
        }
        if (kept.isEmpty())
            continue;
        result += QStringView(styleSheet).mid(done, match.capturedStart(2) - done);
        result += QLatin1Char(' ') + kept.join(QStringLiteral(", "));
        done = match.capturedEnd(2);
    }
    result += QStringView(styleSheet).mid(done);
    return result;
}

bool applyApplicationStyle()
{
    QFile file(QStringLiteral(":/styles/app.qss"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    qApp->setStyleSheet(withInstalledFontFamilies(QString::fromUtf8(file.readAll()), QFontDatabase::families()));
    QWidget probe;
    probe.ensurePolished();
    QApplication::setFont(probe.font());
    return true;
}

QPixmap loadPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
