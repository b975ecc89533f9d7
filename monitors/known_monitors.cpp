#include "monitors/known_monitors.h"

#include <iterator>

#include "monitors/monitor_names.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"

namespace {

// Icon fonts of newly seen monitors by the number of rows before them; the last one repeats.
constexpr const wchar_t* kFontByRow[] = {
    L"Trebuchet MS", L"Impact", L"Calibri", L"Book Antiqua", L"Palatino Linotype",
};

constexpr std::size_t kKnownTextChars = 63;

const wchar_t* FontForRow(std::int32_t rowsBefore) {
    const std::size_t last = std::size(kFontByRow) - 1;
    const std::size_t index = rowsBefore < 0 ? 0 : static_cast<std::size_t>(rowsBefore);
    return kFontByRow[index < last ? index : last];
}

}  // namespace

void ResetKnownMonitor(std::int32_t slot) {
    if (slot >= 0 && slot < kKnownMonitorSlots) {
        g_settings.known[slot] = KnownMonitor{};
    }
}

std::int32_t FindKnownMonitor(const std::wstring& uid) {
    // Slots hold at most 63 characters of the uid; comparing the full uid would miss the
    // slot of a long uid and add a new one on every pass.
    const std::wstring key = LimitText(uid, kKnownTextChars);
    for (std::int32_t slot = 0; slot < kKnownMonitorSlots; ++slot) {
        if (g_settings.known[slot].mUID == key) {
            return slot;
        }
    }
    return -1;
}

KnownMonitor* KnownMonitorOf(const MonitorEntry& entry) {
    if (g_monitors.cloneMode) {
        return nullptr;
    }
    const std::int32_t slot = FindKnownMonitor(entry.deviceUid);
    return slot < 0 ? nullptr : &g_settings.known[slot];
}

std::wstring BindKnownMonitor(const MonitorEntry& entry, std::int32_t rowsBefore, bool rememberValues) {
    std::wstring rowName = entry.displayName;
    std::int32_t slot = FindKnownMonitor(entry.deviceUid);
    if (slot >= 0) {
        KnownMonitor& known = g_settings.known[slot];
        if (!known.mname.empty()) {
            rowName = known.mname;
        }
        RemoveSpaces(rowName);
        known.mname = LimitText(rowName, kKnownTextChars);
        if (rememberValues) {
            if (entry.brightnessMax != 0) {
                known.MonitorBrightness = entry.brightness;
            }
            if (entry.contrastMax != 0) {
                known.MonitorContrast = entry.contrast;
            }
        }
    } else {
        slot = FindKnownMonitor(L"");
        if (slot < 0) {
            return rowName;
        }
        ResetKnownMonitor(slot);
        KnownMonitor& known = g_settings.known[slot];
        known.mUID = LimitText(entry.deviceUid, kKnownTextChars);
        known.mname = LimitText(entry.displayName, kKnownTextChars);
        known.fontname = FontForRow(rowsBefore);
        known.MonitorBrightness = entry.brightnessMax != 0 ? entry.brightness : -1;
        known.MonitorContrast = entry.contrastMax != 0 ? entry.contrast : -1;
    }
    for (std::int32_t later = slot + 1; later < kKnownMonitorSlots; ++later) {
        if (g_settings.known[later].mUID == g_settings.known[slot].mUID) {
            ResetKnownMonitor(later);
        }
    }
    return rowName;
}
