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

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList jsonFiles(const QString& dir)
{
    return QDir(dir).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
}

// Lowers the file size limit for the lifetime of the object; writes beyond it fail
// with EFBIG even for root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

} // namespace

class TestProfileStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void seedsBuiltInsIntoEmptyOrMissingDirectory_data();
    void seedsBuiltInsIntoEmptyOrMissingDirectory();
    void noBuiltInsWhenAnyJsonExists();
    void listsBrokenAndNamelessFilesByBaseName();
    void names_data();
    void names();
    void uniqueBaseNameCounts();
    void renameToOwnNameGetsSuffix();
    void renameChangingOnlyCaseKeepsOneFile();
    void renameRejectsBadNames_data();
    void renameRejectsBadNames();
    void importStoresParsedRecord();
    void importRejectsInvalidDocument();
    void deleteMissingFile();
    void failedSaveKeepsPreviousFile();
    void saveIntoMissingDirectoryFails();
    void byNameInterfaceIsNotImplemented();
};

void TestProfileStore::seedsBuiltInsIntoEmptyOrMissingDirectory_data()
{
    QTest::addColumn<QString>("sub");
    QTest::newRow("empty") << QString();
    QTest::newRow("missing parents") << QStringLiteral("a/b/profiles");
}

void TestProfileStore::seedsBuiltInsIntoEmptyOrMissingDirectory()
{
    QFETCH(QString, sub);
    QTemporaryDir tmp;
    const QString dir = sub.isEmpty() ? tmp.path() : tmp.filePath(sub);
    QString error;
    QVERIFY2(Store::ensureDefaultProfiles(dir, &error), qPrintable(error));

    const QStringList files = jsonFiles(dir);
    QCOMPARE(files.size(), 11);
    QVERIFY(files.contains(QStringLiteral("Default.json")));
    QVERIFY(files.contains(QStringLiteral("rFactor 2.json")));
    QVERIFY(files.contains(QStringLiteral("BeamNG.drive.json")));

    const QList<ProfileEntry> entries = Store::listProfiles(dir);
    QStringList names;
    for (const ProfileEntry& e : entries)
        names << e.displayName;
    QStringList builtIns = Store::builtInProfileNames();
    std::sort(builtIns.begin(), builtIns.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    QCOMPARE(names, builtIns);

    CurveProfile loaded;
    QVERIFY(Store::loadProfile(dir + "/F1 25.json", loaded, &error));
    CurveProfile expected = makeDefaultProfile(QStringLiteral("F1 25"));
    QVERIFY(loaded == expected);

    // A second run writes nothing more.
    QVERIFY(Store::ensureDefaultProfiles(dir, &error));
    QCOMPARE(jsonFiles(dir).size(), 11);
}

void TestProfileStore::noBuiltInsWhenAnyJsonExists()
{
    QTemporaryDir tmp;
    writeRaw(tmp.filePath("junk.JSON"), "not json at all");
    QString error;
    QVERIFY(Store::ensureDefaultProfiles(tmp.path(), &error));
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files).size(), 1);

    // A plain file where the directory should be cannot be created.
    writeRaw(tmp.filePath("plain"), "x");
    QVERIFY(!Store::ensureDefaultProfiles(tmp.filePath("plain/profiles"), &error));
    QCOMPARE(error, QStringLiteral("Cannot create profiles directory: %1").arg(tmp.filePath("plain/profiles")));
}

void TestProfileStore::listsBrokenAndNamelessFilesByBaseName()
{
    QTemporaryDir tmp;
    writeRaw(tmp.filePath("broken.json"), "{ nope");
    QVERIFY(Store::saveProfile(tmp.filePath("zeta.json"), makeDefaultProfile(QString()), nullptr));
    QVERIFY(Store::saveProfile(tmp.filePath("file.json"), makeDefaultProfile(QStringLiteral("Alpha")), nullptr));
    writeRaw(tmp.filePath(".hidden.json"), "{}");
    writeRaw(tmp.filePath("notes.txt"), "{}");
    QVERIFY(QDir(tmp.path()).mkdir("dir.json"));

    const QList<ProfileEntry> entries = Store::listProfiles(tmp.path());
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0].displayName, QStringLiteral("Alpha"));
    QCOMPARE(entries[0].filePath, tmp.filePath("file.json"));
    QCOMPARE(entries[1].displayName, QStringLiteral("broken"));
    QCOMPARE(entries[2].displayName, QStringLiteral("zeta"));

    QVERIFY(Store::listProfiles(tmp.filePath("missing")).isEmpty());
}

