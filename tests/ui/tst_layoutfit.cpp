// Every page, in every language, at the window's minimum size: no label or button shows
// less than its text needs. Set QUILBEX_SCREENSHOT_DIR to also keep a picture of each page.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTextStream>
#include <QtTest>

#include "app/Application.h"
#include "coordination/SessionCoordinator.h"
#include "i18n/LanguageManager.h"
#include "ui/MainWindow.h"

namespace {
// A widget inside a scroll area is not cut off by the window: it can be scrolled to.
bool textFits(QWidget* w, QString* why)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return true;
        if (label->wordWrap()) {
            const int need = label->heightForWidth(label->width());
            if (need > label->height() + 1) {
                *why = QStringLiteral("label needs height %1, has %2").arg(need).arg(label->height());
                return false;
            }
            return true;
        }
        const int need = label->minimumSizeHint().width();
        if (need > label->width() + 1) {
            *why = QStringLiteral("label needs width %1, has %2").arg(need).arg(label->width());
            return false;
        }
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text().isEmpty())
            return true;
        const int need = button->sizeHint().width();
        if (need > button->width() + 1) {
            *why = QStringLiteral("button needs width %1, has %2").arg(need).arg(button->width());
            return false;
        }
    }
    return true;
}
} // namespace

class TestLayoutFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setOrganizationName(QStringLiteral("Quilbex"));
        QApplication::setApplicationName(QStringLiteral("Quilbex Control"));
        QApplication::setApplicationVersion(QStringLiteral("v3.0.0-dev"));
        QFile style(QStringLiteral(":/styles/app.qss"));
        QVERIFY(style.open(QIODevice::ReadOnly | QIODevice::Text));
        qApp->setStyleSheet(QTextStream(&style).readAll());
    }

    void pagesFitAtMinimumSize_data()
    {
        QTest::addColumn<QString>("language");
        for (const auto& lang : LanguageManager::availableLanguages())
            QTest::newRow(qPrintable(lang.first)) << lang.first;
    }
    void pagesFitAtMinimumSize()
    {
        QFETCH(QString, language);
        Application app(Application::simulatedTransportFactory());
        app.languageManager->setLanguage(language);
        MainWindow window(&app);
        window.resize(window.minimumSize());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY_WITH_TIMEOUT(app.linkState->connected, 5000);

        auto* nav = window.findChild<QListWidget*>(QStringLiteral("navList"));
        auto* stack = window.findChild<QStackedWidget*>(QStringLiteral("pageStack"));
        QVERIFY(nav && stack);
        const QString shots = qEnvironmentVariable("QUILBEX_SCREENSHOT_DIR");
        QStringList problems;
        for (int row = 0; row < stack->count(); ++row) {
            nav->setCurrentRow(row);
            QCoreApplication::processEvents();
            QWidget* page = stack->currentWidget();
            if (!shots.isEmpty()) {
                QDir().mkpath(shots);
                window.grab().save(QStringLiteral("%1/%2-page%3.png").arg(shots, language).arg(row));
            }
            const auto widgets = page->findChildren<QWidget*>();
            for (QWidget* w : widgets) {
                if (!w->isVisible())
                    continue;
                QString why;
                if (!textFits(w, &why)) {
                    const QString text = qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text()
                                                                  : qobject_cast<QAbstractButton*>(w)->text();
                    problems << QStringLiteral("page %1 %2 \"%3\": %4")
                                    .arg(row)
                                    .arg(QString::fromLatin1(w->metaObject()->className()), text.left(60), why);
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLayoutFit)
#include "tst_layoutfit.moc"
