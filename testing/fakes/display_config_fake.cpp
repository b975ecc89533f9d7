#include "testing/fakes/display_config_fake.h"

#include <cwctype>
#include <map>

namespace {

std::map<std::wstring, DisplayTarget> g_targets;
FakeDisplayModes g_modes;

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towupper(c));
    }
    return text;
}

}  // namespace

void FakeDisplayConfigReset() {
    g_targets.clear();
    g_modes = FakeDisplayModes{};
}

FakeDisplayModes& FakeDisplayMode() { return g_modes; }

bool DisplayModeRead(const std::wstring& displayDeviceName, DisplayMode& mode, std::uint32_t& error) {
    g_modes.device = displayDeviceName;
    mode = g_modes.current;
    error = g_modes.readable ? 0 : 5;
    return g_modes.readable;
}

bool DisplayModeApply(const std::wstring&, const DisplayMode& mode, std::uint32_t& error) {
    g_modes.applied.push_back(mode);
    const bool applied = g_modes.applied.size() - 1 == g_modes.succeedAt;
    error = applied ? 0 : static_cast<std::uint32_t>(-2);
    return applied;
}

void FakeDisplayConfigSet(const std::wstring& displayDeviceName, const DisplayTarget& target) {
    g_targets[Upper(displayDeviceName)] = target;
}

bool DisplayConfigFindTarget(const std::wstring& displayDeviceName, DisplayTarget& target) {
    const auto found = g_targets.find(Upper(displayDeviceName));
    if (found == g_targets.end()) {
        return false;
    }
    target = found->second;
    return true;
}
