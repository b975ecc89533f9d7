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

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::wstring Text() {
        std::wstring text;
        for (std::size_t length = Byte(); length > 0 && !empty(); --length) {
            const std::uint8_t byte = Byte();
            text += byte < 0x80 ? static_cast<wchar_t>(byte) : static_cast<wchar_t>(0x80 + byte * 37);
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::wstring> keys = SettingsAllKeys();
    static const Settings fresh;
    Input input(data, size);
    Settings settings = fresh;
    SettingsStatus status;
    while (!input.empty()) {
        const unsigned selector = static_cast<unsigned>(input.Byte()) << 8 | input.Byte();
        const std::wstring key = (selector & 0x8000) != 0 ? input.Text() : keys[selector % keys.size()];
        SettingsApplyPair(settings, status, key, input.Text());
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
