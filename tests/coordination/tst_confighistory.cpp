#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "coordination/ConfigHistory.h"
#include "device/sim/SimulatedPedals.h"

class TestConfigHistory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keepsTheNewestEntries()
    {
        QTemporaryDir dir;
        ConfigHistory history(dir.filePath(QStringLiteral("history/pedals.json"))); // folder made as needed
        ConfigBlock::Bytes block = SimulatedPedals::defaultFlashBlock();
        for (int i = 1; i <= ConfigHistory::kMaxEntries + 2; ++i) {
            block[0] = quint8(i);
            QCOMPARE(history.record(block, QStringLiteral("save pedal")), i);
        }
        QList<ConfigHistoryEntry> entries;
        QVERIFY(history.entries(&entries));
        QCOMPARE(entries.size(), ConfigHistory::kMaxEntries);
        QCOMPARE(entries.first().id, ConfigHistory::kMaxEntries + 2); // newest first
        QCOMPARE(entries.last().id, 3);
        QCOMPARE(entries.first().firmwareVersion, QStringLiteral("2.0.7"));
        QCOMPARE(history.find(QStringLiteral("latest"))->block[0], quint8(ConfigHistory::kMaxEntries + 2));
        QCOMPARE(history.find(QStringLiteral("7"))->block, entries.at(entries.size() - 5).block);
        QVERIFY(!history.find(QStringLiteral("2"))); // dropped
    }

    void badFilesGiveAClearResult_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << QByteArray("{ nope") << "damaged";
        QTest::newRow("foreign JSON") << QByteArray(R"({"entries": []})") << "damaged";
        QTest::newRow("block too short") << QByteArray(
            R"({"format": "Quilbex Pedals configuration history", "entries": [{"id": 1, )"
            R"("time": "2026-01-01T00:00:00Z", "action": "apply", "block": "0a0b"}]})")
                                         << "damaged";
        QTest::newRow("over 1 MiB") << QByteArray(ConfigHistory::kMaxFileBytes + 1, ' ') << "larger than 1 MiB";
    }
    void badFilesGiveAClearResult()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pedals.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        ConfigHistory history(path);
        QList<ConfigHistoryEntry> entries;
        QString error;
        QVERIFY(!history.entries(&entries, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY(entries.isEmpty() && !history.find(QStringLiteral("latest")));

        // The next entry starts a new file; the old one is kept aside, byte for byte.
        QCOMPARE(history.record(SimulatedPedals::defaultFlashBlock(), QStringLiteral("apply")), 1);
        QVERIFY(history.entries(&entries));
        QCOMPARE(entries.size(), 1);
        const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("pedals.json.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(dir.filePath(aside.first()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), content);
    }

    // A named pipe would block a reader forever; it is neither read nor replaced.
    void pipeIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pedals.json"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        ConfigHistory history(path);
        QString error;
        QVERIFY(!history.entries(nullptr, &error));
        QVERIFY2(error.contains(QStringLiteral("not a regular file")), qPrintable(error));
        QCOMPARE(history.record(SimulatedPedals::defaultFlashBlock(), QStringLiteral("apply")), 0);
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    }
};

QTEST_GUILESS_MAIN(TestConfigHistory)
#include "tst_confighistory.moc"
