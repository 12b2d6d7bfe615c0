// Game-aware profiles in the core: the bindings kept in the settings, the watcher on a fake
// process table and on a real process, and the switches decided from what it sees.

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "coordination/GameSwitcher.h"
#include "coordination/GameWatcher.h"
#include "profiles/GameBindings.h"

namespace {

// One process of a fake table, "pid start state argv0|argv1|...": its stat line (the
// name is argv[0]'s file name cut to 15 characters, as the kernel does) and command line.
void writeProcess(const QString& root, const QString& spec)
{
    const QStringList parts = spec.split(QLatin1Char(' '));
    const QStringList argv = parts.mid(3).join(QLatin1Char(' ')).split(QLatin1Char('|'));
    const QString dir = root + QLatin1Char('/') + parts[0];
    QDir().mkpath(dir);
    const QString comm = argv[0].section(QRegularExpression(QStringLiteral("[/\\\\]")), -1).left(15);
    QFile stat(dir + QStringLiteral("/stat"));
    QVERIFY(stat.open(QIODevice::WriteOnly));
    stat.write(QStringLiteral("%1 (%2) %3%4 %5 0 0\n")
                   .arg(parts[0], comm, parts[2], QStringLiteral(" 0").repeated(18), parts[1])
                   .toUtf8());
    QFile cmdline(dir + QStringLiteral("/cmdline"));
    QVERIFY(cmdline.open(QIODevice::WriteOnly));
    cmdline.write((argv.join(QChar(0)) + QChar(0)).toUtf8());
}

} // namespace

class TestGameSwitching : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QSettings().remove(QStringLiteral("games")); }

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
        QVERIFY(!bind("My AC.json", "C:\\Games\\", &previous, &error));
        QVERIFY(!error.isEmpty());

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
        QTest::newRow("two games: the last wins, then the other")
            << 1 << QList<QStringList>{{ac}, {ac, rr}, {ac}, {}}
            << QStringList{"Assetto Corsa.json*", "RaceRoom Racing Experience.json", "Assetto Corsa.json", "<back>"};
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
            for (const QString& spec : table)
                writeProcess(root.path(), spec);
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
};

QTEST_GUILESS_MAIN(TestGameSwitching)
#include "tst_gameswitching.moc"
