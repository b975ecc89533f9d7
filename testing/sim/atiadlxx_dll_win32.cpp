// The simulated atiadlxx.dll: the eight ADL exports the program uses, answered by the GPU model
// (testing/sim/gpu_sim.h). Display lists are allocated through the caller's callback, as ADL does.
#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/gpu_api.h"
#include "testing/sim/gpu_dll_win32.h"
#include "testing/sim/gpu_sim.h"

namespace {

constexpr int kInvalidParameter = -3;
constexpr int kDisplayInUse = 3;  // connected and mapped

AdlMallocCallback g_allocate = nullptr;

template <std::size_t N>
void CopyText(char (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    text.copy(field, N - 1);
}

}  // namespace

extern "C" {

int __cdecl ADL_Main_Control_Create(AdlMallocCallback allocate, int) {
    GpuDllEnsureLoaded();
    if (allocate == nullptr) return kInvalidParameter;
    g_allocate = allocate;
    return SimAdlCreate();
}

int __cdecl ADL_Main_Control_Destroy() {
    GpuDllEnsureLoaded();
    return SimAdlDestroy();
}

int __cdecl ADL_Adapter_NumberOfAdapters_Get(int* count) {
    GpuDllEnsureLoaded();
    return count != nullptr ? SimAdlAdapterCount(*count) : kInvalidParameter;
}

int __cdecl ADL_Adapter_AdapterInfo_Get(AdlAdapterInfo* adapters, int inputSize) {
    GpuDllEnsureLoaded();
    if (adapters == nullptr || inputSize < 0) return kInvalidParameter;
    std::vector<const SimGpuDisplay*> simulated;
    const int status = SimAdlAdapters(inputSize / static_cast<int>(sizeof(AdlAdapterInfo)), simulated);
    for (std::size_t i = 0; status == 0 && i < simulated.size(); ++i) {
        AdlAdapterInfo& record = adapters[i];
        std::memset(&record, 0, sizeof record);
        record.size = sizeof record;
        record.adapterIndex = static_cast<int>(i);
        record.present = record.exist = 1;
        CopyText(record.displayName, simulated[i]->deviceName);
        CopyText(record.adapterName, simulated[i]->adapterName);
    }
    return status;
}

int __cdecl ADL_Display_DisplayInfo_Get(int adapterIndex, int* count, AdlDisplayInfo** displays, int) {
    GpuDllEnsureLoaded();
    if (count == nullptr || displays == nullptr || g_allocate == nullptr) return kInvalidParameter;
    int found = 0;
    const int status = SimAdlDisplayCount(adapterIndex, found);
    if (status != 0) return status;
    auto* list = static_cast<AdlDisplayInfo*>(g_allocate(found * static_cast<int>(sizeof(AdlDisplayInfo))));
    if (list == nullptr) return kInvalidParameter;
    for (int i = 0; i < found; ++i) {
        std::memset(&list[i], 0, sizeof list[i]);
        list[i].logicalIndex = i;
        list[i].logicalAdapterIndex = adapterIndex;
        list[i].infoMask = list[i].infoValue = kDisplayInUse;
    }
    *count = found;
    *displays = list;
    return 0;
}

int __cdecl ADL_Display_ColorCaps_Get(int adapterIndex, int displayIndex, int* caps, int* valid) {
    GpuDllEnsureLoaded();
    return caps != nullptr && valid != nullptr ? SimAdlColourCaps(adapterIndex, displayIndex, *caps, *valid)
                                               : kInvalidParameter;
}

int __cdecl ADL_Display_Color_Get(int adapterIndex, int displayIndex, int type, int* current, int* defaultValue,
                                  int* minimum, int* maximum, int* step) {
    GpuDllEnsureLoaded();
    if (!current || !defaultValue || !minimum || !maximum || !step) return kInvalidParameter;
    *step = 1;
    return SimAdlColour(adapterIndex, displayIndex, type, *current, *defaultValue, *minimum, *maximum);
}

int __cdecl ADL_Display_Color_Set(int adapterIndex, int displayIndex, int type, int value) {
    GpuDllEnsureLoaded();
    return SimAdlSetColour(adapterIndex, displayIndex, type, value);
}

}  // extern "C"
