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

// Records what reaches the device.
class RecordingProtocol : public IQuilbexProtocol
{
public:
    bool readFullConfig(DeviceConfigModel*) override { return true; }
    bool writeFullConfig(const DeviceConfigModel* in) override
    {
        ++writes;
        if (in) {
            lastMin = in->min;
            lastMax = in->max;
            lastCali = in->cali;
        }
        return true;
    }
    bool readRuntime(PedalRuntimeState*) override { return false; }
    bool enterUpdateMode() override { return false; }

    int writes = 0;
    std::array<qint16, 3> lastMin{};
    std::array<qint16, 3> lastMax{};
    std::array<quint8, 3> lastCali{};
};

struct Rig
{
    AttachableTransport pedals;
    Application app{Application::TransportFactory()};
    RecordingProtocol* protocol = nullptr;

    // Connected, settings read: the coordinator may write.
    void connectPedals()
    {
        app.coordinator->setTransport(&pedals);
        QVERIFY(app.coordinator->probeUsbConnectOnce());
        app.coordinator->pollTimer()->stop();
    }

    Rig()
    {
        auto recording = std::make_unique<RecordingProtocol>();
        protocol = recording.get();
        app.protocol = std::move(recording);
        app.coordinator->setProtocol(protocol);
        app.coordinator->scanTimer()->stop();
    }
};

QPushButton* button(PedalChannelCard& card, const char* name)
{
    return card.findChild<QPushButton*>(QLatin1String(name));
}

QLabel* label(PedalChannelCard& card, const char* name)
{
    return card.findChild<QLabel*>(QLatin1String(name));
}

