#include <QFile>
#include <atomic>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include "app/DebugLog.h"

class TestDebugLog : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString logPath() const { return m_dir.filePath(QStringLiteral("quilbex_debug.log")); }
    QStringList lines() const
    {
        QFile f(logPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void cleanup()
    {
        closeDebugLog();
        qInstallMessageHandler(nullptr);
    }

    void truncatesAtEveryStart()
    {
        QVERIFY(openDebugLog(logPath()));
        qDebug() << "first run";
        closeDebugLog();
        QVERIFY(openDebugLog(logPath()));
        qDebug() << "second run";
        closeDebugLog();
        const QStringList l = lines();
        QCOMPARE(l.size(), 1);
        QVERIFY(l.first().endsWith(QStringLiteral("second run")));
    }

    void levelMapping_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("level");
        QTest::newRow("debug") << int(QtDebugMsg) << "DBG";
        QTest::newRow("info") << int(QtInfoMsg) << "DBG";
        QTest::newRow("warning") << int(QtWarningMsg) << "WRN";
        QTest::newRow("critical") << int(QtCriticalMsg) << "CRT";
        QTest::newRow("fatal") << int(QtFatalMsg) << "FTL";
    }
    void levelMapping()
    {
        QFETCH(int, type);
        QFETCH(QString, level);
        QCOMPARE(QString::fromLatin1(debugLogLevel(QtMsgType(type))), level);
    }

    void lineFormat()
    {
        QVERIFY(openDebugLog(logPath()));
        qInfo("[Scan] device not found");
        qWarning("careful");
        qDebug() << "[HID]"
                 << "close()";
        closeDebugLog();
        const QStringList l = lines();
        QCOMPARE(l.size(), 3);
        const QRegularExpression re(QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]\\[(DBG|WRN)\\] (.*)$"));
        const auto m0 = re.match(l[0]);
        QVERIFY2(m0.hasMatch(), qPrintable(l[0]));
        QCOMPARE(m0.captured(1), QStringLiteral("DBG"));
        QCOMPARE(m0.captured(2), QStringLiteral("[Scan] device not found"));
        QCOMPARE(re.match(l[1]).captured(1), QStringLiteral("WRN"));
        QCOMPARE(re.match(l[2]).captured(2), QStringLiteral("[HID] close()"));
    }

    void messagesAfterCloseAreDropped()
    {
        QVERIFY(openDebugLog(logPath()));
        qDebug("kept");
        closeDebugLog();
        qDebug("dropped");
        QCOMPARE(lines().size(), 1);
    }

    void unwritableLocationInstallsNothing()
    {
        QVERIFY(!openDebugLog(m_dir.filePath(QStringLiteral("missing-dir/quilbex_debug.log"))));
        QVERIFY(!isDebugLogOpen());
    }

    void secondThreadLinesStayWhole()
    {
        QVERIFY(openDebugLog(logPath()));
        constexpr int kPerThread = 500;
        QThread* worker = QThread::create([] {
            for (int i = 0; i < kPerThread; ++i)
                qDebug("worker line %d with some padding text to make it longer", i);
        });
        worker->start();
        for (int i = 0; i < kPerThread; ++i)
            qDebug("gui line %d with some padding text to make it longer", i);
        QVERIFY(worker->wait(10000));
        delete worker;
        closeDebugLog();
        const QStringList l = lines();
        QCOMPARE(l.size(), 2 * kPerThread);
        const QRegularExpression re(QStringLiteral(
            "^\\[[0-9:.]{12}\\]\\[DBG\\] (worker|gui) line \\d+ with some padding text to make it longer$"));
        for (const QString& line : l)
            QVERIFY2(re.match(line).hasMatch(), qPrintable(line));
    }

    // The update worker may still log while main closes the file at exit.
    void closingWhileAnotherThreadLogs()
    {
        QVERIFY(openDebugLog(logPath()));
        std::atomic<bool> stop{false};
        QThread* worker = QThread::create([&stop] {
            while (!stop.load())
                qDebug("worker still logging");
        });
        worker->start();
        for (int i = 0; i < 50; ++i) {
            closeDebugLog();
            QVERIFY(openDebugLog(logPath()));
        }
        closeDebugLog();
        stop = true;
        QVERIFY(worker->wait(10000));
        delete worker;
        const QRegularExpression re(QStringLiteral("^\\[[0-9:.]{12}\\]\\[DBG\\] worker still logging$"));
        for (const QString& line : lines())
            QVERIFY2(re.match(line).hasMatch(), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestDebugLog)
#include "tst_debuglog.moc"
