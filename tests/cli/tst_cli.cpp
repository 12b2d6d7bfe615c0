// quilbex-cli as a process on the virtual pedals: exit codes, output streams, and the
// effect of one invocation seen through a second one sharing the virtual pedals' flash.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "device/sim/SimulatedPedals.h"
#include "profiles/ProfileFormat.h"

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    QString m_binary;
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    Run run(const QStringList& args, const QString& stdoutFile = QString())
    {
        QProcess p;
        if (!stdoutFile.isEmpty())
            p.setStandardOutputFile(stdoutFile);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QUILBEX_SIM_STATE"));
        env.insert(QStringLiteral("QUILBEX_SIM_RESTART_MS"), QStringLiteral("30"));
        env.insert(QStringLiteral("QUILBEX_SIM_SWITCH_MS"), QStringLiteral("30"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_dir.path());
        p.setStandardInputFile(QProcess::nullDevice()); // never a terminal: nothing may prompt
        p.start(m_binary, args);
        Run r;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    // info --json through the given state file.
    QJsonObject info(const QString& state)
    {
        const Run r = run({QStringLiteral("info"), QStringLiteral("--json"), QStringLiteral("--simulate"),
                           QStringLiteral("--sim-state"), state});
        if (r.exitCode != 0)
            qWarning() << "info failed:" << r.exitCode << r.err;
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    }

    static void writeFile(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_binary = qEnvironmentVariable("QUILBEX_BINARY_DIR") + QStringLiteral("/src/cli/quilbex-cli");
        if (!QFileInfo::exists(m_binary))
            QSKIP("quilbex-cli is not built");
        QVERIFY(m_dir.isValid());
    }

    void wrongUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"calibrate"};
        QTest::newRow("unknown option") << QStringList{"info", "--simulate", "--colour"};
        QTest::newRow("extra argument") << QStringList{"info", "--simulate", "extra"};
        QTest::newRow("missing file") << QStringList{"apply", "--simulate"};
        QTest::newRow("sim-state without simulate") << QStringList{"info", "--sim-state", "x.state"};
        QTest::newRow("seconds not a number") << QStringList{"monitor", "--simulate", "--seconds", "soon"};
        QTest::newRow("seconds zero") << QStringList{"monitor", "--simulate", "--seconds", "0"};
        // Standard input is not a terminal, so only --yes may start an update.
        QTest::newRow("flash without yes") << QStringList{"flash", "--simulate", "fw-2.1.0.bin"};
    }

    void wrongUsage()
    {
        QFETCH(QStringList, args);
        const Run r = run(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!r.err.isEmpty());
    }

    void helpOfEveryCommand_data()
    {
        QTest::addColumn<QString>("command");
        for (const char* c : {"devices", "info", "monitor", "backup", "apply", "flash", "games", "bind", "unbind",
                              "watch", "history", "restore"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }

    void helpOfEveryCommand()
    {
        QFETCH(QString, command);
        const Run r = run({command, QStringLiteral("--help")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith(QStringLiteral("Usage: quilbex-cli ") + command), qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("--simulate")));
    }

    void devicesMarksTheVendorInterface()
    {
        const Run r = run({QStringLiteral("devices"), QStringLiteral("--simulate")});
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3); // header, joystick, vendor interface
        int selected = 0;
        for (const QString& line : lines.mid(1)) {
            QVERIFY(line.contains(QStringLiteral("7864:5801")));
            if (line.endsWith(QStringLiteral("yes"))) {
                ++selected;
                QVERIFY2(line.contains(QStringLiteral("0xff00")), qPrintable(line));
            }
        }
        QCOMPARE(selected, 1);
    }

    void withoutPedalsEveryDeviceCommandFails_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("devices") << QStringList{"devices"};
        QTest::newRow("info") << QStringList{"info", "--json"};
        QTest::newRow("monitor") << QStringList{"monitor", "--seconds", "1"};
        QTest::newRow("backup") << QStringList{"backup", "nothing.json"};
        QTest::newRow("apply") << QStringList{"apply", "default.json"};
        QTest::newRow("flash") << QStringList{"flash", "fw-2.0.9.bin", "--yes"};
    }

    void withoutPedalsEveryDeviceCommandFails()
    {
        QFETCH(QStringList, args);
        // Real hardware: meaningful only where no pedals are attached (as on a build machine).
        if (run({QStringLiteral("devices")}).exitCode != 1)
            QSKIP("pedals are attached to this machine");
        writeFile(path(QStringLiteral("default.json")), profileToJson(makeDefaultProfile(QStringLiteral("d"))));
        writeFile(path(QStringLiteral("fw-2.0.9.bin")), QByteArray(100, '\x01'));
        const Run r = run(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(QStringLiteral("Pedals not found")), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("nothing.json"))));
    }

    void applyThenInfoShowsTheProfile()
    {
        const QString state = path(QStringLiteral("apply.state"));
        CurveProfile profile = makeDefaultProfile(QStringLiteral("Rally"));
        const CurvePoints custom{0, 4, 9, 15, 22, 31, 42, 55, 70, 85, 100};
        for (int i = 0; i < 3; ++i) {
            PedalProfile& p = profile.pedals[size_t(i)];
            p.rawMin = qint16(250 + i);
            p.rawMax = qint16(3500 + 10 * i);
            p.calibrated = i != 2;
            p.deadzoneTop = 10 + i;
            p.deadzoneBottom = 20 + i;
            p.filter = 4 + i;
            p.curveType = 4;
            p.points = custom;
        }
        writeFile(path(QStringLiteral("rally.json")), profileToJson(profile));

        const Run r = run({QStringLiteral("apply"), QStringLiteral("rally.json"), QStringLiteral("--simulate"),
                           QStringLiteral("--sim-state"), state});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(QStringLiteral("matches")));

        const QJsonObject pedals = info(state).value(QStringLiteral("pedals")).toObject();
        const char* keys[] = {"throttle", "brake", "clutch"};
        for (int i = 0; i < 3; ++i) {
            const QJsonObject p = pedals.value(QLatin1String(keys[i])).toObject();
            // The uncalibrated clutch of the profile keeps the pedals' own calibration.
            const bool fromProfile = i != 2;
            QCOMPARE(p.value(QStringLiteral("min")).toInt(), fromProfile ? 250 + i : int(SimulatedPedals::kRestRaw));
            QCOMPARE(p.value(QStringLiteral("max")).toInt(),
                     fromProfile ? 3500 + 10 * i : int(SimulatedPedals::kFullRaw));
            QVERIFY(p.value(QStringLiteral("calibrated")).toBool());
            QCOMPARE(p.value(QStringLiteral("deadzoneTop")).toInt(), 10 + i);
            QCOMPARE(p.value(QStringLiteral("deadzoneBottom")).toInt(), 20 + i);
            QCOMPARE(p.value(QStringLiteral("filter")).toInt(), 4 + i);
            QCOMPARE(p.value(QStringLiteral("curveType")).toInt(), 4);
            const QJsonArray points = p.value(QStringLiteral("points")).toArray();
            QCOMPARE(points.size(), 11);
            for (int k = 0; k < 11; ++k)
                QCOMPARE(points.at(k).toInt(), int(custom[size_t(k)]));
        }
    }

    // apply keeps what the pedals held; history lists it; restore latest writes it back and is
    // kept in turn, so the restore can be undone.
    void historyAndRestoreLatest()
    {
        const QString state = path(QStringLiteral("history.state"));
        const auto history = [this] {
            const Run r = run({"history", "--json", "--simulate"});
            return QJsonDocument::fromJson(r.out.toUtf8()).object();
        };
        QFile::remove(history().value(QStringLiteral("file")).toString());
        CurveProfile profile = makeDefaultProfile(QStringLiteral("Wet"));
        profile.pedals[0].deadzoneTop = 25;
        writeFile(path(QStringLiteral("wet.json")), profileToJson(profile));
        const QJsonObject before = info(state);
        QCOMPARE(run({"apply", "wet.json", "--simulate", "--sim-state", state}).exitCode, 0);
        QVERIFY(info(state) != before);

        const Run list = run({"history", "--simulate"});
        QCOMPARE(list.exitCode, 0);
        QCOMPARE(list.out.count(QStringLiteral("  apply")), 1);
        const Run restore = run({"restore", "latest", "--simulate", "--sim-state", state});
        QVERIFY2(restore.exitCode == 0, qPrintable(restore.err));
        QCOMPARE(info(state), before);
        const QJsonArray entries = history().value(QStringLiteral("entries")).toArray();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0).toObject().value(QStringLiteral("action")).toString(), QStringLiteral("restore"));
        QCOMPARE(run({"restore", "99", "--simulate", "--sim-state", state}).exitCode, 2);
    }

    void backupThenApplyChangesNothing()
    {
        const QString state = path(QStringLiteral("backup.state"));
        // Start from a non-factory configuration so the round trip carries real values.
        CurveProfile start = makeDefaultProfile(QStringLiteral("Start"));
        start.pedals[1].filter = 6;
        start.pedals[1].deadzoneTop = 50;
        start.pedals[0].calibrated = true;
        start.pedals[0].rawMin = -12;
        start.pedals[0].rawMax = 4095;
        writeFile(path(QStringLiteral("start.json")), profileToJson(start));
        QCOMPARE(run({"apply", "start.json", "--simulate", "--sim-state", state}).exitCode, 0);
        const QJsonObject before = info(state);
        QVERIFY(!before.isEmpty());

        const Run backup = run({"backup", "saved.json", "--simulate", "--sim-state", state});
        QVERIFY2(backup.exitCode == 0, qPrintable(backup.err));
        QFile saved(path(QStringLiteral("saved.json")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        CurveProfile parsed;
        QString error;
        QVERIFY2(parseProfileJson(saved.readAll(), parsed, &error), qPrintable(error));
        QCOMPARE(parsed.pedals[1].filter, 6);
        QCOMPARE(parsed.pedals[0].rawMin, qint16(-12));

        const Run apply = run({"apply", "saved.json", "--simulate", "--sim-state", state});
        QVERIFY2(apply.exitCode == 0, qPrintable(apply.err));
        QCOMPARE(info(state), before);
    }

    void invalidProfileIsRefusedAndNothingWritten_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("not json") << QByteArray("filter=3\n")
                                  << QStringLiteral("Invalid profile file. This is not a Quilbex Pedals profile.");
        QByteArray outOfRange = profileToJson(makeDefaultProfile(QStringLiteral("x")));
        outOfRange.replace("\"deadzoneTop\": 3", "\"deadzoneTop\": 51");
        QTest::newRow("deadzone out of range") << outOfRange << QStringLiteral("Out of range deadzoneTop");
        QByteArray noBrake = profileToJson(makeDefaultProfile(QStringLiteral("x")));
        noBrake.replace("\"brake\"", "\"brakes\"");
        QTest::newRow("missing pedal") << noBrake << QStringLiteral("Missing pedals.brake");
    }

    void invalidProfileIsRefusedAndNothingWritten()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString state = path(QStringLiteral("invalid.state"));
        const QJsonObject before = info(state);
        writeFile(path(QStringLiteral("invalid.json")), content);
        const Run r = run({"apply", "invalid.json", "--simulate", "--sim-state", state});
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(info(state), before);
    }

    void missingProfileFileIsAnInvalidFile()
    {
        const Run r = run({"apply", "no-such-profile.json", "--simulate"});
        QCOMPARE(r.exitCode, 3);
    }

    void backupToAnUnwritablePlaceFails()
    {
        const Run r = run({"backup", "no-such-dir/sub/saved.json", "--simulate"});
        QCOMPARE(r.exitCode, 3);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("no-such-dir"))));
    }

    void corruptSimStateIsRefusedAndKept()
    {
        writeFile(path(QStringLiteral("corrupt.state")), QByteArray("not a flash block"));
        const Run r = run({"info", "--simulate", "--sim-state", "corrupt.state"});
        QCOMPARE(r.exitCode, 3);
        QFile f(path(QStringLiteral("corrupt.state")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("not a flash block"));
    }

    // Hostile files are refused untouched, and a result or state that could not be written is
    // never reported as success.
    void failuresExitWithThree_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("stdoutFile");
        QTest::addColumn<QString>("message");
        const QString notRegular = QStringLiteral("Not a regular file: ");
        QTest::newRow("apply a FIFO") << QStringList{"apply", "pipe.json", "--simulate"} << QString()
                                      << notRegular + "pipe.json";
        QTest::newRow("flash a FIFO") << QStringList{"flash", "pipe-2.0.0.bin", "--yes", "--simulate"} << QString()
                                      << "That is not a regular file.";
        QTest::newRow("state from a FIFO")
            << QStringList{"info", "--simulate", "--sim-state", "pipe.state"} << QString() << notRegular + "pipe.state";
        QTest::newRow("backup onto a FIFO")
            << QStringList{"backup", "pipe.json", "--simulate"} << QString() << notRegular + "pipe.json";
        QTest::newRow("state not saved") << QStringList{"apply", "good.json", "--simulate", "--sim-state", "no/x"}
                                         << QString() << "Could not save the virtual pedals' state to no/x";
        const QString full = QStringLiteral("Cannot write to standard output: No space left on device.");
        QTest::newRow("info --json") << QStringList{"info", "--json", "--simulate"} << "/dev/full" << full;
        QTest::newRow("devices") << QStringList{"devices", "--simulate"} << "/dev/full" << full;
        QTest::newRow("backup") << QStringList{"backup", "full.json", "--simulate"} << "/dev/full" << full;
    }

    void failuresExitWithThree()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, stdoutFile);
        QFETCH(QString, message);
        const QStringList pipes{path("pipe.json"), path("pipe-2.0.0.bin"), path("pipe.state")};
        for (const QString& pipe : pipes)
            QVERIFY(QFileInfo::exists(pipe) || ::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        writeFile(path(QStringLiteral("good.json")), profileToJson(makeDefaultProfile(QStringLiteral("good"))));
        const Run r = run(args, stdoutFile);
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        struct stat info = {};
        for (const QString& pipe : pipes)
            QVERIFY(::lstat(QFile::encodeName(pipe).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    }

    void flashRefusesBadFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QStringLiteral("absent-2.0.0.bin") << QByteArray()
                                 << QStringLiteral(
                                        "That file could not be found. Please check the path and try again.");
        QTest::newRow("suffix") << QStringLiteral("fw-2.0.0.bin.txt") << QByteArray("x")
                                << QStringLiteral("Please choose a firmware file with the .bin extension.");
        QTest::newRow("empty") << QStringLiteral("empty-2.0.0.bin") << QByteArray()
                               << QStringLiteral("That firmware file appears to be empty.");
        QTest::newRow("too large") << QStringLiteral("big-2.0.0.bin") << QByteArray(55297, '\x5a')
                                   << QStringLiteral(
                                          "too large for your pedals (55 KB). The maximum supported size is 54 KB.");
    }

    void flashRefusesBadFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        if (!file.startsWith(QLatin1String("absent")))
            writeFile(path(file), content);
        const QString state = path(QStringLiteral("flash-bad.state"));
        const Run r = run({"flash", file, "--yes", "--simulate", "--sim-state", state});
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        // Nothing reached the pedals: the virtual pedals were never even created.
        QVERIFY(!QFileInfo::exists(state));
    }

    void flashInstallsAndTheNewVersionPersists()
    {
        const QString state = path(QStringLiteral("flash.state"));
        QCOMPARE(info(state).value(QStringLiteral("firmwareVersion")).toString(), QStringLiteral("2.0.7"));
        QByteArray image(6000, '\x11');
        image.replace(100, 13, QByteArray("QBXVER=2.3.4\0", 13));
        writeFile(path(QStringLiteral("fw-2.3.4.bin")), image);

        const Run r = run({"flash", "fw-2.3.4.bin", "--yes", "--simulate", "--sim-state", state});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.err.contains(QStringLiteral("A newer firmware version is available in this file.")));
        QVERIFY(r.out.contains(QStringLiteral("Your pedals have been updated successfully.")));
        QVERIFY(r.out.contains(QStringLiteral("Current firmware version: 2.3.4")));
        QCOMPARE(info(state).value(QStringLiteral("firmwareVersion")).toString(), QStringLiteral("2.3.4"));
    }

    void monitorPrintsLinesAtTenHertz()
    {
        const Run r = run({"monitor", "--seconds", "0.6", "--simulate"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // 10 Hz for 0.6 s; a loaded machine may print fewer, never many more.
        QVERIFY2(lines.size() >= 2 && lines.size() <= 7, qPrintable(r.out));
        const QRegularExpression shape(QStringLiteral(
            R"(^\d+\.\d throttle raw=-?\d+ out=-?\d+ brake raw=-?\d+ out=-?\d+ clutch raw=-?\d+ out=-?\d+$)"));
        for (const QString& line : lines)
            QVERIFY2(shape.match(line).hasMatch(), qPrintable(line));
        QVERIFY(!r.out.contains(QLatin1Char('\x1b'))); // no terminal drawing into a pipe
    }

    void monitorWritesEveryReadingAsCsv()
    {
        const Run r = run({"monitor", "--seconds", "0.6", "--simulate", "--csv", "trace.csv"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QFile f(path(QStringLiteral("trace.csv")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.first(),
                 QStringLiteral("time_ms,throttle_raw,throttle_out,brake_raw,brake_out,clutch_raw,clutch_out"));
        QVERIFY2(lines.size() > 10, qPrintable(QString::number(lines.size()))); // every 20 ms poll, not 10 Hz
        QVERIFY(lines.at(1).startsWith(QStringLiteral("0,")));
        for (const QString& line : lines.mid(1))
            QVERIFY2(QRegularExpression(QStringLiteral(R"(^\d+(,-?\d+){6}$)")).match(line).hasMatch(),
                     qPrintable(line));
        // Not a regular file.
        QCOMPARE(run({"monitor", "--seconds", "0.3", "--simulate", "--csv", m_dir.path()}).exitCode, 3);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
