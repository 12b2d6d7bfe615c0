// quilbex-cli's commands run in this process, their streams on files; on the virtual pedals, one
// invocation's effect is seen through the next, which shares their flash (--sim-state).

#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "device/sim/SimulatedPedals.h"
#include "profiles/ProfileFormat.h"

namespace {

struct Run
{
    int code = -1;
    QString out, err;
};

// Standard input is empty (never a terminal: nothing may prompt), as in a script.
Run run(const QStringList& args)
{
    QTemporaryFile out, err;
    QFile null(QStringLiteral("/dev/null"));
    if (!out.open() || !err.open() || !null.open(QIODevice::ReadOnly))
        return {};
    std::fflush(nullptr);
    const int saved[3] = {::dup(0), ::dup(1), ::dup(2)};
    const int streams[3] = {null.handle(), out.handle(), err.handle()};
    for (int fd = 0; fd < 3; ++fd)
        ::dup2(streams[fd], fd);
    const QtMessageHandler testHandler = qInstallMessageHandler(nullptr);
    cli::installMessageHandler();
    Run r{cli::runCli(QStringList{"quilbex-cli"} + args), {}, {}};
    qInstallMessageHandler(testHandler);
    std::fflush(nullptr);
    for (int fd = 0; fd < 3; ++fd) {
        ::dup2(saved[fd], fd);
        ::close(saved[fd]);
    }
    // The streams moved the files' shared offsets.
    r.out = out.seek(0) ? QString::fromUtf8(out.readAll()) : QString();
    r.err = err.seek(0) ? QString::fromUtf8(err.readAll()) : QString();
    return r;
}

void writeFile(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
}

QByteArray readFile(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The current folder: each regular file's bytes, or what else stands there.
QMap<QString, QByteArray> snapshot()
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo& f : QDir().entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
        files[f.fileName()] = f.isFile() ? readFile(f.fileName()) : QByteArray(f.isDir() ? "folder" : "other");
    return files;
}

QJsonObject info(const QString& state)
{
    return QJsonDocument::fromJson(run({"info", "--json", "--simulate", "--sim-state", state}).out.toUtf8()).object();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid() && QDir::setCurrent(m_dir.path()));
        qunsetenv("QUILBEX_SIM_STATE");
        qputenv("QUILBEX_SIM_RESTART_MS", "30");
        qputenv("QUILBEX_SIM_SWITCH_MS", "30");
    }

    // backup saves what apply wrote, except that the profile's uncalibrated clutch kept the
    // pedals' own calibration; applying the backup changes nothing. Each write keeps what the
    // pedals held in the history; restore writes it back and is kept in turn (to be undone).
    void applyBackupRestore()
    {
        const auto history = [] {
            return QJsonDocument::fromJson(run({"history", "--json", "--simulate"}).out.toUtf8()).object();
        };
        QFile::remove(history().value("file").toString());
        const QStringList sim{"--simulate", "--sim-state", "apply.state"};
        const QJsonObject factory = info("apply.state");
        CurveProfile profile = makeDefaultProfile(QStringLiteral("Rally"));
        const CurvePoints custom{0, 4, 9, 15, 22, 31, 42, 55, 70, 85, 100};
        for (int i = 0; i < 3; ++i)
            profile.pedals[size_t(i)] = {qint16(-12 + i), qint16(3500 + i), -32767, 32767, i != 2,
                                         10 + i,          20 + i,           4 + i,  4,     custom};
        writeFile("rally.json", profileToJson(profile));
        const Run r = run(QStringList{"apply", "rally.json"} + sim);
        QVERIFY2(r.code == 0 && r.out.contains("matches"), qPrintable(r.err));
        const QJsonObject applied = info("apply.state");
        QCOMPARE(applied["pedals"]["clutch"]["min"].toInt(), int(SimulatedPedals::kRestRaw));
        QCOMPARE(applied["pedals"]["throttle"]["deadzoneBottom"].toInt(), 20);

        QCOMPARE(run(QStringList{"backup", "saved.json"} + sim).code, 0);
        CurveProfile saved;
        QVERIFY(parseProfileJson(readFile("saved.json"), saved, nullptr));
        profile.pedals[2].rawMin = SimulatedPedals::kRestRaw;
        profile.pedals[2].rawMax = SimulatedPedals::kFullRaw;
        profile.pedals[2].calibrated = true;
        QVERIFY(saved.pedals == profile.pedals);
        QCOMPARE(run(QStringList{"apply", "saved.json"} + sim).code, 0);
        QCOMPARE(info("apply.state"), applied);

        QCOMPARE(run({"history", "--simulate"}).out.count("  apply"), 2);
        const Run restore = run(QStringList{"restore", "1"} + sim);
        QVERIFY2(restore.code == 0, qPrintable(restore.err));
        QCOMPARE(info("apply.state"), factory);
        const QJsonArray entries = history().value("entries").toArray();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(0)["action"].toString(), QStringLiteral("restore"));
        QCOMPARE(run(QStringList{"restore", "99"} + sim).code, 2);
    }

    // Wrong usage (2), no pedals (1), bad and hostile files (3): a message, no result, and no file
    // changed; a state that could not be saved is never reported as success.
    void failuresChangeNothing_data()
    {
        QTest::addColumn<QStringList>("args"); // SIM: the virtual pedals with their state in s.state
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const QString& args, int code, const QString& message) {
            QTest::newRow(tag)
                << QString(args).replace("SIM", "--simulate --sim-state s.state").split(' ', Qt::SkipEmptyParts) << code
                << message;
        };
        row("no command", "", 2, "Usage: quilbex-cli <command>");
        row("unknown command", "calibrate", 2, "unknown command 'calibrate'");
        row("extra argument", "info SIM extra", 2, "unexpected argument 'extra'");
        row("missing file", "apply SIM", 2, "missing argument");
        row("sim-state without simulate", "info --sim-state s.state", 2, "--sim-state needs --simulate");
        row("seconds zero", "monitor SIM --seconds 0", 2, "--seconds needs a positive number");
        // Standard input is not a terminal, so only --yes may start an update.
        row("flash without yes", "flash big-2.0.0.bin SIM", 2, "add --yes");
        row("no pedals: devices", "devices", 1, "Pedals not found");
        row("no pedals: monitor", "monitor --seconds 1", 1, "Pedals not found");
        row("no pedals: backup", "backup x.json", 1, "Pedals not found");
        row("not json", "apply notjson.json SIM", 3, "Invalid profile file. This is not a Quilbex Pedals profile.");
        row("out of range", "apply range.json SIM", 3, "Out of range deadzoneTop");
        row("missing profile", "apply absent.json SIM", 3, "absent.json: file not found.");
        row("corrupt state", "info --simulate --sim-state corrupt.state", 3, "state from corrupt.state");
        row("unwritable backup", "backup no-dir/sub/x.json SIM", 3, "no-dir/sub/x.json");
        row("state not saved", "apply good.json --simulate --sim-state no/x", 3, "state to no/x");
        row("apply a FIFO", "apply pipe.json SIM", 3, "Not a regular file: pipe.json");
        row("backup onto a FIFO", "backup pipe.json SIM", 3, "Not a regular file: pipe.json");
        row("state from a FIFO", "info --simulate --sim-state pipe.state", 3, "Not a regular file: pipe.state");
        row("flash too large", "flash big-2.0.0.bin --yes SIM", 3, "The maximum supported size is 54 KB.");
    }

    void failuresChangeNothing()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        // Real hardware: pedals are not found only where none are attached (as on a build machine).
        if (code == 1 && run({"devices"}).code != 1)
            QSKIP("pedals are attached to this machine");
        if (!QFileInfo::exists("s.state")) {
            QCOMPARE(info("s.state").value("firmwareVersion").toString(), QStringLiteral("2.0.7"));
            for (const char* pipe : {"pipe.json", "pipe.state"})
                QCOMPARE(::mkfifo(pipe, 0600), 0);
            writeFile("range.json", profileToJson(makeDefaultProfile("x")).replace(": 3,", ": 51,"));
            writeFile("good.json", profileToJson(makeDefaultProfile("good")));
            writeFile("notjson.json", "filter=3\n");
            writeFile("corrupt.state", "not a flash block");
            writeFile("big-2.0.0.bin", QByteArray(55297, '\x5a'));
        }
        const QMap<QString, QByteArray> before = snapshot();
        const Run r = run(args);
        QCOMPARE(r.code, code);
        QVERIFY2((code == 3 || r.out.isEmpty()) && r.err.contains(message), qPrintable(r.out + r.err));
        QCOMPARE(snapshot(), before);
    }

    // The process boundary: a result that could not be written is no success.
    void fullStandardOutputExitsWithThree()
    {
        for (const char* args : {"info --json --simulate", "backup full.json --simulate"}) {
            QProcess p;
            p.setStandardOutputFile(QStringLiteral("/dev/full"));
            p.start(qEnvironmentVariable("QUILBEX_BINARY_DIR") + "/src/cli/quilbex-cli", QString(args).split(' '));
            QVERIFY(p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit);
            QCOMPARE(p.exitCode(), 3);
            QVERIFY(p.readAllStandardError().contains("Cannot write to standard output: No space left on device."));
        }
    }

    void flashInstallsAndTheNewVersionPersists()
    {
        const QString state = QStringLiteral("flash.state");
        QByteArray image(6000, '\x11');
        writeFile("fw-2.3.4.bin", image.replace(100, 13, QByteArray("QBXVER=2.3.4\0", 13)));
        const Run r = run({"flash", "fw-2.3.4.bin", "--yes", "--simulate", "--sim-state", state});
        QVERIFY2(r.code == 0 && r.err.contains("A newer firmware version is available in this file.")
                     && r.out.contains("Current firmware version: 2.3.4"),
                 qPrintable(r.out + r.err));
        QCOMPARE(info(state).value("firmwareVersion").toString(), QStringLiteral("2.3.4"));
    }

    // Lines at 10 Hz on standard output, every 20 ms reading in the CSV file.
    void monitorPrintsLinesAndCsv()
    {
        const Run r = run({"monitor", "--seconds", "0.6", "--simulate", "--csv", "trace.csv"});
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // A loaded machine may print fewer, never many more.
        QVERIFY2(r.code == 0 && lines.size() >= 2 && lines.size() <= 7, qPrintable(r.out + r.err));
        const QRegularExpression shape(
            R"(^\d+\.\d throttle raw=-?\d+ out=-?\d+ brake raw=-?\d+ out=-?\d+ clutch raw=-?\d+ out=-?\d+$)");
        for (const QString& line : lines)
            QVERIFY2(shape.match(line).hasMatch(), qPrintable(line)); // no terminal drawing into a file
        const QStringList csv = QString::fromUtf8(readFile("trace.csv")).split('\n', Qt::SkipEmptyParts);
        QVERIFY2(csv.size() > 10 && csv[0].startsWith("time_ms,") && csv[1].startsWith("0,"),
                 qPrintable(csv.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
