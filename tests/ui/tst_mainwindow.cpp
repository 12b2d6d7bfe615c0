// The main window (guards around a running update and unsaved edits, the wheel guard,
// retranslation) and the Device, Trace, Update and Settings pages.
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <cmath>

#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "profiles/CurveProfileJsonStore.h"
#include "support/AttachableTransport.h"
#include "support/MarkingTranslator.h"
#include "support/UiSupport.h"
#include "ui/DevicePage.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"
#include "ui/SettingsPage.h"
#include "ui/TraceChartWidget.h"
#include "ui/TracePage.h"
#include "ui/UpdatePage.h"

namespace {
bool busy(int state)
{
    return state >= UpgradeStatus::Starting && state <= UpgradeStatus::Transferring;
}
// The traces as drawn so far against the same traces drawn from scratch.
void compareWithFullRepaint(TraceChartWidget* chart)
{
    const QImage incremental = chart->tracesImage();
    chart->redrawTraces();
    QCOMPARE(chart->tracesImage(), incremental);
}

// The text of a row of the Device page's status grid.
QString deviceValue(QWidget* page, int row)
{
    return qobject_cast<QLabel*>(page->findChild<QGridLayout*>()->itemAtPosition(row, 1)->widget())->text();
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
        DialogScript dialogs({yes ? QMessageBox::Yes : QMessageBox::No});
        QTest::mouseClick(rig.nav()->viewport(), Qt::LeftButton, {},
                          rig.nav()->visualItemRect(rig.nav()->item(4)).center());
        QCOMPARE(dialogs.defaults, busy(state) ? QList{QMessageBox::Yes} : QList<QMessageBox::StandardButton>());
        const int row = busy(state) && yes ? 3 : 4;
        QCOMPARE(rig.nav()->currentRow(), row);
        // The highlight stays on the row of the page shown, also after the list handled the click.
        QTRY_COMPARE(rig.nav()->selectedItems(), QList{rig.nav()->item(row)});
        QVERIFY(rig.showing(row == 3 ? QStringLiteral("pageUpdate") : QStringLiteral("pageSettings")));
        rig.nav()->setCurrentRow(MainWindow::kUpdateRow); // choosing the Update row itself never asks
        QCOMPARE(dialogs.seen.size(), busy(state) ? 1 : 0);
        QVERIFY(rig.showing(QStringLiteral("pageUpdate")));
    }

