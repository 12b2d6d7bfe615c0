// Update-mode status replies: parsing, the send-and-wait exchange and the status texts.
#include "harness/FuzzMain.h"
#include "harness/StatusReplyHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzCheck(StatusReplyHarness::run(data, size));
    return 0;
}
