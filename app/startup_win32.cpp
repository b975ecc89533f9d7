#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <wtsapi32.h>

#include "app/control_panel_refresh.h"
#include "app/exit_path.h"
#include "app/forwarding.h"
#include "app/main_window_win32.h"
#include "app/midnight_guard.h"
#include "app/monitor_memory.h"
#include "app/pending_line.h"
#include "app/periodic_work.h"
#include "app/restart.h"
#include "app/restart_marker.h"
#include "app/settings_saving.h"
#include "app/start_facts.h"
#include "app/startup_steps.h"
#include "hooks/hook_thread.h"
#include "app/submit.h"
#include "app/timer_table.h"
#include "commands/monitor_limits.h"
#include "log/event_log.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_list_win32.h"
#include "monitors/saturation.h"
#include "platform/dialog_handle_win32.h"
#include "platform/main_window.h"
#include "platform/main_window_handle_win32.h"
#include "platform/optional_api.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/settings_startup.h"
#include "settings/settings_store.h"
#include "settings/texts.h"
#include "settings/ui_language.h"
#include "tray/panel_placement.h"
#include "ui/control_panel_presenter.h"
#include "ui/control_panel_tips.h"
#include "ui/settings_autostart.h"
#include "vcp/vcp_code_table.h"

namespace {

constexpr std::uint32_t kNoDevice = static_cast<std::uint32_t>(-1);
constexpr std::size_t kSettingsPathMax = 519;

HACCEL g_accelerators = nullptr;

bool StartedFromStartupFolder() {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    if ((startup.dwFlags & STARTF_TITLEISLINKNAME) == 0 || startup.lpTitle == nullptr) return false;
    PWSTR folder = nullptr;
    bool inside = false;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, 0, nullptr, &folder)) && folder[0] != L'\0')
        inside = StrStrIW(startup.lpTitle, folder) != nullptr;
    CoTaskMemFree(folder);
    return inside;
}

}  // namespace

const GUID kPowerSourceChange = {0x5D3E9A59, 0xE9D5, 0x4B00, {0xA6, 0xBD, 0xFF, 0x34, 0xFF, 0x51, 0x65, 0x48}};
const GUID kPowerSavingChange = {0xE00958C0, 0xC213, 0x4ACE, {0xAC, 0x77, 0xFE, 0xCC, 0xED, 0x2E, 0xEE, 0xA5}};
const GUID kMonitorPowerOn = {0x02731015, 0x4510, 0x4526, {0x99, 0xE6, 0xE5, 0xA1, 0x7E, 0xBD, 0x1A, 0xEA}};

// The executable's folder becomes the current directory; the settings file lies beside it.
void EnterProgramFolder() {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2) return;
    if (wchar_t* slash = wcsrchr(path, L'\\')) slash[1] = L'\0';
    SetCurrentDirectoryW(path);
    wchar_t current[MAX_PATH * 2] = {};
    const DWORD currentLength = GetCurrentDirectoryW(MAX_PATH * 2, current);
    if (currentLength == 0 || currentLength >= MAX_PATH * 2) return;
    std::wstring settings = current;
    if (!settings.empty() && settings.back() == L'\\') settings.pop_back();
    settings += L"\\Lumistrand.xml";
    if (settings.size() <= kSettingsPathMax) g_start.programSettingsPath = settings;
}

namespace {

std::int32_t FontSmoothing() {
    if (GetSystemMetrics(SM_CYSMICON) == 16) return 0;
    UINT type = 0;
    if (!SystemParametersInfoW(SPI_GETFONTSMOOTHINGTYPE, 0, &type, 0)) return 0;
    if (type == FE_FONTSMOOTHINGCLEARTYPE) return 2;
    return type == FE_FONTSMOOTHINGSTANDARD ? 1 : 0;
}

bool IsWindows7OrLater() {
    OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    version.dwMajorVersion = 6;
    version.dwMinorVersion = 1;
    version.wServicePackMajor = 0;
    DWORDLONG condition = 0;
    VER_SET_CONDITION(condition, VER_MAJORVERSION, VER_GREATER_EQUAL);
    VER_SET_CONDITION(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
    VER_SET_CONDITION(condition, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&version, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, condition) != 0;
}

void RegisterSystemNotifications(HWND window) {
    if (const auto registerSession = OptionalWTSRegisterSessionNotification())
        registerSession(window, NOTIFY_FOR_THIS_SESSION);
    for (const GUID* setting : {&kPowerSourceChange, &kPowerSavingChange, &kMonitorPowerOn})
        RegisterPowerSettingNotification(window, setting, DEVICE_NOTIFY_WINDOW_HANDLE);
    if (const auto registerSuspendResume = OptionalRegisterSuspendResumeNotification())
        registerSuspendResume(window, DEVICE_NOTIFY_WINDOW_HANDLE);
}

bool PanelShownAtStart(bool hiddenMarker) {
    return !g_start.startedWithArguments && !g_settings.minimizeflag && !g_start.startedFromStartupFolder &&
           !g_settings.hiddenrestart && !hiddenMarker;
}

void StartTimers(HWND window) {
    g_start.startTick = GetTickCount();
    for (const MainWindowTimer& timer : MainWindowTimers()) {
        if (timer.startPeriodMs != 0) SetTimer(window, timer.id, timer.startPeriodMs, nullptr);
    }
}

void RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (DialogTakesMessage(message)) continue;
        HWND current = MainWindowHandle();
        if (current != nullptr && TranslateAcceleratorW(current, g_accelerators, &message)) continue;
        if (current != nullptr && IsDialogMessageW(current, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int ShutDown() {
    StopHookThread();
    CloseInstanceMutex();
    FreeGpuLibraries();
    ReleaseLaptopPanelAndAudio();
    if (ExitState().restartRequested) StartSuccessor();
    return ExitState().exitCode;
}

}  // namespace

HACCEL MainAccelerators() { return g_accelerators; }

void ShowControlPanel() { PlacePanelAtIcon(); }

void HideControlPanel() {
    HWND window = MainWindowHandle();
    if (window != nullptr) ShowWindow(window, SW_HIDE);
    PanelClearTooltips();
}

HWND CreateMainWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbWndExtra = 60;  // the dialog manager keeps its data there
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kMainWindowClass;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    HWND window = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_CONTROL_PANEL), nullptr, nullptr, 0);
    if (window == nullptr) return nullptr;
    HWND list = GetDlgItem(window, IDC_MONITOR_LIST);
    if (list == nullptr) {
        DestroyWindow(window);
        return nullptr;
    }
    MonitorListViewSetUp(list);
    // Until the panel is first placed, saving the settings keeps the remembered position.
    SetWindowPos(window, nullptr, g_settings.lastx, g_settings.lasty, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    MainWindowAttach(reinterpret_cast<std::uintptr_t>(window));
    PanelForEachSlider([](int slider, std::int32_t maximum) {
        SendDlgItemMessageW(MainWindowHandle(), slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, maximum));
        SendDlgItemMessageW(MainWindowHandle(), slider, TBM_SETPAGESIZE, 0, 1);
    });
    return window;
}

