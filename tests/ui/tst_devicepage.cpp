#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/Application.h"
#include "coordination/SessionCoordinator.h"
#include "support/AttachableTransport.h"
#include "support/MarkingTranslator.h"
#include "ui/DevicePage.h"

namespace {

struct Rig
{
    AttachableTransport* transport = nullptr;
    std::unique_ptr<Application> app;
    std::unique_ptr<DevicePage> page;

    Rig()
    {
        app = std::make_unique<Application>([this] {
            auto t = std::make_unique<AttachableTransport>();
            t->present = false;
            transport = t.get();
            return std::unique_ptr<IHidTransport>(std::move(t));
        });
        app->coordinator->scanTimer()->stop(); // the tests drive the probes
    }
    void build() { page = std::make_unique<DevicePage>(app.get(), nullptr); }

    QLabel* value(int row) const
    {
        auto* grid = page->findChild<QGridLayout*>();
        return grid ? qobject_cast<QLabel*>(grid->itemAtPosition(row, 1)->widget()) : nullptr;
    }
    QPushButton* button(int i) const { return page->findChildren<QPushButton*>().value(i); }
    QLabel* hint() const { return page->findChild<QLabel*>(QStringLiteral("devicePermissionHint")); }
};

void noLog(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

class TestDevicePage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qInstallMessageHandler(noLog); }

    void showsConnectionState_data()
    {
        QTest::addColumn<bool>("connectedBeforeBuild");
        QTest::addColumn<bool>("connected");
        QTest::newRow("disconnected") << false << false;
        QTest::newRow("connection reported") << false << true;
        QTest::newRow("built while connected") << true << true;
        QTest::newRow("connection lost") << true << false;
    }
    void showsConnectionState()
    {
        QFETCH(bool, connectedBeforeBuild);
        QFETCH(bool, connected);
        Rig rig;
        rig.app->coordinator->setConnected(connectedBeforeBuild);
        rig.build();
        if (connected != connectedBeforeBuild)
            rig.app->coordinator->setConnected(connected);

        QCOMPARE(rig.value(0)->text(), connected ? QStringLiteral("Connected") : QStringLiteral("Disconnected"));
        QCOMPARE(rig.value(0)->styleSheet(),
                 connected ? QStringLiteral("color:#27ae60; font-weight:600;") : QStringLiteral("color:#9e9e9e;"));
        QCOMPARE(rig.value(1)->text(), connected ? QStringLiteral("Quilbex Pedals") : QStringLiteral("—"));
        QCOMPARE(rig.value(2)->text(), QStringLiteral("7864 / 5801"));
        QCOMPARE(rig.button(0)->isEnabled(), !connected);
        QVERIFY(rig.button(1)->isEnabled());
        QCOMPARE(rig.button(1)->property("flat").toBool(), true);
    }

    void languageChangeReappliesTextsAndState()
    {
        Rig rig;
        rig.build();
        rig.app->coordinator->setConnected(true);
        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QTRY_COMPARE(rig.value(0)->text(), QStringLiteral("«Connected»"));
        QCOMPARE(rig.page->findChild<QLabel*>(QStringLiteral("pageTitle"))->text(),
                 QStringLiteral("<h2>«Device»</h2>"));
        QCOMPARE(rig.value(1)->text(), QStringLiteral("«Quilbex Pedals»"));
        QCOMPARE(rig.button(0)->text(), QStringLiteral("«Connect»"));
        QCOMPARE(rig.button(1)->text(), QStringLiteral("«Disconnect»"));
        QVERIFY(rig.hint()->text().startsWith(QStringLiteral("«The pedals were found")));

        rig.app->coordinator->setConnected(false);
        QCOMPARE(rig.value(0)->text(), QStringLiteral("«Disconnected»"));
        QCOMPARE(rig.value(1)->text(), QStringLiteral("—"));
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(rig.value(0)->text(), QStringLiteral("Disconnected"));
    }

    void buttonsAndPermissionHint()
    {
        Rig rig;
        rig.transport->present = true;
        rig.transport->openSucceeds = false;
        rig.transport->failure = IHidTransport::OpenError::PermissionDenied;
        rig.build();
        QVERIFY(rig.hint()->isHidden());
        QVERIFY(rig.hint()->wordWrap());

        QTest::mouseClick(rig.button(0), Qt::LeftButton); // Connect
        QVERIFY(!rig.hint()->isHidden());
        QCOMPARE(rig.hint()->text(),
                 QStringLiteral("The pedals were found, but this user may not open them (permission denied). Install "
                                "the udev rule shipped with Quilbex Control (see the README: Linux device "
                                "permissions), then unplug and re-plug the pedals."));
        // A page built while the problem stands shows it too.
        DevicePage second(rig.app.get(), nullptr);
        QVERIFY(!second.findChild<QLabel*>(QStringLiteral("devicePermissionHint"))->isHidden());

        rig.transport->openSucceeds = true;
        QTest::mouseClick(rig.button(0), Qt::LeftButton);
        QVERIFY(rig.hint()->isHidden());
        QCOMPARE(rig.value(0)->text(), QStringLiteral("Connected"));
        QVERIFY(!rig.button(0)->isEnabled());

        QTest::mouseClick(rig.button(1), Qt::LeftButton); // Disconnect
        QVERIFY(!rig.transport->opened);
        QCOMPARE(rig.value(0)->text(), QStringLiteral("Disconnected"));
        QVERIFY(rig.button(0)->isEnabled());
    }
};

QTEST_MAIN(TestDevicePage)
#include "tst_devicepage.moc"
