#include "tray/balloon.h"

#include <optional>
#include <string>

#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/control_panel.h"
#include "platform/main_window.h"
#include "platform/notify_icon.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "tray/icon_set.h"

namespace {

struct BalloonIcon {
    std::int32_t monitor;
    IconKind kind;
};

struct BalloonState {
    NotifyBalloon record;
    std::optional<BalloonIcon> icon;  // none before the first balloon
};

BalloonState g_balloon;

constexpr std::size_t kTitleLength = 63;
constexpr std::size_t kTextLength = 200;

// The value label whose text titles the balloon, and the icon the balloon points at first.
struct KindView {
    NotificationKind kind;
    int label;
    std::optional<IconKind> icon;
};

constexpr KindView kViews[] = {
    {NotificationKind::Brightness, IDC_BRIGHTNESS_LABEL, IconKind::Brightness},
    {NotificationKind::Contrast, IDC_CONTRAST_LABEL, IconKind::Contrast},
    {NotificationKind::Volume, IDC_VOLUME_LABEL, IconKind::Volume},
    {NotificationKind::Red, IDC_RED_LABEL, std::nullopt},
    {NotificationKind::Green, IDC_GREEN_LABEL, std::nullopt},
    {NotificationKind::Blue, IDC_BLUE_LABEL, std::nullopt},
    {NotificationKind::Speaker, IDC_SPEAKER_LABEL, IconKind::Speaker},
    {NotificationKind::Saturation, IDC_SATURATION_LABEL, IconKind::Saturation},
};

constexpr IconKind kFallbackOrder[] = {IconKind::Brightness, IconKind::Contrast, IconKind::Volume,
                                       IconKind::Combined,   IconKind::Speaker,  IconKind::Saturation};

const KindView* ViewOf(NotificationKind kind) {
    for (const KindView& view : kViews) {
        if (view.kind == kind) return &view;
    }
    return nullptr;
}

// The program has one volume icon, on the first monitor that could add it.
std::optional<BalloonIcon> ShownIcon(std::int32_t monitor, IconKind kind) {
    if (kind != IconKind::Volume) {
        if (IconSlotOf(monitor, kind).image == 0) return std::nullopt;
        return BalloonIcon{monitor, kind};
    }
    for (std::int32_t other = 0; other < kMonitorCount; ++other) {
        if (IconSlotOf(other, kind).image != 0) return BalloonIcon{other, kind};
    }
    return std::nullopt;
}

IconKind TargetKind(const KnownMonitor& known, const KindView* view) {
    if (view != nullptr && view->icon && IconWanted(&known, *view->icon)) return *view->icon;
    for (const IconKind kind : kFallbackOrder) {
        if (IconWanted(&known, kind)) return kind;
    }
    return IconKind::Brightness;
}

std::wstring BalloonTip(const IconSlot& slot) {
    if (!g_settings.tooltips || slot.tip.empty() || slot.tip[0] == L'?') return {};
    return slot.tip;
}

}  // namespace

void ShowNotification(NotificationKind kind) {
    if (g_monitors.cloneMode) return;
    if (kind == NotificationKind::HideOnly || !g_settings.notifications || ControlPanelIsVisible()) {
        HideNotification();
        return;
    }
    const std::int32_t monitor = g_monitors.selectedMonitor;
    if (monitor < 0 || monitor >= MonitorListRowCount()) return;
    const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(monitor)];
    const KnownMonitor* known = KnownMonitorOf(entry);
    if (known == nullptr || entry.brightnessMax == 0) return;
    const KindView* view = ViewOf(kind);
    const std::optional<BalloonIcon> icon = ShownIcon(monitor, TargetKind(*known, view));
    if (!icon) return;

    std::wstring title, text = MonitorListCell(monitor, kColumnName);
    if (kind == NotificationKind::MainValues) {
        text = ControlText(IDC_BRIGHTNESS_LABEL) + L"\n" + ControlText(IDC_CONTRAST_LABEL) + L"\n" +
               ControlText(IDC_VOLUME_LABEL);
    } else if (view != nullptr) {
        title = ControlText(view->label);
    }
    const IconSlot& slot = IconSlotOf(icon->monitor, icon->kind);
    g_balloon.record = {slot.guid, BalloonTip(slot), title.substr(0, kTitleLength), text.substr(0, kTextLength)};
    g_balloon.icon = icon;
    NotifyIconShowBalloon(g_balloon.record);
    MainWindowSetTimer(kTimerBalloonHide, kBalloonShowMs);
}

void HideNotification() {
    if (g_monitors.cloneMode || !g_balloon.icon) return;
    // The icon may have been redrawn meanwhile: its tooltip must not go back to the old one.
    g_balloon.record.tip = BalloonTip(IconSlotOf(g_balloon.icon->monitor, g_balloon.icon->kind));
    g_balloon.record.text.clear();
    NotifyIconShowBalloon(g_balloon.record);
}

void BalloonReset() { g_balloon = BalloonState{}; }
