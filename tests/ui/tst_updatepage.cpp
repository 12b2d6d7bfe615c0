#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "firmware/FakeUpdateDevice.h"
#include "firmware/FirmwareUpdateManager.h"
#include "ui/UpdatePage.h"

namespace {

// Answers the message boxes the page opens, in order, and remembers what they said.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers) : m_answers(std::move(answers))
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || m_answers.isEmpty())
                return;
            titles << box->windowTitle();
            texts << box->text();
            icons << box->icon();
            box->button(m_answers.takeFirst())->click();
        });
        m_timer.start();
    }
    QStringList titles;
    QStringList texts;
    QList<QMessageBox::Icon> icons;

private:
    QList<QMessageBox::StandardButton> m_answers;
    QTimer m_timer;
};

} // namespace

class TestUpdatePage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void initialLayout();
    void comparisonRows_data();
    void comparisonRows();
    void busyRule();
    void progressAndPhase();
    void languageChangeDuringUpdate();
    void startWithoutFile();
    void answeringNoChangesNothing();
    void badFileReportsFailure();
    void logShowsPathsVerbatim();

private:
    QString makeFile(const QString& name, int size = 100)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray(size, '\1'));
        return path;
    }
    void setBusy(bool busy)
    {
        m_app->upgradeStatus->state.store(busy ? UpgradeStatus::Transferring : UpgradeStatus::Idle);
        m_app->coordinator->refreshUpgradeBusySignal();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Application> m_app;
    std::unique_ptr<UpdatePage> m_page;
};

void TestUpdatePage::init()
{
    // Nothing on the bus: the coordinator stays disconnected.
    m_app = std::make_unique<Application>(
        [] { return std::unique_ptr<IHidTransport>(new FakeUpdateDevice(FakeUpdateDevice::Mode::Away)); });
    m_page = std::make_unique<UpdatePage>(m_app.get());
}

void TestUpdatePage::cleanup()
{
    m_page.reset();
    m_app.reset();
}

void TestUpdatePage::initialLayout()
{
    UpdatePage& p = *m_page;
    QCOMPARE(p.objectName(), QStringLiteral("pageUpdate"));
    for (const char* name : {"pageTitle", "pageHint", "placeholderCard", "updateProgress", "updatePhase"})
        QVERIFY2(p.findChild<QWidget*>(QLatin1String(name)), name);
    QCOMPARE(p.findChild<QLabel*>("pageTitle")->text(), QStringLiteral("<h2>Firmware update</h2>"));
    QCOMPARE(p.currentFirmwareValue()->text(), QStringLiteral("Unknown"));
    QCOMPARE(p.selectedFileValue()->text(), QStringLiteral("(none)"));
    QCOMPARE(p.fileVersionValue()->text(), QStringLiteral("Unknown"));
    QCOMPARE(p.statusValue()->text(), QStringLiteral("Choose a firmware file to see how it compares to your pedals."));
    QCOMPARE(p.phaseLabel()->text(), QStringLiteral("Ready"));
    QCOMPARE(p.progressBar()->value(), 0);
    QCOMPARE(p.progressBar()->format(), QStringLiteral("%p%"));
    QCOMPARE(p.logView()->placeholderText(), QStringLiteral("Update progress will appear here."));
    QVERIFY(p.logView()->isReadOnly());
    QVERIFY(p.chooseButton()->isEnabled());
    QVERIFY(!p.startButton()->isEnabled());
    QVERIFY(!p.cancelButton()->isEnabled());
}

void TestUpdatePage::comparisonRows_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("ver");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("fileVersion");
    QTest::addColumn<QString>("status");
    QTest::newRow("newer") << true << 0x0312 << "fw_3.1.3.bin" << "3.1.2" << "3.1.3"
                           << "A newer firmware version is available in this file.";
    QTest::newRow("same") << true << 0x0312 << "fw_v3.1.2.bin" << "3.1.2" << "3.1.2"
                          << "This file matches the firmware already on your pedals.";
    QTest::newRow("disconnected") << false << 0x0312 << "fw_3.1.3.bin" << "Unknown" << "3.1.3"
                                  << "Connect your pedals to see the current firmware version.";
    QTest::newRow("version word 0") << true << 0 << "fw_3.1.3.bin" << "Unknown" << "3.1.3"
                                    << "Connect your pedals to see the current firmware version.";
    QTest::newRow("no version in name") << true << 0x0312 << "firmware.bin" << "3.1.2" << "Unknown"
                                        << "We couldn't read a version from the file name.";
}

void TestUpdatePage::comparisonRows()
{
    QFETCH(bool, connected);
    QFETCH(int, ver);
    QFETCH(QString, file);
    QFETCH(QString, current);
    QFETCH(QString, fileVersion);
    QFETCH(QString, status);
    m_app->linkState->connected = connected;
    m_app->config->ver = quint16(ver);
    Q_EMIT m_app->config->configChanged();
    const QString path = makeFile(file);
    m_page->setSelectedFile(path);
    QCOMPARE(m_page->currentFirmwareValue()->text(), current);
    QCOMPARE(m_page->selectedFileValue()->text(), path);
    QCOMPARE(m_page->fileVersionValue()->text(), fileVersion);
    QCOMPARE(m_page->statusValue()->text(), status);
    QVERIFY(m_page->startButton()->isEnabled());
}

