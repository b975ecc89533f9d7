#include "monitors/discovery.h"

#include <algorithm>
#include <string>
#include <vector>

#include "log/event_log.h"
#include "monitors/configuration_signature.h"
#include "monitors/identification.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_names.h"
#include "monitors/monitor_table.h"
#include "monitors/pending_requests.h"
#include "monitors/percent.h"
#include "monitors/probe.h"
#include "monitors/saturation.h"
#include "platform/requests.h"
#include "platform/clock.h"
#include "platform/control_panel.h"
#include "settings/settings.h"

namespace {

constexpr std::uint32_t kNoDevice = 0xFFFFFFFFu;
constexpr int kPassAttempts = 3;
constexpr std::uint32_t kPassRetryPauseMs = 50;
constexpr std::size_t kDescriptionChars = 127;
constexpr std::size_t kDeviceNameChars = 39;
constexpr std::size_t kNameChars = 63;

bool AnyRowAnswered() {
    for (std::int32_t row = 0; row < std::min(MonitorListRowCount(), kMonitorCount); ++row) {
        if (g_monitors.entries[static_cast<std::size_t>(row)].answered) return true;
    }
    return false;
}

void ReadSaturationPercent(MonitorEntry& entry, const std::wstring& deviceName) {
    const std::string narrow(deviceName.begin(), deviceName.end());
    SaturationInfo& saturation = entry.saturationInfo;
    if (ReadSaturation(entry, narrow) && saturation.maximum != saturation.minimum) {
        saturation.current = RawToScaled(saturation.current, saturation.minimum, saturation.maximum);
    }
}

// A monitor that reports a current value outside its range must not show more than 100
// or a negative percentage.
std::int32_t ClampPercent(std::int32_t percent) {
    return std::clamp(percent, 0, 100);
}

void AppendRow(MonitorEntry& entry, const std::wstring& name) {
    const std::int32_t row = MonitorListAppend(name);
    const KnownMonitor* known = KnownMonitorOf(entry);
    entry.answered = false;
    if (known != nullptr && known->ignoremonitor != 0) {
        MonitorListSetCell(row, kColumnBrightness, L"?");
        MonitorListSetCell(row, kColumnContrast, L"?");
        return;
    }
    const bool answered = g_monitors.lastPassOk;
    const bool panel = g_monitors.laptopFound;
    entry.answered = answered || panel;
    MonitorListSetCell(row, kColumnBrightness, answered || panel ? std::to_wstring(entry.brightness) : L"?");
    MonitorListSetCell(row, kColumnContrast, answered ? std::to_wstring(entry.contrast) : panel ? L"." : L"?");
    if (answered) {
        MonitorListSetCell(row, kColumnRed, std::to_wstring(entry.red));
        MonitorListSetCell(row, kColumnGreen, std::to_wstring(entry.green));
        MonitorListSetCell(row, kColumnBlue, std::to_wstring(entry.blue));
    }
}

void ProbePhysicalMonitor(const DisplayInfo& display, const PhysicalMonitor& monitor) {
    const std::int32_t index = MonitorListRowCount();
    MonitorEntry& entry = g_monitors.entries[index];
    entry.physicalHandle = monitor.handle;
    entry.physicalDescription = LimitText(monitor.description, kDescriptionChars);
    entry.gdiDeviceName = LimitText(DisplayFallbackName(display.deviceName), kDeviceNameChars);
    entry.monitorRect = display.rect;
    ReadSaturationPercent(entry, display.deviceName);

    g_monitors.laptopFound = false;
    entry.isLaptopPanel = false;
    const std::wstring previousUid = entry.deviceUid;
    std::wstring name = g_monitors.cloneMode ? entry.gdiDeviceName : IdentifyMonitor(entry, display.deviceName);
    if (!previousUid.empty() && previousUid != entry.deviceUid) {
        // The row held another monitor in the last pass: its values are not this monitor's, so
        // they are read afresh rather than shown and remembered under this monitor's name.
        entry.ddcCapable = false;
        entry.brightnessMax = entry.contrastMax = 0;
    }

    ProbePolicy policy;
    DecideProbe(entry, policy);
    ExecutePendingRequests(entry, index, monitor, policy);
    if (entry.pendingPowerToggle) {
        entry.pendingPowerToggle = false;
        PowerToggle(entry, index, monitor);
    } else {
        ProbeMonitor(entry, index, monitor, policy);
    }
    ConcludeProbe(entry, index);

    entry.brightness = ClampPercent(entry.brightness);
    entry.contrast = ClampPercent(entry.contrast);
    LogEvent(static_cast<std::uint32_t>(monitor.handle), -1, L"monitorname", kLogNoOutcome, name.c_str());
    RemoveSpaces(name);
    entry.displayName = LimitText(name, kNameChars);
    LogSetMonitorName(index, entry.displayName);

    const bool rememberValues = !g_monitors.startupPass && !g_monitors.quickRecheck;
    const std::wstring rowName =
        g_monitors.cloneMode ? entry.displayName : BindKnownMonitor(entry, index, rememberValues);
    AppendRow(entry, rowName);
    if (g_monitors.visitCounter == g_monitors.selectedMonitor) {
        const KnownMonitor* known = KnownMonitorOf(entry);
        PanelShowControls(index, known == nullptr || known->ignoremonitor == 0);
    }
}

void CompareConfiguration() {
    g_monitors.previousConfigurationSignature = g_monitors.configurationSignature;
    g_monitors.configurationSignature = BuildConfigurationSignature();
    // The first pass only records the set of monitors that later passes compare against.
    if (g_monitors.startupPass || g_monitors.configurationSignature == g_monitors.previousConfigurationSignature) {
        return;
    }
    const std::wstring line = L"enummonitors -> monitor configuration changed -> Restart Lumistrand\r\n" +
                              g_monitors.previousConfigurationSignature + L"\r\n" + g_monitors.configurationSignature;
    LogEvent(kNoDevice, -1, nullptr, kLogNoOutcome, line.c_str());
    RequestRestart();
}

}  // namespace

