// Profile contents and files: curve presets and input math, the file format, the store.
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

#include "coordination/DeviceConfigModel.h"
#include "curves/CurveMath.h"
#include "profiles/CurveProfileJsonStore.h"
#include "profiles/ProfileFormat.h"

using Store = CurveProfileJsonStore;

namespace {

// The default document with the last occurrence of from replaced: the throttle's, for a
// pedal's field (the pedals are written brake, clutch, throttle). Empty when from is missing.
QByteArray edited(const char* from, const char* to)
{
    QByteArray doc = profileToJson(makeDefaultProfile(QStringLiteral("Base")));
    const qsizetype at = doc.lastIndexOf(from);
    return at < 0 ? QByteArray() : doc.replace(at, qsizetype(qstrlen(from)), to);
}

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

class TestProfiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void presets()
    {
        const CurvePoints linear{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
        const CurvePoints sCurve{0, 3, 10, 22, 35, 50, 65, 78, 90, 97, 100};
        const CurvePoints early{0, 32, 45, 55, 63, 71, 77, 84, 89, 95, 100};
        QCOMPARE(presetCurvePoints(1), sCurve);
        QCOMPARE(presetCurvePoints(2), early);
        QCOMPARE(presetCurvePoints(3), (CurvePoints{0, 1, 4, 9, 16, 25, 36, 49, 64, 81, 100}));
        // Recognised within 3 points of a preset (linear exactly); a stored custom type wins.
        QCOMPARE(matchCurvePreset(linear, 0), 0);
        QCOMPARE(matchCurvePreset(linear, 4), 4);
        QCOMPARE(matchCurvePreset({0, 11, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 0), 4);
        QCOMPARE(matchCurvePreset({0, 4, 12, 20, 36, 50, 62, 80, 88, 97, 100}, 0), 1);
        QCOMPARE(matchCurvePreset({0, 7, 10, 22, 35, 50, 65, 78, 90, 97, 100}, 1), 4);
        QCOMPARE(matchCurvePreset({0, 3, 10, 22, 35, 50, 65, 78, 90, 97, 99}, 1), 4);
        QCOMPARE(matchCurvePreset({0, -3, 10, 22, 35, 50, 65, 78, 90, 97, 100}, 1), 4);
        QCOMPARE(matchCurvePreset(early, 0), 2);
        QCOMPARE(matchCurvePreset(CurvePoints{}, 0), 4);

        // A type out of range is clamped; custom keeps the points; other pedals are untouched.
        DeviceConfigModel model;
        model.curve = {early, early, early};
        applyCurvePresetToModel(&model, 1, 9);
        QVERIFY(model.curveType[1] == 4 && model.curve[1] == early);
        applyCurvePresetToModel(&model, 1, -2);
        QVERIFY(model.curveType[1] == 0 && model.curve[1] == linear);
        applyCurvePresetToModel(&model, 2, 1);
        QVERIFY(model.curveType[2] == 1 && model.curve[2] == sCurve);
        QVERIFY(model.curveType[0] == 0 && model.curve[0] == early);
    }

    // Percent of the axis for a raw reading, in the integer arithmetic of the pedals' firmware.
    void inputPercent_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<bool>("calibrated");
        QTest::addColumn<QList<int>>("calibration"); // two ends (either order), top and bottom deadzone
        QTest::addColumn<double>("expected");
        QTest::newRow("at low") << 1100 << true << QList<int>{1000, 3000, 5, 5} << 0.0;
        QTest::newRow("at high, ends swapped") << 2900 << true << QList<int>{3000, 1000, 5, 5} << 100.0;
        QTest::newRow("middle") << 2000 << true << QList<int>{1000, 3000, 5, 5} << 50.0;
        QTest::newRow("bottom deadzone") << 1200 << true << QList<int>{1000, 3000, 0, 10} << 0.0;
        // 1 * 65534 / 1800 truncates to 36.
        QTest::newRow("truncated") << 1101 << true << QList<int>{1000, 3000, 5, 5} << 36 / 655.34;
        // Span 999: 3 % is 29 (not 29.97), then 1 * 65534 / 941 truncates to 69.
        QTest::newRow("deadzone truncated") << 1030 << true << QList<int>{1000, 1999, 3, 3} << 69 / 655.34;
        QTest::newRow("not calibrated: axis value") << 0 << false << QList<int>{1000, 3000, 5, 5} << 50.0;
        QTest::newRow("axis max") << 32767 << false << QList<int>{0, 0, 0, 0} << 100.0;
        QTest::newRow("axis min") << -32768 << false << QList<int>{0, 0, 0, 0} << 0.0;
        QTest::newRow("span 49: axis value") << 0 << true << QList<int>{1000, 1049, 0, 0} << 50.0;
        QTest::newRow("deadzones 50/50: axis value") << 0 << true << QList<int>{1000, 3000, 50, 50} << 50.0;
        // A full 16-bit calibration needs more than 32 bits: (raw - low) * 65534.
        QTest::newRow("wide range, near top") << 32766 << true << QList<int>{-32768, 32767, 0, 0} << 65533 / 655.34;
    }
    void inputPercent()
    {
        QFETCH(int, raw);
        QFETCH(bool, calibrated);
        QFETCH(QList<int>, calibration);
        const QList<int>& c = calibration;
        QTEST(pedalInputPercent(qint16(raw), calibrated, qint16(c[0]), qint16(c[1]), c[2], c[3]), "expected");
    }

