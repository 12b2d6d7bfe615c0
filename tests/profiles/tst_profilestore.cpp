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
    return QDir(dir).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
}

} // namespace

class TestProfileStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void seedsBuiltIns_data();
    void seedsBuiltIns();
    void noBuiltInsOnceAnyJsonExists();
    void listsUnreadableFilesByBaseName();
    void names_data();
    void names();
    void rename_data();
    void rename();
    void importWritesParsedRecord();
    void awkwardNamesStoreListedFiles_data();
    void awkwardNamesStoreListedFiles();
    void deleteMissingFile();
    void failedSaveKeepsPreviousFile();
};

void TestProfileStore::seedsBuiltIns_data()
{
    QTest::addColumn<QString>("sub");
    QTest::newRow("empty") << QString();
    QTest::newRow("missing with parents") << QStringLiteral("a/b/profiles");
}

void TestProfileStore::seedsBuiltIns()
{
    QFETCH(QString, sub);
    QTemporaryDir tmp;
    const QString dir = sub.isEmpty() ? tmp.path() : tmp.filePath(sub);
    QString error;
    QVERIFY2(Store::ensureDefaultProfiles(dir, &error), qPrintable(error));

    QStringList expectedFiles;
    QStringList expectedNames = Store::builtInProfileNames();
    for (const QString& name : expectedNames)
        expectedFiles << name + QStringLiteral(".json");
    expectedFiles.sort();
    QCOMPARE(jsonFiles(dir), expectedFiles);

    std::sort(expectedNames.begin(), expectedNames.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    QStringList listed;
    for (const ProfileEntry& e : Store::listProfiles(dir))
        listed << e.displayName;
    QCOMPARE(listed, expectedNames);

    CurveProfile loaded;
    QVERIFY(Store::loadProfile(dir + "/BeamNG.drive.json", loaded, &error));
    QVERIFY(loaded == makeDefaultProfile(QStringLiteral("BeamNG.drive")));
}

void TestProfileStore::noBuiltInsOnceAnyJsonExists()
{
    QTemporaryDir tmp;
    QVERIFY(writeRaw(tmp.filePath("junk.JSON"), "not json at all"));
    QString error;
    QVERIFY(Store::ensureDefaultProfiles(tmp.path(), &error));
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files).size(), 1);

    QVERIFY(writeRaw(tmp.filePath("plain"), "x"));
    const QString blocked = tmp.filePath("plain/profiles");
    QVERIFY(!Store::ensureDefaultProfiles(blocked, &error));
    QCOMPARE(error, QStringLiteral("Cannot create profiles directory: %1").arg(blocked));
}

void TestProfileStore::listsUnreadableFilesByBaseName()
{
    QTemporaryDir tmp;
    QVERIFY(writeRaw(tmp.filePath("broken.json"), "{ nope"));
    QVERIFY(Store::saveProfile(tmp.filePath("zeta.json"), makeDefaultProfile(QString()), nullptr));
    QVERIFY(Store::saveProfile(tmp.filePath("file.json"), makeDefaultProfile(QStringLiteral("Alpha")), nullptr));
    QVERIFY(writeRaw(tmp.filePath(".hidden.json"), "{}"));
    QVERIFY(QDir(tmp.path()).mkdir("dir.json"));

    const QList<ProfileEntry> entries = Store::listProfiles(tmp.path());
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0].displayName, QStringLiteral("Alpha"));
    QCOMPARE(entries[0].filePath, tmp.filePath("file.json"));
    QCOMPARE(entries[1].displayName, QStringLiteral("broken"));
    QCOMPARE(entries[2].displayName, QStringLiteral("zeta"));
}

void TestProfileStore::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unique"); // with Profile.json and Profile (1).json present
    QTest::addColumn<QString>("validationError");
    QTest::newRow("colon, question mark") << "My: profile?"
                                          << "My profile"
                                          << "Name contains invalid characters";
    QTest::newRow("blanks") << "   "
                            << "Profile (2)"
                            << "Name is empty";
    QTest::newRow("only forbidden") << " <>:\"/\\|?* "
                                    << "Profile (2)"
                                    << "Name contains invalid characters";
    QTest::newRow("taken") << " Profile "
                           << "Profile (2)"
                           << "";
    // Hidden files are not listed, so a profile must never be stored as one.
    QTest::newRow("leading dots") << " .. .hidden"
                                  << "hidden"
                                  << "";
    QTest::newRow("dots only") << ".."
                               << "Profile (2)"
                               << "";
}

void TestProfileStore::names()
{
    QFETCH(QString, name);
    QFETCH(QString, unique);
    QFETCH(QString, validationError);
    QTemporaryDir tmp;
    QVERIFY(writeRaw(tmp.filePath("Profile.json"), "{}"));
    QVERIFY(writeRaw(tmp.filePath("Profile (1).json"), "{}"));
    QCOMPARE(Store::uniqueProfileBaseName(tmp.path(), name), unique);
    QString error;
    QCOMPARE(Store::validateProfileName(name, &error), validationError.isEmpty());
    QCOMPARE(error, validationError);
}

