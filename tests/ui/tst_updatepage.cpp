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
#include "firmware/FirmwareUpdateManager.h"
#include "ui/UpdatePage.h"

// Answers the page's message boxes in order and keeps their texts.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers) : m_answers(std::move(answers))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && !m_answers.isEmpty()) {
                texts << box->windowTitle() + ": " + box->text();
                box->button(m_answers.takeFirst())->click();
            }
        });
        m_timer.start(10);
    }
    QStringList texts;

private:
    QList<QMessageBox::StandardButton> m_answers;
    QTimer m_timer;
};

class TestUpdatePage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_app = std::make_unique<Application>(Application::TransportFactory()); // no pedals
        m_page = std::make_unique<UpdatePage>(m_app.get());
    }
    void cleanup()
    {
        m_page.reset();
        m_app.reset();
    }
    void initialLayout();
    void comparisonRows_data();
    void comparisonRows();
    void busyRuleAndPhase();
    void startDialogs();
    void logShowsPathsVerbatim();

private:
    QString makeFile(const QString& name, int size = 100)
    {
        QFile f(m_dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray(size, '\1'));
        return f.fileName();
    }
    void setBusy(bool busy)
    {
        m_app->upgradeStatus->state.store(busy ? UpgradeStatus::Transferring : UpgradeStatus::Idle);
        m_app->coordinator->refreshUpgradeBusySignal();
    }
    // Choose, Start, Cancel enabled.
    QList<bool> buttons() const
    {
        return {m_page->chooseButton()->isEnabled(), m_page->startButton()->isEnabled(),
                m_page->cancelButton()->isEnabled()};
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Application> m_app;
    std::unique_ptr<UpdatePage> m_page;
};

void TestUpdatePage::initialLayout()
{
    for (const char* name : {"pageTitle", "pageHint", "placeholderCard", "updateProgress", "updatePhase"})
        QVERIFY2(m_page->findChild<QWidget*>(QLatin1String(name)), name);
    QCOMPARE(m_page->selectedFileValue()->text(), QStringLiteral("(none)"));
    QCOMPARE(m_page->phaseLabel()->text(), QStringLiteral("Ready"));
    QCOMPARE(buttons(), (QList<bool>{true, false, false}));
}

void TestUpdatePage::comparisonRows_data()
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

void TestUpdatePage::comparisonRows()
{
    QFETCH(bool, connected);
    QFETCH(QString, file);
    QFETCH(QString, current);
    QFETCH(QString, fileVersion);
    QFETCH(QString, status);
    m_app->linkState->connected = connected;
    m_app->config->ver = 0x0312;
    Q_EMIT m_app->config->configChanged();
    m_page->setSelectedFile(makeFile(file));
    QCOMPARE(m_page->currentFirmwareValue()->text(), current);
    QCOMPARE(m_page->selectedFileValue()->text(), m_dir.filePath(file));
    QCOMPARE(m_page->fileVersionValue()->text(), fileVersion);
    QCOMPARE(m_page->statusValue()->text(), status);
}

void TestUpdatePage::busyRuleAndPhase()
{
    setBusy(true);
    m_page->setSelectedFile(makeFile("fw_1.0.0.bin"));
    QCOMPARE(buttons(), (QList<bool>{false, false, true}));

    m_page->onProgress(50, QStringLiteral("Installing firmware…"));
    m_page->onProgress(-5, QString()); // clamped; an empty status keeps the phase
    QCOMPARE(m_page->progressBar()->value(), 0);
    m_page->onProgress(130, QString());
    QCOMPARE(m_page->progressBar()->value(), 100);
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(m_page.get(), &change);
    QCOMPARE(m_page->phaseLabel()->text(), QStringLiteral("Installing firmware…"));

    setBusy(false);
    QCOMPARE(buttons(), (QList<bool>{true, true, false}));
    QApplication::sendEvent(m_page.get(), &change);
    QCOMPARE(m_page->phaseLabel()->text(), QStringLiteral("Ready"));
    m_page->onUpgradeBusyChanged(true); // the signal counts before the record does
    QCOMPARE(buttons(), (QList<bool>{false, false, true}));
}

void TestUpdatePage::startDialogs()
{
    QSignalSpy busy(m_app->coordinator.get(), &SessionCoordinator::upgradeBusyChanged);
    {
        BoxAnswerer answerer({QMessageBox::Ok});
        m_page->onStartUpdate();
        QCOMPARE(answerer.texts, QStringList{"Firmware update: Please choose a firmware file (.bin) first."});
        QVERIFY(busy.isEmpty()); // the manager was not asked
    }
    m_page->setSelectedFile(makeFile("fw_1.0.0.bin", 55297));
    m_page->onProgress(30, QStringLiteral("Earlier"));
    const QString log = m_page->logView()->toPlainText();
    {
        BoxAnswerer answerer({QMessageBox::No});
        m_page->onStartUpdate();
        QVERIFY(answerer.texts.value(0).startsWith("Firmware update: The firmware update is about to start."));
        QCOMPARE(m_page->logView()->toPlainText(), log);
        QCOMPARE(m_page->progressBar()->value(), 30);
        QCOMPARE(m_page->phaseLabel()->text(), QStringLiteral("Earlier"));
        QCOMPARE(buttons(), (QList<bool>{true, true, false}));
    }
    {
        // Yes: the file check fails at once and the page reports it.
        BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});
        m_page->onStartUpdate();
        const QString message =
            "This firmware file is too large for your pedals (55 KB). The maximum supported size is 54 KB.";
        QCOMPARE(answerer.texts.value(1), "Firmware update: " + message);
        QCOMPARE(m_page->phaseLabel()->text(), QStringLiteral("Update could not be completed"));
        QCOMPARE(m_page->logView()->toPlainText(), message);
        QCOMPARE(buttons(), (QList<bool>{true, true, false})); // the same file can be tried again
    }
}

void TestUpdatePage::logShowsPathsVerbatim()
{
    const QString path = makeFile("<b>fw</b> & 1.0.0.bin");
    m_page->setSelectedFile(path);
    m_page->onLogLine(QStringLiteral("two\nlines"));
    QCOMPARE(m_page->logView()->toPlainText(), QStringLiteral("Selected: %1\ntwo\nlines").arg(path));
}

QTEST_MAIN(TestUpdatePage)
#include "tst_updatepage.moc"
