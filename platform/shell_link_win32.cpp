#include <windows.h>
#include <shobjidl.h>

#include "platform/owners_win32.h"
#include "platform/shell.h"

namespace {

// mingw's libuuid has these, but declaring them here keeps the file free of __uuidof.
const CLSID kShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace

bool ShellLinkToProgram(const std::wstring& linkPath) {
    wchar_t program[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2) return false;
    std::wstring folder(program, length);
    folder.resize(folder.find_last_of(L'\\') == std::wstring::npos ? 0 : folder.find_last_of(L'\\'));
    ComRef<IShellLinkW> link;
    if (FAILED(CoCreateInstance(kShellLink, nullptr, CLSCTX_INPROC_SERVER, kShellLinkW, link.outVoid()))) return false;
    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(kPersistFile, file.outVoid()))) return false;
    if (GetFileAttributesW(linkPath.c_str()) != INVALID_FILE_ATTRIBUTES) file->Load(linkPath.c_str(), STGM_READWRITE);
    return SUCCEEDED(link->SetPath(program)) && SUCCEEDED(link->SetWorkingDirectory(folder.c_str())) &&
           SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
}

bool ShellIsRemoteSession() { return GetSystemMetrics(SM_REMOTESESSION) != 0; }