void TestProfileStore::rename_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("own name") << "Foo"
                              << "" << QStringList{"Bar.json", "Foo (1).json"};
    QTest::newRow("other profile's name") << " Bar "
                                          << "" << QStringList{"Bar (1).json", "Bar.json"};
    // On a case-sensitive file system foo.json and Foo.json are two files: the old one
    // must go, or the profile would be listed twice.
    QTest::newRow("case only") << "FOO"
                               << "" << QStringList{"Bar.json", "FOO.json"};
    QTest::newRow("less-than") << "a<b"
                               << "Name contains invalid characters" << QStringList{"Bar.json", "Foo.json"};
    QTest::newRow("blanks") << "  "
                            << "Name is empty" << QStringList{"Bar.json", "Foo.json"};
}

void TestProfileStore::rename()
{
    QFETCH(QString, newName);
    QFETCH(QString, error);
    QFETCH(QStringList, files);
    QTemporaryDir tmp;
    const QString foo = tmp.filePath("Foo.json");
    QVERIFY(Store::saveProfile(foo, makeDefaultProfile("Foo"), nullptr));
    QVERIFY(Store::saveProfile(tmp.filePath("Bar.json"), makeDefaultProfile("Bar"), nullptr));
    if (QFile::exists(tmp.filePath("FOO.json")) && newName == "FOO")
        QSKIP("file system ignores case");
    const QByteArray before = readAll(foo);

    QString newPath;
    QString message;
    QCOMPARE(Store::renameProfile(tmp.path(), foo, newName, &newPath, &message), error.isEmpty());
    QCOMPARE(message, error);
    QCOMPARE(jsonFiles(tmp.path()), files);
    if (!error.isEmpty()) {
        QCOMPARE(readAll(foo), before);
        return;
    }
    CurveProfile loaded;
    QVERIFY(Store::loadProfile(newPath, loaded, &message));
    QCOMPARE(loaded.profileName, newName.trimmed());
}

void TestProfileStore::importWritesParsedRecord()
{
    QTemporaryDir tmp;
    QByteArray bytes = profileToJson(makeDefaultProfile(QString()));
    bytes.replace("{", "{ \"extra\": 1,\n");
    QString path1;
    QString path2;
    QString error;
    QVERIFY2(Store::importProfile(tmp.path(), bytes, &path1, &error), qPrintable(error));
    QVERIFY(Store::importProfile(tmp.path(), bytes, &path2, &error));
    QCOMPARE(path1, tmp.filePath("Imported.json"));
    QCOMPARE(path2, tmp.filePath("Imported (1).json"));
    QCOMPARE(readAll(path1), profileToJson(makeDefaultProfile(QString())));
    QCOMPARE(Store::listProfiles(tmp.path()).constFirst().displayName, QStringLiteral("Imported"));

    bytes.replace("\"deadzoneTop\": 3", "\"deadzoneTop\": 80");
    QVERIFY(!Store::importProfile(tmp.path(), bytes, &path1, &error));
    QCOMPARE(error, QStringLiteral("Out of range deadzoneTop"));
    QCOMPARE(jsonFiles(tmp.path()).size(), 2);
}

void TestProfileStore::awkwardNamesStoreListedFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("base"); // of the first file; the second one carries " (1)"
    QTest::newRow("NUL and controls") << QStringLiteral("Rally\u0000\t\u007f\u0085 night") << "Rally night";
    QTest::newRow("300 bytes") << QString(300, 'x') << QString(250, 'x');
    QTest::newRow("two-byte characters") << QString(200, QChar(0xFC)) << QString(125, QChar(0xFC));
    QTest::newRow("four-byte characters")
        << QStringLiteral("\U0001F3CE").repeated(80) << QStringLiteral("\U0001F3CE").repeated(62);
}

void TestProfileStore::awkwardNamesStoreListedFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, base);
    QTemporaryDir tmp;
    QStringList paths;
    for (int i = 0; i < 2; ++i) {
        QString path;
        QString error;
        QVERIFY2(Store::importProfile(tmp.path(), profileToJson(makeDefaultProfile(name)), &path, &error),
                 qPrintable(error));
        QVERIFY(path.endsWith(QLatin1String(".json")) && QFile::exists(path));
        QVERIFY(QFile::encodeName(QFileInfo(path).fileName()).size() <= 255);
        paths << path;
    }
    QCOMPARE(QFileInfo(paths[0]).completeBaseName(), base);
    QVERIFY(QFileInfo(paths[1]).completeBaseName().endsWith(QLatin1String(" (1)")));
    const QList<ProfileEntry> entries = Store::listProfiles(tmp.path());
    QCOMPARE(entries.size(), 2);
    for (const ProfileEntry& entry : entries)
        QCOMPARE(entry.displayName, name); // the name inside stays as written
}

void TestProfileStore::deleteMissingFile()
{
    QTemporaryDir tmp;
    QString error;
    QVERIFY(!Store::deleteProfile(tmp.filePath("gone.json"), &error));
    QCOMPARE(error, QStringLiteral("File does not exist"));
}

void TestProfileStore::failedSaveKeepsPreviousFile()
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

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profilestore.moc"
