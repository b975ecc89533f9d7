#include "automation/program_triggers.h"

#include <algorithm>
#include <cwctype>

#include "log/event_log.h"
#include "monitors/brightness.h"
#include "monitors/colour.h"
#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/instance.h"
#include "platform/main_window.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "vcp/value_names.h"

namespace {

constexpr std::int32_t kNoIndex = -1;

// What tells a monitor apart when rows are rebuilt: its row may then hold another monitor.
struct MonitorIdentity {
    std::wstring device, uid, description;
    bool operator==(const MonitorIdentity&) const = default;
};

struct Kept {
    std::int32_t preset = kNoIndex, colourTemp = kNoIndex;
    std::int32_t brightness = 0, contrast = 0;
    std::array<std::int32_t, 3> gains{};  // red, green, blue
    std::int32_t saturation = 0;
};

constexpr std::pair<ColourKind, std::int32_t MonitorEntry::*> kGains[] = {
    {ColourKind::Red, &MonitorEntry::red}, {ColourKind::Green, &MonitorEntry::green}, {ColourKind::Blue, &MonitorEntry::blue}};

struct TriggerRecord {
    bool active = false;
    MonitorIdentity monitor;
    Kept kept;
};

std::array<TriggerRecord, kTriggerCount> g_records;

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

std::wstring FileName(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return Lower(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

bool SameRect(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

MonitorIdentity IdentityOf(const MonitorEntry& entry) {
    return {entry.gdiDeviceName, entry.deviceUid, entry.physicalDescription};
}

std::int32_t RowOf(const MonitorIdentity& monitor) {
    for (std::int32_t row = 0; row < MonitorListRowCount(); ++row) {
        if (IdentityOf(g_monitors.entries[static_cast<std::size_t>(row)]) == monitor) return row;
    }
    return kNoIndex;
}

// The row of the display that shows the window.
std::int32_t RowShowing(const ForegroundInfo& foreground) {
    for (std::int32_t row = 0; row < MonitorListRowCount(); ++row) {
        const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(row)];
        if (Lower(entry.gdiDeviceName).find(L"display") != std::wstring::npos &&
            SameRect(entry.monitorRect, foreground.monitorRect)) {
            return row;
        }
    }
    return kNoIndex;
}

std::int32_t ValueIndex(std::uint8_t code, const std::wstring& name) {
    for (std::uint32_t value = 0; value < 256 && !name.empty(); ++value) {
        const wchar_t* known = VcpValueName(code, value);
        if (known != nullptr && name == known) return static_cast<std::int32_t>(value);
    }
    return kNoIndex;
}

Kept KeepValues(const MonitorEntry& entry) {
    return {ValueIndex(kVcpPreset, entry.presetName), ValueIndex(kVcpColourTemp, entry.colourTempName),
            entry.brightness, entry.contrast, {entry.red, entry.green, entry.blue}, entry.saturationInfo.current};
}

// A named value goes back through the discovery pass, as the command language files it.
void PutBackNamed(std::int32_t row, std::uint8_t code, std::int32_t kept, std::int32_t MonitorEntry::*pending,
                  std::wstring MonitorEntry::*shown) {
    MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(row)];
    if (kept == kNoIndex || ValueIndex(code, entry.*shown) == kept) return;
    entry.*pending = kept;
    DiscoverMonitors(false);
    MainWindowPostCommand(kCommandRefreshPanel, 0);
}

void PutBack(std::int32_t row, const Kept& kept) {
    PutBackNamed(row, kVcpPreset, kept.preset, &MonitorEntry::pendingPreset, &MonitorEntry::presetName);
    PutBackNamed(row, kVcpColourTemp, kept.colourTemp, &MonitorEntry::pendingColourTemp, &MonitorEntry::colourTempName);
    const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(row)];
    if (entry.brightness != kept.brightness) SetBrightness(static_cast<std::uint32_t>(kept.brightness));
    if (entry.contrast != kept.contrast) SetContrast(static_cast<std::uint32_t>(kept.contrast));
    for (std::size_t i = 0; i < kept.gains.size(); ++i) {
        const auto [kind, field] = kGains[i];
        if (entry.*field != kept.gains[i]) SetColourValue(kind, static_cast<std::uint32_t>(kept.gains[i]));
    }
    if (entry.saturationInfo.current != kept.saturation) SetColourValue(ColourKind::Saturation, static_cast<std::uint32_t>(kept.saturation));
}

void End(std::size_t index) {
    TriggerRecord& record = g_records[index];
    record.active = false;
    const std::int32_t row = RowOf(record.monitor);
    if (row == kNoIndex) {
        LogEvent(static_cast<std::uint32_t>(-1), -1, L"full-screen program ended, its monitor is gone -> values not restored",
                 kLogNoOutcome, nullptr);
        return;
    }
    const std::int32_t selected = g_monitors.selectedMonitor;
    g_monitors.selectedMonitor = row;
    PutBack(row, record.kept);
    g_monitors.selectedMonitor = selected;
}

void Start(std::size_t index, const ForegroundInfo& foreground) {
    const std::int32_t row = RowShowing(foreground);
    if (row == kNoIndex) return;
    const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(row)];
    g_records[index] = {true, IdentityOf(entry), KeepValues(entry)};
    // The line runs later, from the main window's queue, on the monitors it names or the selected one.
    SubmitCommandLine(g_settings.fullScreen[index].commandLine, kOriginInternal);
    MainWindowPostCommand(kCommandRefreshPanel, 0);
}

}  // namespace

