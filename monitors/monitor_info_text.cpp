#include "monitors/monitor_info_text.h"

#include "monitors/monitor_table.h"
#include "settings/texts.h"

namespace {

struct InfoLine {
    TextId caption;
    std::wstring value;
};

}  // namespace

MonitorInfoText BuildMonitorInfoText(std::int32_t index) {
    if (index < 0 || index >= kMonitorCount) {
        return {};
    }
    const MonitorEntry& entry = g_monitors.entries[index];
    std::wstring connection = entry.connectionType;
    if (!connection.empty() && !entry.gpuAdapterName.empty()) {
        connection += L" (" + entry.gpuAdapterName + L")";
    }
    const InfoLine lines[] = {
        {TextId::InfoMonitorName, entry.friendlyName},
        {TextId::InfoModel, entry.capsModel},
        {TextId::InfoManufacturer, entry.manufacturerName},
        {TextId::InfoManufacturerId, entry.vendorCode},
        {TextId::InfoProductCode, entry.productCode},
        {TextId::InfoMonitorInfo, entry.physicalDescription},
        {TextId::InfoSerialNumber, entry.serialNumber},
        {TextId::InfoConnection, connection},
        {TextId::InfoActiveHours, entry.usageHours != 0 ? std::to_wstring(entry.usageHours) : L""},
    };
    MonitorInfoText info;
    for (const InfoLine& line : lines) {
        if (!line.value.empty()) {
            info.text += UiText(line.caption) + line.value + L"\n";
        }
    }
    if (entry.yearOfManufacture != 0) {
        info.text += UiText(TextId::InfoProductionYear) + std::to_wstring(entry.yearOfManufacture);
        if (entry.weekOfManufacture >= 1 && entry.weekOfManufacture <= 53) {
            info.text += UiText(TextId::InfoProductionWeek) + std::to_wstring(entry.weekOfManufacture) + L")";
        }
        info.text += L"\n";
    }
    info.text += UiText(TextId::InfoRightClick);
    const ScreenRect& rect = entry.monitorRect;
    info.title = entry.gdiDeviceName + L"\t      " + std::to_wstring(rect.right - rect.left) + L" x " +
                 std::to_wstring(rect.bottom - rect.top);
    return info;
}
