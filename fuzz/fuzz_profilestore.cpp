// The profile store's listing and name handling on a scratch directory, with names and file
// contents from fuzz data.
#include "harness/FuzzMain.h"
#include "harness/ProfileStoreHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzCheck(ProfileStoreHarness::run(data, size));
    return 0;
}
