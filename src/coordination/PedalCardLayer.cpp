#include "coordination/PedalCardLayer.h"

#include <QDebug>
#include <algorithm>

#include "coordination/DeviceConfigModel.h"
#include "curves/CurveMath.h"

namespace PedalCardLayer {
namespace {
ICardRegistry* g_registry = nullptr;

int clampInt(int v, int lo, int hi)
{
    return std::clamp(v, lo, hi);
}

void applyValues(DeviceConfigModel* model, int hostIndex, const CardControlValues& v)
{
    const size_t i = size_t(hostIndex);
    model->deadTop[i] = quint8(clampInt(v.deadTop, 0, kMaxDeadzone));
    model->deadBot[i] = quint8(clampInt(v.deadBot, 0, kMaxDeadzone));
    model->filter[i] = quint8(clampInt(v.filter, 0, kMaxFilter));
    applyCurvePresetToModel(model, hostIndex, std::max(v.presetIdx, 0));
}
} // namespace

void setRegistry(ICardRegistry* registry)
{
    g_registry = registry;
}

ICardRegistry* registry()
{
    return g_registry;
}

void applyUncalibratedDefaults(DeviceConfigModel* model)
{
    if (!model)
        return;
    for (size_t i = 0; i < 3; ++i) {
        if (model->cali[i] == 0) {
            model->deadTop[i] = 3;
            model->deadBot[i] = 3;
            model->filter[i] = 2;
        }
    }
}

void hydrateAllFromConfig(DeviceConfigModel* model)
{
    int cards = 0;
    for (int i = 0; i < 3; ++i) {
        if (g_registry && model && g_registry->hasCard(i)) {
            g_registry->loadCardFromConfig(i, *model);
            ++cards;
        }
    }
    if (cards == 3)
        qDebug() << "[PedalsHydrate] deadTop/deadBot/filter/curve 已从设备配置回填到 Pedals 三列 UI";
    else
        qDebug() << "[PedalsHydrate] 仅回填" << cards << "列（Pedals 页未就绪时属正常）";
}

void applyCardToModel(DeviceConfigModel* model, int hostIndex)
{
    if (!model || !g_registry || hostIndex < 0 || hostIndex > 2)
        return;
    CardControlValues values;
    if (!g_registry->cardValues(hostIndex, &values))
        return;
    applyValues(model, hostIndex, values);
}

void applyAllCardsToModel(DeviceConfigModel* model)
{
    if (!model)
        return;
    for (int i = 0; i < 3; ++i)
        applyCardToModel(model, i);
    Q_EMIT model->configChanged();
}

void clearAllDirty()
{
    if (!g_registry)
        return;
    for (int i = 0; i < 3; ++i) {
        if (g_registry->hasCard(i))
            g_registry->clearCardDirty(i);
    }
}

void markSaved(int hostIndex)
{
    if (!g_registry || hostIndex < 0 || hostIndex > 2 || !g_registry->hasCard(hostIndex))
        return;
    g_registry->markCardSaved(hostIndex);
}

bool isCardDirty(int hostIndex)
{
    return g_registry && hostIndex >= 0 && hostIndex <= 2 && g_registry->hasCard(hostIndex)
        && g_registry->isCardDirty(hostIndex);
}

void markCardDirty(int hostIndex)
{
    if (g_registry && hostIndex >= 0 && hostIndex <= 2 && g_registry->hasCard(hostIndex))
        g_registry->setCardDirty(hostIndex);
}

void logThrottleWriteTrace(const DeviceConfigModel* model, const PedalRuntimeState* runtime)
{
    qDebug().noquote() << "========== [THROTTLE-WRITE-EVIDENCE] UI vs Model vs Wire(cfg 油门=wire[2]) ==========";
    if (!model) {
        qDebug() << "[THROTTLE-WRITE-EVIDENCE] cfg=null — skip";
        return;
    }
    CardControlValues ui;
    if (g_registry && g_registry->cardValues(0, &ui)) {
        qDebug() << "[THROTTLE-WRITE-EVIDENCE] (1) UI 油门卡片: deadTop=" << ui.deadTop << "deadBot=" << ui.deadBot
                 << "filter=" << ui.filter << "curvePresetIdx=" << ui.presetIdx;
    } else {
        qDebug() << "[THROTTLE-WRITE-EVIDENCE] (1) UI 油门卡片未注册（Pedals 页未创建？）— 无法读 SpinBox/Slider";
    }
    qDebug() << "[THROTTLE-WRITE-EVIDENCE] (2) Model host[0]: deadTop=" << model->deadTop[0]
             << "deadBot=" << model->deadBot[0] << "filter=" << model->filter[0] << "curveType=" << model->curveType[0];
    qDebug() << "[THROTTLE-WRITE-EVIDENCE] (3) Model host[0] curve[0..10]=" << model->curve[0];
    if (runtime) {
        qDebug() << "[THROTTLE-WRITE-EVIDENCE] (4) cali min/max =" << model->min[0] << model->max[0]
                 << "live raw/out =" << runtime->raw[0] << runtime->out[0];
    } else {
        qDebug().nospace() << "[THROTTLE-WRITE-EVIDENCE] (4) cali min/max = " << model->min[0] << " " << model->max[0]
                           << " (rt=null)";
    }
    qDebug() << "[THROTTLE-WRITE-EVIDENCE] (5) wire bytes: see [L2-write-wire] / [L2-wire-TH-params] below";
    qDebug().noquote() << "========== [THROTTLE-WRITE-EVIDENCE] 结束 ==========";
}

} // namespace PedalCardLayer
