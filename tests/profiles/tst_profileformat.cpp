#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "profiles/ProfileFormat.h"

namespace {

// A valid document as a JSON object, edited by each case before parsing.
QJsonObject validRoot()
{
    return QJsonDocument::fromJson(profileToJson(makeDefaultProfile(QStringLiteral("Base")))).object();
}

// Sets (or, with an undefined value, removes) the member at path.
void setPath(QJsonObject& object, const QStringList& path, const QJsonValue& value)
{
    if (path.size() == 1) {
        if (value.isUndefined())
            object.remove(path.first());
        else
            object.insert(path.first(), value);
        return;
    }
    QJsonObject child = object.value(path.first()).toObject();
    setPath(child, path.mid(1), value);
    object.insert(path.first(), child);
}

QByteArray edited(const QStringList& path, const QJsonValue& value)
{
    QJsonObject root = validRoot();
    setPath(root, path, value);
    return QJsonDocument(root).toJson();
}

QJsonArray pointsArray(int count, int value = 50)
{
    QJsonArray a;
    for (int i = 0; i < count; ++i)
        a.append(i == 0 ? 0 : (i == count - 1 ? 100 : value));
    return a;
}

} // namespace

class TestProfileFormat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rejects_data();
    void rejects();
    void acceptsLenientValues_data();
    void acceptsLenientValues();
    void headerIsCheckedBeforePedals();
    void roundTrip();
    void writerLayout();
};

void TestProfileFormat::rejects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString invalid = invalidProfileMessage();
    const QStringList throttle{QStringLiteral("pedals"), QStringLiteral("throttle")};
    const QStringList curve = throttle + QStringList{QStringLiteral("curve")};

    QTest::newRow("not json") << QByteArray("hello {") << invalid;
    QTest::newRow("empty") << QByteArray() << invalid;
    QTest::newRow("array") << QByteArray("[1,2,3]") << invalid;
    QTest::newRow("signature lower case") << edited({"signature"}, "quilbex pedals") << invalid;
    QTest::newRow("signature number") << edited({"signature"}, 1) << invalid;
    QTest::newRow("no version") << edited({"version"}, QJsonValue::Undefined) << "Missing version";
    QTest::newRow("profileName number") << edited({"profileName"}, 5) << "Missing profileName";
    QTest::newRow("no profileName") << edited({"profileName"}, QJsonValue::Undefined) << "Missing profileName";
    QTest::newRow("pedals empty") << edited({"pedals"}, QJsonObject()) << "Missing pedals";
    QTest::newRow("pedals array") << edited({"pedals"}, QJsonArray{1}) << "Missing pedals";
    QTest::newRow("no clutch") << edited({"pedals", "clutch"}, QJsonValue::Undefined) << "Missing pedals.clutch";
    QTest::newRow("no calibration") << edited(throttle + QStringList{"calibration"}, QJsonValue::Undefined)
                                    << "Missing calibration";
    QTest::newRow("deadzoneTop 51") << edited(throttle + QStringList{"deadzoneTop"}, 51) << "Out of range deadzoneTop";
    QTest::newRow("deadzoneTop -1") << edited(throttle + QStringList{"deadzoneTop"}, -1) << "Out of range deadzoneTop";
    QTest::newRow("deadzoneTop string")
        << edited(throttle + QStringList{"deadzoneTop"}, "3") << "Invalid numeric field: deadzoneTop";
    QTest::newRow("no deadzoneBottom")
        << edited(throttle + QStringList{"deadzoneBottom"}, QJsonValue::Undefined) << "Missing field: deadzoneBottom";
    QTest::newRow("deadzoneBottom null")
        << edited(throttle + QStringList{"deadzoneBottom"}, QJsonValue::Null) << "Invalid numeric field: deadzoneBottom";
    QTest::newRow("filter 7") << edited(throttle + QStringList{"filter"}, 7) << "Out of range filter";
    QTest::newRow("no curve") << edited(throttle + QStringList{"curve"}, QJsonValue::Undefined) << "Missing curve";
    QTest::newRow("empty curve") << edited(throttle + QStringList{"curve"}, QJsonObject()) << "Missing curve";
    QTest::newRow("no type") << edited(curve + QStringList{"type"}, QJsonValue::Undefined) << "Missing field: type";
    QTest::newRow("type 5") << edited(curve + QStringList{"type"}, 5) << "Out of range type";
    QTest::newRow("10 points") << edited(curve + QStringList{"points"}, pointsArray(10))
                               << "curve.points must have 11 elements";
    QTest::newRow("12 points") << edited(curve + QStringList{"points"}, pointsArray(12))
                               << "curve.points must have 11 elements";
    QTest::newRow("no points") << edited(curve + QStringList{"points"}, QJsonValue::Undefined)
                               << "curve.points must have 11 elements";
    QTest::newRow("points object") << edited(curve + QStringList{"points"}, QJsonObject{{"a", 1}})
                                   << "curve.points must have 11 elements";
    QTest::newRow("point 101") << edited(curve + QStringList{"points"}, pointsArray(11, 101))
                               << "curve point out of 0..100";
    QTest::newRow("point -1") << edited(curve + QStringList{"points"}, pointsArray(11, -1))
                              << "curve point out of 0..100";
    QTest::newRow("brake deadzone") << edited({"pedals", "brake", "deadzoneTop"}, 60) << "Out of range deadzoneTop";
}

void TestProfileFormat::rejects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    CurveProfile out;
    QString error;
    QVERIFY(!parseProfileJson(bytes, out, &error));
    QCOMPARE(error, message);
    // A null error pointer is allowed.
    QVERIFY(!parseProfileJson(bytes, out, nullptr));
}

