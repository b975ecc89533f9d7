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
#include "res/resource.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/control_panel_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_model.h"
#include "ui/control_panel_presenter.h"
#include "vcp/vcp_code_table.h"

using Writes_ = std::vector<std::string>;

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        VcpCodeTableBuild();
    }

    // The start-up pass; tests may edit the simulator before it.
    static void Discover() {
        DiscoverMonitors(false);
        g_monitors.startupPass = false;
        SimClearTransactions();
        FakeMainWindowReset();
    }

    // As the main window runs a line: normalised, from a writable buffer.
    static void Run(const std::wstring& line) {
        std::wstring text = NormaliseCommandLine(line);
        ExecuteCommandLine(text.data());
    }

    // Writes and saves, failed ones too, as "Operation m<monitor> <code>=<value>" (no code: no "<code>=").
    static Writes_ Writes() {
        Writes_ writes;
        for (const SimTransaction& t : SimTransactions()) {
            if (!t.operation.starts_with("Set") && !t.operation.starts_with("Save")) continue;
            writes.push_back(t.operation + " m" + std::to_string(t.monitor) + " " +
                             (t.code >= 0 ? std::to_string(t.code) + "=" : "") + std::to_string(t.valueIn));
        }
        return writes;
    }

    static int Count(const std::string& operation, int code = -1) { return SimTransactionCount(operation, -1, code); }

    static MonitorEntry& Entry(int index) { return g_monitors.entries[static_cast<std::size_t>(index)]; }
};
