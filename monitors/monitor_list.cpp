#include "monitors/monitor_list.h"

#include "monitors/monitor_table.h"
#include "platform/monitor_list_view.h"

namespace {

MonitorList g_monitorList;

bool RowExists(std::int32_t row) {
    return row >= 0 && row < MonitorListRowCount();
}

}  // namespace

std::int32_t MonitorListRowCount() {
    return static_cast<std::int32_t>(g_monitorList.rows.size());
}

void MonitorListClear() {
    g_monitorList.rows.clear();
    g_monitorList.selectedRow = -1;
    MonitorListViewClear();
}

std::int32_t MonitorListAppend(const std::wstring& name) {
    if (MonitorListRowCount() >= kMonitorCount) {
        return -1;
    }
    MonitorListRow row;
    row.cells[kColumnName] = name;
    g_monitorList.rows.push_back(row);
    const std::int32_t index = MonitorListRowCount() - 1;
    MonitorListViewAppend(index, name);
    return index;
}

bool MonitorListSetCell(std::int32_t row, int column, const std::wstring& text) {
    if (!RowExists(row) || column < 0 || column >= kMonitorListColumns) {
        return false;
    }
    g_monitorList.rows[row].cells[column] = text;
    MonitorListViewSetCell(row, column, text);
    return true;
}

const std::wstring& MonitorListCell(std::int32_t row, int column) {
    static const std::wstring kEmpty;
    if (!RowExists(row) || column < 0 || column >= kMonitorListColumns) {
        return kEmpty;
    }
    return g_monitorList.rows[row].cells[column];
}

bool MonitorListSetChecked(std::int32_t row, bool checked) {
    if (!RowExists(row)) {
        return false;
    }
    g_monitorList.rows[row].checked = checked;
    MonitorListViewSetChecked(row, checked);
    return true;
}

bool MonitorListIsChecked(std::int32_t row) {
    return RowExists(row) && g_monitorList.rows[row].checked;
}

void MonitorListOnUserCheck(std::int32_t row, bool checked) {
    if (RowExists(row)) {
        g_monitorList.rows[row].checked = checked;
    }
}

std::int32_t MonitorListSelectedRow() { return g_monitorList.selectedRow; }

bool MonitorListSelect(std::int32_t row) {
    if (!RowExists(row)) {
        return false;
    }
    g_monitorList.selectedRow = row;
    MonitorListViewSelect(row);
    return true;
}
