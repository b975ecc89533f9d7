#include "monitors/configuration_signature.h"

#include "monitors/monitor_list.h"
#include "monitors/monitor_names.h"
#include "monitors/monitor_table.h"

std::wstring BuildConfigurationSignature() {
    std::wstring signature;
    for (std::int32_t row = 0; row < MonitorListRowCount() && row < kMonitorCount; ++row) {
        const MonitorEntry& entry = g_monitors.entries[row];
        signature += std::to_wstring(entry.brightnessMax);
        signature += entry.physicalDescription;
        signature += entry.gdiDeviceName;
        signature += entry.friendlyName;
        signature += entry.deviceUid;
        signature += entry.connectionType;
        signature += entry.vendorCode;
        signature += entry.productCode;
        signature += entry.manufacturerName;
    }
    return LimitText(signature, kConfigurationSignatureChars);
}
