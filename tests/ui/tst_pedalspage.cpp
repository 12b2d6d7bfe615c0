// A pedal's column (card), its curve chart, and the Pedals page of three columns.
#include <QtTest>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>

#include "coordination/DeviceConfigModel.h"
#include "coordination/PedalCardLayer.h"
#include "coordination/SessionCoordinator.h"
#include "curves/CurveMath.h"
#include "device/IQuilbexProtocol.h"
#include "support/AttachableTransport.h"
#include "support/UiSupport.h"
#include "ui/CurvePresetButton.h"
#include "ui/CurvePreviewWidget.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"

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

// No pedals until connectPedals(); then connected, settings read, writes recorded.
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
        model.min = {1000, 1000, 1000};
        model.max = {3000, 3000, 3000};
    }
    void connectPedals()
    {
        app.coordinator->setTransport(&pedals);
        QVERIFY(app.coordinator->probeUsbConnectOnce());
        app.coordinator->pollTimer()->stop();
    }
};

template <class T = QPushButton> T* child(QWidget* w, const char* name)
{
    return w->findChild<T*>(QLatin1String(name));
}
QSpinBox* spin(QWidget* card, int i) // 0 top, 1 bottom
{
    return card->findChildren<QSpinBox*>().at(i);
}
QProgressBar* bar(PedalsPage& page, int pedal, int row) // row 0 raw, 1 output
{
    return page.card(pedal)->findChildren<QProgressBar*>(QStringLiteral("pedalValueBar")).value(row);
}

const CurvePoints kLinear{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};

// A shown 400 x 300 chart of the linear curve: inner rectangle top 17, height 252 (2.52 px per percent).
struct Chart : CurvePreviewWidget
{
    Chart()
    {
        resize(400, 300);
        setPoints(kLinear);
        show();
    }
    QPoint at(int index) const { return pointPosition(index).toPoint(); }
};

} // namespace

class TestPedalsPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerCurvePointsMetaType(); }

    // A run needs a span of 500; a run without enough travel, one that times out, or one cut
    // by Reset writes no range (Reset writes the pedal uncalibrated).
    void calibration_data()
    {
        QTest::addColumn<int>("span"); // -1: the pedal never moves, the run times out
        QTest::addColumn<bool>("reset");
        QTest::newRow("span 500") << 500 << false;
        QTest::newRow("span 499") << 499 << false;
        QTest::newRow("time-out") << -1 << false;
        QTest::newRow("reset during the run") << 600 << true;
    }
    void calibration()
    {
        QFETCH(int, span);
        QFETCH(bool, reset);
        Rig rig;
        rig.connectPedals();
        rig.model.cali[2] = 1;
        rig.model.min[2] = 111;
        rig.model.max[2] = 999;
        PedalChannelCard card(2, &rig.app);
        QSignalSpy profileSpy(&card, &PedalChannelCard::settingsAffectingProfileChanged);
        if (span < 0)
            card.setTimerIntervals(50, 10, 1000);
        card.setLiveValues(1200, 0);
        child(&card, "calibrateBtn")->setChecked(true);
        QVERIFY(card.isCalibrating());
        for (int raw : {1000, 1000 + span, 1100})
            card.setLiveValues(qint16(raw), 0);
        if (reset)
            child(&card, "calResetBtn")->click();
        else if (span >= 0)
            child(&card, "calibrateBtn")->setChecked(false);
        QTRY_VERIFY_WITH_TIMEOUT(!card.isCalibrating(), 5000);
        QVERIFY(!child(&card, "calibrateBtn")->isChecked());
        const bool ok = span >= 500 && !reset;
        QCOMPARE(rig.protocol->writes, ok || reset ? 1 : 0); // one full configuration write
        QCOMPARE(rig.model.min[2], qint16(ok ? 1000 : reset ? 0 : 111));
        QCOMPARE(rig.model.max[2], qint16(ok ? 1000 + span : reset ? 0 : 999));
        QCOMPARE(int(rig.model.cali[2]), reset ? 0 : 1);
        QCOMPARE(profileSpy.count(), ok || reset ? 1 : 0);
        QVERIFY(!(ok || reset) || rig.protocol->last.sameSettings(rig.model));
    }

    // A card shows the model clamped to the controls' ranges without marking anything edited.
    void cardEdits()
    {
        Rig rig;
        PedalChannelCard card(0, &rig.app);
        rig.model.filter[0] = 9;
        rig.model.deadTop[0] = 200;
        rig.model.deadBot[0] = 7;
        rig.model.curve[0] = presetCurvePoints(3);
        rig.model.curveType[0] = 3;
        QSignalSpy profileSpy(&card, &PedalChannelCard::settingsAffectingProfileChanged);
        QSignalSpy configSpy(&rig.model, &DeviceConfigModel::configChanged);
        card.loadFromConfig(rig.model);
        QCOMPARE(card.findChild<QSlider*>()->value(), 6);
        QCOMPARE(spin(&card, 0)->value(), 50);
        QCOMPARE(spin(&card, 1)->value(), 7);
        QVERIFY(card.findChildren<CurvePresetButton*>()[3]->isChecked());
        QVERIFY(!card.isDirty());
        QCOMPARE(profileSpy.count() + configSpy.count(), 0);
        QCOMPARE(int(rig.model.deadTop[0]), 200); // the model is only read

        // Edits reach the model at once (with the checked preset's curve); what the coordinator
        // writes is read from the controls.
        rig.model.curve[0] = {};
        spin(&card, 1)->setValue(12);
        QCOMPARE(int(rig.model.deadBot[0]), 12);
        QCOMPARE(rig.model.curve[0], presetCurvePoints(3));
        QCOMPARE(configSpy.count(), 1);
        QCOMPARE(profileSpy.count(), 1);
        QVERIFY(card.isDirty());
        const QSignalBlocker block(spin(&card, 0));
        spin(&card, 0)->setValue(17);
        card.setCurvePresetIdx(1);
        PedalCardLayer::applyCardToModel(&rig.model, 0);
        QCOMPARE(int(rig.model.deadTop[0]), 17);
        QCOMPARE(int(rig.model.deadBot[0]), 12);
        QCOMPARE(rig.model.curve[0], presetCurvePoints(1));
        PedalChannelCard::hydrateAllFromConfig(&rig.model); // a read clears the mark
        QVERIFY(!card.isDirty());
    }

    void brakeReadout()
    {
        Rig rig;
        PedalChannelCard card(1, &rig.app);
        const struct
        {
            bool calibrated;
            int reference, raw;
            const char* text;
        } cases[] = {{true, 1000, 1000, "0kg"}, {true, 1000, 16884, "100kg"}, {true, 1000, 32767, "200kg"},
                     {true, 1000, 200, "0kg"},  {true, -32767, 0, "100kg"},   {false, 1000, 5000, "--"},
                     {true, 32767, 32767, "--"}};
        for (const auto& c : cases) {
            rig.model.cali[1] = c.calibrated ? 1 : 0;
            rig.model.min[1] = qint16(c.reference);
            rig.model.max[1] = 32767;
            card.loadFromConfig(rig.model);
            card.setLiveValues(qint16(c.raw), 0);
            QCOMPARE(child<QLabel>(&card, "brakeKgValue")->text(), QLatin1String(c.text));
            card.resetLiveDisplay();
            QCOMPARE(child<QLabel>(&card, "brakeKgValue")->text(), QStringLiteral("--"));
        }
    }

    // Charts follow the model, bars and markers the live data.
    void pageFollowsModelAndLiveData()
    {
        Rig rig;
        rig.model.cali = {1, 1, 1};
        rig.model.deadTop = rig.model.deadBot = {5, 5, 5};
        rig.model.curve[1] = presetCurvePoints(2);
        PedalsPage page(&rig.app);
        QCOMPARE(page.preview(1)->curvePoints(), presetCurvePoints(2));
        rig.model.curve[0] = presetCurvePoints(1);
        Q_EMIT rig.model.configChanged();
        QCOMPARE(page.preview(0)->curvePoints(), presetCurvePoints(1));

        PedalRuntimeState& rt = *rig.app.runtime;
        rt.raw = {1100, 2000, 2900}; // in the deadzone at the bottom, halfway, in the top one
        rt.out = {-32767, 0, 32767};
        Q_EMIT rt.dataChanged();
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bar(page, i, 0)->value(), int(rt.raw[size_t(i)]));
            QCOMPARE(bar(page, i, 1)->value(), int(rt.out[size_t(i)]));
            QCOMPARE(page.preview(i)->markerInputPercent(), 50.0 * i);
            QCOMPARE(page.preview(i)->markerOutputPercent(), 50.0 * i);
        }

        // Dragging a point makes that pedal's curve Custom, and a later deadzone edit keeps it.
        page.resize(1280, 780);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        CurvePreviewWidget* chart = page.preview(2);
        const QPoint p4 = chart->pointPosition(4).toPoint();
        QTest::mousePress(chart, Qt::LeftButton, {}, p4);
        QTest::mouseMove(chart, QPoint(p4.x(), -30));
        QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(p4.x(), -30));
        QCOMPARE(rig.model.curve[2][4], qint8(100));
        QCOMPARE(int(rig.model.curveType[2]), 4);
        QVERIFY(page.card(2)->findChildren<CurvePresetButton*>()[4]->isChecked());
        QVERIFY(page.card(2)->isDirty() && page.isProfileDirty());
        QVERIFY(!page.card(0)->isDirty()); // other pedals are untouched
        spin(page.card(2), 0)->setValue(8);
        QCOMPARE(rig.model.curve[2][4], qint8(100));
        QCOMPARE(page.preview(2)->curvePoints()[4], qint8(100));
    }

    void pageConnectionChanges()
    {
        Rig rig;
        rig.model.cali = {1, 1, 1};
        PedalsPage page(&rig.app);
        rig.app.runtime->raw = {2000, 2000, 2000};
        Q_EMIT rig.app.runtime->dataChanged();
        page.card(1)->markDirty();
        // Without pedals nothing that writes to them can be used, and each says why.
        QList<QPushButton*> writers;
        for (const char* name : {"pedalParamsSaveBtn", "calibrateBtn", "calResetBtn"})
            writers << child(page.card(1), name);
        for (QPushButton* b : writers) {
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
            QCOMPARE(b->toolTip(), QStringLiteral("The pedals are not connected."));
        }
        rig.connectPedals();
        QCOMPARE(child<QLabel>(&page, "connLabel")->text(), QStringLiteral("Connected"));
        for (QPushButton* b : writers)
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName())); // SAVE without another edit

        rig.app.linkState->connected = false;
        Q_EMIT rig.app.coordinator->deviceConnectedChanged(false);
        QVERIFY(!writers[0]->isEnabled());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bar(page, i, 0)->value(), bar(page, i, 0)->minimum()); // empty, not half full
            QCOMPARE(bar(page, i, 1)->format(), QStringLiteral("—"));
            QVERIFY(!page.preview(i)->isMarkerVisible());
        }
        Q_EMIT rig.app.runtime->dataChanged(); // live data after a reconnect shows numbers again
        QCOMPARE(bar(page, 0, 0)->value(), 2000);
    }

    // Stored points outside 0..100 are kept but drawn on the edges; the marker follows
    // calibration and deadzones; a drag moves interior points only, in whole percents.
    void chart()
    {
        Chart w;
        w.setPoints(CurvePoints{5, 10, -5, 30, 40, 120, 60, 70, 80, 90, 90});
        QCOMPARE(w.curvePoints(), (CurvePoints{0, 10, -5, 30, 40, 120, 60, 70, 80, 90, 100})); // ends fixed
        const QRectF in = w.innerRect();
        QCOMPARE(w.pointPosition(2).y(), in.bottom());
        QCOMPARE(w.pointPosition(5).y(), in.top());
        w.setLiveMarker(32767, -32768, false, 0, 0, 0, 0); // uncalibrated: raw read as an axis value
        QCOMPARE(w.markerPosition(), QPointF(in.right(), in.bottom()));
        w.setLiveMarker(2000, 0, true, 1000, 3000, 5, 5);
        QCOMPARE(w.markerPosition(), in.center());

        w.setPoints(kLinear);
        QSignalSpy spy(&w, &CurvePreviewWidget::curveEditedByUser);
        for (int end : {0, 10}) { // the end points are never picked
            QTest::mousePress(&w, Qt::LeftButton, {}, w.at(end));
            QVERIFY(!w.isDragging());
            QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(w.at(end).x(), 100));
        }
        const int x = w.at(5).x();
        QTest::mousePress(&w, Qt::LeftButton, {}, w.at(5));
        QVERIFY(w.isDragging());
        // y 143 is exactly 50 % (no change), y 142 is 50.4 -> 50, y 141 is 50.79 -> 51.
        for (int y : {143, 142, 141})
            QTest::mouseMove(&w, QPoint(x, y));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(w.curvePoints()[5], qint8(51));
        QTest::mouseMove(&w, QPoint(x, -40));
        QTest::mouseMove(&w, QPoint(x, -90)); // still 100: no second report
        QCOMPARE(spy.count(), 2);
        QTest::mouseMove(&w, QPoint(x, 600));
        CurvePoints expected = kLinear;
        expected[5] = 0;
        QCOMPARE(spy.last().at(0).value<CurvePoints>(), expected);
        w.setPoints(kLinear); // while dragging the page's refresh cannot overwrite the point
        QCOMPARE(w.curvePoints()[5], qint8(0));
        QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(x, 600));
        w.setPoints(kLinear);
        QCOMPARE(w.curvePoints()[5], qint8(50));

        QTest::mousePress(&w, Qt::LeftButton, {}, w.at(6));
        w.hide(); // hiding ends a drag whose release is never seen
        QVERIFY(!w.isDragging());
        w.setPoints(presetCurvePoints(3));
        QCOMPARE(w.curvePoints(), presetCurvePoints(3));
    }

    // What the window shows after many marker moves that repaint only small squares over the
    // cached layers is exactly one full repaint without the cache.
    void chartCachedDrawingMatchesFullPaint()
    {
        Chart w;
        w.setPoints(presetCurvePoints(1));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseMove(&w, w.at(4)); // hovered
        for (int i = 1; i <= 40; ++i) {
            w.setLiveMarker(qint16(1000 + i * 50), qint16(-32000 + i * 1600), true, 1000, 3000, 3, 3);
            QCoreApplication::processEvents();
        }
        QImage shown = w.screen()->grabWindow(w.winId()).toImage();
        if (shown.isNull())
            QSKIP("the platform cannot read back the window");
        shown = shown.copy(QRect(QPoint(0, 0), w.size() * w.devicePixelRatio())).convertToFormat(QImage::Format_RGB32);
        w.setLayerCacheEnabled(false);
        QCOMPARE(shown, w.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(TestPedalsPage)
#include "tst_pedalspage.moc"
