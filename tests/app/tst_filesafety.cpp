// FIFOs (an open blocks), links to devices (a read never ends), huge files, planted links.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "app/DebugLog.h"
#include "firmware/FirmwareFile.h"
#include "profiles/CurveProfileJsonStore.h"

namespace {

// Type, link target and contents of a directory entry, without following it or opening it.
QString describe(const QString& path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("absent");
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("link to ") + QFile::symLinkTarget(path);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("mode %1").arg(info.st_mode, 0, 8);
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll().toHex().left(64)) : QString();
}

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hostileFilesAreRefusedUntouched_data()
    {
        QTest::addColumn<QString>("kind");      // fifo, zero (a link to /dev/zero), huge, victim
        QTest::addColumn<QString>("name");      // where it is planted
        QTest::addColumn<QString>("operation"); // list, load, save, firmware, log
        QTest::addColumn<QString>("result");    // %1 stands for the planted path
        const auto row = [](const char* tag, const char* kind, const char* name, const char* op, QString result) {
            QTest::newRow(tag) << kind << name << op << result;
        };
        row("listing: link to /dev/zero", "zero", "a.json", "list", "Good");
        row("load: FIFO", "fifo", "a.json", "load", "Not a regular file: %1");
        row("load: over 1 MiB", "huge", "a.json", "load", "File is too large: %1");
        row("save over a FIFO", "fifo", "a.json", "save", "Not a regular file: %1");
        const QString notRegular = QStringLiteral("That is not a regular file. Please choose a firmware file (.bin).");
        row("firmware: FIFO", "fifo", "fw-2.0.0.bin", "firmware", notRegular);
        row("firmware: link to /dev/zero", "zero", "fw-2.0.0.bin", "firmware", notRegular);
        row("log: planted link", "victim", "quilbex_debug.log", "log", "not opened");
        row("log: FIFO", "fifo", "quilbex_debug.log", "log", "not opened");
    }

    void hostileFilesAreRefusedUntouched()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, operation);
        QFETCH(QString, result);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        const QString victim = dir.filePath(QStringLiteral("victim.txt"));
        QFile v(victim);
        QVERIFY(v.open(QIODevice::WriteOnly) && v.write("keep me") == 7);
        v.close();
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("huge"))
            QVERIFY(QFile::resize(victim, 2 * 1024 * 1024) && QFile::rename(victim, path));
        else
            QVERIFY(QFile::link(kind == QLatin1String("victim") ? victim : "/dev/" + kind, path));
        const QString before = describe(path) + describe(victim);

        QString outcome;
        if (operation == QLatin1String("list")) {
            QVERIFY(CurveProfileJsonStore::saveProfile(dir.filePath("good.json"), makeDefaultProfile("Good"), nullptr));
            QVERIFY(CurveProfileJsonStore::ensureDefaultProfiles(dir.path(), nullptr));
            for (const ProfileEntry& entry : CurveProfileJsonStore::listProfiles(dir.path()))
                outcome += entry.displayName;
        } else if (operation == QLatin1String("load")) {
            CurveProfile profile;
            QVERIFY(!CurveProfileJsonStore::loadProfile(path, profile, &outcome));
        } else if (operation == QLatin1String("save")) {
            QVERIFY(!CurveProfileJsonStore::saveProfile(path, makeDefaultProfile("x"), &outcome));
        } else if (operation == QLatin1String("firmware")) {
            outcome = checkFirmwareFile(path).message;
        } else {
            outcome = openDebugLog(path) ? QStringLiteral("opened") : QStringLiteral("not opened");
        }
        QCOMPARE(outcome, result.contains("%1") ? result.arg(path) : result);
        QCOMPARE(describe(path) + describe(victim), before);
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
