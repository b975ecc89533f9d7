// WMI seam: the monitor classes of "ROOT\WMI". Every call connects, asks and lets go again;
// none waits longer than kWmiWaitMs for an answer, so a hanging WMI service cannot hold up
// the main thread. A failure returns false and keeps what was gathered before it.
// Windows: wmi_win32.cpp. Host tests: testing/fakes/wmi_fake.cpp.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::uint32_t kWmiWaitMs = 3000;

// The namespace, query, class and method names, made once for the life of the process.
void WmiPrepareStrings();

// One WmiMonitorID instance. A property of the wrong type reads as empty (the arrays) or 0.
struct WmiMonitorIdRecord {
    std::wstring instanceName;
    std::vector<std::uint32_t> serialNumberId;
    std::uint32_t yearOfManufacture = 0;
    std::uint32_t weekOfManufacture = 0;
};
bool WmiQueryMonitorIds(std::vector<WmiMonitorIdRecord>& records);

// One instance of a methods class: its InstanceName and the __PATH the method runs on.
struct WmiMethodTarget {
    std::wstring instanceName;
    std::wstring path;
};
bool WmiQueryDescriptorMethods(std::vector<WmiMethodTarget>& targets);
// WmiGetMonitorRawEEdidV1Block with BlockId 0: its BlockContent, when that is a byte array.
bool WmiReadEdidBlock(const std::wstring& path, std::vector<std::uint8_t>& content);

// One WmiMonitorBrightness instance; hasCurrent is false when CurrentBrightness is not a byte,
// levels is empty when Level is not a byte array.
struct WmiBrightnessRecord {
    std::wstring instanceName;
    bool hasCurrent = false;
    std::uint8_t current = 0;
    std::vector<std::uint8_t> levels;
};
bool WmiQueryBrightness(std::vector<WmiBrightnessRecord>& records);
bool WmiQueryBrightnessMethods(std::vector<WmiMethodTarget>& targets);
// WmiSetBrightness with Timeout 0 and the level.
bool WmiSetBrightness(const std::wstring& path, std::uint8_t level);

// WmiMonitorBrightnessEvent: each event's Brightness, when it is a byte, reaches the main
// window as kCommandPanelBrightnessEvent with the level as lParam. Unsubscribe cancels the
// subscription; events already posted may still arrive.
bool WmiSubscribeBrightnessEvents();
void WmiUnsubscribeBrightnessEvents();
