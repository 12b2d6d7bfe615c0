// Files the user names or plants: FIFOs (an open blocks), links to devices (a read never
// ends), huge files, planted links, a write that fails half way; and the debug log.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/DebugLog.h"
#include "firmware/FirmwareFile.h"
#include "profiles/CurveProfileJsonStore.h"

namespace {
// Link target, type or contents of a directory entry, without following it or opening a FIFO.
QString describe(const QString& path)
{
    const QFileInfo info(path);
    QFile f(path);
    if (info.isSymLink() || !info.isFile() || !f.open(QIODevice::ReadOnly))
        return info.symLinkTarget() + QString::number(info.exists());
    return QString::number(qHash(f.readAll()));
}

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString logPath() const { return m_dir.filePath(QStringLiteral("quilbex_debug.log")); }
    QStringList logLines() const
    {
        QFile f(logPath());
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                           : QStringList();
    }

private Q_SLOTS:
    void cleanup()
    {
        closeDebugLog();
        qInstallMessageHandler(nullptr);
    }

    void hostileFilesAreRefusedUntouched_data()
    {
        QTest::addColumn<QString>("kind");      // fifo, zero (a link to /dev/zero), huge, victim, hard link, profile
        QTest::addColumn<QString>("name");      // where it is planted
        QTest::addColumn<QString>("operation"); // list, load, save, firmware, log
        QTest::addColumn<QString>("result");    // %1 stands for the planted path
        const auto row = [](const char* tag, const char* kind, const char* name, const char* op, QString result) {
            QTest::newRow(tag) << kind << name << op << result;
        };
        row("listing: link to /dev/zero", "zero", "a.json", "list", "Good");
        row("load: FIFO", "fifo", "a.json", "load", "Not a regular file: %1");
        row("load: over 1 MiB", "huge", "a.json", "load", "File is too large: %1");
        row("save over a FIFO", "fifo", "a.json", "save", "Not a regular file: %1");
        // The file size limit fails the write half way, as a full disk would; the old file stays whole.
        row("save: write fails", "profile", "a.json", "save", "Write failed: %1");
        const QString notRegular = QStringLiteral("That is not a regular file. Please choose a firmware file (.bin).");
        row("firmware: FIFO", "fifo", "fw-2.0.0.bin", "firmware", notRegular);
        row("firmware: link to /dev/zero", "zero", "fw-2.0.0.bin", "firmware", notRegular);
        row("log: planted link", "victim", "quilbex_debug.log", "log", "not opened");
        row("log: planted hard link", "hard link", "quilbex_debug.log", "log", "not opened");
        row("log: FIFO", "fifo", "quilbex_debug.log", "log", "not opened");
        row("log: missing folder", "none", "missing/quilbex_debug.log", "log", "not opened");
    }

    void hostileFilesAreRefusedUntouched()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, operation);
        QFETCH(QString, result);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        const QString victim = dir.filePath(QStringLiteral("victim.txt"));
        QVERIFY(CurveProfileJsonStore::saveProfile(victim, makeDefaultProfile("Old"), nullptr));
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("profile"))
            QVERIFY(QFile::copy(victim, path));
        else if (kind == QLatin1String("huge"))
            QVERIFY(QFile::resize(victim, 2 * 1024 * 1024) && QFile::rename(victim, path));
        else if (kind == QLatin1String("hard link"))
            QCOMPARE(::link(QFile::encodeName(victim).constData(), QFile::encodeName(path).constData()), 0);
        else if (kind != QLatin1String("none"))
            QVERIFY(QFile::link(kind == QLatin1String("victim") ? victim : "/dev/" + kind, path));
        const QString before = describe(path) + describe(victim);

        QString outcome;
        if (operation == QLatin1String("list")) {
            QVERIFY(CurveProfileJsonStore::saveProfile(dir.filePath("good.json"), makeDefaultProfile("Good"), nullptr));
            QVERIFY(CurveProfileJsonStore::ensureDefaultProfiles(dir.path(), nullptr));
            for (const ProfileEntry& entry : CurveProfileJsonStore::listProfiles(dir.path()))
                outcome += entry.displayName;
        } else if (operation == QLatin1String("load")) {
            CurveProfile profile;
            QVERIFY(!CurveProfileJsonStore::loadProfile(path, profile, &outcome));
        } else if (operation == QLatin1String("save")) {
            rlimit limit = {};
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
            const rlimit tiny{64, limit.rlim_max};
            std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the test
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
            const bool written = CurveProfileJsonStore::saveProfile(path, makeDefaultProfile("New"), &outcome);
            ::setrlimit(RLIMIT_FSIZE, &limit);
            QVERIFY(!written);
        } else if (operation == QLatin1String("firmware")) {
            outcome = checkFirmwareFile(path).message;
        } else {
            outcome = openDebugLog(path) || isDebugLogOpen() ? QStringLiteral("opened") : QStringLiteral("not opened");
        }
        QCOMPARE(outcome, result.contains("%1") ? result.arg(path) : result);
        QCOMPARE(describe(path) + describe(victim), before);
    }

    // Truncated at every start; one line per message with time and level; nothing after close.
    void logLinesOfOneRun()
    {
        QVERIFY(openDebugLog(logPath()));
        qDebug("earlier run");
        QVERIFY(openDebugLog(logPath()));
        qInfo("[Scan] device not found");
        qWarning("careful");
        qCritical("bad");
        closeDebugLog();
        qDebug("dropped");
        const QStringList expected{"[DBG] [Scan] device not found", "[WRN] careful", "[CRT] bad"};
        QCOMPARE(logLines().replaceInStrings(QRegularExpression("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]"), ""), expected);
    }

    // The update worker may still log while main logs, or closes the file at exit: lines stay
    // whole and nothing goes to a file being closed.
    void anotherThreadLogsMeanwhile()
    {
        QVERIFY(openDebugLog(logPath()));
        std::atomic<bool> stop{false};
        std::unique_ptr<QThread> worker(QThread::create([&stop] {
            while (!stop)
                qDebug("worker line with a little padding");
        }));
        worker->start();
        for (int i = 1; i <= 1000; ++i) {
            qDebug("gui line with a little padding");
            if (i % 20 == 0) {
                closeDebugLog();
                QVERIFY(openDebugLog(logPath()));
            }
        }
        stop = true;
        QVERIFY(worker->wait(10000));
        closeDebugLog();
        const QRegularExpression whole("^\\[[0-9:.]{12}\\]\\[DBG\\] (worker|gui) line with a little padding$");
        for (const QString& line : logLines())
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
