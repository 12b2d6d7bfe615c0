// The Device, Settings and Update pages on their own.
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "i18n/LanguageManager.h"
#include "support/AttachableTransport.h"
#include "support/MarkingTranslator.h"
#include "support/UiSupport.h"
#include "ui/DevicePage.h"
#include "ui/SettingsPage.h"
#include "ui/UpdatePage.h"

namespace {
void noLog(QtMsgType, const QMessageLogContext&, const QString&) {}

// The Device page on pedals that are absent until a test says otherwise; the tests drive the probes.
struct DeviceRig
{
    AttachableTransport* transport = nullptr;
    Application app{[this] {
        auto t = std::make_unique<AttachableTransport>();
        t->present = false;
        transport = t.get();
        return std::unique_ptr<IHidTransport>(std::move(t));
    }};
    std::unique_ptr<DevicePage> page;

    DeviceRig() { app.coordinator->scanTimer()->stop(); }
    void build() { page = std::make_unique<DevicePage>(&app, nullptr); }
    QString value(int row) const
    {
        return qobject_cast<QLabel*>(page->findChild<QGridLayout*>()->itemAtPosition(row, 1)->widget())->text();
    }
    QPushButton* button(int i) const { return page->findChildren<QPushButton*>().value(i); } // Connect, Disconnect
    QLabel* hint() const { return page->findChild<QLabel*>(QStringLiteral("devicePermissionHint")); }
};

// The Update page without pedals.
struct UpdateRig
{
    QTemporaryDir dir;
    Application app{Application::TransportFactory()};
    UpdatePage page{&app};

    QString makeFile(const QString& name, int size = 100)
    {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray(size, '\1'));
        return f.fileName();
    }
    void setBusy(bool busy)
    {
        app.upgradeStatus->state.store(busy ? UpgradeStatus::Transferring : UpgradeStatus::Idle);
        app.coordinator->refreshUpgradeBusySignal();
    }
    QList<bool> buttons() const // Choose, Start, Cancel enabled
    {
        return {page.chooseButton()->isEnabled(), page.startButton()->isEnabled(), page.cancelButton()->isEnabled()};
    }
};

QString title(QWidget* page)
{
    return page->findChild<QLabel*>(QStringLiteral("pageTitle"))->text();
}
} // namespace

class TestPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qInstallMessageHandler(noLog); }

    // A language change re-applies the texts of the state shown, not those of the start.
    void deviceConnectionState_data()
    {
        QTest::addColumn<bool>("connectedBeforeBuild");
        QTest::addColumn<bool>("connected");
        QTest::newRow("disconnected") << false << false;
        QTest::newRow("connection reported") << false << true;
        QTest::newRow("built while connected") << true << true;
        QTest::newRow("connection lost") << true << false;
    }
    void deviceConnectionState()
    {
        QFETCH(bool, connectedBeforeBuild);
        QFETCH(bool, connected);
        DeviceRig rig;
        rig.app.coordinator->setConnected(connectedBeforeBuild);
        rig.build();
        rig.app.coordinator->setConnected(connected);
        QCOMPARE(rig.value(0), connected ? QStringLiteral("Connected") : QStringLiteral("Disconnected"));
        QCOMPARE(rig.value(1), connected ? QStringLiteral("Quilbex Pedals") : QStringLiteral("—"));
        QCOMPARE(rig.button(0)->isEnabled(), !connected);
        QVERIFY(rig.button(1)->isEnabled());

        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QTRY_COMPARE(rig.value(0), connected ? QStringLiteral("«Connected»") : QStringLiteral("«Disconnected»"));
        QCOMPARE(rig.value(1), connected ? QStringLiteral("«Quilbex Pedals»") : QStringLiteral("—"));
        QCOMPARE(title(rig.page.get()), QStringLiteral("<h2>«Device»</h2>"));
        QCoreApplication::removeTranslator(&translator);
    }

    void devicePermissionHint()
    {
        DeviceRig rig;
        rig.transport->present = true;
        rig.transport->openSucceeds = false;
        rig.transport->failure = IHidTransport::OpenError::PermissionDenied;
        rig.build();
        QVERIFY(rig.hint()->isHidden());
        QTest::mouseClick(rig.button(0), Qt::LeftButton); // Connect
        QVERIFY(!rig.hint()->isHidden());
        QVERIFY(rig.hint()->text().contains(QStringLiteral("permission denied")));
        // A page built while the problem stands shows it too.
        DevicePage second(&rig.app, nullptr);
        QVERIFY(!second.findChild<QLabel*>(QStringLiteral("devicePermissionHint"))->isHidden());

        rig.transport->openSucceeds = true;
        QTest::mouseClick(rig.button(0), Qt::LeftButton);
        QVERIFY(rig.hint()->isHidden());
        QCOMPARE(rig.value(0), QStringLiteral("Connected"));
        QTest::mouseClick(rig.button(1), Qt::LeftButton); // Disconnect
        QVERIFY(!rig.transport->opened);
        QCOMPARE(rig.value(0), QStringLiteral("Disconnected"));
    }

    // Building the page selects the current language without switching; choosing one switches
    // once and re-applies the texts; a change made elsewhere only moves the selection.
    void settingsLanguage()
    {
        QSettings().clear();
        Application app{Application::TransportFactory()};
        LanguageManager* manager = app.languageManager.get();
        manager->setLanguage(QStringLiteral("zh_TW"));
        QSignalSpy spy(manager, &LanguageManager::localeChanged);
        SettingsPage page(&app);
        auto* combo = page.findChild<QComboBox*>();
        QCOMPARE(combo->currentText(), QStringLiteral("繁體中文"));
        page.retranslateUi();
        QCOMPARE(spy.count(), 0);

        combo->setCurrentIndex(combo->findText(QStringLiteral("Deutsch")));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(manager->currentLanguage(), QStringLiteral("de"));
        QTRY_COMPARE(title(&page), QStringLiteral("<h2>Einstellungen</h2>"));
        QCOMPARE(combo->itemText(0), QStringLiteral("English")); // native names stay

        manager->setLanguage(QStringLiteral("FR"));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(combo->currentText(), QStringLiteral("Français"));
        manager->setLanguage(QStringLiteral("en"));

        SettingsPage alone(nullptr); // without a language manager the list still works
        alone.findChild<QComboBox*>()->setCurrentIndex(1);
        QCOMPARE(alone.findChild<QComboBox*>()->currentIndex(), 1);
    }

    void updateComparison_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("fileVersion");
        QTest::addColumn<QString>("status");
        QTest::newRow("newer") << true << "fw_3.1.10.bin"
                               << "3.1.2"
                               << "3.1.10"
                               << "A newer firmware version is available in this file.";
        QTest::newRow("disconnected") << false << "fw_3.1.3.bin"
                                      << "Unknown"
                                      << "3.1.3"
                                      << "Connect your pedals to see the current firmware version.";
    }
    void updateComparison()
    {
        QFETCH(bool, connected);
        QFETCH(QString, file);
        UpdateRig rig;
        rig.app.linkState->connected = connected;
        rig.app.config->ver = 0x0312;
        Q_EMIT rig.app.config->configChanged();
        rig.page.setSelectedFile(rig.makeFile(file));
        QTEST(rig.page.currentFirmwareValue()->text(), "current");
        QTEST(rig.page.fileVersionValue()->text(), "fileVersion");
        QTEST(rig.page.statusValue()->text(), "status");
    }

    void updateBusyRuleAndPhase()
    {
        UpdateRig rig;
        QCOMPARE(rig.buttons(), (QList<bool>{true, false, false}));
        rig.setBusy(true);
        rig.page.setSelectedFile(rig.makeFile("fw_1.0.0.bin"));
        QCOMPARE(rig.buttons(), (QList<bool>{false, false, true}));
        rig.page.onProgress(50, QStringLiteral("Installing firmware…"));
        rig.page.onProgress(-5, QString()); // clamped; an empty status keeps the phase
        QCOMPARE(rig.page.progressBar()->value(), 0);
        rig.page.onProgress(130, QString());
        QCOMPARE(rig.page.progressBar()->value(), 100);
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&rig.page, &change);
        QCOMPARE(rig.page.phaseLabel()->text(), QStringLiteral("Installing firmware…"));

        rig.setBusy(false);
        QCOMPARE(rig.buttons(), (QList<bool>{true, true, false}));
        QApplication::sendEvent(&rig.page, &change);
        QCOMPARE(rig.page.phaseLabel()->text(), QStringLiteral("Ready"));
        rig.page.onUpgradeBusyChanged(true); // the signal counts before the record does
        QCOMPARE(rig.buttons(), (QList<bool>{false, false, true}));
    }

    void updateStartDialogs()
    {
        UpdateRig rig;
        QSignalSpy busy(rig.app.coordinator.get(), &SessionCoordinator::upgradeBusyChanged);
        DialogScript dialogs({int(QMessageBox::Ok), int(QMessageBox::No), int(QMessageBox::Yes), int(QMessageBox::Ok)});
        rig.page.onStartUpdate(); // no file chosen
        QCOMPARE(dialogs.seen.value(0), QStringLiteral("Firmware update|Please choose a firmware file (.bin) first."));
        QVERIFY(busy.isEmpty()); // the manager was not asked

        rig.page.setSelectedFile(rig.makeFile("fw_1.0.0.bin", 55297));
        rig.page.onProgress(30, QStringLiteral("Earlier"));
        const QString log = rig.page.logView()->toPlainText();
        rig.page.onStartUpdate(); // No: nothing changes
        QVERIFY(dialogs.seen.value(1).startsWith("Firmware update|The firmware update is about to start."));
        QCOMPARE(rig.page.logView()->toPlainText(), log);
        QCOMPARE(rig.page.progressBar()->value(), 30);
        QCOMPARE(rig.buttons(), (QList<bool>{true, true, false}));

        rig.page.onStartUpdate(); // Yes: the file check fails at once and the page says so
        const QString message =
            "This firmware file is too large for your pedals (55 KB). The maximum supported size is 54 KB.";
        QCOMPARE(dialogs.seen.value(3), "Firmware update|" + message);
        QCOMPARE(rig.page.phaseLabel()->text(), QStringLiteral("Update could not be completed"));
        QCOMPARE(rig.page.logView()->toPlainText(), message);
        QCOMPARE(rig.buttons(), (QList<bool>{true, true, false})); // the same file can be tried again
        QVERIFY(dialogs.allAnswered());
    }

    void updateLogShowsPathsVerbatim()
    {
        UpdateRig rig;
        const QString path = rig.makeFile("<b>fw</b> & 1.0.0.bin");
        rig.page.setSelectedFile(path);
        QCOMPARE(rig.page.selectedFileValue()->text(), path);
        rig.page.onLogLine(QStringLiteral("two\nlines"));
        QCOMPARE(rig.page.logView()->toPlainText(), QStringLiteral("Selected: %1\ntwo\nlines").arg(path));
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
