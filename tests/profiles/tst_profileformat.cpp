#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "profiles/ProfileFormat.h"

namespace {

// The default document with the member at path (dot-separated) replaced, or removed
// when the value is undefined.
QByteArray edited(const QString& path, const QJsonValue& value)
{
    std::function<void(QJsonObject&, QStringList)> set = [&](QJsonObject& o, QStringList keys) {
        const QString key = keys.takeFirst();
        if (keys.isEmpty()) {
            value.isUndefined() ? o.remove(key) : void(o.insert(key, value));
            return;
        }
        QJsonObject child = o.value(key).toObject();
        set(child, keys);
        o.insert(key, child);
    };
    QJsonObject root = QJsonDocument::fromJson(profileToJson(makeDefaultProfile(QStringLiteral("Base")))).object();
    set(root, path.split(QLatin1Char('.')));
    return QJsonDocument(root).toJson();
}

QJsonArray points(int count, int middle)
{
    QJsonArray a{0};
    for (int i = 1; i < count - 1; ++i)
        a.append(middle);
    a.append(100);
    return a;
}

const QJsonValue kRemove = QJsonValue(QJsonValue::Undefined);

} // namespace

class TestProfileFormat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rejects_data();
    void rejects();
    void accepts_data();
    void accepts();
    void roundTrip();
};

void TestProfileFormat::rejects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString invalid = invalidProfileMessage();
    const QString t = QStringLiteral("pedals.throttle.");

    QTest::newRow("not json") << QByteArray("hello {") << invalid;
    QTest::newRow("array") << QByteArray("[1,2,3]") << invalid;
    QTest::newRow("signature lower case") << edited("signature", "quilbex pedals") << invalid;
    QTest::newRow("no version") << edited("version", kRemove) << "Missing version";
    QTest::newRow("profileName 5") << edited("profileName", 5) << "Missing profileName";
    QTest::newRow("pedals empty") << edited("pedals", QJsonObject()) << "Missing pedals";
    QTest::newRow("no brake, bad throttle")
        << edited("pedals.brake", kRemove).replace("\"deadzoneTop\": 3", "\"deadzoneTop\": 99")
        << "Missing pedals.brake";
    QTest::newRow("no calibration") << edited(t + "calibration", kRemove) << "Missing calibration";
    QTest::newRow("deadzone 51") << edited(t + "deadzoneTop", 51) << "Out of range deadzoneTop";
    QTest::newRow("deadzone -1") << edited(t + "deadzoneTop", -1) << "Out of range deadzoneTop";
    QTest::newRow("deadzone \"3\"") << edited(t + "deadzoneTop", "3") << "Invalid numeric field: deadzoneTop";
    QTest::newRow("filter 7") << edited(t + "filter", 7) << "Out of range filter";
    QTest::newRow("no curve") << edited(t + "curve", kRemove) << "Missing curve";
    QTest::newRow("empty curve") << edited(t + "curve", QJsonObject()) << "Missing curve";
    QTest::newRow("no type") << edited(t + "curve.type", kRemove) << "Missing field: type";
    QTest::newRow("type 5") << edited(t + "curve.type", 5) << "Out of range type";
    QTest::newRow("10 points") << edited(t + "curve.points", points(10, 50)) << "curve.points must have 11 elements";
    QTest::newRow("12 points") << edited(t + "curve.points", points(12, 50)) << "curve.points must have 11 elements";
    QTest::newRow("no points") << edited(t + "curve.points", kRemove) << "curve.points must have 11 elements";
    QTest::newRow("point 101") << edited(t + "curve.points", points(11, 101)) << "curve point out of 0..100";
    QTest::newRow("point -1") << edited(t + "curve.points", points(11, -1)) << "curve point out of 0..100";
    QTest::newRow("clutch filter") << edited("pedals.clutch.filter", 9) << "Out of range filter";
}

void TestProfileFormat::rejects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    CurveProfile out;
    QString error;
    QVERIFY(!parseProfileJson(bytes, out, &error));
    QCOMPARE(error, message);
    QVERIFY(!parseProfileJson(bytes, out, nullptr));
}

void TestProfileFormat::accepts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("deadzoneTop");
    QTest::addColumn<int>("point1");
    QTest::addColumn<int>("rawMax");
    const QString t = QStringLiteral("pedals.throttle.");
    QTest::newRow("version abc") << edited("version", "abc") << 1 << 3 << 10 << 0;
    QTest::newRow("empty name") << edited("profileName", "") << 1 << 3 << 10 << 0;
    QTest::newRow("deadzone 50") << edited(t + "deadzoneTop", 50) << 1 << 50 << 10 << 0;
    QTest::newRow("deadzone true") << edited(t + "deadzoneTop", true) << 1 << 0 << 10 << 0;
    QTest::newRow("deadzone 2.5") << edited(t + "deadzoneTop", 2.5) << 1 << 0 << 10 << 0;
    QTest::newRow("deadzone 1e12") << edited(t + "deadzoneTop", 1e12) << 1 << 0 << 10 << 0;
    QTest::newRow("point \"7\"") << edited(t + "curve.points", QJsonArray{0, "7", 20, 30, 40, 50, 60, 70, 80, 90, 100})
                                 << 1 << 3 << 0 << 0;
    QTest::newRow("rawMax truncated") << edited(t + "calibration.rawMax", 70000) << 1 << 3 << 10 << 4464;
}

void TestProfileFormat::accepts()
{
    QFETCH(QByteArray, bytes);
    CurveProfile out;
    QString error;
    QVERIFY2(parseProfileJson(bytes, out, &error), qPrintable(error));
    QTEST(int(out.version), "version");
    QTEST(int(out.pedals[0].deadzoneTop), "deadzoneTop");
    QTEST(int(out.pedals[0].points[1]), "point1");
    QTEST(int(out.pedals[0].rawMax), "rawMax");
}

void TestProfileFormat::roundTrip()
{
    const CurveProfile defaults = makeDefaultProfile(QStringLiteral("Default"));
    CurveProfile parsed;
    QString error;
    QVERIFY2(parseProfileJson(profileToJson(defaults), parsed, &error), qPrintable(error));
    QVERIFY(parsed == defaults);
    QCOMPARE(parsed.pedals[2].outputMin, qint16(-32767));
    QCOMPARE(parsed.pedals[2].filter, 2);

    // Pedals keep their host order through the document.
    CurveProfile custom = defaults;
    for (int i = 0; i < 3; ++i) {
        custom.pedals[size_t(i)].rawMin = qint16(-100 * (i + 1));
        custom.pedals[size_t(i)].calibrated = i != 1;
        custom.pedals[size_t(i)].filter = i + 4;
    }
    QVERIFY(parseProfileJson(profileToJson(custom), parsed, &error));
    QVERIFY(parsed == custom);
}

QTEST_GUILESS_MAIN(TestProfileFormat)
#include "tst_profileformat.moc"
