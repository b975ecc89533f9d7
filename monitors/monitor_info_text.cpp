#include "monitors/monitor_info_text.h"

#include "monitors/monitor_table.h"
#include "settings/ui_language.h"

namespace {

struct InfoLine {
    const wchar_t* english;
    const wchar_t* german;
    std::wstring value;
};

}  // namespace

MonitorInfoText BuildMonitorInfoText(std::int32_t index) {
    if (index < 0 || index >= kMonitorCount) {
        return {};
    }
    const MonitorEntry& entry = g_monitors.entries[index];
    const bool german = UiIsGerman();
    std::wstring connection = entry.connectionType;
    if (!connection.empty() && !entry.gpuAdapterName.empty()) {
        connection += L" (" + entry.gpuAdapterName + L")";
    }
    const InfoLine lines[] = {
        {L"Monitorname    \t ", L"Monitorname    \t ", entry.friendlyName},
        {L"Model          \t ", L"Modell         \t ", entry.capsModel},
        {L"Manufacturer   \t ", L"Hersteller     \t ", entry.manufacturerName},
        {L"ManufacturerID \t ", L"HerstellerID   \t ", entry.vendorCode},
        {L"Productcode    \t ", L"Productcode    \t ", entry.productCode},
        {L"Monitorinfo    \t ", L"Monitorinfo    \t ", entry.physicalDescription},
        {L"Serialnumber   \t ", L"Seriennummer   \t ", entry.serialNumber},
        {L"Connection     \t ", L"Anschluss      \t ", connection},
        {L"Active hours   \t ", L"Aktivstunden   \t ", entry.usageHours != 0 ? std::to_wstring(entry.usageHours) : L""},
    };
    MonitorInfoText info;
    for (const InfoLine& line : lines) {
        if (!line.value.empty()) {
            info.text += (german ? line.german : line.english) + line.value + L"\n";
        }
    }
    if (entry.yearOfManufacture != 0) {
        info.text += (german ? L"Herstellung    \t " : L"Production year\t ") + std::to_wstring(entry.yearOfManufacture);
        if (entry.weekOfManufacture >= 1 && entry.weekOfManufacture <= 53) {
            info.text += (german ? L" (Woche " : L" (week ") + std::to_wstring(entry.weekOfManufacture) + L")";
        }
        info.text += L"\n";
    }
    info.text += german ? L"\nRechtsklick  ->\t Monitorname \u00E4ndern, Abdunkeln"
                        : L"\nRight click  ->\t change monitorname, dim monitor";
    const ScreenRect& rect = entry.monitorRect;
    info.title = entry.gdiDeviceName + L"\t      " + std::to_wstring(rect.right - rect.left) + L" x " +
                 std::to_wstring(rect.bottom - rect.top);
    return info;
}