    void closeGuard_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("answer"); // NoButton: nothing to ask
        QTest::addColumn<bool>("closes");
        QTest::newRow("starting, yes") << 1 << int(QMessageBox::Yes) << true;
        QTest::newRow("checking, no") << 2 << int(QMessageBox::No) << false;
        QTest::newRow("transferring, escape") << 3 << int(QMessageBox::Escape) << false;
        QTest::newRow("unsaved, cancel") << 0 << int(QMessageBox::Cancel) << false;
        QTest::newRow("unsaved, discard") << 0 << int(QMessageBox::Discard) << true;
        QTest::newRow("unsaved, save") << 0 << int(QMessageBox::Save) << true;
        QTest::newRow("idle") << 0 << int(QMessageBox::NoButton) << true;
        QTest::newRow("installed") << 4 << int(QMessageBox::NoButton) << true;
    }
    void closeGuard()
    {
        QFETCH(int, state);
        QFETCH(int, answer);
        const QString stored = CurveProfileJsonStore::defaultProfilesDirectory() + QStringLiteral("/Default.json");
        QDir(CurveProfileJsonStore::defaultProfilesDirectory()).removeRecursively(); // fresh built-in profiles
        WindowRig rig;
        rig.window->show();
        rig.app->upgradeStatus->state = state;
        const QByteArray before = readFile(stored);
        if (QByteArray(QTest::currentDataTag()).startsWith("unsaved")) { // edits on the loaded "Default"
            auto* page = rig.window->findChild<PedalsPage*>();
            QVERIFY(QMetaObject::invokeMethod(page, "onProfileLoad"));
            page->card(0)->findChild<QSpinBox*>()->setValue(9);
        }
        DialogScript dialogs;
        if (answer != QMessageBox::NoButton)
            dialogs.then(answer);
        QTEST(rig.window->close(), "closes");
        QTEST(!rig.window->isVisible(), "closes");
        QCOMPARE(dialogs.seen.size(), answer != QMessageBox::NoButton ? 1 : 0);
        QCOMPARE(readFile(stored) != before, answer == QMessageBox::Save); // saved where the edits belong
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
        dialogs.onOpen = [&] {
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
        QTest::addColumn<QByteArray>("property");
        QTest::newRow("spin box") << "QSpinBox" << QByteArray("value");
        QTest::newRow("slider") << "QSlider" << QByteArray("value");
        QTest::newRow("combo box") << "QComboBox" << QByteArray("currentIndex");
    }
    void wheelNeedsFocus()
    {
        QFETCH(QString, type);
        QFETCH(QByteArray, property);
        WindowRig rig;
        rig.window->resize(rig.window->minimumSize());
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        auto* page = rig.window->findChild<PedalsPage*>();
        QWidget* control = nullptr;
        for (QWidget* w : page->findChildren<QWidget*>())
            if (!control && w->inherits(qPrintable(type)) && w->isVisible())
                control = w;
        QScrollBar* scroll = page->findChild<QScrollArea*>()->verticalScrollBar();
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
        const int scrolled = scroll->value();
        QVERIFY(scrolled < scroll->maximum());
        control->setFocus();
        wheel();
        QVERIFY(control->property(property) != value);
        QCOMPARE(scroll->value(), scrolled);
    }

    // During an update a language change asks again; staying shows the Update page and row.
    void languageChangeDuringUpdate()
    {
        WindowRig rig;
        QVERIFY(rig.nav()->currentRow() == 1 && rig.showing(QStringLiteral("pagePedals"))); // starts on Pedals
        rig.nav()->setCurrentRow(4);
        rig.app->upgradeStatus->state = UpgradeStatus::Transferring;
        DialogScript dialogs({QMessageBox::Yes});
        Q_EMIT rig.app->languageManager->localeChanged(QStringLiteral("de"));
        QCOMPARE(dialogs.seen.size(), 1);
        QVERIFY(rig.nav()->currentRow() == 3 && rig.showing(QStringLiteral("pageUpdate")));
    }

    // The Device page shows the connection as it stands, also when built later or after a
    // language change, and says why pedals that were found cannot be opened.
    void devicePage()
    {
        AttachableTransport* pedals = nullptr;
        Application app([&pedals] {
            auto t = std::make_unique<AttachableTransport>();
            pedals = t.get();
            return std::unique_ptr<IHidTransport>(std::move(t));
        });
        app.coordinator->scanTimer()->stop(); // the test drives the probes
        pedals->openSucceeds = false;
        pedals->failure = IHidTransport::OpenError::PermissionDenied;
        DevicePage page(&app, nullptr);
        QPushButton* connect = page.findChildren<QPushButton*>().value(0);
        auto* hint = page.findChild<QLabel*>(QStringLiteral("devicePermissionHint"));
        QVERIFY(hint->isHidden());
        QCOMPARE(deviceValue(&page, 0), QStringLiteral("Disconnected"));
        QTest::mouseClick(connect, Qt::LeftButton);
        QVERIFY(hint->text().contains(QStringLiteral("permission denied")) && !hint->isHidden());
        DevicePage second(&app, nullptr); // built while the problem stands
        QVERIFY(!second.findChild<QLabel*>(QStringLiteral("devicePermissionHint"))->isHidden());

        pedals->openSucceeds = true;
        QTest::mouseClick(connect, Qt::LeftButton);
        QVERIFY(hint->isHidden() && !connect->isEnabled());
        DevicePage third(&app, nullptr); // built while connected
        for (QWidget* p : {static_cast<QWidget*>(&page), static_cast<QWidget*>(&third)})
            QCOMPARE(deviceValue(p, 1), QStringLiteral("Quilbex Pedals"));
        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QTRY_COMPARE(deviceValue(&page, 0), QStringLiteral("«Connected»"));
        QCOMPARE(deviceValue(&third, 1), QStringLiteral("«Quilbex Pedals»"));
        QCoreApplication::removeTranslator(&translator);
        page.findChildren<QPushButton*>().value(1)->click(); // Disconnect
        QVERIFY(!pedals->opened);
        QCOMPARE(deviceValue(&third, 0), QStringLiteral("Disconnected"));
        QCOMPARE(deviceValue(&page, 1), QStringLiteral("—"));
    }

    // Start asks first and a refused file is reported; while an update runs only Cancel is
    // offered; versions compare by number; a path with markup shows as written.
    void updatePage()
    {
        QTemporaryDir dir;
        Application app{Application::TransportFactory()};
        UpdatePage page(&app);
        auto choose = [&](const QString& name, int size) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(size, '\1')) == size);
            page.setSelectedFile(f.fileName());
        };
        auto buttons = [&] { // Choose, Start, Cancel
            return QList<bool>{page.chooseButton()->isEnabled(), page.startButton()->isEnabled(),
                               page.cancelButton()->isEnabled()};
        };
        QSignalSpy busy(app.coordinator.get(), &SessionCoordinator::upgradeBusyChanged);
        DialogScript dialogs({QMessageBox::Ok, QMessageBox::No, QMessageBox::Yes, QMessageBox::Ok});
        page.onStartUpdate(); // no file chosen: the manager is not asked
        QCOMPARE(dialogs.seen.value(0), QStringLiteral("Firmware update|Please choose a firmware file (.bin) first."));
        QVERIFY(busy.isEmpty());
        choose("fw_1.0.0.bin", 55297);
        app.upgradeStatus->state = UpgradeStatus::Transferring;
        app.coordinator->refreshUpgradeBusySignal();
        QCOMPARE(buttons(), (QList<bool>{false, false, true}));
        app.upgradeStatus->state = UpgradeStatus::Idle;
        page.onUpgradeBusyChanged(true); // the signal counts before the record does
        QCOMPARE(buttons(), (QList<bool>{false, false, true}));
        page.onUpgradeBusyChanged(false);
        page.onProgress(30, QStringLiteral("Earlier"));
        page.onStartUpdate(); // No: nothing changes
        QVERIFY(dialogs.seen.value(1).startsWith("Firmware update|The firmware update is about to start."));
        QCOMPARE(page.progressBar()->value(), 30);
        page.onStartUpdate(); // Yes: the file check fails at once and the page says so
        const QString message =
            "This firmware file is too large for your pedals (55 KB). The maximum supported size is 54 KB.";
        QCOMPARE(dialogs.seen.value(3), "Firmware update|" + message);
        QCOMPARE(page.phaseLabel()->text(), QStringLiteral("Update could not be completed"));
        QCOMPARE(page.logView()->toPlainText(), message);
        QCOMPARE(buttons(), (QList<bool>{true, true, false})); // the same file can be tried again
        app.coordinator->setConnected(true);
        app.config->ver = 0x0312; // 3.1.2: older than 3.1.10, compared by number
        Q_EMIT app.config->configChanged();
        choose("fw_3.1.10.bin", 100);
        QCOMPARE(page.statusValue()->text(), QStringLiteral("A newer firmware version is available in this file."));

        const QString path = dir.filePath("<b>fw</b> & 1.0.0.bin");
        page.setSelectedFile(path);
        QCOMPARE(page.selectedFileValue()->text(), path);
        page.onLogLine(QStringLiteral("two\nlines"));
        QVERIFY(page.logView()->toPlainText().endsWith(QStringLiteral("Selected: %1\ntwo\nlines").arg(path)));
    }

    void traceDrawnIncrementallyMatchesFullRepaint()
    {
        InputTrace trace;
        TraceChartWidget chart(&trace);
        chart.resize(700, 300);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        qint64 t = 0;
        for (int i = 1; i <= 1200; ++i) {
            // Irregular polls (0 to 3 columns each), one lost link, all three pedals moving.
            t += (i % 7 == 0 ? 37 : i % 11 == 0 ? 3 : 20) + (i == 500 ? 2000 : 0);
            TraceReading r{t, {}, {}};
            for (size_t p = 0; p < 3; ++p)
                r.out[p] = qint16(32767 * std::sin(i * (0.05 + 0.04 * p)));
            trace.add(r);
            chart.advance();
            if (i % 400 == 0)
                compareWithFullRepaint(&chart);
        }
    }

    void traceHistorySurvivesPageChange()
    {
        WindowRig rig(Application::simulatedTransportFactory());
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        auto* page = rig.window->findChild<TracePage*>();
        QVERIFY(page);
        const TraceHistory& history = page->trace().history();
        QTRY_VERIFY_WITH_TIMEOUT(history.size() > 10, 10000); // before the page was ever shown
        rig.nav()->setCurrentRow(2);
        page->chart()->repaint();
        compareWithFullRepaint(page->chart());
        rig.nav()->setCurrentRow(4);
        const qint64 first = history.at(0).timeMs;
        const quint64 before = history.appended();
        QTRY_VERIFY_WITH_TIMEOUT(history.appended() >= before + 25, 10000); // recorded while hidden
        QCOMPARE(history.at(0).timeMs, first);
        rig.nav()->setCurrentRow(2); // shown again, the chart catches up with all recorded meanwhile
        page->chart()->repaint();
        compareWithFullRepaint(page->chart());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