QList<QSpinBox*> spins(PedalChannelCard& card)
{
    return card.findChildren<QSpinBox*>(); // top, then bottom
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
            QCOMPARE(PedalChannelCard::registeredCard(0), &first);
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
        QCOMPARE(PedalChannelCard::pedalColor(5), QColor("#2d7dff"));
        spins(outside)[0]->setValue(20); // no model pedal 5: nothing written, nothing breaks
        for (int i = 0; i < 3; ++i)
            QCOMPARE(int(rig.app.config->deadTop[size_t(i)]), 0);
    }

    void calibration_data()
    {
        QTest::addColumn<int>("span");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("span 500") << 500 << true;
        QTest::newRow("span 499") << 499 << false;
    }
    void calibration()
    {
        QFETCH(int, span);
        QFETCH(bool, succeeds);
        Rig rig;
        rig.connectPedals();
        DeviceConfigModel& model = *rig.app.config;
        model.min[2] = 111;
        model.max[2] = 999;
        PedalChannelCard card(2, &rig.app);
        QSignalSpy profileSpy(&card, &PedalChannelCard::settingsAffectingProfileChanged);
        QPushButton* calibrate = button(card, "calibrateBtn");

        card.setLiveValues(1200, 0);
        calibrate->setChecked(true);
        QVERIFY(card.isCalibrating());
        QCOMPARE(calibrate->text(), QStringLiteral("Stop Calibration"));
        card.setLiveValues(1000, 0);
        card.setLiveValues(qint16(1000 + span), 0);
        card.setLiveValues(1100, 0);
        calibrate->setChecked(false);
        QVERIFY(!card.isCalibrating());
        QCOMPARE(calibrate->text(), QStringLiteral("Start Calibration"));

        if (succeeds) {
            QCOMPARE(card.calibrationStatusKey(), QStringLiteral("Calibration completed"));
            QCOMPARE(rig.protocol->writes, 1); // full configuration write
            QCOMPARE(rig.protocol->lastMin[2], qint16(1000));
            QCOMPARE(rig.protocol->lastMax[2], qint16(1000 + span));
            QCOMPARE(int(rig.protocol->lastCali[2]), 1);
            QCOMPARE(int(model.cali[2]), 1);
            QCOMPARE(profileSpy.count(), 1);
        } else {
            QCOMPARE(card.calibrationStatusKey(), QStringLiteral("Calibration failed — press pedal fully"));
            QCOMPARE(label(card, "calReadOnly")->styleSheet(), QStringLiteral("color:#e74c3c; font-weight:600;"));
            QCOMPARE(rig.protocol->writes, 0);
            QCOMPARE(model.min[2], qint16(111));
            QCOMPARE(model.max[2], qint16(999));
            QCOMPARE(int(model.cali[2]), 0);
            QCOMPARE(profileSpy.count(), 0);
        }
    }

    void countdownAndTimeout()
    {
        Rig rig;
        PedalChannelCard card(0, &rig.app);
        card.setTimerIntervals(60000, 60000, 1000);
        button(card, "calibrateBtn")->setChecked(true);
        QCOMPARE(label(card, "calReadOnly")->text(), QStringLiteral("Calibrating... (move pedal full range)  15 s"));
        for (int i = 0; i < 3; ++i)
            QVERIFY(QMetaObject::invokeMethod(&card, "onCountdownTick"));
        QCOMPARE(card.countdownRemaining(), 12);
        QCOMPARE(label(card, "calReadOnly")->text(), QStringLiteral("Calibrating... (move pedal full range)  12 s"));
        button(card, "calibrateBtn")->setChecked(false);

        // A run in which the pedal never moves ends by itself and fails.
        card.setTimerIntervals(50, 10, 1000);
        button(card, "calibrateBtn")->setChecked(true);
        QTRY_VERIFY_WITH_TIMEOUT(!card.isCalibrating(), 5000);
        QVERIFY(!button(card, "calibrateBtn")->isChecked());
        QCOMPARE(card.calibrationStatusKey(), QStringLiteral("Calibration failed — press pedal fully"));
        QCOMPARE(rig.protocol->writes, 0);
    }

    void resetDuringRun()
    {
        Rig rig;
        rig.connectPedals();
        PedalChannelCard card(1, &rig.app);
        QSignalSpy resetSpy(&card, &PedalChannelCard::calibrationResetRequested);
        card.setLiveValues(2000, 0);
        button(card, "calibrateBtn")->setChecked(true);
        card.setLiveValues(2600, 0);
        button(card, "calResetBtn")->click();
        QVERIFY(!card.isCalibrating());
        // The run is dropped, not written: the reset alone reaches the pedals.
        QCOMPARE(rig.protocol->writes, 1);
        QCOMPARE(int(rig.protocol->lastCali[1]), 0);
        QCOMPARE(rig.protocol->lastMin[1], qint16(0));
        QCOMPARE(rig.protocol->lastMax[1], qint16(0));
        QCOMPARE(card.calibrationStatusKey(), QStringLiteral("Not calibrated"));
        QCOMPARE(label(card, "calReadOnly")->text(), QStringLiteral("Not calibrated"));
        QCOMPARE(label(card, "brakeKgValue")->text(), QStringLiteral("--"));
        QCOMPARE(resetSpy.count(), 1);
    }

    void loadFromConfigClampsAndStaysClean()
    {
        Rig rig;
        DeviceConfigModel& model = *rig.app.config;
        PedalChannelCard card(0, &rig.app);
        model.filter[0] = 9;
        model.deadTop[0] = 200;
        model.deadBot[0] = 7;
        model.cali[0] = 1;
        model.curve[0] = presetCurvePoints(3);
        model.curveType[0] = 3;
        QSignalSpy profileSpy(&card, &PedalChannelCard::settingsAffectingProfileChanged);
        QSignalSpy configSpy(&model, &DeviceConfigModel::configChanged);
        card.loadFromConfig(model);
        QCOMPARE(card.findChild<QSlider*>()->value(), 6);
        QCOMPARE(spins(card)[0]->value(), 50);
        QCOMPARE(spins(card)[1]->value(), 7);
        QCOMPARE(card.curvePresetIndex(), 3);
        QVERIFY(card.findChildren<CurvePresetButton*>()[3]->isChecked());
        QCOMPARE(card.calibrationStatusKey(), QStringLiteral("Calibration completed"));
        QVERIFY(!card.isDirty());
        QCOMPARE(profileSpy.count(), 0);
        QCOMPARE(configSpy.count(), 0);
        QCOMPARE(int(model.filter[0]), 9); // the model is only read
        QCOMPARE(int(model.deadTop[0]), 200);
    }

    void editsGoToModelAndSaveNeedsConnection()
    {
        Rig rig;
        DeviceConfigModel& model = *rig.app.config;
        PedalChannelCard card(2, &rig.app);
        QPushButton* save = button(card, "pedalParamsSaveBtn");
        QSignalSpy configSpy(&model, &DeviceConfigModel::configChanged);
        QSignalSpy profileSpy(&card, &PedalChannelCard::settingsAffectingProfileChanged);

        spins(card)[1]->setValue(12);
        QCOMPARE(int(model.deadBot[2]), 12);
        QCOMPARE(model.curve[2], presetCurvePoints(0)); // the checked preset is applied
        QCOMPARE(configSpy.count(), 1);
        QCOMPARE(profileSpy.count(), 1);
        QVERIFY(card.isDirty());
        QVERIFY(!save->isEnabled()); // disconnected

        rig.connectPedals();
        QVERIFY(save->isEnabled());
        QCOMPARE(spins(card)[1]->value(), 12); // an unsaved edit survives the read

        // SAVED flash: green and disabled for its time, then back to SAVE.
        card.setTimerIntervals(15000, 1000, 50);
        PedalChannelCard::clearAllDirty();
        PedalChannelCard::markSaved(2);
        QVERIFY(card.isSavedFlashActive());
        QCOMPARE(save->text(), QStringLiteral("SAVED"));
        QVERIFY(!save->isEnabled());
        QTRY_VERIFY(!card.isSavedFlashActive());
        QCOMPARE(save->text(), QStringLiteral("SAVE"));
        QVERIFY(!save->isEnabled()); // clean now
    }

    void presetClick()
    {
        Rig rig;
        DeviceConfigModel& model = *rig.app.config;
        PedalChannelCard card(0, &rig.app);
        model.deadTop[0] = 9; // not read by a preset click
        QStringList order;
        connect(&card, &PedalChannelCard::settingsAffectingProfileChanged, this, [&] { order << "profile"; });
        connect(&card, &PedalChannelCard::curvePresetActivated, this, [&] { order << "preset"; });
        card.findChildren<CurvePresetButton*>()[2]->click();
        QCOMPARE(model.curve[0], presetCurvePoints(2));
        QCOMPARE(int(model.curveType[0]), 2);
        QCOMPARE(int(model.deadTop[0]), 9);
        QCOMPARE(card.curvePresetIndex(), 2);
        QCOMPARE(order, QStringList({"profile", "preset"}));

        // Custom keeps the points.
        model.curve[0][4] = 44;
        card.findChildren<CurvePresetButton*>()[4]->click();
        QCOMPARE(int(model.curveType[0]), 4);
        QCOMPARE(model.curve[0][4], qint8(44));
    }

    void coordinatorSeamReadsControls()
    {
        Rig rig;
        DeviceConfigModel& model = *rig.app.config;
        PedalChannelCard card(1, &rig.app);
        {
            const QSignalBlocker block(spins(card)[0]);
            spins(card)[0]->setValue(17);
        }
        card.setCurvePresetIdx(3);
        QSignalSpy configSpy(&model, &DeviceConfigModel::configChanged);
        PedalCardLayer::applyCardToModel(&model, 1);
        QCOMPARE(int(model.deadTop[1]), 17);
        QCOMPARE(model.curve[1], presetCurvePoints(3));
        QCOMPARE(configSpy.count(), 0);
        PedalChannelCard::applyAllCardsToModel(&model);
        QCOMPARE(configSpy.count(), 1);

        PedalChannelCard::markAllDirty();
        QVERIFY(card.isDirty());
        PedalChannelCard::hydrateAllFromConfig(&model);
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
        DeviceConfigModel& model = *rig.app.config;
        model.cali[1] = calibrated ? 1 : 0;
        model.min[1] = qint16(reference);
        model.max[1] = 32767;
        PedalChannelCard card(1, &rig.app);
        card.loadFromConfig(model);
        card.setLiveValues(qint16(raw), 0);
        QCOMPARE(label(card, "brakeKgValue")->text(), text);
        card.resetLiveDisplay();
        QCOMPARE(label(card, "brakeKgValue")->text(), QStringLiteral("--"));
        QCOMPARE(card.findChildren<QProgressBar*>()[0]->format(), QStringLiteral("—"));
    }

    void throttleWriteTrace()
    {
        static QStringList lines;
        lines.clear();
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { lines << m; });
        Rig rig;
        PedalChannelCard::logThrottleWriteTrace(rig.app.config.get(), nullptr);
        {
            PedalChannelCard card(0, &rig.app);
            PedalChannelCard::logThrottleWriteTrace(rig.app.config.get(), rig.app.runtime.get());
        }
        PedalChannelCard::logThrottleWriteTrace(nullptr, nullptr);
        qInstallMessageHandler(previous);

        const QString header =
            QStringLiteral("========== [THROTTLE-WRITE-EVIDENCE] UI vs Model vs Wire(cfg 油门=wire[2]) ==========");
        QCOMPARE(lines.count(header), 3);
        QCOMPARE(lines.count(QStringLiteral("========== [THROTTLE-WRITE-EVIDENCE] 结束 ==========")), 2);
        const QString all = lines.join(QLatin1Char('\n'));
        QCOMPARE(all.count(QStringLiteral("UI 油门卡片未注册（Pedals 页未创建？）— 无法读 SpinBox/Slider")), 1);
        QCOMPARE(all.count(QStringLiteral("(rt=null)")), 1);
        QCOMPARE(all.count(QStringLiteral("cfg=null — skip")), 1);
    }
};

QTEST_MAIN(TestPedalChannelCard)
#include "tst_pedalchannelcard.moc"
