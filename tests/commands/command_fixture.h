// A fresh program state over the simulator's two default monitors, after the start-up pass:
// DISPLAY1 "RTK" (brightness 75, contrast 50, gains 50/100, speaker 30/100, power 1) and
// DISPLAY2 "PD3220U" (brightness 60, contrast 50, no gains, no speaker).
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/interpreter.h"
#include "commands/normalise.h"
#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "monitors/pending_requests.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/control_panel_fake.h"
#include "testing/fakes/instance_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/requests_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_model.h"
#include "vcp/vcp_code_table.h"

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        VcpCodeTableBuild();
    }

    // The start-up pass; tests may edit the simulator before it.
    void Discover() {
        DiscoverMonitors(false);
        g_monitors.startupPass = false;
        SimClearTransactions();
        FakeMainWindowReset();
    }

    // Runs a line as the main window does: normalised, from a writable buffer.
    void Run(const std::wstring& line) {
        std::wstring text = NormaliseCommandLine(line);
        std::vector<wchar_t> buffer(text.begin(), text.end());
        buffer.push_back(L'\0');
        ExecuteCommandLine(buffer.data());
    }

    // Successful and failed writes and saves as "Operation m<monitor> <code>=<value>"; code -1 is omitted.
    static std::vector<std::string> Writes() {
        std::vector<std::string> writes;
        for (const SimTransaction& t : SimTransactions()) {
            if (t.operation.rfind("Set", 0) != 0 && t.operation.rfind("Save", 0) != 0) continue;
            std::string text = t.operation + " m" + std::to_string(t.monitor) + " ";
            if (t.code >= 0) text += std::to_string(t.code) + "=";
            writes.push_back(text + std::to_string(t.valueIn));
        }
        return writes;
    }

    static int Count(const std::string& operation, int code = -1) {
        int count = 0;
        for (const SimTransaction& t : SimTransactions()) {
            if (t.operation == operation && (code < 0 || t.code == code)) ++count;
        }
        return count;
    }

    static MonitorEntry& Entry(int index) { return g_monitors.entries[static_cast<std::size_t>(index)]; }
};
