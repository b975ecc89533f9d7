#include "testing/fakes/display_config_fake.h"

#include <cwctype>
#include <map>

namespace {

std::map<std::wstring, DisplayTarget> g_targets;

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towupper(c));
    }
    return text;
}

}  // namespace

void FakeDisplayConfigReset() {
    g_targets.clear();
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
