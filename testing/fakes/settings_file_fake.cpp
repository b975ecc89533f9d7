#include "testing/fakes/settings_file_fake.h"

namespace {
// What Windows reports for a read-only file.
constexpr std::uint32_t kAccessDenied = 5;
}  // namespace

std::map<std::wstring, FakeSettingsFile>& FakeSettingsFiles() {
    static std::map<std::wstring, FakeSettingsFile> files;
    return files;
}

bool SettingsFileWritable(const std::wstring& path) {
    const auto found = FakeSettingsFiles().find(path);
    return found != FakeSettingsFiles().end() && found->second.writable;
}

bool SettingsFileRead(const std::wstring& path, const SettingsPairSink& sink) {
    const auto found = FakeSettingsFiles().find(path);
    if (found == FakeSettingsFiles().end() || !found->second.readable) return false;
    const FakeSettingsFile& file = found->second;
    int handed = 0;
    for (const auto& [key, value] : file.pairs) {
        if (handed++ == file.readErrorAfter) break;
        sink(key, value);
    }
    return true;
}

bool SettingsFileWrite(const std::wstring& path, const SettingsPairs& pairs, bool hideOnDesktop, std::uint32_t& error) {
    FakeSettingsFile& file = FakeSettingsFiles()[path];
    if (!file.writable) {
        error = kAccessDenied;
        return false;
    }
    file.pairs = pairs;
    file.hideOnDesktopAsked = hideOnDesktop;
    ++file.writes;
    return true;
}