std::wstring ForegroundProgram(const ForegroundInfo& foreground) {
    const std::wstring program = FileName(foreground.executable);
    if (program == L"applicationframehost.exe" && !foreground.hostedExecutable.empty()) {
        return FileName(foreground.hostedExecutable);
    }
    return program;
}

TriggerDecision DecideTriggers(const std::array<FullScreenEntry, kTriggerCount>& entries,
                               const std::array<bool, kTriggerCount>& active, const ForegroundInfo& foreground,
                               bool onlyFullScreen, bool duplicateMode) {
    TriggerDecision decision;
    if (duplicateMode) return decision;
    const bool present = foreground.window != 0 && foreground.visible;
    const std::wstring program = present ? ForegroundProgram(foreground) : std::wstring();
    std::size_t count = 0;
    while (count < kTriggerCount && !entries[count].app.empty()) ++count;
    int match = -1;
    for (std::size_t i = 0; i < count && match < 0 && !program.empty(); ++i) {
        if (FileName(entries[i].app) == program) match = static_cast<int>(i);
    }
    const bool covers = !onlyFullScreen || SameRect(foreground.windowRect, foreground.monitorRect);
    for (std::size_t i = 0; i < count; ++i) {
        if (active[i] && (static_cast<int>(i) != match || !covers)) decision.end.push_back(i);
    }
    if (match >= 0 && covers && !active[static_cast<std::size_t>(match)]) decision.start = match;
    return decision;
}

void CheckProgramTriggers() {
    std::array<bool, kTriggerCount> active{};
    for (std::size_t i = 0; i < kTriggerCount; ++i) active[i] = g_records[i].active;
    const ForegroundInfo foreground = ForegroundRead();
    const TriggerDecision decision =
        DecideTriggers(g_settings.fullScreen, active, foreground, g_settings.onlyfullscreen, g_monitors.cloneMode);
    for (const std::size_t index : decision.end) End(index);
    if (decision.start >= 0) Start(static_cast<std::size_t>(decision.start), foreground);
}

bool IsAnyTriggerActive() {
    return std::any_of(g_records.begin(), g_records.end(), [](const TriggerRecord& record) { return record.active; });
}

void EndFullScreenTriggers() {
    for (std::size_t i = 0; i < kTriggerCount; ++i) {
        if (g_records[i].active) End(i);
    }
}

void ProgramTriggersReset() { g_records = {}; }