void TestUpdatePage::busyRule()
{
    UpdatePage& p = *m_page;
    setBusy(true);
    QVERIFY(!p.chooseButton()->isEnabled());
    QVERIFY(!p.startButton()->isEnabled());
    QVERIFY(p.cancelButton()->isEnabled());
    // A file chosen meanwhile does not enable Start while busy.
    p.setSelectedFile(makeFile("fw_1.0.0.bin"));
    QVERIFY(!p.startButton()->isEnabled());
    setBusy(false);
    QVERIFY(p.chooseButton()->isEnabled());
    QVERIFY(p.startButton()->isEnabled());
    QVERIFY(!p.cancelButton()->isEnabled());
    // The signal's own truth counts even before the record says so.
    p.onUpgradeBusyChanged(true);
    QVERIFY(p.cancelButton()->isEnabled());
    QVERIFY(!p.startButton()->isEnabled());
}

void TestUpdatePage::progressAndPhase()
{
    UpdatePage& p = *m_page;
    p.onProgress(40, QStringLiteral("Installing firmware…"));
    QCOMPARE(p.progressBar()->value(), 40);
    p.onProgress(-5, QString());
    QCOMPARE(p.progressBar()->value(), 0);
    QCOMPARE(p.phaseLabel()->text(), QStringLiteral("Installing firmware…"));
    p.onProgress(130, QStringLiteral("Almost"));
    QCOMPARE(p.progressBar()->value(), 100);
    QCOMPARE(p.phaseLabel()->text(), QStringLiteral("Almost"));
}

void TestUpdatePage::languageChangeDuringUpdate()
{
    UpdatePage& p = *m_page;
    setBusy(true);
    p.onProgress(50, QStringLiteral("Installing firmware…"));
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&p, &change);
    QCOMPARE(p.phaseLabel()->text(), QStringLiteral("Installing firmware…"));
    setBusy(false);
    QApplication::sendEvent(&p, &change);
    QCOMPARE(p.phaseLabel()->text(), QStringLiteral("Ready"));
}

void TestUpdatePage::startWithoutFile()
{
    QSignalSpy busy(m_app->coordinator.get(), &SessionCoordinator::upgradeBusyChanged);
    BoxAnswerer answerer({QMessageBox::Ok});
    m_page->startButton()->setEnabled(true); // reachable only through a stale button state
    m_page->onStartUpdate();
    QCOMPARE(answerer.texts, QStringList{"Please choose a firmware file (.bin) first."});
    QCOMPARE(answerer.titles, QStringList{"Firmware update"});
    QCOMPARE(answerer.icons.value(0), QMessageBox::Warning);
    QVERIFY(busy.isEmpty()); // the manager was not asked
    QVERIFY(!m_page->manager()->hasWorker());
}

void TestUpdatePage::answeringNoChangesNothing()
{
    UpdatePage& p = *m_page;
    p.setSelectedFile(makeFile("fw_1.0.0.bin"));
    p.onProgress(30, QStringLiteral("Earlier"));
    const QString log = p.logView()->toPlainText();
    BoxAnswerer answerer({QMessageBox::No});
    p.onStartUpdate();
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY(answerer.texts.at(0).startsWith("The firmware update is about to start."));
    QCOMPARE(p.logView()->toPlainText(), log);
    QCOMPARE(p.progressBar()->value(), 30);
    QCOMPARE(p.phaseLabel()->text(), QStringLiteral("Earlier"));
    QVERIFY(p.startButton()->isEnabled());
    QVERIFY(!p.cancelButton()->isEnabled());
    QVERIFY(!p.manager()->hasWorker());
}

void TestUpdatePage::badFileReportsFailure()
{
    UpdatePage& p = *m_page;
    p.setSelectedFile(makeFile("fw_1.0.0.bin", 55297));
    BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});
    p.onStartUpdate();
    const QString message =
        "This firmware file is too large for your pedals (55 KB). The maximum supported size is 54 KB.";
    QCOMPARE(answerer.texts.value(1), message);
    QCOMPARE(answerer.icons.value(1), QMessageBox::Warning);
    QCOMPARE(p.phaseLabel()->text(), QStringLiteral("Update could not be completed"));
    QVERIFY(p.logView()->toPlainText().endsWith(message));
    QVERIFY(p.startButton()->isEnabled()); // the same file can be tried again
    QVERIFY(!p.cancelButton()->isEnabled());
    QCOMPARE(p.selectedFile(), m_dir.filePath("fw_1.0.0.bin"));
}

void TestUpdatePage::logShowsPathsVerbatim()
{
    const QString path = makeFile("<b>fw</b> & 1.0.0.bin");
    m_page->setSelectedFile(path);
    QCOMPARE(m_page->logView()->toPlainText(), QStringLiteral("Selected: %1").arg(path));
    m_page->onLogLine(QStringLiteral("two\nlines"));
    QVERIFY(m_page->logView()->toPlainText().endsWith(QStringLiteral("\ntwo\nlines")));
}

QTEST_MAIN(TestUpdatePage)
#include "tst_updatepage.moc"
