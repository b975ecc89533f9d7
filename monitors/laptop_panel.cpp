#include "monitors/laptop_panel.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "log/event_log.h"
#include "monitors/brightness.h"
#include "monitors/identification.h"
#include "monitors/monitor_table.h"
#include "platform/main_window.h"
#include "platform/power_status.h"
#include "platform/requests.h"
#include "platform/wmi.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {

constexpr std::size_t kMaxLevels = 101;
constexpr std::uint8_t kNoLevel = 0xFF;
constexpr wchar_t kNoPanelInstance[] = L"LCDInstanceName";
constexpr std::uint32_t kChangeShownMs = 500;
constexpr std::uint32_t kAfterEventMs = 200;
constexpr std::uint32_t kTransferMs = 10;

struct Panel {
    std::vector<std::uint8_t> levels;
    std::uint8_t minLevel = 100, maxLevel = 100;
    // A first entry of kNoLevel: no usable table, the percent itself is written.
    std::array<std::uint8_t, kMaxLevels> percentToLevel{kNoLevel};
    std::wstring instanceName = kNoPanelInstance;
    std::uint8_t lastEventLevel = kNoLevel;
    std::uint8_t rememberedLevel = kNoLevel;
    std::int32_t lastPercent = 0;
    std::uint8_t powerSourceCopy = 0;
    bool subscribed = false;
};

Panel g_panel;

bool TableUsable() { return g_panel.percentToLevel[0] != kNoLevel; }

std::int32_t RoundHalfAway(float value) { return static_cast<std::int32_t>(std::lround(value)); }

void BuildLevelTable(const std::vector<std::uint8_t>& levels) {
    g_panel.levels = levels;
    g_panel.minLevel = 100;
    g_panel.maxLevel = 0;
    bool ascending = true;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        g_panel.maxLevel = std::max(g_panel.maxLevel, levels[i]);
        g_panel.minLevel = std::min(g_panel.minLevel, levels[i]);
        if (i > 0 && levels[i] <= levels[i - 1]) {
            ascending = false;
            g_panel.minLevel = 0;
            g_panel.maxLevel = 100;
        }
    }
    // A table from levels that do not ascend would map percents to arbitrary levels.
    if (!ascending) return;
    const auto count = static_cast<float>(levels.size());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const std::int32_t from = RoundHalfAway(static_cast<float>(i) * 101.0f / count);
        for (std::int32_t p = std::max(from, 0); p < static_cast<std::int32_t>(kMaxLevels); ++p) {
            g_panel.percentToLevel[static_cast<std::size_t>(p)] = levels[i];
        }
    }
}

// The percent of a level by its place in the table; the level itself when it has none.
std::int32_t PercentByIndex(std::uint8_t level) {
    const auto found = std::find(g_panel.levels.begin(), g_panel.levels.end(), level);
    if (!TableUsable() || found == g_panel.levels.end() || g_panel.levels.size() < 2) return level;
    const auto index = static_cast<float>(found - g_panel.levels.begin());
    return RoundHalfAway(index * 100.0f / static_cast<float>(g_panel.levels.size() - 1));
}

std::uint8_t LevelForPercent(std::uint32_t percent) {
    if (percent == 0) return g_panel.minLevel;
    if (percent >= 100) return g_panel.maxLevel;
    return TableUsable() ? g_panel.percentToLevel[percent] : static_cast<std::uint8_t>(percent);
}

void TakePanelRange(MonitorEntry& entry) {
    entry.isLaptopPanel = true;
    entry.brightnessMin = g_panel.minLevel;
    entry.brightnessMax = g_panel.maxLevel;
}

}  // namespace

std::vector<std::uint8_t> AttachLaptopPanel() {
    std::vector<WmiBrightnessRecord> records;
    LogEvent(static_cast<std::uint32_t>(-1), -1, L"WmiMonitorBrightness", WmiQueryBrightness(records), nullptr);
    for (const WmiBrightnessRecord& record : records) {
        if (record.levels.empty() || record.levels.size() > kMaxLevels) continue;
        BuildLevelTable(record.levels);
        const std::wstring form = IdentificationForm(record.instanceName, InstanceKind::WmiInstance);
        if (!form.empty()) g_panel.instanceName = form;
        break;
    }
    g_panel.subscribed = WmiSubscribeBrightnessEvents();
    return g_panel.levels;
}

void DetachLaptopPanel() {
    if (g_panel.subscribed) WmiUnsubscribeBrightnessEvents();
    g_panel.subscribed = false;
}

const std::wstring& PanelInstanceName() { return g_panel.instanceName; }

std::wstring PanelLevelsText(std::size_t count) {
    return L"LCD has\n" + std::to_wstring(count) + L"\nbrightness\nlevels";
}

