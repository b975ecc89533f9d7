// What the list view 1001 would show, built only from the calls the portable code makes.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/monitor_list_view.h"

struct FakeListViewRow {
    std::array<std::wstring, 6> cells;
    bool checked = false;
};

void FakeMonitorListViewReset();
const std::vector<FakeListViewRow>& FakeMonitorListViewRows();
std::int32_t FakeMonitorListViewSelected();