bool ProbeDisplay(const DisplayInfo& display) {
    std::uint32_t count = 0;
    std::vector<PhysicalMonitor> monitors;
    bool listed = DdcGetNumberOfPhysicalMonitors(display.handle, count);
    LogEvent(kNoDevice, -1, L"GetNumberOfPhysicalMonitorsFromHMONITOR", listed ? 1 : 0, nullptr);
    if (listed) {
        listed = DdcGetPhysicalMonitors(display.handle, count, monitors);
        LogEvent(kNoDevice, -1, L"GetPhysicalMonitorsFromHMONITOR", listed ? 1 : 0, nullptr);
    }
    if (!listed) {
        g_monitors.physicalQueryFailed = true;
        return false;
    }
    if (monitors.size() > 1) {
        g_monitors.cloneMode = true;
        LogSetDuplicateMode(true);
    }
    for (const PhysicalMonitor& monitor : monitors) {
        if (MonitorListRowCount() >= kMonitorCount) {
            break;
        }
        ++g_monitors.visitCounter;
        ProbePhysicalMonitor(display, monitor);
    }
    DdcDestroyPhysicalMonitors(monitors);
    return MonitorListRowCount() < kMonitorCount;
}

void DiscoverMonitors(bool showIconsIfHidden) {
    if (g_monitors.passRunning) {
        LogEvent(kNoDevice, -1, L"noenum was TRUE in enummonitors", kLogNoOutcome, nullptr);
        return;
    }
    g_monitors.passRunning = true;
    for (std::int32_t row = 0; row < MonitorListRowCount(); ++row) {
        g_monitors.entries[row].powerOn = MonitorListIsChecked(row);
    }
    for (int attempt = 0; attempt < kPassAttempts; ++attempt) {
        if (attempt > 0) {
            ClockSleep(kPassRetryPauseMs);
        }
        MonitorListClear();
        g_monitors.visitCounter = -1;
        for (const DisplayInfo& display : DdcEnumerateDisplays()) {
            if (!ProbeDisplay(display)) {
                break;
            }
        }
        if (AnyRowAnswered()) {
            break;
        }
    }
    const std::int32_t rows = MonitorListRowCount();
    if (rows == 0) {
        LogEvent(kNoDevice, -1, L"no monitors found", kLogNoOutcome, nullptr);
    } else if (!AnyRowAnswered()) {
        LogEvent(kNoDevice, -1, L"no usable monitors found", kLogNoOutcome, nullptr);
    } else {
        // A negative selection (e.g. from an edited settings file) would index no row at all.
        g_monitors.selectedMonitor = std::clamp(g_monitors.selectedMonitor, 0, rows - 1);
    }
    if (g_monitors.selectedMonitor >= 0 && g_monitors.selectedMonitor < rows) {
        PanelShowValues(g_monitors.selectedMonitor);
    }
    CompareConfiguration();
    for (std::int32_t row = 0; row < rows; ++row) {
        MonitorListSetChecked(row, g_monitors.entries[row].powerOn);
    }
    if (showIconsIfHidden && !g_monitors.startupPass && !RestartIsPending() && !ControlPanelIsVisible()) {
        UpdateIcons();
    }
    g_monitors.startupPass = false;
    g_monitors.passRunning = false;
}

void FindMonitorByDisplay(DisplayHandle display) {
    // Counting is enough to number the monitors; none of them needs to be opened.
    g_monitors.visitCounter = -1;
    for (const DisplayInfo& info : DdcEnumerateDisplays()) {
        std::uint32_t count = 0;
        if (!DdcGetNumberOfPhysicalMonitors(info.handle, count)) {
            return;  // the numbers of the later displays' monitors are unknown
        }
        if (info.handle == display) {
            if (count > 0) {
                g_monitors.selectedMonitor = g_monitors.visitCounter + 1;
            }
            return;
        }
        g_monitors.visitCounter += static_cast<std::int32_t>(count);
    }
}
