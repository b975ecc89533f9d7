#include "platform/optional_api.h"

namespace {

template <typename Fn>
void Resolve(HMODULE module, const char* name, Fn& pointer) {
    if (module != nullptr) pointer = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

template <typename Fn>
Fn Lookup(const wchar_t* dll, const char* name) {
    Fn pointer = nullptr;
    Resolve(LoadLibraryW(dll), name, pointer);
    return pointer;
}

template <typename Fn>
void Query(NvapiQueryInterfaceFn query, std::uint32_t id, Fn& pointer) {
    pointer = reinterpret_cast<Fn>(query(id));
}

struct AdlLibrary {
    HMODULE module = nullptr;
    AdlApi api;
};

AdlLibrary& Adl() {
    static AdlLibrary library = [] {
        AdlLibrary loaded;
        loaded.module = LoadLibraryW(L"atiadlxx.dll");
        if (loaded.module == nullptr) loaded.module = LoadLibraryW(L"atiadlxy.dll");
        AdlApi& api = loaded.api;
        Resolve(loaded.module, "ADL_Main_Control_Create", api.create);
        Resolve(loaded.module, "ADL_Main_Control_Destroy", api.destroy);
        Resolve(loaded.module, "ADL_Adapter_NumberOfAdapters_Get", api.adapterCount);
        Resolve(loaded.module, "ADL_Adapter_AdapterInfo_Get", api.adapterInfo);
        Resolve(loaded.module, "ADL_Display_DisplayInfo_Get", api.displayInfo);
        Resolve(loaded.module, "ADL_Display_ColorCaps_Get", api.colourCaps);
        Resolve(loaded.module, "ADL_Display_Color_Get", api.colourGet);
        Resolve(loaded.module, "ADL_Display_Color_Set", api.colourSet);
        return loaded;
    }();
    return library;
}

}  // namespace

const RestartManagerApi& OptionalRestartManager() {
    static const RestartManagerApi api = [] {
        RestartManagerApi loaded;
        const HMODULE module = LoadLibraryW(L"rstrtmgr.dll");
        Resolve(module, "RmStartSession", loaded.startSession);
        Resolve(module, "RmRegisterResources", loaded.registerResources);
        Resolve(module, "RmShutdown", loaded.shutdown);
        Resolve(module, "RmEndSession", loaded.endSession);
        return loaded;
    }();
    return api;
}

const XmlLiteApi& OptionalXmlLite() {
    static const XmlLiteApi api = [] {
        XmlLiteApi loaded;
        const HMODULE module = LoadLibraryW(L"xmllite.dll");
        Resolve(module, "CreateXmlReader", loaded.createReader);
        Resolve(module, "CreateXmlWriter", loaded.createWriter);
        return loaded;
    }();
    return api;
}

RegisterSuspendResumeNotificationFn OptionalRegisterSuspendResumeNotification() {
    static const auto pointer = Lookup<RegisterSuspendResumeNotificationFn>(L"user32.dll", "RegisterSuspendResumeNotification");
    return pointer;
}

SetWindowThemeFn OptionalSetWindowTheme() {
    static const auto pointer = Lookup<SetWindowThemeFn>(L"uxtheme.dll", "SetWindowTheme");
    return pointer;
}

InitCommonControlsExFn OptionalInitCommonControlsEx() {
    static const auto pointer = Lookup<InitCommonControlsExFn>(L"comctl32.dll", "InitCommonControlsEx");
    return pointer;
}

WTSRegisterSessionNotificationFn OptionalWTSRegisterSessionNotification() {
    static const auto pointer = Lookup<WTSRegisterSessionNotificationFn>(L"wtsapi32.dll", "WTSRegisterSessionNotification");
    return pointer;
}

bool OptionalLoadRichEdit() {
    static const bool loaded = LoadLibraryW(L"riched20.dll") != nullptr;
    return loaded;
}

const NvapiApi& OptionalNvapi() {
    static const NvapiApi api = [] {
        NvapiApi loaded;
        NvapiQueryInterfaceFn query = nullptr;
        Resolve(LoadLibraryW(L"nvapi.dll"), "nvapi_QueryInterface", query);
        if (query == nullptr) return loaded;
        Query(query, kNvapiInterfaceIds[0], loaded.initialize);
        Query(query, kNvapiInterfaceIds[1], loaded.getDvcInfoEx);
        Query(query, kNvapiInterfaceIds[2], loaded.setDvcLevelEx);
        Query(query, kNvapiInterfaceIds[3], loaded.enumDisplayHandle);
        Query(query, kNvapiInterfaceIds[4], loaded.getAssociatedDisplayHandle);
        Query(query, kNvapiInterfaceIds[5], loaded.getDisplayDriverVersion);
        return loaded;
    }();
    return api;
}

const AdlApi& OptionalAdl() { return Adl().api; }

void OptionalAdlFree() {
    AdlLibrary& library = Adl();
    if (library.module != nullptr) FreeLibrary(library.module);
    library = {};
}
