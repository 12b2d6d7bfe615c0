#include <QtTest>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/PedalCardLayer.h"
#include "coordination/SessionCoordinator.h"
#include "curves/CurveMath.h"
#include "device/IQuilbexProtocol.h"
#include "support/AttachableTransport.h"
#include "ui/CurvePresetButton.h"
#include "ui/PedalChannelCard.h"

namespace {

// Records the last configuration written to the device.
class RecordingProtocol : public IQuilbexProtocol
{
public:
    bool readFullConfig(DeviceConfigModel*) override { return true; }
    bool writeFullConfig(const DeviceConfigModel* in) override
    {
        ++writes;
        last.copyFrom(*in);
        return true;
    }
    bool readRuntime(PedalRuntimeState*) override { return false; }
    bool enterUpdateMode() override { return false; }

    int writes = 0;
    DeviceConfigModel last;
};

struct Rig
{
    AttachableTransport pedals;
    Application app{Application::TransportFactory()};
    DeviceConfigModel& model = *app.config;
    RecordingProtocol* protocol = new RecordingProtocol;

    Rig()
    {
        app.protocol.reset(protocol);
        app.coordinator->setProtocol(protocol);
        app.coordinator->scanTimer()->stop();
    }
    // Connected, settings read: the coordinator may write.
    void connectPedals()
    {
        app.coordinator->setTransport(&pedals);
        QVERIFY(app.coordinator->probeUsbConnectOnce());
        app.coordinator->pollTimer()->stop();
    }
};

QPushButton* calibrateButton(PedalChannelCard& card)
{
    return card.findChild<QPushButton*>(QStringLiteral("calibrateBtn"));
}
QString brakeText(PedalChannelCard& card)
{
    return card.findChild<QLabel*>(QStringLiteral("brakeKgValue"))->text();
}
QSpinBox* spin(PedalChannelCard& card, int i) // 0 top, 1 bottom
{
    return card.findChildren<QSpinBox*>().at(i);
}

} // namespace