void TestProfileStore::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sanitized");
    QTest::addColumn<QString>("validationError");
    QTest::newRow("colon and question") << "My: profile?" << "My profile" << "Name contains invalid characters";
    QTest::newRow("blanks") << "   " << "" << "Name is empty";
    QTest::newRow("all forbidden") << " <>:\"/\\|?* " << "" << "Name contains invalid characters";
    QTest::newRow("inner forbidden to blank") << " a * b " << "a  b" << "Name contains invalid characters";
    QTest::newRow("plain") << "  Track day  " << "Track day" << "";
}

void TestProfileStore::names()
{
    QFETCH(QString, name);
    QFETCH(QString, sanitized);
    QFETCH(QString, validationError);
    QCOMPARE(Store::sanitizeProfileName(name), sanitized);
    QString error;
    QCOMPARE(Store::validateProfileName(name, &error), validationError.isEmpty());
    QCOMPARE(error, validationError);

    QTemporaryDir tmp;
    QCOMPARE(Store::uniqueProfileBaseName(tmp.path(), name), sanitized.isEmpty() ? QStringLiteral("Profile") : sanitized);
}

void TestProfileStore::uniqueBaseNameCounts()
{
    QTemporaryDir tmp;
    writeRaw(tmp.filePath("Profile.json"), "{}");
    writeRaw(tmp.filePath("Profile (1).json"), "{}");
    QCOMPARE(Store::uniqueProfileBaseName(tmp.path(), "  "), QStringLiteral("Profile (2)"));
    QCOMPARE(Store::uniqueProfileBaseName(tmp.path(), "Profile"), QStringLiteral("Profile (2)"));
    QCOMPARE(Store::uniqueProfileBaseName(tmp.path(), "Other"), QStringLiteral("Other"));
}

void TestProfileStore::renameToOwnNameGetsSuffix()
{
    QTemporaryDir tmp;
    const QString foo = tmp.filePath("Foo.json");
    QVERIFY(Store::saveProfile(foo, makeDefaultProfile("Foo"), nullptr));
    QString newPath;
    QString error;
    QVERIFY2(Store::renameProfile(tmp.path(), foo, " Foo ", &newPath, &error), qPrintable(error));
    QCOMPARE(newPath, tmp.filePath("Foo (1).json"));
    QCOMPARE(jsonFiles(tmp.path()), QStringList{"Foo (1).json"});

    // Renaming onto another existing profile's name also counts up; the content moves.
    QVERIFY(Store::saveProfile(tmp.filePath("Bar.json"), makeDefaultProfile("Bar"), nullptr));
    QVERIFY(Store::renameProfile(tmp.path(), newPath, "Bar", &newPath, &error));
    QCOMPARE(newPath, tmp.filePath("Bar (1).json"));
    CurveProfile loaded;
    QVERIFY(Store::loadProfile(newPath, loaded, &error));
    QCOMPARE(loaded.profileName, QStringLiteral("Bar"));
    QCOMPARE(jsonFiles(tmp.path()), (QStringList{"Bar (1).json", "Bar.json"}));
}

void TestProfileStore::renameChangingOnlyCaseKeepsOneFile()
{
    // On a case-sensitive file system foo.json and Foo.json are two files: the old one
    // must go, or the profile would be listed twice.
    QTemporaryDir tmp;
    const QString foo = tmp.filePath("foo.json");
    QVERIFY(Store::saveProfile(foo, makeDefaultProfile("foo"), nullptr));
    if (QFile::exists(tmp.filePath("FOO.json")))
        QSKIP("file system ignores case");
    QString newPath;
    QString error;
    QVERIFY2(Store::renameProfile(tmp.path(), foo, "Foo", &newPath, &error), qPrintable(error));
    QCOMPARE(newPath, tmp.filePath("Foo.json"));
    QCOMPARE(jsonFiles(tmp.path()), QStringList{"Foo.json"});
    QCOMPARE(Store::listProfiles(tmp.path()).constFirst().displayName, QStringLiteral("Foo"));
}

void TestProfileStore::renameRejectsBadNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("less-than") << "a<b" << "Name contains invalid characters";
    QTest::newRow("blanks") << "  " << "Name is empty";
}

