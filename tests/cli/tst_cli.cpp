// quilbex-cli's commands on the virtual pedals, run in this process with their standard streams
// on files; the effect of one invocation is seen through a second one sharing the virtual
// pedals' flash (--sim-state).

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
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
    QString out;
    QString err;
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
        files[f.fileName()] = f.isFile() ? readFile(f.fileName())
            : f.isDir()                  ? QByteArray("folder")
                                         : QByteArray("other");
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
        QCoreApplication::setApplicationName(QStringLiteral("Quilbex Control"));
        QCoreApplication::setOrganizationName(QStringLiteral("Quilbex"));
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::newRow("no command") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{"calibrate"} << 2;
        QTest::newRow("unknown option") << QStringList{"info", "--simulate", "--colour"} << 2;
        QTest::newRow("extra argument") << QStringList{"info", "--simulate", "extra"} << 2;
        QTest::newRow("missing file") << QStringList{"apply", "--simulate"} << 2;
        QTest::newRow("sim-state without simulate") << QStringList{"info", "--sim-state", "x.state"} << 2;
        QTest::newRow("seconds zero") << QStringList{"monitor", "--simulate", "--seconds", "0"} << 2;
        // Standard input is not a terminal, so only --yes may start an update.
        QTest::newRow("flash without yes") << QStringList{"flash", "--simulate", "fw-2.1.0.bin"} << 2;
        QTest::newRow("no pedals: devices") << QStringList{"devices"} << 1;
        QTest::newRow("no pedals: monitor") << QStringList{"monitor", "--seconds", "1"} << 1;
        QTest::newRow("no pedals: backup") << QStringList{"backup", "nothing.json"} << 1;
        for (const char* c : {"devices", "info", "monitor", "backup", "apply", "flash", "games", "bind", "unbind",
                              "watch", "history", "restore"})
            QTest::addRow("%s --help", c) << QStringList{c, "--help"} << 0;
    }

    void usage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        // Real hardware: pedals are not found only where none are attached (as on a build machine).
        if (code == 1 && run({"devices"}).code != 1)
            QSKIP("pedals are attached to this machine");
        const Run r = run(args);
        QCOMPARE(r.code, code);
        if (code == 0)
            QVERIFY2(r.out.startsWith("Usage: quilbex-cli " + args[0]) && r.err.isEmpty(), qPrintable(r.out));
        else
            QVERIFY2(r.out.isEmpty() && !r.err.isEmpty() && !QFile::exists("nothing.json"), qPrintable(r.err));
    }

    void devicesMarksTheVendorInterface()
    {
        const Run r = run({"devices", "--simulate"});
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(r.code == 0 && lines.size() == 3); // header, joystick, vendor interface
        QCOMPARE(lines.filter(QRegularExpression(" yes$")), lines.filter(QRegularExpression("7864:5801  0xff00 ")));
        QCOMPARE(lines.filter(QRegularExpression(" yes$")).size(), 1);
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

    // Bad and hostile files are refused with exit code 3 and change no file; a state that
    // could not be saved is never reported as success.
    void refusalsExitWithThree_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const QString& args, const QString& message) {
            const QStringList sim{"--simulate", "--sim-state", "s.state"};
            QTest::newRow(tag) << args.split(' ') + (args.contains("--sim-state") ? QStringList() : sim) << message;
        };
        row("not json", "apply notjson.json", "Invalid profile file. This is not a Quilbex Pedals profile.");
        row("out of range", "apply range.json", "Out of range deadzoneTop");
        row("missing profile", "apply absent.json", "absent.json: file not found.");
        row("corrupt state", "info --simulate --sim-state corrupt.state", "Could not load the virtual pedals' state");
        row("unwritable backup", "backup no-dir/sub/x.json", "no-dir/sub/x.json");
        row("state not saved", "apply good.json --simulate --sim-state no/x",
            "Could not save the virtual pedals' state");
        row("apply a FIFO", "apply pipe.json", "Not a regular file: pipe.json");
        row("backup onto a FIFO", "backup pipe.json", "Not a regular file: pipe.json");
        row("state from a FIFO", "info --simulate --sim-state pipe.state", "Not a regular file: pipe.state");
        row("flash too large", "flash big-2.0.0.bin --yes", "The maximum supported size is 54 KB.");
    }

    void refusalsExitWithThree()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        if (!QFileInfo::exists("s.state")) {
            QCOMPARE(info("s.state").value("firmwareVersion").toString(), QStringLiteral("2.0.7"));
            for (const char* pipe : {"pipe.json", "pipe.state"})
                QCOMPARE(::mkfifo(pipe, 0600), 0);
            QByteArray range = profileToJson(makeDefaultProfile("x"));
            writeFile("range.json", range.replace("\"deadzoneTop\": 3", "\"deadzoneTop\": 51"));
            writeFile("good.json", profileToJson(makeDefaultProfile("good")));
            writeFile("notjson.json", "filter=3\n");
            writeFile("corrupt.state", "not a flash block");
            writeFile("big-2.0.0.bin", QByteArray(55297, '\x5a'));
        }
        const QMap<QString, QByteArray> before = snapshot();
        const Run r = run(args);
        QCOMPARE(r.code, 3);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(snapshot(), before);
    }

    // The process boundary: a result that could not be written is no success.
    void fullStandardOutputExitsWithThree_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("info --json") << QStringList{"info", "--json", "--simulate"};
        QTest::newRow("devices") << QStringList{"devices", "--simulate"};
        QTest::newRow("backup") << QStringList{"backup", "full.json", "--simulate"};
    }

    void fullStandardOutputExitsWithThree()
    {
        QFETCH(QStringList, args);
        QProcess p;
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(qEnvironmentVariable("QUILBEX_BINARY_DIR") + "/src/cli/quilbex-cli", args);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 3);
        QVERIFY(p.readAllStandardError().contains("Cannot write to standard output: No space left on device."));
    }

    void flashInstallsAndTheNewVersionPersists()
    {
        const QString state = QStringLiteral("flash.state");
        QByteArray image(6000, '\x11');
        writeFile("fw-2.3.4.bin", image.replace(100, 13, QByteArray("QBXVER=2.3.4\0", 13)));
        const Run r = run({"flash", "fw-2.3.4.bin", "--yes", "--simulate", "--sim-state", state});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.err.contains("A newer firmware version is available in this file."));
        QVERIFY(r.out.contains("Your pedals have been updated successfully."));
        QVERIFY(r.out.contains("Current firmware version: 2.3.4"));
        QCOMPARE(info(state).value("firmwareVersion").toString(), QStringLiteral("2.3.4"));
    }

    // Lines at 10 Hz on standard output, every 20 ms reading in the CSV file.
    void monitorPrintsLinesAndCsv()
    {
        const Run r = run({"monitor", "--seconds", "0.6", "--simulate", "--csv", "trace.csv"});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // A loaded machine may print fewer, never many more.
        QVERIFY2(lines.size() >= 2 && lines.size() <= 7, qPrintable(r.out));
        const QRegularExpression shape(
            R"(^\d+\.\d throttle raw=-?\d+ out=-?\d+ brake raw=-?\d+ out=-?\d+ clutch raw=-?\d+ out=-?\d+$)");
        for (const QString& line : lines)
            QVERIFY2(shape.match(line).hasMatch(), qPrintable(line)); // no terminal drawing into a file
        const QStringList csv = QString::fromUtf8(readFile("trace.csv")).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(csv.first(), "time_ms,throttle_raw,throttle_out,brake_raw,brake_out,clutch_raw,clutch_out");
        QVERIFY2(csv.size() > 10, qPrintable(QString::number(csv.size())));
        QVERIFY(csv.at(1).startsWith("0,"));
        for (const QString& line : csv.mid(1))
            QVERIFY2(QRegularExpression(R"(^\d+(,-?\d+){6}$)").match(line).hasMatch(), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
