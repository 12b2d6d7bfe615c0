// Every page, in every language, at the window's minimum and default size: no label or button
// shows less than its text needs; the Pedals page keeps every profile action reachable and, at
// the default size, shows its three columns without sideways scrolling. Set
// QUILBEX_SCREENSHOT_DIR to also keep a picture of each page.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "support/UiSupport.h"
#include "ui/PedalChannelCard.h"
#include "ui/WidgetHooks.h"

namespace {
// Why the text of a label or button does not fit, or empty. A widget inside a scroll area
// is not cut off by the window: it can be scrolled to.
QString textProblem(QWidget* w)
{
    auto* label = qobject_cast<QLabel*>(w);
    auto* button = qobject_cast<QAbstractButton*>(w);
    const QString text = label ? label->text() : button ? button->text() : QString();
    if (text.isEmpty() || (label && !label->pixmap().isNull()))
        return {};
    const bool wrap = label && label->wordWrap();
    const int need = wrap ? label->heightForWidth(label->width())
        : label           ? label->minimumSizeHint().width()
                          : button->sizeHint().width();
    const int has = wrap ? w->height() : w->width();
    const QString what =
        QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" \"%1\"").arg(text.left(60));
    return need <= has + 1 ? QString() : QStringLiteral("%1 needs %2, has %3").arg(what).arg(need).arg(has);
}
bool inside(QWidget* w, QWidget* view, bool horizontallyOnly = false)
{
    const QRect r(w->mapTo(view, QPoint(0, 0)), w->size());
    return horizontallyOnly ? r.left() >= 0 && r.right() <= view->width() - 1 : view->rect().contains(r);
}

void checkPedalsPage(QWidget* page, QFrame* bar, bool defaultSize, QStringList* problems)
{
    auto* area = page->findChild<QScrollArea*>();
    QWidget* view = area->viewport();
    if (defaultSize) {
        if (area->horizontalScrollBar()->isVisible())
            *problems << QStringLiteral("Pedals page scrolls sideways");
        for (PedalChannelCard* card : page->findChildren<PedalChannelCard*>())
            if (!inside(card, view, true))
                *problems << QStringLiteral("column %1 is cut off").arg(card->pedalIndex());
        if (!inside(bar, view))
            *problems << QStringLiteral("profile bar is cut off");
    }
    QList<QWidget*> actions{bar->findChild<QComboBox*>(), bar->findChild<QLabel*>(QStringLiteral("connLabel"))};
    for (QPushButton* b : bar->findChildren<QPushButton*>())
        actions << b;
    for (QWidget* w : actions) {
        area->ensureWidgetVisible(w, 0, 0);
        if (!w->isVisible() || !inside(w, view))
            *problems << QStringLiteral("profile bar: \"%1\" cannot be reached").arg(w->property("text").toString());
    }
}
} // namespace

class TestLayoutFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(applyApplicationStyle()); }

    void pagesFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("size");
        for (const auto& lang : LanguageManager::availableLanguages())
            for (const QSize size : {QSize(960, 640), QSize(1280, 780)})
                QTest::addRow("%s %dx%d", qPrintable(lang.first), size.width(), size.height()) << lang.first << size;
    }
    void pagesFit()
    {
        QFETCH(QString, language);
        QFETCH(QSize, size);
        WindowRig rig(Application::simulatedTransportFactory(), language);
        rig.window->resize(size);
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(rig.app->linkState->connected, 5000);
        const QString shots = qEnvironmentVariable("QUILBEX_SCREENSHOT_DIR");
        QStringList problems;
        for (int row = 0; row < rig.nav()->count(); ++row) {
            rig.nav()->setCurrentRow(row);
            QCoreApplication::processEvents();
            QWidget* page = rig.shown();
            if (!shots.isEmpty() && QDir().mkpath(shots))
                rig.window->grab().save(QString::asprintf("%s/%s-%dx%d-page%d.png", qPrintable(shots),
                                                          qPrintable(language), size.width(), size.height(), row));
            if (auto* bar = page->findChild<QFrame*>(QStringLiteral("curveProfilesBar")))
                checkPedalsPage(page, bar, size.width() >= 1280, &problems);
            for (QWidget* w : page->findChildren<QWidget*>()) {
                const QString why = w->isVisible() ? textProblem(w) : QString();
                if (!why.isEmpty())
                    problems << QStringLiteral("page %1 %2").arg(row).arg(why);
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLayoutFit)
#include "tst_layoutfit.moc"