class TestPedalChannelCard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void registry()
    {
        Rig rig;
        {
            PedalChannelCard first(0, &rig.app);
            {
                PedalChannelCard second(0, &rig.app);
                QCOMPARE(PedalChannelCard::registeredCard(0), &second);
            }
            // The newer card left; the slot held it, so it is empty now.
            QCOMPARE(PedalChannelCard::registeredCard(0), nullptr);
            QVERIFY(!PedalCardLayer::registry()->hasCard(0));
        }
        PedalChannelCard outside(5, &rig.app);
        QCOMPARE(PedalChannelCard::registeredCard(5), nullptr);
        spin(outside, 0)->setValue(20); // no model pedal 5: nothing written, nothing breaks
        for (size_t i = 0; i < 3; ++i)
            QCOMPARE(int(rig.model.deadTop[i]), 0);
    }

    // A run needs a span of 500; a run without enough travel, or one that times out, writes nothing.
    void calibration_data()
    {
        QTest::addColumn<int>("span"); // -1: the pedal never moves, the run times out
        QTest::newRow("span 500") << 500;
        QTest::newRow("span 499") << 499;
        QTest::newRow("time-out") << -1;
    }
    void calibration()
    {
        QFETCH(int, span);
        Rig rig;
        rig.connectPedals();
        rig.model.min[2] = 111;
        rig.model.max[2] = 999;
        PedalChannelCard card(2, &rig.app);
        QSignalSpy profileSpy(&card, &PedalChannelCard::settingsAffectingProfileChanged);
        if (span < 0)
            card.setTimerIntervals(50, 10, 1000);
        card.setLiveValues(1200, 0);
        calibrateButton(card)->setChecked(true);
        QVERIFY(card.isCalibrating());
        if (span >= 0) {
            for (int raw : {1000, 1000 + span, 1100})
                card.setLiveValues(qint16(raw), 0);
            calibrateButton(card)->setChecked(false);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!card.isCalibrating(), 5000);
        QVERIFY(!calibrateButton(card)->isChecked());
        const bool ok = span >= 500;
        QCOMPARE(card.calibrationStatusKey(),
                 ok ? QStringLiteral("Calibration completed")
                    : QStringLiteral("Calibration failed — press pedal fully"));
        QCOMPARE(rig.protocol->writes, ok ? 1 : 0); // one full configuration write
        QCOMPARE(rig.model.min[2], qint16(ok ? 1000 : 111));
        QCOMPARE(rig.model.max[2], qint16(ok ? 1000 + span : 999));
        QCOMPARE(int(rig.model.cali[2]), ok ? 1 : 0);
        QCOMPARE(profileSpy.count(), ok ? 1 : 0);
        if (ok) {
            QCOMPARE(rig.protocol->last.min[2], qint16(1000));
            QCOMPARE(rig.protocol->last.max[2], qint16(1000 + span));
            QCOMPARE(int(rig.protocol->last.cali[2]), 1);
        }
    }

    void resetDuringRun()
    {
        Rig rig;
        rig.connectPedals();
        PedalChannelCard card(1, &rig.app);
        card.setLiveValues(2000, 0);
        calibrateButton(card)->setChecked(true);
        card.setLiveValues(2600, 0);
        card.findChild<QPushButton*>(QStringLiteral("calResetBtn"))->click();
        QVERIFY(!card.isCalibrating());
        // The run is dropped, not written: the reset alone reaches the pedals.
        QCOMPARE(rig.protocol->writes, 1);
        QCOMPARE(int(rig.protocol->last.cali[1]), 0);
        QCOMPARE(rig.protocol->last.min[1], qint16(0));
        QCOMPARE(rig.protocol->last.max[1], qint16(0));
        QCOMPARE(card.calibrationStatusKey(), QStringLiteral("Not calibrated"));
        QCOMPARE(brakeText(card), QStringLiteral("--"));
    }

    void loadFromConfigClampsAndStaysClean()
    {
        Rig rig;
        PedalChannelCard card(0, &rig.app);
        rig.model.filter[0] = 9;
        rig.model.deadTop[0] = 200;
        rig.model.deadBot[0] = 7;
        rig.model.cali[0] = 1;
        rig.model.curve[0] = presetCurvePoints(3);
        rig.model.curveType[0] = 3;
        QSignalSpy profileSpy(&card, &PedalChannelCard::settingsAffectingProfileChanged);
        QSignalSpy configSpy(&rig.model, &DeviceConfigModel::configChanged);
        card.loadFromConfig(rig.model);
        QCOMPARE(card.findChild<QSlider*>()->value(), 6);
        QCOMPARE(spin(card, 0)->value(), 50);
        QCOMPARE(spin(card, 1)->value(), 7);
        QCOMPARE(card.curvePresetIndex(), 3);
        QVERIFY(card.findChildren<CurvePresetButton*>()[3]->isChecked());
        QCOMPARE(card.calibrationStatusKey(), QStringLiteral("Calibration completed"));
        QVERIFY(!card.isDirty());
        QCOMPARE(profileSpy.count() + configSpy.count(), 0);
        QCOMPARE(int(rig.model.filter[0]), 9); // the model is only read
        QCOMPARE(int(rig.model.deadTop[0]), 200);
    }

    void editsGoToModelAndSaveNeedsConnection()
    {
        Rig rig;
        PedalChannelCard card(2, &rig.app);
        QPushButton* save = card.findChild<QPushButton*>(QStringLiteral("pedalParamsSaveBtn"));
        QSignalSpy configSpy(&rig.model, &DeviceConfigModel::configChanged);
        QSignalSpy profileSpy(&card, &PedalChannelCard::settingsAffectingProfileChanged);
        spin(card, 1)->setValue(12);
        QCOMPARE(int(rig.model.deadBot[2]), 12);
        QCOMPARE(rig.model.curve[2], presetCurvePoints(0)); // the checked preset is applied
        QCOMPARE(configSpy.count(), 1);
        QCOMPARE(profileSpy.count(), 1);
        QVERIFY(card.isDirty());
        QVERIFY(!save->isEnabled()); // disconnected

        rig.connectPedals();
        QVERIFY(save->isEnabled());
        QCOMPARE(spin(card, 1)->value(), 12); // an unsaved edit survives the read
    }

    void presetClick()
    {
        Rig rig;
        PedalChannelCard card(0, &rig.app);
        rig.model.deadTop[0] = 9; // not read by a preset click
        QSignalSpy presetSpy(&card, &PedalChannelCard::curvePresetActivated);
        card.findChildren<CurvePresetButton*>()[2]->click();
        QCOMPARE(rig.model.curve[0], presetCurvePoints(2));
        QCOMPARE(int(rig.model.curveType[0]), 2);
        QCOMPARE(int(rig.model.deadTop[0]), 9);
        QCOMPARE(presetSpy.count(), 1);
        // Custom keeps the points.
        rig.model.curve[0][4] = 44;
        card.findChildren<CurvePresetButton*>()[4]->click();
        QCOMPARE(int(rig.model.curveType[0]), 4);
        QCOMPARE(rig.model.curve[0][4], qint8(44));
    }

    // What the coordinator writes is read from the controls, and a read clears the marks.
    void coordinatorSeamReadsControls()
    {
        Rig rig;
        PedalChannelCard card(1, &rig.app);
        {
            const QSignalBlocker block(spin(card, 0));
            spin(card, 0)->setValue(17);
        }
        card.setCurvePresetIdx(3);
        QSignalSpy configSpy(&rig.model, &DeviceConfigModel::configChanged);
        PedalCardLayer::applyCardToModel(&rig.model, 1);
        QCOMPARE(int(rig.model.deadTop[1]), 17);
        QCOMPARE(rig.model.curve[1], presetCurvePoints(3));
        QCOMPARE(configSpy.count(), 0);
        PedalChannelCard::applyAllCardsToModel(&rig.model);
        QCOMPARE(configSpy.count(), 1);
        PedalChannelCard::markAllDirty();
        QVERIFY(card.isDirty());
        PedalChannelCard::hydrateAllFromConfig(&rig.model);
        QVERIFY(!card.isDirty());
    }

    void brakeReadout_data()
    {
        QTest::addColumn<bool>("calibrated");
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("text");
        QTest::newRow("at reference") << true << 1000 << 1000 << "0kg";
        QTest::newRow("halfway") << true << 1000 << 16884 << "100kg";
        QTest::newRow("full") << true << 1000 << 32767 << "200kg";
        QTest::newRow("below reference") << true << 1000 << 200 << "0kg";
        QTest::newRow("negative reference") << true << -32767 << 0 << "100kg";
        QTest::newRow("not calibrated") << false << 1000 << 5000 << "--";
        QTest::newRow("reference 32767") << true << 32767 << 32767 << "--";
    }
    void brakeReadout()
    {
        QFETCH(bool, calibrated);
        QFETCH(int, reference);
        QFETCH(int, raw);
        QFETCH(QString, text);
        Rig rig;
        rig.model.cali[1] = calibrated ? 1 : 0;
        rig.model.min[1] = qint16(reference);
        rig.model.max[1] = 32767;
        PedalChannelCard card(1, &rig.app);
        card.loadFromConfig(rig.model);
        card.setLiveValues(qint16(raw), 0);
        QCOMPARE(brakeText(card), text);
        card.resetLiveDisplay();
        QCOMPARE(brakeText(card), QStringLiteral("--"));
    }
};

QTEST_MAIN(TestPedalChannelCard)
#include "tst_pedalchannelcard.moc"
