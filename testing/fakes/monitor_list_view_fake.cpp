#include "testing/fakes/monitor_list_view_fake.h"

namespace {

std::vector<FakeListViewRow> g_rows;
std::int32_t g_selected = -1;

bool Exists(std::int32_t row) {
    return row >= 0 && row < static_cast<std::int32_t>(g_rows.size());
}

}  // namespace

void FakeMonitorListViewReset() {
    g_rows.clear();
    g_selected = -1;
}

const std::vector<FakeListViewRow>& FakeMonitorListViewRows() {
    return g_rows;
}

std::int32_t FakeMonitorListViewSelected() {
    return g_selected;
}

void MonitorListViewClear() {
    FakeMonitorListViewReset();
}

void MonitorListViewAppend(std::int32_t row, const std::wstring& name) {
    if (row != static_cast<std::int32_t>(g_rows.size())) {
        return;  // a real list view would insert elsewhere; the tests compare rows and catch it
    }
    g_rows.emplace_back();
    g_rows.back().cells[0] = name;
}

void MonitorListViewSetCell(std::int32_t row, int column, const std::wstring& text) {
    if (Exists(row) && column >= 0 && column < 6) {
        g_rows[row].cells[column] = text;
    }
}

void MonitorListViewSetChecked(std::int32_t row, bool checked) {
    if (Exists(row)) {
        g_rows[row].checked = checked;
    }
}

void MonitorListViewSelect(std::int32_t row) {
    if (Exists(row)) {
        g_selected = row;
    }
}
