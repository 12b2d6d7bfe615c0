#include <QDir>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include "coordination/SessionCoordinator.h"
#include "i18n/LanguageManager.h"
#include "profiles/CurveProfileJsonStore.h"
#include "support/MarkingTranslator.h"
#include "support/UiSupport.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"

namespace {
void noLog(QtMsgType, const QMessageLogContext&, const QString&) {}
bool busy(int state)
{
    return state >= UpgradeStatus::Starting && state <= UpgradeStatus::Transferring;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qInstallMessageHandler(noLog); }

    void startsOnPedals()
    {
        WindowRig rig;
        QCOMPARE(rig.nav()->currentRow(), 1);
        QVERIFY(rig.showing(QStringLiteral("pagePedals")));
        QCOMPARE(rig.status(), QStringLiteral("Ready"));
    }

    void leaveGuard_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("yes");
        for (int s = UpgradeStatus::Idle; s <= UpgradeStatus::Failed; ++s) {
            QTest::addRow("state %d, yes", s) << s << true;
            if (busy(s))
                QTest::addRow("state %d, no", s) << s << false;
        }
    }
    void leaveGuard()
    {
        QFETCH(int, state);
        QFETCH(bool, yes);
        WindowRig rig;
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        rig.nav()->setCurrentRow(MainWindow::kUpdateRow);
        rig.app->upgradeStatus->state = state;

        DialogScript dialogs({int(yes ? QMessageBox::Yes : QMessageBox::No)});
        QTest::mouseClick(rig.nav()->viewport(), Qt::LeftButton, {},
                          rig.nav()->visualItemRect(rig.nav()->item(4)).center());
        QCOMPARE(dialogs.seen.size(), busy(state) ? 1 : 0);
        if (busy(state))
            QCOMPARE(dialogs.defaults.value(0), QMessageBox::Yes); // Enter stays
        const bool stays = busy(state) && yes;
        QCOMPARE(rig.nav()->currentRow(), stays ? 3 : 4);
        // The highlight stays on the row of the page shown, also after the list handled the click.
        QTRY_COMPARE(rig.nav()->selectedItems(), QList<QListWidgetItem*>{rig.nav()->item(stays ? 3 : 4)});
        QVERIFY(rig.showing(stays ? QStringLiteral("pageUpdate") : QStringLiteral("pageSettings")));
        QCOMPARE(rig.status(), stays ? QStringLiteral("Page: Update") : QStringLiteral("Page: Settings"));

        // Choosing the Update row itself never asks.
        rig.nav()->setCurrentRow(MainWindow::kUpdateRow);
        QCOMPARE(dialogs.seen.size(), busy(state) ? 1 : 0);
        QVERIFY(rig.showing(QStringLiteral("pageUpdate")));
    }

    void closeGuard_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("answer"); // NoButton: nothing to ask
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<bool>("closes");
        QTest::newRow("starting, yes") << 1 << int(QMessageBox::Yes) << false << true;
        QTest::newRow("checking, no") << 2 << int(QMessageBox::No) << false << false;
        QTest::newRow("transferring, escape") << 3 << int(QMessageBox::Escape) << false << false;
        QTest::newRow("unsaved, cancel") << 0 << int(QMessageBox::Cancel) << true << false;
        QTest::newRow("unsaved, discard") << 0 << int(QMessageBox::Discard) << true << true;
        QTest::newRow("unsaved, save") << 0 << int(QMessageBox::Save) << true << true;
        QTest::newRow("idle") << 0 << int(QMessageBox::NoButton) << false << true;
        QTest::newRow("installed") << 4 << int(QMessageBox::NoButton) << false << true;
    }
    void closeGuard()
    {
        QFETCH(int, state);
        QFETCH(int, answer);
        QFETCH(bool, unsaved);
        QFETCH(bool, closes);
        const QString profiles = CurveProfileJsonStore::defaultProfilesDirectory();
        QDir(profiles).removeRecursively(); // fresh built-in profiles
        WindowRig rig;
        rig.window->show();
        rig.app->upgradeStatus->state = state;
        const QString stored = QDir(profiles).filePath("Default.json");
        const QByteArray before = readFile(stored);
        if (unsaved) {
            // Edits made on the loaded "Default" belong to it; Save writes them there.
            auto* page = rig.window->findChild<PedalsPage*>();
            QVERIFY(QMetaObject::invokeMethod(page, "onProfileLoad"));
            page->card(0)->findChild<QSpinBox*>()->setValue(9);
        }
        DialogScript dialogs;
        if (answer != QMessageBox::NoButton)
            dialogs.then(QMessageBox::StandardButton(answer));
        QCOMPARE(rig.window->close(), closes);
        QCOMPARE(rig.window->isVisible(), !closes);
        QCOMPARE(dialogs.seen.size(), answer != QMessageBox::NoButton ? 1 : 0);
        QCOMPARE(dialogs.unexpected, 0);
        if (unsaved)
            QCOMPARE(readFile(stored) != before, answer == QMessageBox::Save);
        if (busy(state))
            QCOMPARE(dialogs.defaults.value(0), QMessageBox::No); // Enter does not quit
    }

    // A question about the running update closes when the update ends, and what the user
    // asked for goes on: the page is shown, the window closes.
    void questionEndsWithTheUpdate_data()
    {
        QTest::addColumn<bool>("leave");
        QTest::newRow("leave") << true;
        QTest::newRow("close") << false;
    }
    void questionEndsWithTheUpdate()
    {
        QFETCH(bool, leave);
        WindowRig rig;
        rig.window->show();
        rig.nav()->setCurrentRow(MainWindow::kUpdateRow);
        rig.app->upgradeStatus->state = UpgradeStatus::Transferring;
        DialogScript dialogs; // no answer: the question must close by itself
        dialogs.onOpen = [&](QDialog*) {
            rig.app->upgradeStatus->state = UpgradeStatus::Installed;
            rig.app->coordinator->refreshUpgradeBusySignal();
        };
        if (leave)
            rig.nav()->setCurrentRow(4);
        else
            QVERIFY(rig.window->close());
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.unexpected, 0);
        QVERIFY(!leave || rig.showing(QStringLiteral("pageSettings")));
    }

    // Over a slider, spin box or list without focus the wheel scrolls the page; with focus
    // it changes the value.
    void wheelNeedsFocus_data()
    {
        QTest::addColumn<QString>("type");
        QTest::newRow("spin box") << "QSpinBox";
        QTest::newRow("slider") << "QSlider";
        QTest::newRow("combo box") << "QComboBox";
    }
    void wheelNeedsFocus()
    {
        QFETCH(QString, type);
        WindowRig rig;
        rig.window->resize(rig.window->minimumSize());
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        auto* page = rig.window->findChild<PedalsPage*>();
        QWidget* control = nullptr;
        for (QWidget* w : page->findChildren<QWidget*>())
            if (!control && w->inherits(qPrintable(type)) && w->isVisible())
                control = w;
        QVERIFY(control);
        QScrollBar* scroll = page->findChild<QScrollArea*>()->verticalScrollBar();
        const char* property = type == "QComboBox" ? "currentIndex" : "value";
        auto wheel = [&] {
            const QPoint at = control->rect().center();
            QWheelEvent event(at, control->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&event);
            qApp->notify(control, &event);
        };
        const QVariant value = control->property(property);
        scroll->setValue(scroll->maximum());
        QVERIFY(scroll->value() > 0);
        wheel();
        QCOMPARE(control->property(property), value);
        QVERIFY(scroll->value() < scroll->maximum());

        const int scrolled = scroll->value();
        control->setFocus();
        wheel();
        QVERIFY(control->property(property) != value);
        QCOMPARE(scroll->value(), scrolled);
    }

    void languageChangeRetranslates()
    {
        WindowRig rig;
        rig.nav()->setCurrentRow(4);
        MarkingTranslator translator;
        translator.fixed.insert(QStringLiteral("Settings"), QStringLiteral("Ein  Stellungen"));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QTRY_COMPARE(rig.window->windowTitle(), QStringLiteral("«Quilbex Control»"));
        QCOMPARE(rig.nav()->item(0)->text(), QStringLiteral("\U0001F4BB  «Device»"));
        // Only the blanks after the glyph separate: the label's own two blanks stay.
        QCOMPARE(rig.status(), QStringLiteral("«Page: Ein  Stellungen»"));
        QCOMPARE(rig.shown()->findChild<QLabel*>(QStringLiteral("pageTitle"))->text(),
                 QStringLiteral("<h2>Ein  Stellungen</h2>"));
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(rig.status(), QStringLiteral("Page: Settings"));
    }

    // A language change while another page is shown during an update asks again; staying
    // shows the Update page with its row.
    void localeChangeDuringUpdateAsksAgain()
    {
        WindowRig rig;
        rig.nav()->setCurrentRow(4);
        rig.app->upgradeStatus->state = UpgradeStatus::Transferring;
        DialogScript dialogs({int(QMessageBox::Yes)});
        Q_EMIT rig.app->languageManager->localeChanged(QStringLiteral("de"));
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(rig.nav()->currentRow(), 3);
        QVERIFY(rig.showing(QStringLiteral("pageUpdate")));
        QCOMPARE(rig.status(), QStringLiteral("Page: Update"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
