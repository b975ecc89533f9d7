#include <windows.h>

#include <vector>

#include "platform/display_config.h"

namespace {

constexpr UINT32 kAllPaths = 1;            // QDC_ALL_PATHS
constexpr UINT32 kDatabaseCurrent = 4;     // QDC_DATABASE_CURRENT
constexpr std::size_t kDeviceNameChars = 260;

bool SameDeviceName(const wchar_t* a, const std::wstring& b) {
    const std::wstring left(a, wcsnlen(a, kDeviceNameChars));
    return CompareStringOrdinal(left.c_str(), -1, b.substr(0, kDeviceNameChars).c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

bool DisplayConfigFindTarget(const std::wstring& displayDeviceName, DisplayTarget& target) {
    UINT32 pathCount = 0, modeCount = 0;
    if (GetDisplayConfigBufferSizes(kAllPaths, &pathCount, &modeCount) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<DISPLAYCONFIG_PATH_INFO> paths(pathCount);
    std::vector<DISPLAYCONFIG_MODE_INFO> modes(modeCount);
    DISPLAYCONFIG_TOPOLOGY_ID topology{};
    if (QueryDisplayConfig(kDatabaseCurrent, &pathCount, paths.data(), &modeCount, modes.data(), &topology) !=
        ERROR_SUCCESS) {
        return false;
    }
    paths.resize(pathCount);
    for (const DISPLAYCONFIG_PATH_INFO& path : paths) {
        DISPLAYCONFIG_SOURCE_DEVICE_NAME source{};
        source.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME;
        source.header.size = sizeof source;
        source.header.adapterId = path.sourceInfo.adapterId;
        source.header.id = path.sourceInfo.id;
        if (DisplayConfigGetDeviceInfo(&source.header) != ERROR_SUCCESS ||
            !SameDeviceName(source.viewGdiDeviceName, displayDeviceName)) {
            continue;
        }
        DISPLAYCONFIG_TARGET_DEVICE_NAME name{};
        name.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_TARGET_NAME;
        name.header.size = sizeof name;
        name.header.adapterId = path.targetInfo.adapterId;
        name.header.id = path.targetInfo.id;
        if (DisplayConfigGetDeviceInfo(&name.header) != ERROR_SUCCESS) {
            return false;
        }
        target.outputTechnology = static_cast<std::uint32_t>(name.outputTechnology);
        target.devicePath = name.monitorDevicePath;
        target.friendlyName = name.monitorFriendlyDeviceName;
        return true;
    }
    return false;
}

namespace {

bool CurrentMode(const std::wstring& displayDeviceName, DEVMODEW& devMode) {
    devMode = DEVMODEW{};
    devMode.dmSize = sizeof(devMode);
    return EnumDisplaySettingsExW(displayDeviceName.c_str(), ENUM_CURRENT_SETTINGS, &devMode, 0) != FALSE;
}

}  // namespace

bool DisplayModeRead(const std::wstring& displayDeviceName, DisplayMode& mode, std::uint32_t& error) {
    DEVMODEW devMode;
    if (!CurrentMode(displayDeviceName, devMode)) {
        error = GetLastError();
        return false;
    }
    mode = {devMode.dmDisplayOrientation, devMode.dmPelsWidth, devMode.dmPelsHeight};
    return true;
}

bool DisplayModeApply(const std::wstring& displayDeviceName, const DisplayMode& mode, std::uint32_t& error) {
    DEVMODEW devMode;
    if (!CurrentMode(displayDeviceName, devMode)) {
        error = GetLastError();
        return false;
    }
    devMode.dmDisplayOrientation = mode.orientation;
    devMode.dmPelsWidth = mode.width;
    devMode.dmPelsHeight = mode.height;
    devMode.dmFields = DM_DISPLAYORIENTATION | DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExW(displayDeviceName.c_str(), &devMode, nullptr, CDS_UPDATEREGISTRY, nullptr);
    error = static_cast<std::uint32_t>(result);
    return result == DISP_CHANGE_SUCCESSFUL;
}