void TestProfileStore::renameRejectsBadNames()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QTemporaryDir tmp;
    const QString foo = tmp.filePath("Foo.json");
    QVERIFY(Store::saveProfile(foo, makeDefaultProfile("Foo"), nullptr));
    const QByteArray before = readAll(foo);
    QString newPath = QStringLiteral("untouched");
    QString error;
    QVERIFY(!Store::renameProfile(tmp.path(), foo, name, &newPath, &error));
    QCOMPARE(error, message);
    QCOMPARE(newPath, QStringLiteral("untouched"));
    QCOMPARE(jsonFiles(tmp.path()), QStringList{"Foo.json"});
    QCOMPARE(readAll(foo), before);

    // A file that does not parse cannot be renamed either.
    writeRaw(tmp.filePath("bad.json"), "[]");
    QVERIFY(!Store::renameProfile(tmp.path(), tmp.filePath("bad.json"), "Good", nullptr, &error));
    QVERIFY(QFile::exists(tmp.filePath("bad.json")));
    QVERIFY(!QFile::exists(tmp.filePath("Good.json")));
}

void TestProfileStore::importStoresParsedRecord()
{
    QTemporaryDir tmp;
    // Pretty-printed differently and with an extra member: the store writes the record anew.
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

    const QList<ProfileEntry> entries = Store::listProfiles(tmp.path());
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].displayName.left(8), QStringLiteral("Imported"));

    QVERIFY(Store::importProfile(tmp.path(), profileToJson(makeDefaultProfile("Wet: race")), &path1, &error));
    QCOMPARE(path1, tmp.filePath("Wet race.json"));
}

void TestProfileStore::importRejectsInvalidDocument()
{
    QTemporaryDir tmp;
    QByteArray bytes = profileToJson(makeDefaultProfile("X"));
    bytes.replace("\"deadzoneTop\": 3", "\"deadzoneTop\": 80");
    QString path = QStringLiteral("untouched");
    QString error;
    QVERIFY(!Store::importProfile(tmp.path(), bytes, &path, &error));
    QCOMPARE(error, QStringLiteral("Out of range deadzoneTop"));
    QCOMPARE(path, QStringLiteral("untouched"));
    QVERIFY(jsonFiles(tmp.path()).isEmpty());
}

void TestProfileStore::deleteMissingFile()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("gone.json");
    QString error;
    QVERIFY(!Store::deleteProfile(path, &error));
    QCOMPARE(error, QStringLiteral("File does not exist"));
    writeRaw(path, "{}");
    QVERIFY(Store::deleteProfile(path, &error));
    QVERIFY(!QFile::exists(path));
}

void TestProfileStore::failedSaveKeepsPreviousFile()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("Keep.json");
    QVERIFY(Store::saveProfile(path, makeDefaultProfile("Keep"), nullptr));
    const QByteArray before = readAll(path);
    QVERIFY(before.size() > 200);

    CurveProfile changed = makeDefaultProfile("Changed");
    changed.pedals[0].deadzoneTop = 40;
    QString error;
    bool saved = true;
    {
        FileSizeLimit limit(100);
        saved = Store::saveProfile(path, changed, &error);
    }
    QVERIFY(!saved);
    QCOMPARE(error, QStringLiteral("Write failed: %1").arg(path));
    QCOMPARE(readAll(path), before);
    // No temporary file is left behind.
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Keep.json"});

    // And without the limit the same save goes through.
    QVERIFY(Store::saveProfile(path, changed, &error));
    CurveProfile loaded;
    QVERIFY(Store::loadProfile(path, loaded, &error));
    QCOMPARE(loaded.pedals[0].deadzoneTop, 40);
}

void TestProfileStore::saveIntoMissingDirectoryFails()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("missing/X.json");
    QString error;
    QVERIFY(!Store::saveProfile(path, makeDefaultProfile("X"), &error));
    QCOMPARE(error, QStringLiteral("Cannot write: %1").arg(path));
    CurveProfile out;
    QVERIFY(!Store::loadProfile(path, out, &error));
    QCOMPARE(error, QStringLiteral("Cannot open file: %1").arg(path));
}

void TestProfileStore::byNameInterfaceIsNotImplemented()
{
    CurveProfileJsonStore store;
    ICurveProfileStore& iface = store;
    CurveProfile p;
    QString error;
    QVERIFY(!iface.loadByName("A", p, &error));
    QCOMPARE(error, QStringLiteral("Not implemented: A"));
    QVERIFY(!iface.saveByName("B", p, &error));
    QCOMPARE(error, QStringLiteral("Not implemented: B"));
}

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profilestore.moc"