    // Refused with a message, or read leniently where files in the wild differ.
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");     // empty: accepted
        QTest::addColumn<QList<int>>("throttle"); // version, deadzoneTop, point 1, rawMax, outputMin
        const auto no = [](const char* tag, const char* from, const char* to, const QString& message) {
            QTest::newRow(tag) << edited(from, to) << message << QList<int>();
        };
        const auto ok = [](const char* tag, const char* from, const char* to, const QList<int>& throttle) {
            QTest::newRow(tag) << edited(from, to) << QString() << throttle;
        };
        const QString invalid = invalidProfileMessage();
        no("not json", "{", "hello {", invalid);
        no("signature lower case", "\"Quilbex Pedals\"", "\"quilbex pedals\"", invalid);
        no("no version", "\"version\"", "\"versions\"", "Missing version");
        no("profileName 5", "\"Base\"", "5", "Missing profileName");
        no("no pedals", "\"pedals\"", "\"pedal\"", "Missing pedals");
        no("no brake", "\"brake\"", "\"brakes\"", "Missing pedals.brake");
        no("no calibration", "\"calibration\"", "\"calibrations\"", "Missing calibration");
        no("deadzone 51", "\"deadzoneTop\": 3", "\"deadzoneTop\": 51", "Out of range deadzoneTop");
        no("deadzone -1", "\"deadzoneTop\": 3", "\"deadzoneTop\": -1", "Out of range deadzoneTop");
        no("deadzone \"3\"", "\"deadzoneTop\": 3", "\"deadzoneTop\": \"3\"", "Invalid numeric field: deadzoneTop");
        no("filter 7", "\"filter\": 2", "\"filter\": 7", "Out of range filter");
        no("no type", "\"type\"", "\"kind\"", "Missing field: type");
        no("type 5", "\"type\": 0", "\"type\": 5", "Out of range type");
        no("12 points", "\"points\": [", "\"points\": [ 0,", "curve.points must have 11 elements");
        no("point 101", "100\n", "101\n", "curve point out of 0..100");
        no("point -1", "10,", "-1,", "curve point out of 0..100");
        ok("version abc", "\"version\": 1", "\"version\": \"abc\"", {1, 3, 10, 0, -32767});
        ok("deadzone 50", "\"deadzoneTop\": 3", "\"deadzoneTop\": 50", {1, 50, 10, 0, -32767});
        ok("deadzone true", "\"deadzoneTop\": 3", "\"deadzoneTop\": true", {1, 0, 10, 0, -32767});
        ok("deadzone 2.5", "\"deadzoneTop\": 3", "\"deadzoneTop\": 2.5", {1, 0, 10, 0, -32767});
        ok("point \"7\"", "10,", "\"7\",", {1, 3, 0, 0, -32767});
        ok("rawMax truncated", "\"rawMax\": 0", "\"rawMax\": 70000", {1, 3, 10, 4464, -32767});
        ok("no outputMin", "\"outputMin\": -32767", "\"x\": 5", {1, 3, 10, 0, -32767});
    }

    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        CurveProfile out;
        QString error;
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(parseProfileJson(bytes, out, &error), message.isEmpty());
        QCOMPARE(error, message);
        QCOMPARE(parseProfileJson(bytes, out, nullptr), message.isEmpty());
        const PedalProfile& p = out.pedals[0];
        if (message.isEmpty())
            QTEST(QList<int>({out.version, p.deadzoneTop, p.points[1], p.rawMax, p.outputMin}), "throttle");
    }

    // Every field of every pedal survives a write and a parse.
    void roundTrip()
    {
        CurveProfile custom = makeDefaultProfile(QStringLiteral("Custom"));
        for (int i = 0; i < 3; ++i)
            custom.pedals[size_t(i)] = {
                qint16(-9 * i), qint16(i), qint16(i - 30000),   qint16(30000 + i), i != 1, 10 + i, 20 + i,
                i + 4,          i,         presetCurvePoints(i)};
        CurveProfile parsed;
        QString error;
        QVERIFY2(parseProfileJson(profileToJson(custom), parsed, &error), qPrintable(error));
        QVERIFY(parsed == custom);
    }

    // The built-ins go into a missing folder (made with its parents), never beside any profile
    // file; listed in the user's order, a file without a name by its base name, nothing hidden.
    // Seeding started ahead on its own thread gives the same files and the same failures.
    void seedsAndLists()
    {
        QTemporaryDir tmp;
        const QString dir = tmp.filePath("a/b/profiles");
        QString error;
        Store::startEnsuringDefaultProfiles(dir);
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
        for (int ahead = 0; ahead < 2; ++ahead) {
            if (ahead)
                Store::startEnsuringDefaultProfiles(blocked);
            error.clear();
            QVERIFY(!Store::ensureDefaultProfiles(blocked, &error));
            QCOMPARE(error, QStringLiteral("Cannot create profiles directory: %1").arg(blocked));
        }
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
        // foo.json and Foo.json are two files: the old one must go, or the profile is listed twice.
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
        const rlimit lowered{100, saved.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &lowered), 0);
        const bool ok = Store::saveProfile(path, changed, &error);
        setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY(!ok);
        QCOMPARE(error, QStringLiteral("Write failed: %1").arg(path));
        QCOMPARE(readAll(path), before);
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Keep.json"});
    }
};

QTEST_GUILESS_MAIN(TestProfiles)
#include "tst_profiles.moc"
