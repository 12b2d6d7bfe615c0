// The coordination layer: the session coordinator on a scripted protocol, the game watcher and
// switcher with the bindings, the configuration history and the input trace.
#include <QtTest>

#include <sys/stat.h>
#include <cmath>

#include "app/SharedRecords.h"
#include "coordination/ConfigHistory.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/GameSwitcher.h"
#include "coordination/GameWatcher.h"
#include "coordination/InputTrace.h"
#include "coordination/SessionCoordinator.h"
#include "device/IQuilbexProtocol.h"
#include "device/sim/SimulatedPedals.h"
#include "profiles/GameBindings.h"
#include "support/AttachableTransport.h"

namespace {

// Reads and writes succeed while the transport is open unless told otherwise; telemetry is queued.
class FakeProtocol : public IQuilbexProtocol
{
public:
    explicit FakeProtocol(AttachableTransport* t) : transport(t) {}
    AttachableTransport* transport;
    bool readSucceeds = true;
    bool writeSucceeds = true;
    int reads = 0;
    int writes = 0;
    std::array<quint8, 3> writtenDeadTop{};
    QList<bool> runtimeResults;

    bool answer(int* count, bool ok)
    {
        ++*count;
        return ok && transport->opened;
    }
    bool readFullConfig(DeviceConfigModel*) override { return answer(&reads, readSucceeds); }
    bool writeFullConfig(const DeviceConfigModel* m) override
    {
        writtenDeadTop = m->deadTop;
        return answer(&writes, writeSucceeds);
    }
    bool readRuntime(PedalRuntimeState*) override
    {
        return runtimeResults.isEmpty() ? transport->opened : runtimeResults.takeFirst();
    }
    bool enterUpdateMode() override { return false; }
};

struct FakeRig
{
    DeviceLinkState link;
    DeviceConfigModel config;
    PedalRuntimeState runtime;
    UpgradeStatus upgrade;
    AttachableTransport transport;
    FakeProtocol protocol{&transport};
    SessionCoordinator coord{&link, &config, &runtime, &upgrade};

    FakeRig()
    {
        coord.setTransport(&transport);
        coord.setProtocol(&protocol);
    }
    // One poll as the timer runs it; false once the poll timer has stopped.
    bool poll() { return coord.isPolling() && QMetaObject::invokeMethod(&coord, "onPollTimer", Qt::DirectConnection); }
};

// One process of a fake table, "pid start state argv0|argv1|...": its stat line (the
// name is argv[0]'s file name cut to 15 characters, as the kernel does) and command line.
void writeProcess(const QString& root, const QString& process)
{
    const QStringList parts = process.split(QLatin1Char(' '));
    const QStringList argv = parts.mid(3).join(QLatin1Char(' ')).split(QLatin1Char('|'));
    const QString dir = root + QLatin1Char('/') + parts[0];
    QDir().mkpath(dir);
    const QString comm = argv[0].section(QRegularExpression(QStringLiteral("[/\\\\]")), -1).left(15);
    const auto write = [&dir](const char* name, const QString& text) {
        QFile f(dir + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0);
    };
    write("stat",
          QStringLiteral("%1 (%2) %3%4 %5 0 0\n").arg(parts[0], comm, parts[2], QString(" 0").repeated(18), parts[1]));
    write("cmdline", argv.join(QChar(0)) + QChar(0));
}

} // namespace

