// Firmware versions from file names and their comparison on fuzz texts.
#include "harness/FirmwareNameHarness.h"
#include "harness/FuzzMain.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzCheck(FirmwareNameHarness::run(data, size));
    return 0;
}
