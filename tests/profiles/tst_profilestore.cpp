#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

#include "profiles/CurveProfileJsonStore.h"

using Store = CurveProfileJsonStore;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList jsonFiles(const QString& dir)
{
    QStringList files = QDir(dir).entryList({QStringLiteral("*.json")}, QDir::Files);
    files.sort();
    return files;
}

} // namespace

class TestProfileStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The built-ins go into a missing folder (made with its parents), never beside any profile
    // file; listed in the user's order, a file without a name by its base name, nothing hidden.
    void seedsAndLists()
    {
        QTemporaryDir tmp;
        const QString dir = tmp.filePath("a/b/profiles");
        QString error;
        QVERIFY2(Store::ensureDefaultProfiles(dir, &error), qPrintable(error));
        QStringList names = Store::builtInProfileNames();
        std::sort(names.begin(), names.end(),
                  [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
        const auto listed = [](const QString& dir) {
            QStringList list;
            for (const ProfileEntry& e : Store::listProfiles(dir))
                list << e.displayName + (e.filePath.endsWith("/file.json") ? "@file" : "");
            return list;
        };
        QCOMPARE(listed(dir), names);
        CurveProfile loaded;
        QVERIFY(Store::loadProfile(dir + "/BeamNG.drive.json", loaded, &error));
        QVERIFY(loaded == makeDefaultProfile(QStringLiteral("BeamNG.drive")));

        QVERIFY(writeRaw(tmp.filePath("broken.JSON"), "{ nope"));
        QVERIFY(Store::saveProfile(tmp.filePath("zeta.json"), makeDefaultProfile(QString()), nullptr));
        QVERIFY(Store::saveProfile(tmp.filePath("file.json"), makeDefaultProfile(QStringLiteral("Alpha")), nullptr));
        QVERIFY(writeRaw(tmp.filePath(".hidden.json"), "{}"));
        QVERIFY(QDir(tmp.path()).mkdir("dir.json"));
        QVERIFY(Store::ensureDefaultProfiles(tmp.path(), &error));
        QCOMPARE(listed(tmp.path()), QStringList({"Alpha@file", "broken", "zeta"}));

        const QString blocked = tmp.filePath("zeta.json/profiles");
        QVERIFY(!Store::ensureDefaultProfiles(blocked, &error));
        QCOMPARE(error, QStringLiteral("Cannot create profiles directory: %1").arg(blocked));
    }

    // Beside Profile.json, Profile (1).json and Foo.json: a new profile's file name, whether
    // the name is valid, and the file Foo.json becomes when renamed to it.
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unique");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("renamed"); // empty: refused
        const auto row = [](const char* tag, const char* name, const char* unique, const char* error,
                            const char* renamed) {
            QTest::newRow(tag) << QString(name) << QString(unique) << QString(error) << QString(renamed);
        };
        row("colon, question mark", "My: profile?", "My profile", "Name contains invalid characters", "");
        row("blanks", "   ", "Profile (2)", "Name is empty", "");
        row("only forbidden", " <>:\"/\\|?* ", "Profile (2)", "Name contains invalid characters", "");
        row("taken", " Profile ", "Profile (2)", "", "Profile (2)");
        // Hidden files are not listed, so a profile must never be stored as one.
        row("leading dots", " .. .hidden", "hidden", "", "hidden");
        row("dots only", "..", "Profile (2)", "", "Profile (2)");
        row("own name", "Foo", "Foo (1)", "", "Foo (1)");
        // On a case-sensitive file system foo.json and Foo.json are two files: the old one
        // must go, or the profile would be listed twice.
        row("case only", "FOO", "FOO", "", "FOO");
    }

    void names()
    {
        QFETCH(QString, name);
        QFETCH(QString, error);
        QFETCH(QString, renamed);
        QTemporaryDir tmp;
        const QString foo = tmp.filePath("Foo.json");
        QVERIFY(writeRaw(tmp.filePath("Profile.json"), "{}") && writeRaw(tmp.filePath("Profile (1).json"), "{}"));
        QVERIFY(Store::saveProfile(foo, makeDefaultProfile("Foo"), nullptr));
        if (renamed == "FOO" && QFile::exists(tmp.filePath("FOO.json")))
            QSKIP("file system ignores case");
        QTEST(Store::uniqueProfileBaseName(tmp.path(), name), "unique");
        QString message, newPath;
        QCOMPARE(Store::validateProfileName(name, &message), error.isEmpty());
        QCOMPARE(message, error);

        const QByteArray before = readAll(foo);
        QCOMPARE(Store::renameProfile(tmp.path(), foo, name, &newPath, &message), error.isEmpty());
        QCOMPARE(message, error);
        QStringList files{"Profile (1).json", "Profile.json", (renamed.isEmpty() ? "Foo" : renamed) + ".json"};
        files.sort();
        QCOMPARE(jsonFiles(tmp.path()), files);
        CurveProfile loaded;
        QVERIFY(Store::loadProfile(newPath.isEmpty() ? foo : newPath, loaded, &message));
        QCOMPARE(loaded.profileName, renamed.isEmpty() ? QStringLiteral("Foo") : name.trimmed());
        QVERIFY(!renamed.isEmpty() || readAll(foo) == before);
    }

    // Imported twice: two listed files of at most 255 bytes, the parsed record as written
    // (unknown members dropped), the name inside as given.
    void importStoresListedFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("base"); // of the first file; the second one carries " (1)"
        QTest::newRow("no name") << QString() << "Imported";
        QTest::newRow("NUL and controls") << QStringLiteral("Rally\u0000\t\u007f\u0085 night") << "Rally night";
        QTest::newRow("300 bytes") << QString(300, 'x') << QString(250, 'x');
        QTest::newRow("two-byte characters") << QString(200, QChar(0xFC)) << QString(125, QChar(0xFC));
        QTest::newRow("four-byte characters")
            << QStringLiteral("\U0001F3CE").repeated(80) << QStringLiteral("\U0001F3CE").repeated(62);
    }

    void importStoresListedFiles()
    {
        QFETCH(QString, name);
        QFETCH(QString, base);
        QTemporaryDir tmp;
        QByteArray bytes = profileToJson(makeDefaultProfile(name));
        bytes.replace("{", "{ \"extra\": 1,\n");
        QStringList paths;
        QString path, error;
        for (int i = 0; i < 2; ++i) {
            QVERIFY2(Store::importProfile(tmp.path(), bytes, &path, &error), qPrintable(error));
            QVERIFY(path.endsWith(QLatin1String(".json"))
                    && QFile::encodeName(QFileInfo(path).fileName()).size() <= 255);
            QCOMPARE(readAll(path), profileToJson(makeDefaultProfile(name)));
            paths << QFileInfo(path).completeBaseName();
        }
        QCOMPARE(paths[0], base);
        QVERIFY(paths[1].endsWith(QLatin1String(" (1)")));
        const QList<ProfileEntry> entries = Store::listProfiles(tmp.path());
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.first().displayName, name.isEmpty() ? QStringLiteral("Imported") : name);

        bytes.replace("\"deadzoneTop\": 3", "\"deadzoneTop\": 80");
        QVERIFY(!Store::importProfile(tmp.path(), bytes, &path, &error));
        QCOMPARE(error, QStringLiteral("Out of range deadzoneTop"));
        QCOMPARE(jsonFiles(tmp.path()).size(), 2);
    }

    void failedSaveKeepsPreviousFile()
    {
        QTemporaryDir tmp;
        const QString path = tmp.filePath("Keep.json");
        QVERIFY(Store::saveProfile(path, makeDefaultProfile("Keep"), nullptr));
        const QByteArray before = readAll(path);

        // A file size limit makes the write fail part way even for root (EFBIG).
        CurveProfile changed = makeDefaultProfile("Changed");
        QString error;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit lowered = saved;
        lowered.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &lowered), 0);
        const bool ok = Store::saveProfile(path, changed, &error);
        setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY(!ok);
        QCOMPARE(error, QStringLiteral("Write failed: %1").arg(path));
        QCOMPARE(readAll(path), before);
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Keep.json"});

        const QString unreachable = tmp.filePath("missing/X.json");
        QVERIFY(!Store::saveProfile(unreachable, changed, &error));
        QCOMPARE(error, QStringLiteral("Cannot write: %1").arg(unreachable));
    }
};

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profilestore.moc"
