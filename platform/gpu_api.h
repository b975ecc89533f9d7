// The binary interfaces of the GPU vendor libraries as far as saturation needs them: nvapi.dll's
// interface ids and records, ADL's exports and records. No SDK header ships with mingw-w64.
// Included by gpu_win32.cpp, optional_api.h and the simulated nvapi.dll and atiadlxx.dll.
#pragma once
#include <windows.h>

#include <cstdint>

using NvDisplayHandle = void*;

// nvapi_QueryInterface ids in the order they are asked for (platform/gpu.h NvidiaEntry).
inline constexpr std::uint32_t kNvapiInterfaceIds[] = {
    0x0150E828,  // NvAPI_Initialize
    0x0E45002D,  // NvAPI_GetDVCInfoEx
    0x4A82C2B1,  // NvAPI_SetDVCLevelEx
    0x9ABDD40D,  // NvAPI_EnumNvidiaDisplayHandle
    0x35C29134,  // NvAPI_GetAssociatedNvidiaDisplayHandle
    0xF951A4D1,  // NvAPI_GetDisplayDriverVersion
};

struct NvDvcInfoEx {
    std::int32_t version;
    std::int32_t currentLevel, minLevel, maxLevel, defaultLevel;
};
static_assert(sizeof(NvDvcInfoEx) == 20);
inline constexpr std::int32_t kNvDvcInfoExVersion = sizeof(NvDvcInfoEx) | 1 << 16;

struct NvDisplayDriverVersion {
    std::uint32_t version;  // sizeof | 1 << 16
    std::uint32_t driverVersion;
    std::uint32_t buildChangeListNumber;
    char buildBranch[64];
    char adapterName[64];
};
inline constexpr std::uint32_t kNvDisplayDriverVersionVersion = sizeof(NvDisplayDriverVersion) | 1u << 16;

using NvapiQueryInterfaceFn = void*(__cdecl*)(std::uint32_t interfaceId);
using NvInitializeFn = int(__cdecl*)();
using NvGetDvcInfoExFn = int(__cdecl*)(NvDisplayHandle display, std::uint32_t outputId, NvDvcInfoEx* info);
using NvSetDvcLevelExFn = int(__cdecl*)(NvDisplayHandle display, std::uint32_t outputId, NvDvcInfoEx* info);
using NvEnumDisplayHandleFn = int(__cdecl*)(std::uint32_t index, NvDisplayHandle* display);
using NvGetAssociatedDisplayHandleFn = int(__cdecl*)(const char* displayName, NvDisplayHandle* display);
using NvGetDisplayDriverVersionFn = int(__cdecl*)(NvDisplayHandle display, NvDisplayDriverVersion* version);

struct AdlAdapterInfo {
    int size;
    int adapterIndex;
    char udid[256];
    int busNumber, deviceNumber, functionNumber, vendorId;
    char adapterName[256];
    char displayName[256];
    int present, exist;
    char driverPath[256];
    char driverPathExt[256];
    char pnpString[256];
    int osDisplayIndex;
};
static_assert(sizeof(AdlAdapterInfo) == 1572);

struct AdlDisplayInfo {
    int logicalIndex, physicalIndex, logicalAdapterIndex, physicalAdapterIndex;
    int controllerIndex;
    char displayName[256];
    char manufacturerName[256];
    int displayType, outputType, connector, infoMask, infoValue;
};
static_assert(sizeof(AdlDisplayInfo) == 552);

// ADL hands out memory it allocated through the caller's callback; the caller frees it.
using AdlMallocCallback = void*(__stdcall*)(int size);
using AdlMainControlCreateFn = int(__cdecl*)(AdlMallocCallback allocate, int connectedAdaptersOnly);
using AdlMainControlDestroyFn = int(__cdecl*)();
using AdlAdapterCountFn = int(__cdecl*)(int* count);
using AdlAdapterInfoFn = int(__cdecl*)(AdlAdapterInfo* adapters, int inputSize);
using AdlDisplayInfoFn = int(__cdecl*)(int adapterIndex, int* count, AdlDisplayInfo** displays, int forceDetect);
using AdlColourCapsFn = int(__cdecl*)(int adapterIndex, int displayIndex, int* caps, int* valid);
using AdlColourGetFn = int(__cdecl*)(int adapterIndex, int displayIndex, int type, int* current, int* defaultValue,
                                     int* minimum, int* maximum, int* step);
using AdlColourSetFn = int(__cdecl*)(int adapterIndex, int displayIndex, int type, int value);
