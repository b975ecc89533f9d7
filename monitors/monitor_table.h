// The table of controllable displays: exactly ten entries, the selection and the
// state of the current discovery pass. Process-wide, lives for the whole run.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "platform/ddc.h"

struct SaturationInfo {
    std::int32_t version = 0x10014;
    std::int32_t current = 0, minimum = 0, maximum = 0, defaultValue = 0;
};

// How the pending generic read is to be done; set with pendingGetCode.
struct VcpReadOptions {
    bool singleAttempt = false;  // one read instead of three
    bool noMessage = false;      // store the result without preparing a message box
};

struct MonitorEntry {
    SaturationInfo saturationInfo;
    std::wstring physicalDescription;       // 128
    std::wstring gdiDeviceName;             // 40, without the "\\.\" prefix
    ScreenRect monitorRect;
    std::wstring friendlyName;              // 64
    std::wstring deviceUid = L"monitorDevicePath";  // 128, key to the KnownMonitorList
    std::wstring connectionType;            // 32
    std::wstring vendorCode;                // 8
    std::wstring productCode;               // 6
    std::wstring manufacturerName;          // 32
    std::int32_t yearOfManufacture = 0, weekOfManufacture = 0;
    std::wstring serialNumber;              // 32
    std::wstring wmiInstanceName = L"InstanceName";  // 128
    std::wstring capsModel;                 // 32
    std::wstring gpuAdapterName;            // 259
    std::string capabilities;               // 8-bit, at most 4095 characters
    std::int32_t capsAttemptsLeft = 51;
    std::wstring displayName;               // 64
    PhysicalMonitorHandle physicalHandle = static_cast<PhysicalMonitorHandle>(-1);

    std::int32_t brightnessMin = 0, brightness = 0, brightnessMax = 0;
    std::int32_t contrastMin = 0, contrast = 0, contrastMax = 0;
    std::int32_t redMin = 0, red = 0, redMax = 0;
    std::int32_t greenMin = 0, green = 0, greenMax = 0;
    std::int32_t blueMin = 0, blue = 0, blueMax = 0;
    std::int32_t speakerVolume = 0, speakerVolumeMax = 0;
    std::int32_t brightnessLimitMin = 0, brightnessLimitMax = 100;
    std::int32_t contrastLimitMin = 0, contrastLimitMax = 100;
    std::int32_t ddcState = 2;  // 0 values current, 2 must be probed
    std::int32_t usageHours = 0;

    bool powerOn = false;
    bool answered = false;  // the last pass read its values (over DDC/CI or as the laptop panel)
    bool ddcCapable = false;
    bool isLaptopPanel = false;
    bool supports6B = false;
    bool hasPresetList = false;
    bool pendingPowerToggle = false;
    bool pendingFactoryReset = false;
    bool colourTempIsUser = false;

    std::int32_t pendingColourTemp = -1, pendingInput = -1, pendingPreset = -1;
    std::int32_t pendingSetCode = -1, pendingGetCode = -1;
    VcpReadOptions pendingGetOptions;
    std::int32_t pendingSetValue = 0, getResultCurrent = 0, getResultMax = 0, getResultCopy = 0;

    std::wstring colourTempName;  // 8
    std::wstring inputName;       // 16
    std::wstring presetName;      // 16
    std::array<std::wstring, 256> colourTempChoices;  // empty = not offered
    std::array<std::wstring, 256> inputChoices;
    std::array<std::wstring, 256> presetChoices;
};

inline constexpr int kMonitorCount = 10;

struct MonitorTable {
    std::array<MonitorEntry, kMonitorCount> entries;
    std::int32_t selectedMonitor = 0;
    std::int32_t visitCounter = -1;
    bool cloneMode = false;
    bool lastPassOk = false;
    bool laptopFound = false;
    bool physicalQueryFailed = false;
    bool passRunning = false;
    bool startupPass = true;   // the first pass since start has not finished yet
    // Set by the main window around the passes of its configuration check and power re-check.
    bool forceReread = false;   // every monitor is probed as if new
    bool quickRecheck = false;  // the probe stops after contrast; remembered values stay
    bool powerRecheck = false;  // the power state is read even when nothing else is due
    std::wstring configurationSignature;          // at most 1000 characters
    std::wstring previousConfigurationSignature;
};

extern MonitorTable g_monitors;
