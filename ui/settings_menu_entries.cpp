#include "ui/settings_menu_entries.h"

#include <cwctype>

#include "audio/audio.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/message_box.h"
#include "settings/settings.h"
#include "settings/texts.h"

namespace {

bool OnlyBlanks(const std::wstring& text) { return text.find_first_not_of(L' ') == std::wstring::npos; }

bool IsNumber(const std::wstring& text) {
    if (text.empty()) return false;
    for (const wchar_t c : text) {
        if (!std::iswdigit(c)) return false;
    }
    return true;
}

}  // namespace

std::wstring MenuEntryText(int n) {
    if (n < 0 || n >= kMenuEntries) return {};
    const auto at = static_cast<std::size_t>(n);
    const std::wstring& line = g_settings.m_editbuffer[at];
    const std::wstring& caption = g_settings.m_editbuffer[at + kMenuEntries];
    std::wstring text = caption.empty() ? line : g_settings.hide[at] ? caption : caption + L" " + line;
    return OnlyBlanks(text) ? std::wstring() : text;
}

std::wstring CurrentValuesLine() {
    const std::int32_t row = g_monitors.selectedMonitor;
    const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(row)];
    std::wstring line = L"b " + MonitorListCell(row, kColumnBrightness);
    const std::wstring& contrast = MonitorListCell(row, kColumnContrast);
    if (contrast != L"." && contrast != L"?" && !contrast.empty()) line += L"  c " + contrast;
    if (!entry.colourTempName.empty()) {
        line += L"  p " + entry.colourTempName;
        if (entry.colourTempName.find(L"User") != std::wstring::npos) {
            const std::pair<const wchar_t*, int> gains[] = {{L"  r ", kColumnRed}, {L"  g ", kColumnGreen},
                                                            {L"  l ", kColumnBlue}};
            for (const auto& [letter, column] : gains) {
                if (IsNumber(MonitorListCell(row, column))) line += letter + MonitorListCell(row, column);
            }
        }
    }
    if (!entry.inputName.empty()) line += L"  s " + entry.inputName;
    line += L"  v " + std::to_wstring(CurrentVolumePercent());
    if (entry.speakerVolumeMax > 0) line += L"  k " + std::to_wstring(entry.speakerVolume);
    return line;
}

int DumpValuesIntoFreeEntry() {
    for (int n = 0; n < kMenuEntries; ++n) {
        std::wstring& line = g_settings.m_editbuffer[static_cast<std::size_t>(n)];
        if (!line.empty()) continue;
        line = CurrentValuesLine();
        return n;
    }
    MessageBoxShow(UiText(TextId::SettingsNoFreeEntries), UiText(TextId::SettingsNoFreeEntries), true);
    return -1;
}
