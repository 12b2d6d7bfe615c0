// info, backup and apply: the pedals' stored configuration.

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/Application.h"
#include "app/FileSafety.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "coordination/ConfigHistory.h"
#include "coordination/DeviceConfigModel.h"
#include "profiles/CurveProfileJsonStore.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileMapping.h"

namespace cli {

namespace {

QString curveTypeName(int type)
{
    switch (type) {
    case 0: return QStringLiteral("linear");
    case 1: return QStringLiteral("S-curve");
    case 2: return QStringLiteral("early");
    case 3: return QStringLiteral("late");
    case 4: return QStringLiteral("custom");
    default: return QStringLiteral("unknown");
    }
}

QString pointsText(const CurvePoints& points)
{
    QStringList parts;
    for (qint8 p : points)
        parts << QString::number(p);
    return parts.join(QLatin1Char(' '));
}

QJsonObject configToJson(const DeviceConfigModel& c)
{
    QJsonObject pedals;
    for (int i = 0; i < DeviceConfigModel::kPedals; ++i) {
        QJsonArray points;
        for (qint8 p : c.curve[size_t(i)])
            points.append(int(p));
        QJsonObject pedal;
        pedal.insert(QStringLiteral("calibrated"), c.cali[size_t(i)] != 0);
        pedal.insert(QStringLiteral("calibrationFlag"), int(c.cali[size_t(i)]));
        pedal.insert(QStringLiteral("min"), int(c.min[size_t(i)]));
        pedal.insert(QStringLiteral("max"), int(c.max[size_t(i)]));
        pedal.insert(QStringLiteral("deadzoneTop"), int(c.deadTop[size_t(i)]));
        pedal.insert(QStringLiteral("deadzoneBottom"), int(c.deadBot[size_t(i)]));
        pedal.insert(QStringLiteral("filter"), int(c.filter[size_t(i)]));
        pedal.insert(QStringLiteral("curveType"), int(c.curveType[size_t(i)]));
        pedal.insert(QStringLiteral("points"), points);
        pedals.insert(pedalKey(i), pedal);
    }
    QJsonObject root;
    root.insert(QStringLiteral("firmwareVersion"), formatFirmwareVersion(c.ver));
    root.insert(QStringLiteral("versionWord"), int(c.ver));
    root.insert(QStringLiteral("crc"), int(c.crc));
    root.insert(QStringLiteral("pedals"), pedals);
    return root;
}

void printConfig(const DeviceConfigModel& c)
{
    out(QStringLiteral("Firmware version: %1").arg(c.ver ? formatFirmwareVersion(c.ver) : QStringLiteral("unknown")));
    for (int i = 0; i < DeviceConfigModel::kPedals; ++i) {
        const size_t h = size_t(i);
        out(QString());
        out(pedalTitle(i));
        out(QStringLiteral("  Calibration: %1 (flag %2), min %3, max %4")
                .arg(c.cali[h] ? QStringLiteral("calibrated") : QStringLiteral("not calibrated"))
                .arg(c.cali[h])
                .arg(c.min[h])
                .arg(c.max[h]));
        out(QStringLiteral("  Deadzones:   top %1 %, bottom %2 %").arg(c.deadTop[h]).arg(c.deadBot[h]));
        out(QStringLiteral("  Filter:      %1").arg(c.filter[h]));
        out(QStringLiteral("  Curve:       type %1 (%2)").arg(c.curveType[h]).arg(curveTypeName(c.curveType[h])));
        out(QStringLiteral("  Points:      %1").arg(pointsText(c.curve[h])));
    }
}

// Reads and parses a profile file; prints the parser's message on failure.
bool loadProfileFile(const QString& path, CurveProfile* profile)
{
    QByteArray bytes;
    const FileSafety::Status status = FileSafety::readWhole(path, FileSafety::kMaxProfileFileBytes, &bytes);
    if (status == FileSafety::Status::Missing) {
        err(QStringLiteral("%1: file not found.").arg(path));
        return false;
    }
    if (status != FileSafety::Status::Ok) {
        err(FileSafety::message(status, path));
        return false;
    }
    QString error;
    if (!parseProfileJson(bytes, *profile, &error)) {
        err(QStringLiteral("%1: %2").arg(path, error));
        return false;
    }
    return true;
}

} // namespace

QStringList configDifferences(const DeviceConfigModel& a, const DeviceConfigModel& e)
{
    QStringList diffs;
    auto check = [&diffs](int i, const char* field, int actual, int expected) {
        if (actual != expected)
            diffs << QStringLiteral("%1 %2: %3 (expected %4)")
                         .arg(pedalKey(i), QLatin1String(field))
                         .arg(actual)
                         .arg(expected);
    };
    for (int i = 0; i < DeviceConfigModel::kPedals; ++i) {
        const size_t h = size_t(i);
        check(i, "calibrated", a.cali[h], e.cali[h]);
        check(i, "min", a.min[h], e.min[h]);
        check(i, "max", a.max[h], e.max[h]);
        check(i, "deadzoneTop", a.deadTop[h], e.deadTop[h]);
        check(i, "deadzoneBottom", a.deadBot[h], e.deadBot[h]);
        check(i, "filter", a.filter[h], e.filter[h]);
        check(i, "curveType", a.curveType[h], e.curveType[h]);
        if (a.curve[h] != e.curve[h])
            diffs << QStringLiteral("%1 points: %2 (expected %3)")
                         .arg(pedalKey(i), pointsText(a.curve[h]), pointsText(e.curve[h]));
    }
    return diffs;
}

int runInfo(const QStringList& args)
{
    CommandLine cmd(QStringLiteral("info"),
                    QStringLiteral("Shows the pedals' firmware version and, per pedal, the calibration (flag, "
                                   "min, max), deadzones, filter, curve type and the 11 curve points."),
                    QStringLiteral("info [--json]"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    cmd.addOption(json);
    int code = ExitOk;
    if (!cmd.parse(args, 0, &code))
        return code;

    Session session(cmd.globals());
    if (!session.isValid())
        return ExitInvalidFile;
    DeviceConfigModel config;
    if (!session.connectAndRead(&config))
        return ExitDevice;
    if (cmd.parser().isSet(json))
        outRaw(QString::fromUtf8(QJsonDocument(configToJson(config)).toJson(QJsonDocument::Indented)));
    else
        printConfig(config);
    return ExitOk;
}

int runBackup(const QStringList& args)
{
    CommandLine cmd(QStringLiteral("backup"),
                    QStringLiteral("Reads the pedals' configuration and writes it to FILE as a profile "
                                   "(replacing FILE atomically). 'apply' writes it back."),
                    QStringLiteral("backup FILE"));
    int code = ExitOk;
    if (!cmd.parse(args, 1, &code))
        return code;
    const QString path = cmd.positionals().at(0);

    Session session(cmd.globals());
    if (!session.isValid())
        return ExitInvalidFile;
    DeviceConfigModel config;
    if (!session.connectAndRead(&config))
        return ExitDevice;

    const CurveProfile profile = ProfileMapping::profileFromConfig(config, QFileInfo(path).completeBaseName());
    // The pedals may hold values a profile does not allow (say, a foreign tool's curve);
    // the file keeps them as they are, but the user should know 'apply' will refuse it.
    CurveProfile check;
    QString parseError;
    if (!parseProfileJson(profileToJson(profile), check, &parseError))
        err(QStringLiteral("Warning: the pedals hold values outside the profile format's ranges (%1); "
                           "'apply' will refuse this file.")
                .arg(parseError));

    QString error;
    if (!CurveProfileJsonStore::saveProfile(path, profile, &error)) {
        err(QStringLiteral("%1: %2").arg(path, error));
        return ExitInvalidFile;
    }
    out(QStringLiteral("Saved the pedals' configuration to %1").arg(path));
    return ExitOk;
}

int runApply(const QStringList& args)
{
    CommandLine cmd(QStringLiteral("apply"),
                    QStringLiteral("Validates the profile FILE, writes it to the pedals as one whole "
                                   "configuration, waits for them to restart, reads the configuration back "
                                   "and verifies that it matches."),
                    QStringLiteral("apply FILE"));
    int code = ExitOk;
    if (!cmd.parse(args, 1, &code))
        return code;
    const QString path = cmd.positionals().at(0);

    CurveProfile profile;
    if (!loadProfileFile(path, &profile))
        return ExitInvalidFile;

    Session session(cmd.globals());
    if (!session.isValid())
        return ExitInvalidFile;
    // Read first: the block keeps the pedals' own version word.
    DeviceConfigModel config;
    if (!session.connectAndRead(&config))
        return ExitDevice;
    DeviceConfigModel before;
    before.copyFrom(config);
    ProfileMapping::applyProfileToConfig(profile, &config);
    const int result = writeAndVerify(session, before, config, QString::fromLatin1(HistoryAction::kApply), path);
    if (result != ExitOk)
        return result;
    out(QStringLiteral("Applied %1 to the pedals; the configuration read back matches.").arg(path));
    return ExitOk;
}

} // namespace cli
