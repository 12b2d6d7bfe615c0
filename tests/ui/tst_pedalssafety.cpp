// The window on the virtual pedals: what the user does never loses the pedals' settings or
// an unsaved edit, and any write can be undone from the Device page.
#include <QtTest>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "app/Application.h"
#include "coordination/ConfigHistory.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/sim/SimulatedPedals.h"
#include "ui/DevicePage.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"

namespace {

struct Rig
{
    Application app{Application::simulatedTransportFactory()};
    SimulatedPedals* sim = dynamic_cast<SimulatedPedals*>(app.transport.get());
    PedalsPage page{&app};

    Rig() { sim->setRestartDelayMs(100); }
    SessionCoordinator* coord() const { return app.coordinator.get(); }
    std::unique_ptr<DeviceConfigModel> flash() const
    {
        auto m = std::make_unique<DeviceConfigModel>();
        sim->flashConfig(m.get());
        return m;
    }
    QPushButton* save(int i) const { return page.card(i)->findChild<QPushButton*>("pedalParamsSaveBtn"); }
    void setDeadzoneTop(int i, int value) const { page.card(i)->findChildren<QSpinBox*>().at(0)->setValue(value); }
};

// Clicks `button` of the next message box that shows up.
void answerNextBox(QMessageBox::StandardButton button)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, button] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(button)->click();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

} // namespace

class TestPedalsSafety : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QFile::remove(ConfigHistory::defaultFilePath(true)); }

    // A built-in profile carries no calibration: loading it and saving one column keeps the
    // pedals' calibration of all three.
    void loadingDefaultThenSaveKeepsCalibration()
    {
        Rig rig;
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->canWrite(), 5000);
        const auto before = rig.flash();
        QCOMPARE(rig.page.findChild<QComboBox*>()->currentText(), QStringLiteral("Default"));
        for (QPushButton* b : rig.page.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Load"))
                b->click();
        QVERIFY(rig.save(0)->isEnabled());
        rig.setDeadzoneTop(0, 17);
        rig.save(0)->click();
        const auto after = rig.flash();
        QCOMPARE(after->deadTop[0], quint8(17));
        QCOMPARE(after->cali, before->cali);
        QCOMPARE(after->min, before->min);
        QCOMPARE(after->max, before->max);
    }

    void unsavedEditSurvives_data()
    {
        QTest::addColumn<bool>("restarting");
        QTest::newRow("pedals unplugged for a moment") << false;
        QTest::newRow("SAVE while the pedals restart") << true;
    }
    void unsavedEditSurvives()
    {
        QFETCH(bool, restarting);
        Rig rig;
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->canWrite(), 5000);
        QSignalSpy failed(rig.coord(), &SessionCoordinator::writeFailed);
        if (restarting) {
            rig.setDeadzoneTop(0, 9);
            rig.save(0)->click();
            QVERIFY(!rig.coord()->canWrite()); // written; the pedals restart now
        }
        rig.setDeadzoneTop(1, 17);
        if (restarting) {
            QVERIFY(!rig.save(1)->isEnabled());
            QCOMPARE(rig.save(1)->toolTip(), rig.coord()->writeBlockedReason());
            rig.coord()->requestWritePedalParams(1); // as if the click came through: refused, said
            QCOMPARE(failed.count(), 1);
        } else {
            rig.sim->unplug();
            QTRY_VERIFY(!rig.app.linkState->connected);
            rig.sim->plug();
        }
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->canWrite(), 5000);
        QVERIFY(rig.page.card(1)->isDirty() && rig.save(1)->isEnabled());
        QCOMPARE(rig.page.card(1)->deadzoneTopValue(), 17);
        QVERIFY(!rig.page.card(2)->isDirty());
        rig.save(1)->click();
        QCOMPARE(rig.flash()->deadTop[1], quint8(17));
        QCOMPARE(failed.count(), restarting ? 1 : 0);
    }

    // Unread settings are shown on the Device page until a read succeeds; every write is kept
    // in its history list, and Restore (after a confirmation) writes an entry back.
    void devicePageShowsReadProblemAndRestores()
    {
        Rig rig;
        rig.sim->dropNextReplies(SessionCoordinator::kConnectReadAttempts);
        DevicePage device(&rig.app);
        auto* hint = device.findChild<QLabel*>(QStringLiteral("deviceReadProblemHint"));
        QTRY_VERIFY_WITH_TIMEOUT(!hint->isHidden(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(hint->isHidden() && rig.coord()->canWrite(), 10000);

        const auto original = rig.flash();
        rig.setDeadzoneTop(2, 21);
        rig.save(2)->click();
        auto* list = device.findChild<QTreeWidget*>(QStringLiteral("configHistoryList"));
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Save pedal"));
        list->setCurrentItem(list->topLevelItem(0));
        auto* restore = device.findChild<QPushButton*>(QStringLiteral("restoreHistoryBtn"));
        QVERIFY(!restore->isEnabled()); // the pedals restart
        QTRY_VERIFY_WITH_TIMEOUT(restore->isEnabled(), 5000);
        answerNextBox(QMessageBox::Yes);
        restore->click();
        QVERIFY(rig.flash()->sameSettings(*original));
        QCOMPARE(list->topLevelItemCount(), 2);
    }
};

QTEST_MAIN(TestPedalsSafety)
#include "tst_pedalssafety.moc"
