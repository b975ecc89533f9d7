#include "commands/monitor_limits.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "commands/interpreter.h"
#include "commands/scan.h"
#include "commands/target.h"
#include "monitors/brightness.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"

namespace {

constexpr std::size_t kSelectorChars = 64;

std::wstring LimitNumber(std::int32_t value) { return std::to_wstring(std::max(value, 0)); }

// Moves value inside [minimum, maximum], compared as unsigned numbers as the limits are.
void Enforce(std::int32_t current, std::int32_t minimum, std::int32_t maximum, void (*set)(std::uint32_t)) {
    const auto value = static_cast<std::uint32_t>(current);
    if (value < static_cast<std::uint32_t>(minimum)) {
        set(static_cast<std::uint32_t>(minimum));
    } else if (value > static_cast<std::uint32_t>(maximum)) {
        set(static_cast<std::uint32_t>(maximum));
    }
}

}  // namespace

void RunLimitsCommand(const wchar_t* p) {
    std::array<std::int32_t, 4> limits{};
    for (std::int32_t& limit : limits) {
        NumberArgument number;
        if (!ReadNumberArgument(p, number)) return;
        limit = static_cast<std::int32_t>(number.value);
    }
    MonitorEntry& entry = TargetEntry();
    entry.brightnessLimitMin = limits[0];
    entry.brightnessLimitMax = limits[1];
    entry.contrastLimitMin = limits[2];
    entry.contrastLimitMax = limits[3];
    Enforce(entry.brightness, entry.brightnessLimitMin, entry.brightnessLimitMax, SetBrightness);
    Enforce(entry.contrast, entry.contrastLimitMin, entry.contrastLimitMax, SetContrast);
}

void ApplyMonitorLimits() {
    for (MonitorEntry& entry : g_monitors.entries) {
        entry.brightnessLimitMin = 0;
        entry.brightnessLimitMax = 100;
        entry.contrastLimitMin = 0;
        entry.contrastLimitMax = 100;
    }
    for (const LimitRow& row : g_settings.limits) {
        if (row.monitor.empty() || row.monitor.front() == L' ') continue;
        std::wstring line = ToLower(row.monitor.substr(0, kSelectorChars) + L" a " + LimitNumber(row.brightnessMin) + L" " +
                                    LimitNumber(row.brightnessMax) + L" " + LimitNumber(row.contrastMin) + L" " +
                                    LimitNumber(row.contrastMax));
        std::vector<wchar_t> buffer(line.begin(), line.end());
        buffer.push_back(L'\0');
        const std::int32_t selected = g_monitors.selectedMonitor;
        InterpreterSetInteractiveSelection(false);
        ExecuteCommandLine(buffer.data());
        InterpreterSetInteractiveSelection(true);
        g_monitors.selectedMonitor = selected;
    }
}
