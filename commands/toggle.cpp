#include "commands/toggle.h"

#include <string>

#include "platform/instance.h"
#include "platform/requests.h"
#include "settings/settings.h"

namespace {

constexpr std::size_t kToggleTextChars = 259;
const std::wstring kFreeRecord = L"dummy";
const std::wstring kSeparator = L" t ";

ToggleEntry* FindOrClaimRecord(const std::wstring& key) {
    for (ToggleEntry& record : g_settings.toggles) {
        if (record.text == key) return &record;
    }
    for (ToggleEntry& record : g_settings.toggles) {
        if (record.text == kFreeRecord) {
            record.text = key;
            return &record;
        }
    }
    return nullptr;
}

}  // namespace

void RunToggle(const wchar_t* key) {
    const std::wstring line(key);
    const std::size_t separator = line.find(kSeparator);
    std::wstring first = line.substr(1);
    std::wstring second;
    if (separator != std::wstring::npos) {
        // In "t t b 5" the key's leading blank is the separator's own: the first alternative is empty.
        first = separator == 0 ? std::wstring() : line.substr(1, separator - 1);
        second = line.substr(separator + kSeparator.size());
        // A third alternative is refused before it can take a record it would never use.
        if (second.find(kSeparator) != std::wstring::npos) return;
    }
    // Records hold what the settings file can keep; longer keys are told apart by their start.
    ToggleEntry* record = FindOrClaimRecord(line.substr(0, kToggleTextChars));
    if (record == nullptr) return;
    if (separator == std::wstring::npos) {
        SubmitCommandLine(first, kOriginInternal);
        return;
    }
    const std::wstring& chosen = record->state == 0 ? first : second;
    if (!chosen.empty()) SubmitCommandLine(chosen, kOriginInternal);
    record->state = record->state == 0 ? 1 : 0;
}
