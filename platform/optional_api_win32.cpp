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
