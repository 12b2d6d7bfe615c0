#include "device/sim/SimulatedPedals.h"
