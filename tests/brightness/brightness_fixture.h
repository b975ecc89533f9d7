// A table of simulated monitors, one per display, bound to rows and KnownMonitor slots.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitors/brightness.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/control_panel_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/monitor_list_view_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_model.h"

struct SimMonitorSpec {
    std::uint32_t brightness = 50, brightnessMax = 100;
    std::uint32_t contrast = 50, contrastMax = 100;
};

class BrightnessTest : public ::testing::Test {
protected:
    // Monitors start with the entry agreeing with the monitor, as after a discovery pass.
    void Install(const std::vector<SimMonitorSpec>& monitors) {
        SimConfig config;
        config.latencies = SimLatencies{.enumerate = 0, .reply = 0, .write = 0, .capsFragment = 0};
        for (std::size_t i = 0; i < monitors.size(); ++i) {
            const SimMonitorSpec& spec = monitors[i];
            SimDisplay display;
            display.deviceName = L"\\\\.\\DISPLAY" + std::to_wstring(i + 1);
            SimMonitor monitor;
            monitor.description = L"Generic PnP Monitor";
            monitor.vcp[0x10] = SimVcp{.current = spec.brightness, .maximum = spec.brightnessMax};
            monitor.vcp[0x12] = SimVcp{.current = spec.contrast, .maximum = spec.contrastMax};
            display.monitors.push_back(monitor);
            config.displays.push_back(display);

            MonitorEntry& entry = g_monitors.entries[i];
            entry.deviceUid = L"uid" + std::to_wstring(i);
            entry.answered = true;
            entry.brightnessMax = static_cast<std::int32_t>(spec.brightnessMax);
            entry.brightness = static_cast<std::int32_t>(spec.brightness * 100 / spec.brightnessMax);
            entry.contrastMax = static_cast<std::int32_t>(spec.contrastMax);
            entry.contrast = static_cast<std::int32_t>(spec.contrast * 100 / spec.contrastMax);
            const std::int32_t row = MonitorListAppend(L"Monitor" + std::to_wstring(i + 1));
            MonitorListSetCell(row, kColumnBrightness, std::to_wstring(entry.brightness));
            MonitorListSetCell(row, kColumnContrast, std::to_wstring(entry.contrast));
            g_settings.known[i].mUID = entry.deviceUid;
        }
        SimLoad(config);
    }

    void SetUp() override {
        ResetProgramState();
        g_monitors.startupPass = false;
    }

    // Monitor traffic only (display walks left out), e.g. "SetMonitorBrightness m1 80".
    static std::vector<std::string> MonitorIo() {
        std::vector<std::string> io;
        for (const SimTransaction& t : SimTransactions()) {
            if (t.monitor < 0 || t.operation == "DestroyPhysicalMonitors") continue;
            std::string line = t.operation + " m" + std::to_string(t.monitor);
            if (t.operation.starts_with("Set")) line += " " + std::to_string(t.valueIn);
            if (t.operation == "SetVCPFeature") line += " code " + std::to_string(t.code);
            io.push_back(line);
        }
        return io;
    }
};
