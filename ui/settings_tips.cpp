#include "ui/settings_tips.h"

#include "res/resource.h"
#include "settings/texts.h"
#include "ui/settings_autostart.h"

namespace {

struct TipRange {
    int first;
    int count;  // controls from first on that share the tip
    int step;
    TextId text;
};

constexpr TipRange kTips[] = {
    {IDC_SET_USEKEYBOARDHOOK, 1, 1, TextId::TipSetKeyboardHook},
    {IDC_SET_USEMOUSEHOOK, 1, 1, TextId::TipSetMouseHook},
    {IDC_SET_VERIFY, 1, 1, TextId::TipSetVerify},
    {IDC_SET_SAVE_VALUES, 1, 1, TextId::TipSetSaveValues},
    {IDC_SET_RESTORE, 1, 1, TextId::TipSetRestore},
    {IDC_SET_SAMEBRIGHTNESS, 1, 1, TextId::TipSetSameBrightness},
    {IDC_SET_NOTIFICATIONS, 1, 1, TextId::TipSetNotifications},
    {IDC_SET_WHEEL_KEYS_FIRST, 8, 1, TextId::TipSetWheelKeys},
    {IDC_SET_TIMER_ON_FIRST, 8, 1, TextId::TipSetTimerOn},
    {IDC_SET_MENU_HIDE_FIRST, 15, 1, TextId::TipSetHide},
    {IDC_SET_SOURCE, 1, 1, TextId::TipSetSource},
    {IDC_SET_DESTINATION, 1, 1, TextId::TipSetDestination},
    {IDC_SET_CHECKAMBIENT, 1, 1, TextId::TipSetCheckAmbient},
    {IDC_SET_SAMEVALUES, 1, 1, TextId::TipSetSameValues},
    {IDC_SET_LOGFILE, 1, 1, TextId::TipSetLogFile},
    {IDC_SET_LOGFILE_CHOOSE, 1, 1, TextId::TipSetLogFileChoose},
    {IDC_SET_VOLUME_ICON, 1, 1, TextId::TipVolumeIconBox},
    {IDC_SET_ICON_FIRST + 2, 10, 5, TextId::TipSetCombined},
    {IDC_SET_CLEARTYPE, 1, 1, TextId::TipSetClearType},
    {IDC_SET_ANTIALIASING, 1, 1, TextId::TipSetAntialiasing},
    {IDC_SET_NO_ANTIALIASING, 1, 1, TextId::TipSetNoAntialiasing},
    {IDC_SET_MONITOR_FIRST, 10, 1, TextId::TipSetMonitor},
    {IDC_SET_PROGRAM_FIRST, 16, 1, TextId::TipSetProgram},
    {IDC_SET_AUTOSTART, 1, 1, TextId::SettingsAutostartTip},
};

}  // namespace

std::wstring SettingsTipText(int controlId) {
    for (const TipRange& tip : kTips) {
        const int offset = controlId - tip.first;
        if (offset < 0 || offset >= tip.count * tip.step || offset % tip.step != 0) continue;
        std::wstring text = UiText(tip.text);
        if (controlId == IDC_SET_AUTOSTART) text += L"\n" + AutostartShortcutPath();
        return text;
    }
    return {};
}