std::int32_t PanelLevelToPercent(std::uint8_t level) {
    std::int32_t percent = PercentByIndex(level);
    if (level == g_panel.minLevel) percent = 0;
    if (level == g_panel.maxLevel) percent = 100;
    return percent;
}

bool ReadPanelBrightness(std::int32_t index) {
    g_monitors.laptopFound = false;
    if (index < 0 || index >= kMonitorCount) return false;
    std::vector<WmiBrightnessRecord> records;
    const bool answered = WmiQueryBrightness(records);
    MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(index)];
    for (const WmiBrightnessRecord& record : records) {
        if (!record.hasCurrent) continue;
        g_monitors.laptopFound = true;
        TakePanelRange(entry);
        entry.brightness = PanelLevelToPercent(record.current);
        if (!PowerBatterySaverOn()) g_panel.rememberedLevel = record.current;
        const std::wstring text = L"get internal LCD Brightness success " + std::to_wstring(entry.brightness);
        LogEvent(static_cast<std::uint32_t>(-1), index, text.c_str(), kLogNoOutcome, nullptr);
    }
    if (!answered) LogEvent(static_cast<std::uint32_t>(-1), index, L"WmiMonitorBrightness", false, nullptr);
    return g_monitors.laptopFound;
}

bool SetPanelBrightness(std::uint32_t percent) {
    g_monitors.laptopFound = false;
    percent = std::min<std::uint32_t>(percent, 100);
    const std::int32_t selected = g_monitors.selectedMonitor;
    if (selected < 0 || selected >= kMonitorCount) return false;
    std::vector<WmiMethodTarget> targets;
    WmiQueryBrightnessMethods(targets);
    const std::uint8_t level = LevelForPercent(percent);
    for (const WmiMethodTarget& target : targets) {
        const bool written = WmiSetBrightness(target.path, level);
        LogEvent(static_cast<std::uint32_t>(-1), selected, L"WmiSetBrightness", written, nullptr);
        g_monitors.laptopFound = g_monitors.laptopFound || written;
    }
    if (!g_monitors.laptopFound) return false;

    MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(selected)];
    TakePanelRange(entry);
    // The panel only has its steps: show the step that was written.
    entry.brightness = percent != 0 && percent != 100 && TableUsable() ? PanelLevelToPercent(level)
                                                                       : static_cast<std::int32_t>(percent);
    LogEvent(static_cast<std::uint32_t>(-1), selected, L"new internal LCD brightness value", kLogNoOutcome,
             std::to_wstring(entry.brightness).c_str());
    if (!PowerBatterySaverOn()) g_panel.rememberedLevel = level;
    MainWindowSetTimer(kTimerPanelChangeShown, kChangeShownMs);
    return true;
}

void OnPanelBrightnessEvent(std::uint8_t level) {
    if (level == g_panel.lastEventLevel) return;
    g_panel.lastEventLevel = level;
    MainWindowKillTimer(kTimerPanelChangeShown);
    std::uint32_t rows = 0;
    for (std::int32_t index = 0; index < kMonitorCount; ++index) {
        MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(index)];
        if (!entry.isLaptopPanel) continue;
        MainWindowSetTimer(kTimerAfterPanelEvent, kAfterEventMs);
        entry.brightness = PanelLevelToPercent(level);
        if (!g_settings.checkambient) MainWindowSetTimer(kTimerBrightnessTransfer, kTransferMs);
        g_panel.lastPercent = entry.brightness;
        rows |= 1u << index;
    }
    if (rows == 0) return;
    const std::int32_t selected = g_monitors.selectedMonitor;
    const bool selectedIsPanel = selected >= 0 && selected < kMonitorCount && (rows >> selected & 1u) != 0;
    PanelShowChange(PanelValue::Brightness, rows, selectedIsPanel);
}

void AfterPanelEvent(std::uint8_t powerSourceChanges) {
    if (g_settings.samevalues) SetBrightness(static_cast<std::uint32_t>(g_panel.lastPercent));
    if (PowerBatterySaverOn()) return;
    if (g_panel.rememberedLevel == kNoLevel) g_panel.rememberedLevel = g_panel.lastEventLevel;
    if (!g_settings.samebrightness || powerSourceChanges == g_panel.powerSourceCopy) {
        g_panel.rememberedLevel = g_panel.lastEventLevel;
        return;
    }
    // The system changed the backlight for the new power source: put the old level back.
    g_panel.powerSourceCopy = powerSourceChanges;
    SetPanelBrightness(static_cast<std::uint32_t>(PercentByIndex(g_panel.rememberedLevel)));
}

void PanelNotePowerSourceChanges(std::uint8_t powerSourceChanges) {
    if (g_panel.powerSourceCopy == 0) g_panel.powerSourceCopy = powerSourceChanges;
}

void LaptopPanelReset() { g_panel = Panel{}; }