int LumistrandMain(HINSTANCE instance, const wchar_t* commandLine) {
    if (int exitCode = 0; ForwardToRunningInstance(commandLine, exitCode)) return exitCode;
    g_start.startedFromStartupFolder = StartedFromStartupFolder();
    g_start.mainThreadId = GetCurrentThreadId();
    EnterProgramFolder();
    // Logged once the settings say whether to log: without COM, WMI and Core Audio find nothing.
    const HRESULT comStarted = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HRESULT comSecured = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                                    RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    PrepareWmiStrings();
    VcpCodeTableBuild();

    const INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFFFF};
    const auto initCommonControls = OptionalInitCommonControlsEx();
    if (initCommonControls == nullptr || !initCommonControls(&controls)) return 0;
    SettingsApplyBuiltInDefaults();
    g_start.fontSmoothing = FontSmoothing();
    g_settings.aliasing = g_start.fontSmoothing;
    const LocalTime now = WaitWhileMidnight();
    for (TimedEntry& timed : g_settings.timed) {
        timed.hour = now.hour;
        timed.minute = now.minute;
    }
    SettingsLoad();
    SelectionFromSettings();
    KnownMonitorsDropWithoutUid(g_settings);
    PrepareTimedAndWheelEntries();

    const std::wstring_view arguments = commandLine != nullptr ? commandLine : L"";
    g_start.startedWithArguments = !arguments.empty();
    SetPendingLine(arguments);
    SettingsChooseUiLanguage();

    if (!IsWindows7OrLater()) {
        MessageBoxW(nullptr,
                    UiText(TextId::RequiresWindows7),
                    L"", MB_OK | MB_ICONWARNING);
        return 0;
    }
    ShutDownOlderVersion();

    HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return RunSecondInstance(commandLine, g_settings.minimizeflag);
    }
    KeepInstanceMutex(mutex);

    HWND window = CreateMainWindow(instance);
    if (window == nullptr) return 0;
    RegisterSystemNotifications(window);
    LoadGpuLibraries();
    LogEvent(kNoDevice, -1, nullptr, kLogNoOutcome, L"Lumistrand_7_2 starts");
    LogFailureCause(SUCCEEDED(comStarted), L"CoInitializeEx", L"main thread", static_cast<std::uint32_t>(comStarted));
    LogFailureCause(SUCCEEDED(comSecured), L"CoInitializeSecurity", L"process", static_cast<std::uint32_t>(comSecured));

    PrepareControlPanel();
    g_accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_MAIN));
    AttachLaptopPanelAndAudio();
    RefreshControlPanel();
    // Limit rows choose their monitors by name, so they can only be matched once the first pass
    // has filled the table; before it every row would miss and no limit would hold.
    ApplyMonitorLimits();
    CreateTooltipsAndIcons();
    NoteMonitorsFoundAtStart(MonitorListRowCount() > 0);
    RestoreRememberedValues(RestoreMoment::Startup);
    SubmitCommandLine(PendingLine(), kOriginStartup);

    const bool hiddenMarker = TakeHiddenRestartMarker();
    if (PanelShownAtStart(hiddenMarker)) ShowControlPanel();
    g_settings.hiddenrestart = false;
    SelectionToSettings();
    const StartupSave saved = SettingsSaveAtStartup();
    LogSettingsSaveFailures(saved.failures);
    if (saved.knownListFull) {
        LogEvent(kNoDevice, -1, L"known-monitor-entries deleted because known full-> restart Lumistrand", kLogNoOutcome,
                 nullptr);
        RestartProgram();
    }
    ApplyAutostartShortcut();
    StartTimers(window);
    StartHookThread();

    RunMessageLoop();
    return ShutDown();
}
