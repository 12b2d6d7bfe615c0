#pragma once

// The coordinator reaches the pedal columns of the window only through these operations.
// The widgets library registers the columns through ICardRegistry; with nothing
// registered the operations act on no columns (the command-line tool, or before the
// Pedals page exists).

#include <QtGlobal>

class DeviceConfigModel;
class PedalRuntimeState;

struct CardControlValues
{
    int deadTop = -1; // -1: widget missing
    int deadBot = -1;
    int filter = -1;
    int presetIdx = -1;
};

class ICardRegistry
{
public:
    virtual ~ICardRegistry() = default;
    // True when a column for hostIndex (0..2) exists; fills its control values.
    virtual bool cardValues(int hostIndex, CardControlValues* out) const = 0;
    virtual bool hasCard(int hostIndex) const = 0;
    virtual void loadCardFromConfig(int hostIndex, const DeviceConfigModel& model) = 0;
    virtual void clearCardDirty(int hostIndex) = 0;
    virtual void markCardSaved(int hostIndex) = 0;
    // Whether the column holds edits not written to the pedals; marking one again (after a
    // failed write, or after a read that kept its edits) leaves the profile state alone.
    virtual bool isCardDirty(int hostIndex) const
    {
        Q_UNUSED(hostIndex);
        return false;
    }
    virtual void setCardDirty(int hostIndex) { Q_UNUSED(hostIndex); }
};

namespace PedalCardLayer {

void setRegistry(ICardRegistry* registry);
ICardRegistry* registry();

void applyUncalibratedDefaults(DeviceConfigModel* model);
void hydrateAllFromConfig(DeviceConfigModel* model);
void applyCardToModel(DeviceConfigModel* model, int hostIndex);
void applyAllCardsToModel(DeviceConfigModel* model);
void clearAllDirty();
void markSaved(int hostIndex);
bool isCardDirty(int hostIndex);
void markCardDirty(int hostIndex);
void logThrottleWriteTrace(const DeviceConfigModel* model, const PedalRuntimeState* runtime);

} // namespace PedalCardLayer
