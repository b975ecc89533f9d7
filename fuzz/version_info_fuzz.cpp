// libFuzzer target: a downloaded version.inf, and the downloaded program file's check. An
// accepted file must be exactly its parts put together again, its version ordered one way only.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "update/executable_check.h"
#include "update/own_version.h"
#include "update/version_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IsCompleteExecutable(bytes);
    const auto info = ParseVersionInfo(bytes);
    if (!info) return 0;
    const std::string line = bytes.substr(0, 7) + "\r\n";
    if (line + info->englishNotes + line + info->germanNotes != bytes) std::abort();
    const VersionInfo own = ParseVersionInfo(kOwnVersionText).value();
    if (IsNewerVersion(*info, own) && IsNewerVersion(own, *info)) std::abort();
    return 0;
}
