#include "tray/icon_tooltip.h"

#include <cwctype>

#include "audio/audio.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "settings/settings_keys.h"
#include "settings/texts.h"

namespace {

bool StartsWithDigit(const std::wstring& text) { return !text.empty() && std::iswdigit(static_cast<wint_t>(text[0])); }

// A contrast column of "." or "?" means the monitor has no contrast to show.
bool HasContrast(std::int32_t monitor) {
    const std::wstring& column = MonitorListCell(monitor, kColumnContrast);
    return !column.empty() && column[0] != L'.' && column[0] != L'?';
}

std::wstring Line(TextId word, std::int32_t value) { return UiText(word) + std::to_wstring(value) + L"\n"; }

// Without an audio device the word stands alone, as on the panel's label.
std::wstring VolumeLine(TextId word) {
    return DefaultAudioDeviceFound() ? Line(word, CurrentVolumePercent()) : std::wstring(UiText(word)) + L"\n";
}

std::wstring ValueLines(IconKind kind, std::int32_t monitor, const MonitorEntry& entry) {
    const std::wstring name = MonitorListCell(monitor, kColumnName) + L"\n";
    switch (kind) {
        case IconKind::Volume:
            return VolumeLine(TextId::TipVolume) + DefaultAudioDeviceName() + L"\n";
        case IconKind::Speaker: return name + Line(TextId::TipSpeaker, entry.speakerVolume);
        case IconKind::Saturation: return name + Line(TextId::TipSaturation, entry.saturationInfo.current);
        default: break;
    }
    std::wstring text = name;
    text += Line(kind == IconKind::Brightness ? TextId::CaptionBrightness : TextId::TipBrightnessShort, entry.brightness);
    if (HasContrast(monitor)) {
        text += Line(kind == IconKind::Contrast ? TextId::CaptionContrast : TextId::TipContrastShort, entry.contrast);
    }
    return text + VolumeLine(TextId::TipVolumeShort);
}

// A user colour preset also shows its gains.
void AddPreset(std::wstring& text, std::int32_t monitor, const MonitorEntry& entry) {
    if (entry.colourTempName.empty()) return;
    text += entry.colourTempName;
    if (TextContainsNoCase(text, L"User")) {
        constexpr std::pair<const wchar_t*, int> kGains[] = {{L" R", kColumnRed}, {L" G", kColumnGreen}, {L" B", kColumnBlue}};
        for (const auto& [label, column] : kGains) {
            const std::wstring& cell = MonitorListCell(monitor, column);
            if (StartsWithDigit(cell)) text += label + cell;
        }
    }
    text += L"\n";
}

}  // namespace

std::wstring IconTooltip(IconKind kind, std::int32_t monitor) {
    const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(monitor)];
    std::wstring text = ValueLines(kind, monitor, entry);
    if (kind != IconKind::Volume) AddPreset(text, monitor, entry);
    return text + UiText(TextId::TipHint);
}
