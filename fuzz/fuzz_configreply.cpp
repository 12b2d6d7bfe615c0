// Protocol V1 configuration reads, writes and telemetry over replies made of fuzz data.
#include "harness/ConfigReplyHarness.h"
#include "harness/FuzzMain.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzCheck(ConfigReplyHarness::run(data, size));
    return 0;
}
