// The session coordinator's configuration reads and telemetry polls over replies made of fuzz
// data, into the models.
#include "harness/CoordinatorHarness.h"
#include "harness/FuzzMain.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzCheck(CoordinatorHarness::run(data, size));
    return 0;
}
