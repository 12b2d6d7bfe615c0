#include "profiles/ProfileFormat.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace {

const char* const kSignature = "Quilbex Pedals";
const char* const kPedalKeys[DeviceConfigModel::kPedals] = {"throttle", "brake", "clutch"};

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool validateProfileHeader(const QJsonObject& root, QString* error)
{
    if (root.value(QStringLiteral("signature")).toString() != QLatin1String(kSignature))
        return fail(error, invalidProfileMessage());
    if (!root.contains(QStringLiteral("version")))
        return fail(error, QStringLiteral("Missing version"));
    if (!root.contains(QStringLiteral("profileName")) || !root.value(QStringLiteral("profileName")).isString())
        return fail(error, QStringLiteral("Missing profileName"));
    const QJsonObject pedals = root.value(QStringLiteral("pedals")).toObject();
    if (pedals.isEmpty())
        return fail(error, QStringLiteral("Missing pedals"));
    for (const char* key : kPedalKeys) {
        if (pedals.value(QLatin1String(key)).toObject().isEmpty())
            return fail(error, QStringLiteral("Missing pedals.%1").arg(QLatin1String(key)));
    }
    return true;
}

// A whole number 0..bound; booleans and fractions read as 0, negatives are out of range.
bool readBoundedInt(const QJsonObject& object, const QString& key, quint32 bound, qint32& out, QString* error)
{
    if (!object.contains(key))
        return fail(error, QStringLiteral("Missing field: %1").arg(key));
    const QJsonValue value = object.value(key);
    if (!value.isDouble() && !value.isBool())
        return fail(error, QStringLiteral("Invalid numeric field: %1").arg(key));
    const int number = value.toInt(0);
    if (static_cast<quint32>(number) > bound)
        return fail(error, QStringLiteral("Out of range %1").arg(key));
    out = number;
    return true;
}

bool parsePedal(const QJsonObject& pedal, PedalProfile& out, QString* error)
{
    const QJsonObject calibration = pedal.value(QStringLiteral("calibration")).toObject();
    if (calibration.isEmpty())
        return fail(error, QStringLiteral("Missing calibration"));
    out.rawMin = static_cast<qint16>(calibration.value(QStringLiteral("rawMin")).toInt(0));
    out.rawMax = static_cast<qint16>(calibration.value(QStringLiteral("rawMax")).toInt(0));
    out.outputMin = static_cast<qint16>(calibration.value(QStringLiteral("outputMin")).toInt(-32767));
    out.outputMax = static_cast<qint16>(calibration.value(QStringLiteral("outputMax")).toInt(32767));
    out.calibrated = calibration.value(QStringLiteral("calibrated")).toBool(false);

    if (!readBoundedInt(pedal, QStringLiteral("deadzoneTop"), kMaxDeadzone, out.deadzoneTop, error)
        || !readBoundedInt(pedal, QStringLiteral("deadzoneBottom"), kMaxDeadzone, out.deadzoneBottom, error)
        || !readBoundedInt(pedal, QStringLiteral("filter"), kMaxFilter, out.filter, error))
        return false;

    const QJsonObject curve = pedal.value(QStringLiteral("curve")).toObject();
    if (curve.isEmpty())
        return fail(error, QStringLiteral("Missing curve"));
    if (!readBoundedInt(curve, QStringLiteral("type"), kMaxCurveType, out.curveType, error))
        return false;
    const QJsonArray points = curve.value(QStringLiteral("points")).toArray();
    if (points.size() != DeviceConfigModel::kCurvePoints)
        return fail(error, QStringLiteral("curve.points must have 11 elements"));
    for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i) {
        const int point = points.at(i).toInt(0);
        if (point < 0 || point > 100)
            return fail(error, QStringLiteral("curve point out of 0..100"));
        out.points[size_t(i)] = static_cast<qint8>(point);
    }
    return true;
}

QJsonObject pedalToJson(const PedalProfile& pedal)
{
    QJsonObject calibration;
    calibration.insert(QStringLiteral("rawMin"), int(pedal.rawMin));
    calibration.insert(QStringLiteral("rawMax"), int(pedal.rawMax));
    calibration.insert(QStringLiteral("outputMin"), int(pedal.outputMin));
    calibration.insert(QStringLiteral("outputMax"), int(pedal.outputMax));
    calibration.insert(QStringLiteral("calibrated"), pedal.calibrated);

    QJsonArray points;
    for (qint8 p : pedal.points)
        points.append(int(p));
    QJsonObject curve;
    curve.insert(QStringLiteral("type"), pedal.curveType);
    curve.insert(QStringLiteral("points"), points);

    QJsonObject object;
    object.insert(QStringLiteral("calibration"), calibration);
    object.insert(QStringLiteral("deadzoneTop"), pedal.deadzoneTop);
    object.insert(QStringLiteral("deadzoneBottom"), pedal.deadzoneBottom);
    object.insert(QStringLiteral("filter"), pedal.filter);
    object.insert(QStringLiteral("curve"), curve);
    return object;
}

} // namespace

bool PedalProfile::operator==(const PedalProfile& o) const
{
    return rawMin == o.rawMin && rawMax == o.rawMax && outputMin == o.outputMin && outputMax == o.outputMax
        && calibrated == o.calibrated && deadzoneTop == o.deadzoneTop && deadzoneBottom == o.deadzoneBottom
        && filter == o.filter && curveType == o.curveType && points == o.points;
}

bool CurveProfile::operator==(const CurveProfile& o) const
{
    return version == o.version && profileName == o.profileName && pedals == o.pedals;
}

QString invalidProfileMessage()
{
    return QCoreApplication::translate("Quilbex", "Invalid profile file. This is not a Quilbex Pedals profile.");
}

bool parseProfileJson(const QByteArray& bytes, CurveProfile& out, QString* error)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return fail(error, invalidProfileMessage());
    const QJsonObject root = document.object();
    if (!validateProfileHeader(root, error))
        return false;

    out.version = root.value(QStringLiteral("version")).toInt(1);
    out.profileName = root.value(QStringLiteral("profileName")).toString();

    const QJsonObject pedals = root.value(QStringLiteral("pedals")).toObject();
    for (int i = 0; i < DeviceConfigModel::kPedals; ++i) {
        if (!parsePedal(pedals.value(QLatin1String(kPedalKeys[i])).toObject(), out.pedals[size_t(i)], error))
            return false;
    }
    return true;
}

QByteArray profileToJson(const CurveProfile& profile)
{
    QJsonObject pedals;
    for (int i = 0; i < DeviceConfigModel::kPedals; ++i)
        pedals.insert(QLatin1String(kPedalKeys[i]), pedalToJson(profile.pedals[size_t(i)]));

    QJsonObject root;
    root.insert(QStringLiteral("signature"), QLatin1String(kSignature));
    root.insert(QStringLiteral("version"), profile.version);
    root.insert(QStringLiteral("profileName"), profile.profileName);
    root.insert(QStringLiteral("pedals"), pedals);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

CurveProfile makeDefaultProfile(const QString& name)
{
    CurveProfile profile;
    profile.version = 1;
    profile.profileName = name;
    for (PedalProfile& pedal : profile.pedals) {
        pedal = PedalProfile{};
        pedal.deadzoneTop = 3;
        pedal.deadzoneBottom = 3;
        pedal.filter = 2;
        pedal.curveType = 0;
        for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i)
            pedal.points[size_t(i)] = static_cast<qint8>(i * 10);
    }
    return profile;
}
