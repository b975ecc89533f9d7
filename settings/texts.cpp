#include "settings/texts.h"

#include <cstddef>

#include "settings/ui_language.h"

namespace {

struct TextPair {
    TextId id;
    const wchar_t* english;
    const wchar_t* german;
};

constexpr TextPair kTexts[] = {
    {TextId::RequiresWindows7, L"Lumistrand requires at least Windows 7", L"Lumistrand erfordert mindestens Windows 7"},
    {TextId::ConfirmExit, L"Do you really want to terminate Lumistrand ?", L"Wollen Sie Lumistrand wirklich beenden ?"},
    {TextId::DuplicateModeNotice,
     L"Hiding monitor-icons works only in extended display mode,\nso change in windows-settings duplicate displays to extend.",
     L"Monitor-Symbole ausblenden geht nur im erweiterten Anzeigemodus,\nstellen Sie in den Windows-Einstellungen Anzeigen erweitern ein."},
    {TextId::ListMenuShownAs, L"%ls  is shown as  %ls  ->  Change?", L"%ls  wird angezeigt als  %ls  ->  \u00c4ndern?"},
    {TextId::VcpTableCodeRefused, L"%ls\n%ls\n%ls 0x%02X is a table-VCP-code,\nneeds a data block, not supported-> Error!",
     L"%ls\n%ls\n%ls 0x%02X ist ein table-VCP-code,\nbraucht Datenblock, nicht unterst\u00fctzt-> Error!"},
    {TextId::VcpReadResult, L"getVCP 0x%02X\n%ls\n%ls\ncurrent value (decimal)  %d\nmaximum value (decimal)  %d",
     L"getVCP 0x%02X\n%ls\n%ls\naktueller Wert (dezimal)  %d\nmaximaler Wert (dezimal)  %d"},
    {TextId::VcpReadFailed, L"%ls\n%ls\ngetVCP 0x%02X did not work -> Error!", L"%ls\n%ls\ngetVCP 0x%02X kein Erfolg -> Error!"},
    {TextId::InfoMonitorName, L"Monitorname    \t ", L"Monitorname    \t "},
    {TextId::InfoModel, L"Model          \t ", L"Modell         \t "},
    {TextId::InfoManufacturer, L"Manufacturer   \t ", L"Hersteller     \t "},
    {TextId::InfoManufacturerId, L"ManufacturerID \t ", L"HerstellerID   \t "},
    {TextId::InfoProductCode, L"Productcode    \t ", L"Productcode    \t "},
    {TextId::InfoMonitorInfo, L"Monitorinfo    \t ", L"Monitorinfo    \t "},
    {TextId::InfoSerialNumber, L"Serialnumber   \t ", L"Seriennummer   \t "},
    {TextId::InfoConnection, L"Connection     \t ", L"Anschluss      \t "},
    {TextId::InfoActiveHours, L"Active hours   \t ", L"Aktivstunden   \t "},
    {TextId::InfoProductionYear, L"Production year\t ", L"Herstellung    \t "},
    {TextId::InfoProductionWeek, L" (week ", L" (Woche "},
    {TextId::InfoRightClick, L"\nRight click  ->\t change monitorname, dim monitor",
     L"\nRechtsklick  ->\t Monitorname \u00E4ndern, Abdunkeln"},
    {TextId::CaptionBrightness, L"Brightness ", L"Helligkeit "},
    {TextId::CaptionContrast, L"Contrast ", L"Kontrast "},
    {TextId::CaptionRed, L"R", L"R"},
    {TextId::CaptionGreen, L"G", L"G"},
    {TextId::CaptionBlue, L"B", L"B"},
    {TextId::CaptionSpeaker, L"V", L"L"},
    {TextId::CaptionSaturation, L"S", L"F"},
    {TextId::TipBrightnessShort, L"B ", L"H "},
    {TextId::TipContrastShort, L"C ", L"K "},
    {TextId::TipVolumeShort, L"V ", L"L "},
    {TextId::TipSpeaker, L"Monitor-Speaker ", L"Monitor-Lautsprecher "},
    {TextId::TipSaturation, L"Saturation ", L"Farbs\u00E4ttigung "},
    {TextId::TipVolume, L"Volume ", L"Lautst\u00E4rke "},
    {TextId::TipHint, L"Arrange icons by drag &&& drop\nUse mouse wheel over icons",
     L"Ordne Symbole durch Ziehen\nNutze Mausrad \u00FCber Icons"},
    {TextId::IconGuidError,
     L"Maybe resetting notification area icons cache solves the problem,\nsearch internet for Reset Notification Area Icons Cache.",
     L"Vielleicht hilft es, den Symbol-Cache des Infobereichs zur\u00FCckzusetzen,\nsuchen Sie im Internet nach Reset Notification Area Icons Cache."},
};

constexpr bool EveryIdInItsRow() {
    std::size_t row = 0;
    for (const TextPair& text : kTexts) {
        if (static_cast<std::size_t>(text.id) != row++) return false;
    }
    return row == static_cast<std::size_t>(TextId::Count);
}
static_assert(EveryIdInItsRow(), "kTexts holds every TextId once, in the enum's order");

const TextPair& Row(TextId id) { return kTexts[static_cast<std::size_t>(id)]; }

}  // namespace

const wchar_t* UiText(TextId id) { return UiIsGerman() ? Row(id).german : Row(id).english; }
