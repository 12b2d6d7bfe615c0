// Replays every fuzz corpus file (seeds and kept findings) through the same checks the
// fuzz targets make, so an input that once broke a parser stays covered in the normal
// test run without clang or sanitizers.
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QtTest>

#include "../../fuzz/harness/ConfigReplyHarness.h"
#include "../../fuzz/harness/CoordinatorHarness.h"
#include "../../fuzz/harness/FirmwareNameHarness.h"
#include "../../fuzz/harness/ProfileStoreHarness.h"
#include "../../fuzz/harness/StatusReplyHarness.h"
#include "profiles/ProfileFormat.h"

namespace {

QString corpusDir(const QString& target)
{
    return qEnvironmentVariable("QUILBEX_SOURCE_DIR") + QStringLiteral("/fuzz/corpus/") + target;
}

QStringList corpusFiles(const QString& target)
{
    QDir dir(corpusDir(target));
    QStringList files;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString profileCheck(const QByteArray& bytes)
{
    CurveProfile profile;
    QString error;
    if (!parseProfileJson(bytes, profile, &error))
        return error.isEmpty() ? QStringLiteral("rejected without a message") : QString();
    CurveProfile again;
    if (!parseProfileJson(profileToJson(profile), again, &error) || again != profile)
        return QStringLiteral("accepted profile does not survive a write and a second parse");
    return QString();
}

const QStringList kTargets = {QStringLiteral("configreply"),  QStringLiteral("statusreply"),
                              QStringLiteral("firmwarename"), QStringLiteral("profile"),
                              QStringLiteral("profilestore"), QStringLiteral("coordinator")};

} // namespace

class TestFuzzRegressions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The protocol's debug dumps would bury the test output.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    }

    void everyTargetHasSeeds()
    {
        for (const QString& target : kTargets)
            QVERIFY2(!corpusFiles(target).isEmpty(), qPrintable(corpusDir(target)));
    }

    void replay_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        int rows = 0;
        for (const QString& target : kTargets) {
            for (const QString& path : corpusFiles(target)) {
                QTest::addRow("%s/%s", qPrintable(target), qPrintable(QFileInfo(path).fileName())) << target << path;
                ++rows;
            }
        }
        if (rows == 0)
            QTest::newRow("no corpus") << QString() << QString();
    }

    void replay()
    {
        QFETCH(QString, target);
        QFETCH(QString, path);
        QVERIFY2(!target.isEmpty(), "no corpus files found; run under ctest (QUILBEX_SOURCE_DIR)");
        const QByteArray bytes = readAll(path);
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
        const auto size = size_t(bytes.size());
        QString failure;
        if (target == QLatin1String("configreply"))
            failure = ConfigReplyHarness::run(data, size);
        else if (target == QLatin1String("statusreply"))
            failure = StatusReplyHarness::run(data, size);
        else if (target == QLatin1String("firmwarename"))
            failure = FirmwareNameHarness::run(data, size);
        else if (target == QLatin1String("profilestore"))
            failure = ProfileStoreHarness::run(data, size);
        else if (target == QLatin1String("coordinator"))
            failure = CoordinatorHarness::run(data, size);
        else
            failure = profileCheck(bytes);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
