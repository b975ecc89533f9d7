// Feeds (key, value) pairs into the settings record as a file would, then checks that what a
// save writes reads back to the same save. Input: records of
//   selector (2 bytes): high bit clear picks a known key by number, set: the key is raw text
//   length (1 byte) and that many bytes of key text, only for raw keys
//   length (1 byte) and that many bytes of value text
// Bytes from 0x80 on become characters beyond ASCII.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/settings_keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::wstring> keys = SettingsAllKeys();
    static const Settings fresh;
    std::size_t at = 0;
    const auto byte = [&] { return at < size ? data[at++] : std::uint8_t{0}; };
    const auto text = [&] {
        std::wstring out;
        for (std::size_t length = byte(); length > 0 && at < size; --length) {
            const std::uint8_t b = byte();
            out += b < 0x80 ? static_cast<wchar_t>(b) : static_cast<wchar_t>(0x80 + b * 37);
        }
        return out;
    };
    Settings settings = fresh;
    SettingsStatus status;
    while (at < size) {
        const unsigned selector = static_cast<unsigned>(byte()) << 8 | byte();
        const std::wstring key = (selector & 0x8000) != 0 ? text() : keys[selector % keys.size()];
        SettingsApplyPair(settings, status, key, text());
    }

    // With autoselect on, reading skips selectedmonitor by design; an identification string that
    // reads as a number can capture another slot's ignoremonitor value, also by design.
    if (settings.autoselect) return 0;
    for (const KnownMonitor& monitor : settings.known) {
        if (!monitor.mUID.empty() && monitor.mUID.find_first_not_of(L"0123456789abcdefABCDEF") == std::wstring::npos) return 0;
    }
    const SettingsPairs written = SettingsWriteList(settings, status, false);
    Settings reread = fresh;
    SettingsStatus rereadStatus;
    for (const auto& [key, value] : written) SettingsApplyPair(reread, rereadStatus, key, value);
    if (SettingsWriteList(reread, rereadStatus, false) != written) std::abort();
    return 0;
}
