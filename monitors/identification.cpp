#include "monitors/identification.h"

#include "monitors/monitor_table.h"

std::wstring DisplayFallbackName(const std::wstring& displayDeviceName) {
    static const std::wstring kPrefix = L"\\\\.\\";
    if (displayDeviceName.compare(0, kPrefix.size(), kPrefix) == 0) {
        return displayDeviceName.substr(kPrefix.size());
    }
    return displayDeviceName;
}

std::wstring IdentifyMonitor(MonitorEntry&, const std::wstring& displayDeviceName) {
    return DisplayFallbackName(displayDeviceName);
}
