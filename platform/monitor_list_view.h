// Monitor-list view seam: the list view 1001 of the main window, a mirror of the rows of
// monitors/monitor_list.h. Windows: monitors/monitor_list_win32.cpp. Host tests:
// testing/fakes/monitor_list_view_fake.cpp records what the view would show.
#pragma once
#include <cstdint>
#include <string>

void MonitorListViewClear();
void MonitorListViewAppend(std::int32_t row, const std::wstring& name);
void MonitorListViewSetCell(std::int32_t row, int column, const std::wstring& text);
void MonitorListViewSetChecked(std::int32_t row, bool checked);
void MonitorListViewSelect(std::int32_t row);
