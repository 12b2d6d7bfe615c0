#include <QtTest>

#include "curves/CurveMath.h"
#include "profiles/ProfileFormat.h"

namespace {

// The default document with the last occurrence of from replaced: the throttle's, for a
// pedal's field (the pedals are written brake, clutch, throttle). Empty when from is missing.
QByteArray edited(const char* from, const char* to)
{
    QByteArray doc = profileToJson(makeDefaultProfile(QStringLiteral("Base")));
    const qsizetype at = doc.lastIndexOf(from);
    return at < 0 ? QByteArray() : doc.replace(at, qsizetype(qstrlen(from)), to);
}

} // namespace

class TestProfileFormat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
        ok("deadzone 1e12", "\"deadzoneTop\": 3", "\"deadzoneTop\": 1e12", {1, 0, 10, 0, -32767});
        ok("point \"7\"", "10,", "\"7\",", {1, 3, 0, 0, -32767});
        ok("rawMax truncated", "\"rawMax\": 0", "\"rawMax\": 70000", {1, 3, 10, 4464, -32767});
        ok("no outputMin", "\"outputMin\": -32767", "\"x\": 5", {1, 3, 10, 0, -32767});
        ok("outputMin 5", "\"outputMin\": -32767", "\"outputMin\": 5", {1, 3, 10, 0, 5});
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
            custom.pedals[size_t(i)] = {qint16(-100 * (i + 1)),
                                        qint16(3000 + i),
                                        qint16(-30000 + i),
                                        qint16(30000 + i),
                                        i != 1,
                                        10 + i,
                                        20 + i,
                                        i + 4,
                                        i,
                                        presetCurvePoints(i)};
        CurveProfile parsed;
        QString error;
        QVERIFY2(parseProfileJson(profileToJson(custom), parsed, &error), qPrintable(error));
        QVERIFY(parsed == custom);
    }
};

QTEST_GUILESS_MAIN(TestProfileFormat)
#include "tst_profileformat.moc"
