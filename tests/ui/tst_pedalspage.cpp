#include <QtTest>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "curves/CurveMath.h"
#include "ui/CurvePresetButton.h"
#include "ui/CurvePreviewWidget.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"

namespace {
QProgressBar* bar(PedalsPage& page, int pedal, int row) // row 0 raw, 1 output
{
    return page.card(pedal)->findChildren<QProgressBar*>(QStringLiteral("pedalValueBar")).value(row);
}

void calibrate(DeviceConfigModel& model)
{
    for (size_t i = 0; i < 3; ++i) {
        model.cali[i] = 1;
        model.min[i] = 1000;
        model.max[i] = 3000;
        model.deadTop[i] = 5;
        model.deadBot[i] = 5;
        model.curve[i] = presetCurvePoints(0);
    }
}
} // namespace

class TestPedalsPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerCurvePointsMetaType(); }

    void liveFeedMovesBarsAndMarkers()
    {
        Application app{Application::TransportFactory()};
        calibrate(*app.config);
        app.config->curve[1] = presetCurvePoints(2);
        PedalsPage page(&app);
        QCOMPARE(page.preview(1)->curvePoints(), presetCurvePoints(2)); // filled from the model
        app.config->curve[0] = presetCurvePoints(1);
        Q_EMIT app.config->configChanged();
        QCOMPARE(page.preview(0)->curvePoints(), presetCurvePoints(1));

        PedalRuntimeState& rt = *app.runtime;
        rt.raw = {2000, 1100, 2900};
        rt.out = {0, -32767, 32767};
        Q_EMIT rt.dataChanged();
        const std::array<double, 3> percent{50.0, 0.0, 100.0};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bar(page, i, 0)->value(), int(rt.raw[size_t(i)]));
            QCOMPARE(bar(page, i, 1)->value(), int(rt.out[size_t(i)]));
            QVERIFY(page.preview(i)->isMarkerVisible());
            QCOMPARE(page.preview(i)->markerInputPercent(), percent[size_t(i)]);
            QCOMPARE(page.preview(i)->markerOutputPercent(), percent[size_t(i)]);
        }
    }

    void chartDragMakesCurveCustom()
    {
        Application app{Application::TransportFactory()};
        calibrate(*app.config);
        PedalsPage page(&app);
        page.resize(1280, 780);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        CurvePreviewWidget* chart = page.preview(2);
        const QPoint p4 = chart->pointPosition(4).toPoint();
        QTest::mousePress(chart, Qt::LeftButton, {}, p4);
        QTest::mouseMove(chart, QPoint(p4.x(), -30));
        QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(p4.x(), -30));

        QCOMPARE(app.config->curve[2][4], qint8(100));
        QCOMPARE(int(app.config->curveType[2]), 4);
        QVERIFY(page.card(2)->findChildren<CurvePresetButton*>()[4]->isChecked());
        QVERIFY(!page.card(2)->findChildren<CurvePresetButton*>()[0]->isChecked());
        QVERIFY(page.card(2)->isDirty() && page.isProfileDirty());
        // Other pedals are untouched.
        QCOMPARE(app.config->curve[0], presetCurvePoints(0));
        QVERIFY(!page.card(0)->isDirty());
        // A later deadzone edit keeps the dragged curve (Custom keeps its points).
        page.card(2)->findChildren<QSpinBox*>()[0]->setValue(8);
        QCOMPARE(app.config->curve[2][4], qint8(100));
        QCOMPARE(page.preview(2)->curvePoints()[4], qint8(100));
    }

    void connectionChanges()
    {
        Application app{Application::simulatedTransportFactory()};
        calibrate(*app.config);
        PedalsPage page(&app);
        app.runtime->raw = {2000, 2000, 2000};
        Q_EMIT app.runtime->dataChanged();
        page.card(1)->markDirty();
        // Without pedals nothing that writes to them can be used, and each says why.
        QList<QPushButton*> writers;
        for (const char* name : {"pedalParamsSaveBtn", "calibrateBtn", "calResetBtn"})
            writers << page.card(1)->findChild<QPushButton*>(QLatin1String(name));
        for (QPushButton* b : writers) {
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
            QCOMPARE(b->toolTip(), QStringLiteral("The pedals are not connected."));
        }

        QVERIFY(app.coordinator->probeUsbConnectOnce()); // connected, settings read
        QCOMPARE(page.findChild<QLabel*>(QStringLiteral("connLabel"))->text(), QStringLiteral("Connected"));
        for (QPushButton* b : writers)
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName())); // SAVE without another edit

        app.linkState->connected = false;
        Q_EMIT app.coordinator->deviceConnectedChanged(false);
        QVERIFY(!writers[0]->isEnabled());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bar(page, i, 0)->value(), bar(page, i, 0)->minimum()); // empty, not half full
            QCOMPARE(bar(page, i, 0)->format(), QStringLiteral("—"));
            QCOMPARE(bar(page, i, 1)->format(), QStringLiteral("—"));
            QVERIFY(!page.preview(i)->isMarkerVisible());
        }
        QCOMPARE(page.card(1)->findChild<QLabel*>(QStringLiteral("brakeKgValue"))->text(), QStringLiteral("--"));

        // Live data after a reconnect shows numbers again.
        Q_EMIT app.runtime->dataChanged();
        QCOMPARE(bar(page, 0, 0)->format(), QStringLiteral("%v"));
        QCOMPARE(bar(page, 0, 0)->value(), 2000);
        QVERIFY(page.preview(0)->isMarkerVisible());
    }
};

QTEST_MAIN(TestPedalsPage)
#include "tst_pedalspage.moc"
