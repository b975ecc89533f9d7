#include "ui/settings_reset.h"

#include <cwchar>

#include "log/event_log.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/requests.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "settings/texts.h"

namespace {

constexpr int kAsideNumbers = 256;

// The answers of the boxes that offer not to ask again: a reset asks every question anew.
constexpr const wchar_t* kRememberedAnswers[] = {
    L"{DDA52A0D-5269-4F8C-BC02-3ACE9315E370}", L"{BEFEAD55-8D9E-4F94-A1A2-A98B0695BDFE}",
    L"{AA5FC240-7ABF-4518-B5AF-6C8DB85D19A6}", L"{778BC249-4781-4510-86E8-DEA8B61AF1C6}",
    L"{D353CF42-628D-401F-B6B0-478DAB0F424C}", L"{AB7E4C73-9C4B-4A84-BCA4-459D981508FC}"};

// The name the file went to; empty when it stayed.
std::wstring MoveAside(const std::wstring& path) { return MoveAsideNumbered(path, kAsideNumbers); }

void ShowRefused(const std::wstring& path) {
    wchar_t text[1024];
    std::swprintf(text, 1024, UiText(TextId::SettingsResetRefused), path.c_str());
    MessageBoxShow(L"Lumistrand", text, true);
}

}  // namespace

bool MoveSettingsFileAside(const std::wstring& path) { return !FileExists(path) || !MoveAside(path).empty(); }

SettingsReset ResetSettings() {
    if (!MessageBoxYesNo(UiText(TextId::ClickNoIfUnsure), UiText(TextId::SettingsResetQuestion), true)) {
        return SettingsReset::Declined;
    }
    MessageBoxForgetAnswers(kRememberedAnswers);
    const std::wstring& profile = SettingsProfilePath();
    if (profile.empty()) return SettingsReset::NoProfileFolder;
    const std::wstring profileAside = FileExists(profile) ? MoveAside(profile) : std::wstring();
    if (FileExists(profile)) {
        ShowRefused(profile);
        return SettingsReset::Refused;
    }
    if (!MoveSettingsFileAside(kSettingsFileName)) {
        if (!profileAside.empty()) FileMove(profileAside, profile);
        ShowRefused(kSettingsFileName);
        return SettingsReset::Refused;
    }
    g_settingsStatus.settingsValid = false;
    RestartReopeningSettings(L"reset settings-> restart Lumistrand");
    return SettingsReset::Restarting;
}

void RestartReopeningSettings(const wchar_t* reason) {
    if (RestartIsPending()) return;
    g_settings.showsettings = true;
    LogEvent(static_cast<std::uint32_t>(-1), -1, reason, kLogNoOutcome, nullptr);
    RequestRestart();
}
