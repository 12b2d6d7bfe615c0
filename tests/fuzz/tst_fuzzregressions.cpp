// Replays every fuzz corpus file (seeds and kept findings) through the same checks the fuzz
// targets make, so an input that once broke a parser stays covered in the normal test run
// without clang or sanitizers.
#include <QtTest>

#include "../../fuzz/harness/ConfigReplyHarness.h"
#include "../../fuzz/harness/CoordinatorHarness.h"
#include "../../fuzz/harness/FirmwareNameHarness.h"
#include "../../fuzz/harness/ProfileStoreHarness.h"
#include "../../fuzz/harness/StatusReplyHarness.h"
#include "profiles/ProfileFormat.h"

namespace {

QString profileCheck(const uint8_t* data, size_t size)
{
    CurveProfile profile, again;
    QString error;
    if (!parseProfileJson(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), profile, &error))
        return error.isEmpty() ? QStringLiteral("rejected without a message") : QString();
    if (!parseProfileJson(profileToJson(profile), again, &error) || again != profile)
        return QStringLiteral("accepted profile does not survive a write and a second parse");
    return QString();
}

using Check = QString (*)(const uint8_t*, size_t);
const QMap<QString, Check> kTargets = {
    {"configreply", ConfigReplyHarness::run},   {"statusreply", StatusReplyHarness::run},
    {"firmwarename", FirmwareNameHarness::run}, {"profile", profileCheck},
    {"profilestore", ProfileStoreHarness::run}, {"coordinator", CoordinatorHarness::run},
};

} // namespace

class TestFuzzRegressions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void replay_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path"); // empty: the target has no corpus
        for (const QString& target : kTargets.keys()) {
            const QDir dir(qEnvironmentVariable("QUILBEX_SOURCE_DIR") + "/fuzz/corpus/" + target);
            const QStringList files = dir.entryList(QDir::Files, QDir::Name);
            if (files.isEmpty())
                QTest::addRow("%s: no corpus in %s", qPrintable(target), qPrintable(dir.path())) << target << QString();
            for (const QString& name : files)
                QTest::addRow("%s/%s", qPrintable(target), qPrintable(name)) << target << dir.filePath(name);
        }
    }

    void replay()
    {
        QFETCH(QString, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QString failure =
            kTargets[target](reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
