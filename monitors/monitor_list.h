// The monitor list as data: one row per MonitorEntry (the row index is the entry index,
// the row count is the table's row count), six cells, a check box and a single selection.
// The list view 1001 of the main window mirrors these rows; it never holds state of its own.
//
// Check-box binding, both ways:
// - The rows here are the truth. Program changes (MonitorListSetChecked, MonitorListClear,
//   MonitorListAppend, MonitorListSetCell, MonitorListSelect) are pushed to the view at once
//   through platform/monitor_list_view.h.
// - A click on a check box in the view is reported back by the window procedure with
//   MonitorListOnUserCheck(row, checked): the row takes the view's state and nothing is
//   pushed back. What the click means (a power request) is the caller's business.
// - The discovery pass copies every row's check box into the entry's powerOn before it
//   deletes the rows and sets the check boxes from powerOn when the rows are rebuilt.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum MonitorListColumn : int {
    kColumnName = 0,
    kColumnBrightness = 1,
    kColumnContrast = 2,
    kColumnRed = 3,
    kColumnGreen = 4,
    kColumnBlue = 5,
};
inline constexpr int kMonitorListColumns = 6;

struct MonitorListRow {
    std::array<std::wstring, kMonitorListColumns> cells;
    bool checked = false;
};

struct MonitorList {
    std::vector<MonitorListRow> rows;
    std::int32_t selectedRow = -1;  // -1 = no line selected
};

std::int32_t MonitorListRowCount();
void MonitorListClear();
// Appends a row with the name in column 0; returns its index, or -1 when ten rows exist.
std::int32_t MonitorListAppend(const std::wstring& name);
bool MonitorListSetCell(std::int32_t row, int column, const std::wstring& text);
// Empty text for a row or column that does not exist.
const std::wstring& MonitorListCell(std::int32_t row, int column);
bool MonitorListSetChecked(std::int32_t row, bool checked);
// False for a row that does not exist.
bool MonitorListIsChecked(std::int32_t row);
// The user ticked or cleared a check box in the view.
void MonitorListOnUserCheck(std::int32_t row, bool checked);
// Marks the row as the selected line; false (selection unchanged) for a row that does not exist.
bool MonitorListSelect(std::int32_t row);
// The selected line, -1 when none is.
std::int32_t MonitorListSelectedRow();
