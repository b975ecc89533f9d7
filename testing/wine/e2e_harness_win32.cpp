#include "testing/wine/e2e_harness_win32.h"

#include <shlobj.h>

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <utility>

namespace {

const wchar_t kMainWindowClass[] = L"Lumistrand class 7.2";
const DWORD kPollMs = 20;

std::wstring Lowered(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

// Name of an environment entry "NAME=value"; entries such as "=C:=C:\" keep their leading "=".
std::wstring EntryName(const std::wstring& entry) {
    const size_t equals = entry.find(L'=', 1);
    return entry.substr(0, equals);
}

// The inherited environment with the given settings replacing entries of the same name
// (names compare without case, as Windows does), sorted as CreateProcess expects.
std::wstring EnvironmentBlock(const std::vector<EnvironmentSetting>& settings) {
    std::vector<std::wstring> entries;
    wchar_t* inherited = GetEnvironmentStringsW();
    for (const wchar_t* p = inherited; p && *p; p += wcslen(p) + 1) entries.emplace_back(p);
    if (inherited) FreeEnvironmentStringsW(inherited);

    for (const EnvironmentSetting& setting : settings) {
        const std::wstring name = Lowered(setting.name);
        std::erase_if(entries, [&](const std::wstring& entry) { return Lowered(EntryName(entry)) == name; });
        entries.push_back(setting.name + L"=" + setting.value);
    }
    std::stable_sort(entries.begin(), entries.end(),
              [](const std::wstring& a, const std::wstring& b) { return Lowered(EntryName(a)) < Lowered(EntryName(b)); });

    std::wstring block;
    for (const std::wstring& entry : entries) {
        block += entry;
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    return block;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[128] = {};
    if (owner == search->processId && GetClassNameW(window, name, 128) && wcscmp(name, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

}  // namespace

ProgramProcess::ProgramProcess(ProgramProcess&& other) noexcept
    : process(std::exchange(other.process, nullptr)), processId(std::exchange(other.processId, 0)) {}

ProgramProcess& ProgramProcess::operator=(ProgramProcess&& other) noexcept {
    if (this != &other) {
        ProgramKill(*this);
        process = std::exchange(other.process, nullptr);
        processId = std::exchange(other.processId, 0);
    }
    return *this;
}

ProgramProcess::~ProgramProcess() { ProgramKill(*this); }

std::wstring ProgramPathBesideTests(const wchar_t* fileName) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return fileName;
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + fileName;
}

bool ProgramStart(const std::wstring& exePath, const std::wstring& arguments,
                  const std::vector<EnvironmentSetting>& environment, ProgramProcess& started) {
    ProgramKill(started);
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    std::wstring block = EnvironmentBlock(environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        block.data(), nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);
    started.process = info.hProcess;
    started.processId = info.dwProcessId;
    return true;
}

bool ProgramStartLumistrand(const std::wstring& arguments, const std::vector<EnvironmentSetting>& environment,
                            ProgramProcess& started) {
    return ProgramStart(ProgramPathBesideTests(L"Lumistrand.exe"), arguments, environment, started);
}

HWND ProgramWaitForWindow(const ProgramProcess& program, const wchar_t* className, DWORD timeoutMs) {
    if (!program.process) return nullptr;
    const DWORD start = GetTickCount();
    for (;;) {
        WindowSearch search{program.processId, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        if (WaitForSingleObject(program.process, kPollMs) == WAIT_OBJECT_0) return nullptr;
    }
}

HWND ProgramWaitForMainWindow(const ProgramProcess& program, DWORD timeoutMs) {
    return ProgramWaitForWindow(program, kMainWindowClass, timeoutMs);
}

bool ProgramWaitForExit(const ProgramProcess& program, DWORD timeoutMs, DWORD& exitCode) {
    if (!program.process || WaitForSingleObject(program.process, timeoutMs) != WAIT_OBJECT_0) return false;
    DWORD code = 0;
    if (!GetExitCodeProcess(program.process, &code)) return false;
    exitCode = code;
    return true;
}

void ProgramKill(ProgramProcess& program) {
    if (!program.process) return;
    if (WaitForSingleObject(program.process, 0) != WAIT_OBJECT_0) {
        TerminateProcess(program.process, 1);
        WaitForSingleObject(program.process, 5000);
    }
    CloseHandle(program.process);
    program.process = nullptr;
    program.processId = 0;
}

bool ProgramRunToExit(const std::wstring& arguments, const std::vector<EnvironmentSetting>& environment,
                      DWORD timeoutMs, DWORD& exitCode) {
    ProgramProcess second;
    return ProgramStartLumistrand(arguments, environment, second) && ProgramWaitForExit(second, timeoutMs, exitCode);
}

bool E2eSandboxCreate(E2eSandbox& sandbox) {
    static LONG counter = 0;
    wchar_t temp[MAX_PATH] = {};
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        // A fresh wineserver hands out the same process ids every run: the clock tells runs apart.
        const std::wstring folder = std::wstring(temp) + L"lumistrand-e2e-" + std::to_wstring(GetCurrentProcessId()) +
                                    L"-" + std::to_wstring(GetTickCount64()) + L"-" +
                                    std::to_wstring(InterlockedIncrement(&counter));
        if (CreateDirectoryW(folder.c_str(), nullptr)) {
            sandbox.folder = folder;
            sandbox.simConfig = folder + L"\\sim-config.txt";
            sandbox.simLog = folder + L"\\sim-log.txt";
            sandbox.simState = folder + L"\\sim-state.txt";
            return true;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return false;
}

std::vector<EnvironmentSetting> E2eSandboxEnvironment(const E2eSandbox& sandbox) {
    std::vector<EnvironmentSetting> environment = {
        {L"LUMISTRAND_SIM_LOG", sandbox.simLog},
        {L"LUMISTRAND_SIM_STATE", sandbox.simState},
    };
    if (GetFileAttributesW(sandbox.simConfig.c_str()) != INVALID_FILE_ATTRIBUTES)
        environment.push_back({L"LUMISTRAND_SIM_CONFIG", sandbox.simConfig});
    return environment;
}

bool SimConfigWrite(const E2eSandbox& sandbox, const std::string& text) {
    return !sandbox.simConfig.empty() && WriteWholeFile(sandbox.simConfig, text);
}

void E2eRemoveProgramFiles() {
    DeleteFileW(ProgramPathBesideTests(L"Lumistrand.xml").c_str());
    wchar_t roaming[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, roaming) != S_OK) return;
    const std::wstring folder = std::wstring(roaming) + L"\\Lumistrand";
    for (const wchar_t* name : {L"Lumistrand.xml", L"Lumistrand.txt", L"hiddenrestart", L"run.bat", L"Lumistrand.bat"})
        DeleteFileW((folder + L"\\" + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> SimLogReadLines(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file) return {};
    return TextLines(std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()));
}
