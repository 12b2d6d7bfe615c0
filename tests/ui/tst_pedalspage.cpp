#include <QtTest>

#include <QLabel>
#include <QProgressBar>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "ui/CurvePreviewWidget.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"

class TestPedalsPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buildsThreeColumnsWithCharts()
    {
        Application app{Application::TransportFactory()};
        PedalsPage page(&app);
        QCOMPARE(page.objectName(), QStringLiteral("pagePedals"));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(page.card(i));
            QVERIFY(page.preview(i));
            QCOMPARE(page.card(i)->chart()->objectName(), QStringLiteral("curvePreviewEmbedded"));
            QVERIFY(page.card(i)->isAncestorOf(page.preview(i)));
            QCOMPARE(page.preview(i)->color(), PedalChannelCard::pedalColor(i));
        }
    }
};

QTEST_MAIN(TestPedalsPage)
#include "tst_pedalspage.moc"
