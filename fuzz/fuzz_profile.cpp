// Profile parser on arbitrary bytes. Accepted documents must survive a write and a
// second parse unchanged, since the store rewrites every imported profile.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "profiles/ProfileFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CurveProfile profile;
    QString error;
    if (!parseProfileJson(bytes, profile, &error)) {
        if (error.isEmpty())
            std::abort(); // every rejection carries a message
        return 0;
    }
    CurveProfile again;
    if (!parseProfileJson(profileToJson(profile), again, &error) || again != profile)
        std::abort();
    return 0;
}