class TestCoordination : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }
    void init() { QSettings().remove(QStringLiteral("games")); }

    void lossRule_data()
    {
        QTest::addColumn<QString>("polls"); // F failed read, S successful read
        QTest::addColumn<int>("disconnects");
        QTest::newRow("ten failures") << QStringLiteral("FFFFFFFFFF") << 1;
        QTest::newRow("nine failures") << QStringLiteral("FFFFFFFFF") << 0;
        QTest::newRow("nine, success, nine") << QStringLiteral("FFFFFFFFFSFFFFFFFFF") << 0;
        QTest::newRow("success, fifteen failures") << QStringLiteral("SFFFFFFFFFFFFFFF") << 1;
    }
    void lossRule()
    {
        QFETCH(QString, polls);
        QFETCH(int, disconnects);
        FakeRig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QSignalSpy connected(&rig.coord, &SessionCoordinator::deviceConnectedChanged);
        for (QChar c : polls) {
            rig.protocol.runtimeResults.append(c == QLatin1Char('S'));
            if (!rig.poll())
                break;
        }
        QCOMPARE(connected.count(), disconnects);
        const bool up = !disconnects;
        QVERIFY(rig.link.connected == up && rig.transport.opened == up && rig.coord.isPolling() == up);
        QCOMPARE(rig.coord.isScanning(), !up);
    }

    void writesRestorePreviousTimers_data()
    {
        QTest::addColumn<int>("hostIndex"); // -1: whole configuration
        QTest::addColumn<bool>("polling");
        QTest::addColumn<bool>("readOk"); // the configuration read after opening
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("config fails, polling") << -1 << true << true << false;
        QTest::newRow("config refused, scanning") << -1 << false << true << false;
        QTest::newRow("pedal fails, polling") << 0 << true << true << false;
        QTest::newRow("pedal refused, scanning") << 2 << false << true << false;
        QTest::newRow("config refused, settings unread") << -1 << true << false << true;
        QTest::newRow("pedal refused, settings unread") << 1 << true << false << true;
        QTest::newRow("config succeeds") << -1 << true << true << true;
        QTest::newRow("pedal succeeds") << 1 << true << true << true;
    }
    void writesRestorePreviousTimers()
    {
        QFETCH(int, hostIndex);
        QFETCH(bool, polling);
        QFETCH(bool, readOk);
        QFETCH(bool, succeeds);
        FakeRig rig;
        rig.protocol.readSucceeds = readOk;
        if (polling)
            QVERIFY(rig.coord.probeUsbConnectOnce());
        QCOMPARE(rig.protocol.reads, !polling ? 0 : readOk ? 1 : SessionCoordinator::kConnectReadAttempts);
        QCOMPARE(rig.coord.hasConfigReadProblem(), polling && !readOk);
        rig.protocol.writeSucceeds = succeeds;
        QSignalSpy failed(&rig.coord, &SessionCoordinator::writeFailed);
        rig.config.deadTop = {30, 31, 32};    // unsaved edits
        rig.coord.requestWritePedalParams(3); // no such pedal: ignored
        rig.coord.requestWritePedalParams(-1);
        if (hostIndex < 0)
            rig.coord.requestWriteConfig();
        else
            rig.coord.requestWritePedalParams(hostIndex);
        // Nothing is written that was not read first; a refusal or failure is reported.
        const bool written = polling && readOk;
        QCOMPARE(rig.protocol.writes, int(written));
        QCOMPARE(failed.count(), int(!written || !succeeds));
        // One pedal's write sends the others as the pedals hold them (here the uncalibrated defaults).
        for (int i = 0; written && i < 3; ++i)
            QCOMPARE(int(rig.protocol.writtenDeadTop[size_t(i)]), hostIndex < 0 || i == hostIndex ? 30 + i : 3);
        // Success awaits the restart: scanning, not polling, link still marked connected.
        const bool restarting = written && succeeds;
        QCOMPARE(rig.coord.isPolling(), polling && !restarting);
        QCOMPARE(rig.coord.isScanning(), !polling || restarting);
        QCOMPARE(rig.link.connected, polling);
        // A failed write may be tried again; none goes out while the pedals restart.
        rig.coord.requestWriteConfig();
        QCOMPARE(rig.protocol.writes, !written ? 0 : succeeds ? 1 : 2);
    }

    void userRequestsWaitDuringFirmwareTransfer()
    {
        FakeRig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        rig.coord.pauseForFirmwareTransfer();
        // The worker owns the transport now: none of these may touch it or start a timer.
        rig.coord.requestDisconnect();
        rig.coord.requestConnect();
        rig.coord.requestWriteConfig();
        rig.coord.requestWritePedalParams(0);
        rig.coord.requestReadConfig();
        QVERIFY(rig.transport.opened && !rig.coord.isPolling() && !rig.coord.isScanning());
        const QList<int> touches{rig.transport.opens, rig.transport.closes, rig.protocol.reads + rig.protocol.writes};
        QCOMPARE(touches, QList<int>({1, 0, 1}));
        rig.coord.markDisconnectedSnapshot(); // the worker's own calls still work
        QVERIFY(!rig.coord.queryDeviceConnectedForWorker());
        QVERIFY(rig.coord.probeUsbConnectOnce());

        rig.coord.resumeAfterFirmwareTransfer();
        rig.coord.requestDisconnect();
        QVERIFY(!rig.transport.opened && rig.coord.isScanning());
    }

    void bindingsKeepEditsOverTheBuiltInTable()
    {
        using namespace GameBindings;
        QCOMPARE(executables("iRacing.json"), QStringList({"iRacingSim64DX11.exe", "iRacingSim64DX12.exe"}));
        QVERIFY(unbind("iRacing.json", "IRACINGSIM64DX11.EXE"));
        QVERIFY(!unbind("iRacing.json", "iRacingSim64DX11.exe"));
        QCOMPARE(executables("iRacing.json"), QStringList{"iRacingSim64DX12.exe"});

        // An executable belongs to one profile; a path gives its file name.
        QString previous, error;
        QVERIFY(bind("My AC.json", " Z:\\Games\\AC\\ACS.exe ", &previous, &error));
        QCOMPARE(previous, QStringLiteral("Assetto Corsa.json"));
        QCOMPARE(executables("Assetto Corsa.json"), QStringList());
        QCOMPARE(executableMap().value("acs.exe"), QStringLiteral("My AC.json"));
        QVERIFY(!bind("My AC.json", "C:\\Games\\", &previous, &error) && !error.isEmpty());

        renameProfile("My AC.json", "Track.json");
        QCOMPARE(executables("Track.json"), QStringList{"ACS.exe"});
        QCOMPARE(executables("My AC.json"), QStringList());
        removeProfile("Track.json");
        removeProfile("F1 25.json"); // a built-in's bindings stay dropped too
        QCOMPARE(executables("Track.json") + executables("F1 25.json"), QStringList());
        // Separators in a file name are no settings groups.
        QVERIFY(bind("odd\\name.json", "x.exe", nullptr, nullptr));
        QCOMPARE(executables("odd\\name.json"), QStringList{"x.exe"});
    }

    void switchesFollowTheProcessTable_data()
    {
        QTest::addColumn<int>("mode"); // 0 switch on start, 1 and return on end, 2 switching off
        QTest::addColumn<QList<QStringList>>("tables");
        QTest::addColumn<QStringList>("switches"); // per table: "file" ("*": first of a run), "<back>"
        const QString ac = QStringLiteral("100 5 S acs.exe");
        const QString rr = QStringLiteral("200 8 S C:\\R3E\\Game\\x64\\RRRE64.exe");
        QTest::newRow("start and end") << 0 << QList<QStringList>{{ac}, {}, {ac}}
                                       << QStringList{"Assetto Corsa.json*", "", "Assetto Corsa.json*"};
        QTest::newRow("return to the previous profile")
            << 1 << QList<QStringList>{{ac}, {}} << QStringList{"Assetto Corsa.json*", "<back>"};
        QTest::newRow("three games: the newest wins")
            << 1 << QList<QStringList>{{ac}, {ac, rr}, {ac, rr, "300 9 S dirtrally2.exe"}, {ac, rr}, {ac}, {}}
            << QStringList{"Assetto Corsa.json*", "RaceRoom Racing Experience.json",
                           "DiRT Rally 2.0.json", "RaceRoom Racing Experience.json",
                           "Assetto Corsa.json",  "<back>"};
        QTest::newRow("two games: the first ends")
            << 1 << QList<QStringList>{{ac}, {ac, rr}, {rr}, {}}
            << QStringList{"Assetto Corsa.json*", "RaceRoom Racing Experience.json", "", "<back>"};
        QTest::newRow("exec and Wine's renaming are seen; case is ignored")
            << 0 << QList<QStringList>{{"300 4 S /bin/sh|-c|run"}, {"300 4 S wine64-preloader|Z:\\AC\\ACS.EXE"}}
            << QStringList{"", "Assetto Corsa.json*"};
        QTest::newRow("only argv[0] and Windows paths count")
            << 0 << QList<QStringList>{{"400 3 S vim|acs.exe", "401 3 S proton|run|/home/u/ac/acs.exe"}}
            << QStringList{""};
        QTest::newRow("exited but not reaped, then the pid reused")
            << 1 << QList<QStringList>{{ac}, {"100 5 Z acs.exe"}, {"100 9 S acs.exe"}}
            << QStringList{"Assetto Corsa.json*", "<back>", "Assetto Corsa.json*"};
        QTest::newRow("switching off") << 2 << QList<QStringList>{{ac}, {}} << QStringList{"", ""};
    }

    void switchesFollowTheProcessTable()
    {
        QFETCH(int, mode);
        QFETCH(QList<QStringList>, tables);
        QFETCH(QStringList, switches);
        GameBindings::setSwitchOnStart(mode != 2);
        GameBindings::setReturnOnEnd(mode != 0);
        QTemporaryDir root;
        GameWatcher watcher;
        watcher.setProcRoot(root.path());
        GameSwitcher switcher(&watcher);
        QStringList seen;
        connect(&switcher, &GameSwitcher::switchRequested, this, [&seen](const GameSwitch& s) {
            seen << (s.profileFile.isEmpty() ? QStringLiteral("<back>")
                                             : s.profileFile + (s.fromBaseline ? QStringLiteral("*") : QString()));
        });
        QStringList got;
        for (const QStringList& table : tables) {
            QDir(root.path()).removeRecursively();
            QDir().mkpath(root.path());
            for (const QString& process : table)
                writeProcess(root.path(), process);
            watcher.scanNow();
            got << seen.join(QLatin1Char(','));
            seen.clear();
        }
        QCOMPARE(got, switches);
    }

    void detectsARealProcess()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), dir.filePath("acs.exe")));
        QProcess game;
        game.start(dir.filePath("acs.exe"), {QStringLiteral("60")});
        QVERIFY(game.waitForStarted());
        GameWatcher watcher;
        watcher.setWatchedExecutables({QStringLiteral("ACS.exe")});
        QSignalSpy started(&watcher, &GameWatcher::gameStarted);
        QSignalSpy ended(&watcher, &GameWatcher::gameEnded);
        watcher.scanNow();
        QCOMPARE(started.value(0), QVariantList({"acs.exe", game.processId()}));
        QVERIFY(watcher.runningExecutables().contains(QStringLiteral("acs.exe")));
        game.kill();
        QVERIFY(game.waitForFinished());
        watcher.scanNow();
        QCOMPARE(ended.value(0), started.value(0));
    }

    void keepsTheNewestEntries()
    {
        QTemporaryDir dir;
        ConfigHistory history(dir.filePath(QStringLiteral("history/pedals.json"))); // folder made as needed
        ConfigBlock::Bytes block = SimulatedPedals::defaultFlashBlock();
        for (int i = 1; i <= ConfigHistory::kMaxEntries + 2; ++i) {
            block[0] = quint8(i);
            QCOMPARE(history.record(block, QStringLiteral("save pedal")), i);
        }
        QList<ConfigHistoryEntry> entries;
        QVERIFY(history.entries(&entries) && entries.size() == ConfigHistory::kMaxEntries);
        QCOMPARE(QList<int>({entries.first().id, entries.last().id}), QList<int>({ConfigHistory::kMaxEntries + 2, 3}));
        QCOMPARE(history.find(QStringLiteral("latest"))->block[0], quint8(ConfigHistory::kMaxEntries + 2));
        QCOMPARE(history.find(QStringLiteral("7"))->block, entries.at(entries.size() - 5).block);
        QVERIFY(!history.find(QStringLiteral("2"))); // dropped
    }

    // Damaged, foreign or oversized: a clear result, and the next entry starts a new file with the
    // old one kept aside, byte for byte. A named pipe (a reader would block) is neither read nor replaced.
    void badFilesGiveAClearResult_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: a named pipe
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << QByteArray("{ nope") << "damaged";
        QTest::newRow("foreign JSON") << QByteArray(R"({"entries": []})") << "damaged";
        QTest::newRow("block too short") << QByteArray(
            R"({"format": "Quilbex Pedals configuration history", "entries": [{"id": 1, )"
            R"("time": "2026-01-01T00:00:00Z", "action": "apply", "block": "0a0b"}]})")
                                         << "damaged";
        QTest::newRow("over 1 MiB") << QByteArray(ConfigHistory::kMaxFileBytes + 1, ' ') << "larger than 1 MiB";
        QTest::newRow("named pipe") << QByteArray() << "not a regular file";
    }
    void badFilesGiveAClearResult()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pedals.json"));
        QFile file(path);
        if (content.isEmpty())
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        ConfigHistory history(path);
        QList<ConfigHistoryEntry> entries;
        QString error;
        QVERIFY(!history.entries(&entries, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY(entries.isEmpty() && !history.find(QStringLiteral("latest")));
        QCOMPARE(history.record(SimulatedPedals::defaultFlashBlock(), QStringLiteral("apply")),
                 int(!content.isEmpty()));
        const QFileInfoList aside = QDir(dir.path()).entryInfoList({QStringLiteral("pedals.json.damaged-*")});
        if (content.isEmpty()) {
            QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile() && aside.isEmpty());
            return;
        }
        QVERIFY(history.entries(&entries) && entries.size() == 1 && aside.size() == 1);
        QFile kept(aside[0].filePath());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), content);
    }

    void strokeDetection_data()
    {
        // Brake output in percent every 20 ms; -1 stands for a 1 s silence (a lost link).
        QTest::addColumn<QList<double>>("brake");
        QTest::addColumn<int>("pauseAfter"); // readings before Pause; -1: never paused
        QTest::addColumn<double>("peak");    // of the held stroke; -1: none held, one in progress
        QTest::addColumn<int>("durationMs");
        QTest::newRow("press and release") << QList<double>{0, 1, 5, 40, 80, 60, 10, 1, 0} << -1 << 80.0 << 100;
        QTest::newRow("still pressed") << QList<double>{0, 5, 50, 70} << -1 << -1.0 << 0;
        QTest::newRow("2 % is the edge") << QList<double>{0, 1.99, 5, 2.01, 2.01, 1.99} << -1 << 5.0 << 60;
        // The second stroke replaces the first, which Pause still shows.
        QTest::newRow("released while paused") << QList<double>{0, 50, 0, 60, 0} << 3 << 60.0 << 20;
        QTest::newRow("lost link ends nothing") << QList<double>{0, 50, -1, 40, 0} << -1 << 40.0 << 20;
    }
    void strokeDetection()
    {
        QFETCH(QList<double>, brake);
        QFETCH(int, pauseAfter);
        QFETCH(double, peak);
        QFETCH(int, durationMs);
        InputTrace trace;
        qint64 t = 1000;
        for (int i = 0; i < brake.size(); ++i) {
            if (i == pauseAfter)
                trace.setPaused(true);
            t += brake[i] < 0 ? 1000 : 20;
            if (brake[i] >= 0)
                trace.add({t, {}, {-32767, qint16(std::lround(brake[i] / 100.0 * 65534.0) - 32767), -32767}});
        }
        QCOMPARE(trace.strokeInProgress(), peak < 0);
        const BrakeStroke& held = trace.lastStroke();
        QCOMPARE(held.valid, peak >= 0);
        if (held.valid) {
            QVERIFY2(std::abs(held.peakPercent - peak) < 0.01, qPrintable(QString::number(held.peakPercent)));
            QCOMPARE(held.durationMs, qint64(durationMs));
        }
        if (pauseAfter >= 0) {
            // The shown picture is the one from before Pause; resuming shows what was recorded.
            QCOMPARE(trace.shownHistory().size(), pauseAfter);
            QVERIFY(trace.shownStroke().peakPercent < 51);
            trace.setPaused(false);
            QCOMPARE(trace.shownStroke().peakPercent, held.peakPercent);
        }
    }

    void csvFormat()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trace.csv"));
        TraceCsvWriter writer;
        QVERIFY(writer.open(path, true));
        const TraceReading a{5000, {120, 3400, -5}, {-32767, -32767, -32767}};
        const TraceReading b{5020, {4095, 0, 17}, {32767, 32767, -32767}};
        QVERIFY(writer.write(a) && writer.write(b));
        QVERIFY(writer.close());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("time_ms,throttle_raw,throttle_out,brake_raw,brake_out,clutch_raw,clutch_out\n"
                            "0,120,-32767,3400,-32767,-5,-32767\n"
                            "20,4095,32767,0,32767,17,-32767\n"));

        // Never replaces a file unless asked, and never opens anything but a regular file.
        QString error;
        QVERIFY(!writer.open(path, false, &error));
        QVERIFY(!writer.open(dir.path(), true, &error));
        QCOMPARE(error, QStringLiteral("Not a regular file."));
    }
};

QTEST_GUILESS_MAIN(TestCoordination)
#include "tst_coordination.moc"
