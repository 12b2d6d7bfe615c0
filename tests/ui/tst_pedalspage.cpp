#include <QtTest>

#include <QFile>
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
QProgressBar* bar(PedalChannelCard* card, int row)
{
    return card->findChildren<QProgressBar*>(QStringLiteral("pedalValueBar")).value(row);
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

    void buildsThreeColumnsWithCharts()
    {
        Application app{Application::TransportFactory()};
        app.config->curve[1] = presetCurvePoints(2);
        PedalsPage page(&app);
        QCOMPARE(page.objectName(), QStringLiteral("pagePedals"));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(page.card(i));
            QVERIFY(page.preview(i));
            QCOMPARE(PedalChannelCard::registeredCard(i), page.card(i));
            QVERIFY(page.card(i)->isAncestorOf(page.preview(i)));
            QCOMPARE(page.preview(i)->color(), PedalChannelCard::pedalColor(i));
        }
        QCOMPARE(page.preview(1)->curvePoints(), presetCurvePoints(2)); // filled from the model
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("connLed")));
        QCOMPARE(page.findChild<QLabel*>(QStringLiteral("connLabel"))->text(), QStringLiteral("Disconnected"));
    }

    void liveFeedMovesBarsAndMarkers()
    {
        Application app{Application::TransportFactory()};
        calibrate(*app.config);
        PedalsPage page(&app);
        PedalRuntimeState& rt = *app.runtime;
        rt.raw = {2000, 1100, 2900};
        rt.out = {0, -32767, 32767};
        Q_EMIT rt.dataChanged();
        const std::array<double, 3> input{50.0, 0.0, 100.0};
        const std::array<double, 3> output{50.0, 0.0, 100.0};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bar(page.card(i), 0)->value(), int(rt.raw[size_t(i)]));
            QCOMPARE(bar(page.card(i), 0)->format(), QStringLiteral("%v"));
            QCOMPARE(bar(page.card(i), 1)->value(), int(rt.out[size_t(i)]));
            QVERIFY(page.preview(i)->isMarkerVisible());
            QCOMPARE(page.preview(i)->markerInputPercent(), input[size_t(i)]);
            QCOMPARE(page.preview(i)->markerOutputPercent(), output[size_t(i)]);
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
        QSignalSpy configSpy(app.config.get(), &DeviceConfigModel::configChanged);

        const QPoint p4 = chart->pointPosition(4).toPoint();
        QTest::mousePress(chart, Qt::LeftButton, {}, p4);
        QTest::mouseMove(chart, QPoint(p4.x(), -30));
        QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(p4.x(), -30));

        QCOMPARE(app.config->curve[2][4], qint8(100));
        QCOMPARE(int(app.config->curveType[2]), 4);
        QVERIFY(configSpy.count() >= 1);
        QCOMPARE(page.card(2)->curvePresetIndex(), 4);
        QVERIFY(page.card(2)->findChildren<CurvePresetButton*>()[4]->isChecked());
        QVERIFY(!page.card(2)->findChildren<CurvePresetButton*>()[0]->isChecked());
        QVERIFY(page.card(2)->isDirty());
        QVERIFY(page.isProfileDirty());
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
        app.runtime->out = {100, 200, 300};
        Q_EMIT app.runtime->dataChanged();
        page.card(1)->markDirty();
        QPushButton* save = page.card(1)->findChild<QPushButton*>(QStringLiteral("pedalParamsSaveBtn"));
        QVERIFY(!save->isEnabled());

        // Without pedals nothing that writes to them can be used, and each says why.
        const QStringList writers{"pedalParamsSaveBtn", "calibrateBtn", "calResetBtn"};
        for (const QString& name : writers) {
            auto* b = page.card(1)->findChild<QPushButton*>(name);
            QVERIFY2(!b->isEnabled(), qPrintable(name));
            QCOMPARE(b->toolTip(), QStringLiteral("The pedals are not connected."));
        }

        QVERIFY(app.coordinator->probeUsbConnectOnce()); // connected, settings read
        QCOMPARE(page.findChild<QLabel*>(QStringLiteral("connLabel"))->text(), QStringLiteral("Connected"));
        QVERIFY(save->isEnabled()); // enabled without another edit
        for (const QString& name : writers)
            QVERIFY(page.card(1)->findChild<QPushButton*>(name)->isEnabled());

        app.linkState->connected = false;
        Q_EMIT app.coordinator->deviceConnectedChanged(false);
        QVERIFY(!save->isEnabled());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bar(page.card(i), 0)->value(), bar(page.card(i), 0)->minimum()); // empty, not half full
            QCOMPARE(bar(page.card(i), 0)->format(), QStringLiteral("—"));
            QCOMPARE(bar(page.card(i), 1)->format(), QStringLiteral("—"));
            QVERIFY(!page.preview(i)->isMarkerVisible());
        }
        QCOMPARE(page.card(1)->findChild<QLabel*>(QStringLiteral("brakeKgValue"))->text(), QStringLiteral("--"));

        // Live data after a reconnect shows numbers again.
        Q_EMIT app.runtime->dataChanged();
        QCOMPARE(bar(page.card(0), 0)->format(), QStringLiteral("%v"));
        QCOMPARE(bar(page.card(0), 0)->value(), 2000);
        QVERIFY(page.preview(0)->isMarkerVisible());
    }

    // The live bars and the brake readout paint the frame colour under themselves; with
    // the application style sheet their edges must look exactly like the frame next to them.
    void barCornersMatchTheFrame()
    {
        QFile qss(QStringLiteral(":/styles/app.qss"));
        QVERIFY(qss.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(qss.readAll()));
        {
            Application app{Application::TransportFactory()};
            calibrate(*app.config);
            PedalsPage page(&app);
            page.resize(1280, 780);
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            app.runtime->raw = {1500, 2500, 3000};
            app.runtime->out = {-20000, 100, 30000};
            Q_EMIT app.runtime->dataChanged();
            QCoreApplication::processEvents();
            for (int i = 0; i < 3; ++i) {
                PedalChannelCard* card = page.card(i);
                const QImage img = card->grab().toImage();
                for (int row = 0; row < 2; ++row) {
                    QProgressBar* b = bar(card, row);
                    const QPoint corner = b->mapTo(card, QPoint(0, 0));
                    const QColor frame = img.pixelColor(corner + QPoint(-3, 0));
                    QCOMPARE(img.pixelColor(corner), frame);
                    QCOMPARE(img.pixelColor(b->mapTo(card, QPoint(b->width() - 1, b->height() - 1))), frame);
                }
                if (QLabel* kg = card->findChild<QLabel*>(QStringLiteral("brakeKgValue"))) {
                    const QColor frame = img.pixelColor(bar(card, 0)->mapTo(card, QPoint(-3, 0)));
                    QCOMPARE(img.pixelColor(kg->mapTo(card, QPoint(0, 0))), frame);
                    QCOMPARE(img.pixelColor(kg->mapTo(card, QPoint(kg->width() - 1, 0))), frame);
                }
            }
        }
        qApp->setStyleSheet(QString());
    }

    void configChangeRefreshesCharts()
    {
        Application app{Application::TransportFactory()};
        PedalsPage page(&app);
        app.config->curve[0] = presetCurvePoints(1);
        Q_EMIT app.config->configChanged();
        QCOMPARE(page.preview(0)->curvePoints(), presetCurvePoints(1));
    }
};

QTEST_MAIN(TestPedalsPage)
#include "tst_pedalspage.moc"