void TestProfileFormat::acceptsLenientValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("expected");
    const QStringList throttle{QStringLiteral("pedals"), QStringLiteral("throttle")};
    const QStringList cal = throttle + QStringList{QStringLiteral("calibration")};

    QTest::newRow("version abc") << edited({"version"}, "abc") << "version" << 1;
    QTest::newRow("version 7") << edited({"version"}, 7) << "version" << 7;
    QTest::newRow("deadzoneTop 50") << edited(throttle + QStringList{"deadzoneTop"}, 50) << "deadzoneTop" << 50;
    QTest::newRow("deadzoneTop true") << edited(throttle + QStringList{"deadzoneTop"}, true) << "deadzoneTop" << 0;
    QTest::newRow("deadzoneTop 2.5") << edited(throttle + QStringList{"deadzoneTop"}, 2.5) << "deadzoneTop" << 0;
    // Beyond 32 bits a number is not an integer and reads as 0.
    QTest::newRow("filter 1e12") << edited(throttle + QStringList{"filter"}, 1e12) << "filter" << 0;
    QTest::newRow("point string") << edited(throttle + QStringList{"curve", "points"},
                                            QJsonArray{0, "7", 20, 30, 40, 50, 60, 70, 80, 90, 100})
                                  << "point1" << 0;
    QTest::newRow("rawMax truncated") << edited(cal + QStringList{"rawMax"}, 70000) << "rawMax" << 4464;
    QTest::newRow("rawMin absent") << edited(cal + QStringList{"rawMin"}, QJsonValue::Undefined) << "rawMin" << 0;
    QTest::newRow("outputMin absent") << edited(cal + QStringList{"outputMin"}, QJsonValue::Undefined) << "outputMin"
                                      << -32767;
    QTest::newRow("calibrated 1") << edited(cal + QStringList{"calibrated"}, 1) << "calibrated" << 0;
    QTest::newRow("calibrated true") << edited(cal + QStringList{"calibrated"}, true) << "calibrated" << 1;
}

void TestProfileFormat::acceptsLenientValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, field);
    QFETCH(int, expected);
    CurveProfile out;
    QString error;
    QVERIFY2(parseProfileJson(bytes, out, &error), qPrintable(error));
    const PedalProfile& p = out.pedals[0];
    const QHash<QString, int> values{{"version", out.version},     {"deadzoneTop", p.deadzoneTop}, {"filter", p.filter},
                                     {"point1", p.points[1]},      {"rawMax", p.rawMax},
                                     {"rawMin", p.rawMin},         {"outputMin", p.outputMin},
                                     {"calibrated", p.calibrated}};
    QVERIFY(values.contains(field));
    QCOMPARE(values.value(field), expected);
}

void TestProfileFormat::headerIsCheckedBeforePedals()
{
    QJsonObject root = validRoot();
    setPath(root, {"pedals", "throttle", "deadzoneTop"}, 99);
    setPath(root, {"pedals", "brake"}, QJsonValue::Undefined);
    CurveProfile out;
    QString error;
    QVERIFY(!parseProfileJson(QJsonDocument(root).toJson(), out, &error));
    QCOMPARE(error, QStringLiteral("Missing pedals.brake"));

    // Empty profile name is a valid name.
    root = validRoot();
    setPath(root, {"profileName"}, "");
    QVERIFY(parseProfileJson(QJsonDocument(root).toJson(), out, &error));
    QCOMPARE(out.profileName, QString());
}

void TestProfileFormat::roundTrip()
{
    const CurveProfile defaults = makeDefaultProfile(QStringLiteral("Default"));
    CurveProfile parsed;
    QString error;
    QVERIFY2(parseProfileJson(profileToJson(defaults), parsed, &error), qPrintable(error));
    QVERIFY(parsed == defaults);
    QCOMPARE(parsed.pedals[2].outputMin, qint16(-32767));
    QCOMPARE(parsed.pedals[2].points[10], qint8(100));

    // Distinct values per pedal survive in host order.
    CurveProfile custom = defaults;
    custom.version = 3;
    custom.profileName = QStringLiteral("Ünïcode \"quoted\"");
    for (int i = 0; i < 3; ++i) {
        PedalProfile& p = custom.pedals[size_t(i)];
        p.rawMin = qint16(-100 * (i + 1));
        p.rawMax = qint16(4000 + i);
        p.outputMin = -32768;
        p.calibrated = i != 1;
        p.deadzoneTop = 10 + i;
        p.deadzoneBottom = 20 + i;
        p.filter = i + 4;
        p.curveType = 4;
        p.points[5] = qint8(i * 7);
    }
    QVERIFY(parseProfileJson(profileToJson(custom), parsed, &error));
    QVERIFY(parsed == custom);
}

void TestProfileFormat::writerLayout()
{
    const QByteArray json = profileToJson(makeDefaultProfile(QStringLiteral("X")));
    QVERIFY(json.endsWith("}\n"));
    QVERIFY(json.contains("\n    \"pedals\": {\n        \"brake\": {\n            \"calibration\": {\n"
                          "                \"calibrated\": false,\n"));
    // Root members in ascending order.
    const qsizetype pedals = json.indexOf("\"pedals\"");
    const qsizetype name = json.indexOf("\"profileName\"");
    const qsizetype signature = json.indexOf("\"signature\": \"Quilbex Pedals\"");
    const qsizetype version = json.indexOf("\"version\": 1");
    QVERIFY(pedals > 0 && pedals < name && name < signature && signature < version);
}

QTEST_GUILESS_MAIN(TestProfileFormat)
#include "tst_profileformat.moc"
