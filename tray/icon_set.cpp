#include "tray/icon_set.h"

#include <algorithm>
#include <array>
#include <span>

#include "audio/audio.h"
#include "log/event_log.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/clock.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/texts.h"
#include "tray/balloon.h"
#include "tray/icon_tooltip.h"

namespace {

enum class IconAction { Add, Modify };

using MonitorSlots = std::array<IconSlot, kIconKinds>;

struct IconSetState {
    std::array<MonitorSlots, kMonitorCount> slots;
    std::int32_t added = 0;
    bool volumeAdded = false;
    bool goingAway = false;
    bool gaveUp = false;  // the exit that follows must not meet another 1001 retries
    IconGuid lastShown;
    IconGuid selected;
};

IconSetState NewState() {
    IconSetState state;
    for (MonitorSlots& monitor : state.slots) {
        for (int kind = 0; kind < kIconKinds; ++kind) monitor[kind].guid = IconTemplateGuid(static_cast<IconKind>(kind));
    }
    return state;
}

IconSetState g_icons = NewState();

constexpr IconKind kShowOrder[] = {IconKind::Saturation, IconKind::Speaker,  IconKind::Combined,
                                   IconKind::Brightness, IconKind::Contrast, IconKind::Volume};
// Duplicated displays share one record, so only these three exist, told apart by their font.
constexpr IconKind kCloneOrder[] = {IconKind::Brightness, IconKind::Contrast, IconKind::Volume};
constexpr const wchar_t* kCloneFaces[] = {L"Trebuchet MS", L"Impact", L"Calibri", L"Book Antiqua", L"Palatino Linotype"};
constexpr IconKind kHitOrder[] = {IconKind::Combined, IconKind::Brightness, IconKind::Contrast,
                                  IconKind::Volume,   IconKind::Speaker,    IconKind::Saturation};
// How many collision counters per kind the exit deletes, by kind.
constexpr std::uint16_t kCountersDeleted[kIconKinds] = {40, 30, 40, 20, 20, 40};
constexpr int kAddRetries = 1001;
constexpr int kFirstPausedRetry = 502;
constexpr std::uint32_t kRetryPauseMs = 50;
constexpr std::size_t kTipLength = 127;
// The older files' global flags hold 2 when they did not give them.
constexpr std::int32_t kNotGiven = 2;

IconSlot& Slot(std::int32_t monitor, IconKind kind) {
    return g_icons.slots[static_cast<std::size_t>(monitor)][static_cast<std::size_t>(kind)];
}

IconGuid WithCounter(IconGuid guid, std::uint16_t counter) {
    guid.data4[6] = static_cast<std::uint8_t>(counter >> 8);
    guid.data4[7] = static_cast<std::uint8_t>(counter & 0xFF);
    return guid;
}

IconValues ValuesOf(std::int32_t monitor, IconKind kind) {
    const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(monitor)];
    switch (kind) {
        case IconKind::Volume: return {CurrentVolumePercent(), 0, DefaultAudioDeviceMuted(), !DefaultAudioDeviceFound()};
        case IconKind::Contrast: return {entry.contrast};
        case IconKind::Brightness: return {entry.brightness};
        case IconKind::Combined: return {entry.brightness, entry.contrast};
        case IconKind::Speaker: return {entry.speakerVolume};
        default: return {entry.saturationInfo.current};
    }
}

// With samevalues one set of brightness and contrast icons stands for every monitor: a
// monitor with contrast takes them from the one after it (a laptop panel keeps its own).
void ApplySameValues(IconKind kind) {
    if (!g_settings.samevalues) return;
    if (kind != IconKind::Contrast && kind != IconKind::Brightness && kind != IconKind::Combined) return;
    for (std::int32_t monitor = 0; monitor + 1 < kMonitorCount; ++monitor) {
        const MonitorEntry& next = g_monitors.entries[static_cast<std::size_t>(monitor + 1)];
        if (g_monitors.entries[static_cast<std::size_t>(monitor)].contrastMax != 0 && !next.isLaptopPanel) {
            Slot(monitor + 1, kind).guid = IconGuid{};
        }
    }
}

// Clears the GUID of an icon that must not exist; false when the add is to be skipped.
bool MayAdd(std::int32_t monitor, IconKind kind) {
    const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(monitor)];
    IconSlot& slot = Slot(monitor, kind);
    const bool refused = (kind == IconKind::Volume && (!g_settings.showvolumeicon || g_icons.volumeAdded)) ||
                         (kind == IconKind::Contrast && entry.isLaptopPanel) ||
                         (kind == IconKind::Saturation && entry.saturationInfo.minimum == entry.saturationInfo.maximum);
    if (refused) slot.guid = IconGuid{};
    ApplySameValues(kind);
    return !IconGuidIsZero(slot.guid);
}

void GiveUp(std::int32_t monitor) {
    g_icons.gaveUp = true;
    MessageBoxShow(L"guid_icon_error", UiText(TextId::IconGuidError), true);
    LogEvent(static_cast<std::uint32_t>(-1), monitor, L"guid_icon_error", kLogNoOutcome, nullptr);
    RequestQuietExit();
}

// A GUID that is taken (by a monitor with the same template, or by an older registration)
// is changed by its counter until the shell accepts one.
bool AddWithRetries(std::int32_t monitor, IconSlot& slot, NotifyIconRecord& record) {
    for (int retry = 1;; ++retry) {
        if (NotifyIconAdd(record)) return true;
        if (retry > kAddRetries) {
            GiveUp(monitor);
            return false;
        }
        slot.guid = WithCounter(slot.guid, static_cast<std::uint16_t>(IconGuidCounter(slot.guid) + 1));
        record.guid = slot.guid;
        if (retry >= kFirstPausedRetry) ClockSleep(kRetryPauseMs);
    }
}

void RenderAndRegister(std::int32_t monitor, IconKind kind, IconAction action, const std::wstring& face) {
    if (action == IconAction::Add && !MayAdd(monitor, kind)) return;
    IconSlot& slot = Slot(monitor, kind);
    const IconImage previous = slot.image;
    slot.image = IconImageCreate(IconDrawingFor(kind, ValuesOf(monitor, kind), face, IconImageSystemSize(), g_settings));
    slot.tip = g_settings.tooltips ? IconTooltip(kind, monitor).substr(0, kTipLength) : std::wstring();
    NotifyIconRecord record{slot.guid, kIconMessageFirst + static_cast<std::uint32_t>(kind), slot.image, slot.tip};
    if (action == IconAction::Modify) {
        NotifyIconModify(record);
    } else if (AddWithRetries(monitor, slot, record)) {
        ++g_icons.added;
        if (kind == IconKind::Volume) g_icons.volumeAdded = true;
        NotifyIconUseVersion4(slot.guid);
    } else {
        IconImageDestroy(slot.image);
        slot.image = 0;
        return;
    }
    g_icons.lastShown = slot.guid;
    // The shell has its own copy of the image by now.
    if (previous != 0) IconImageDestroy(previous);
}

void UpdateMonitorIcons(std::int32_t monitor) {
    const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(monitor)];
    const KnownMonitor* known = nullptr;
    std::wstring face;
    std::span<const IconKind> order = kShowOrder;
    if (g_monitors.cloneMode) {
        face = kCloneFaces[std::min<std::size_t>(static_cast<std::size_t>(monitor), std::size(kCloneFaces) - 1)];
        order = kCloneOrder;
    } else {
        known = KnownMonitorOf(entry);
        if (known == nullptr) return;
        face = known->fontname;
    }
    for (const IconKind kind : order) {
        if (IconWanted(known, kind) && Slot(monitor, kind).image != 0) {
            RenderAndRegister(monitor, kind, IconAction::Modify, face);
        }
    }
    for (const IconKind kind : order) {
        if (g_icons.gaveUp) return;
        if (IconWanted(known, kind) && Slot(monitor, kind).image == 0) {
            RenderAndRegister(monitor, kind, IconAction::Add, face);
        }
    }
}

void DeleteAllIcons() {
    for (int kind = 0; kind < kIconKinds; ++kind) {
        const IconGuid guid = IconTemplateGuid(static_cast<IconKind>(kind));
        for (std::uint16_t counter = 0; counter < kCountersDeleted[kind]; ++counter) {
            NotifyIconDelete(WithCounter(guid, counter));
        }
    }
    for (MonitorSlots& monitor : g_icons.slots) {
        for (IconSlot& slot : monitor) {
            if (slot.image != 0) IconImageDestroy(slot.image);
            slot.image = 0;
        }
    }
}

void TakeOverOlderFlags() {
    for (std::int32_t row = 0; row < MonitorListRowCount(); ++row) {
        KnownMonitor* known = KnownMonitorOf(g_monitors.entries[static_cast<std::size_t>(row)]);
        if (known == nullptr) continue;
        const std::pair<std::int32_t, std::int32_t*> flags[] = {
            {g_settings.showbrightnessicon, &known->showbrightnessicon},
            {g_settings.showcontrasticon, &known->showcontrasticon},
            {g_settings.showcombinedicon, &known->showcombinedicon},
        };
        for (const auto& [global, own] : flags) {
            if (global != kNotGiven) *own = global;
        }
    }
}

}  // namespace

IconGuid IconTemplateGuid(IconKind kind) {
    return {0x4C756D69, 0x7374, 0x7261, {'n', 'd', '7', '2', static_cast<std::uint8_t>(kind), 0x01, 0, 0}};
}

bool IconGuidIsZero(const IconGuid& guid) { return guid == IconGuid{}; }

bool IconWanted(const KnownMonitor* known, IconKind kind) {
    if (kind == IconKind::Volume) return g_settings.showvolumeicon;
    if (known == nullptr) return true;
    switch (kind) {
        case IconKind::Contrast: return known->showcontrasticon != 0;
        case IconKind::Brightness: return known->showbrightnessicon != 0;
        case IconKind::Combined: return known->showcombinedicon != 0;
        case IconKind::Speaker: return known->showspeakericon != 0;
        default: return known->showvibranceicon != 0;
    }
}

void UpdateIcons() {
    // The icons belong to the main window: without it there are none to draw or remove.
    if (MainWindowId() == 0) return;
    if (g_icons.goingAway) {
        DeleteAllIcons();
        return;
    }
    for (std::int32_t monitor = 0; monitor < MonitorListRowCount() && !g_icons.gaveUp; ++monitor) {
        UpdateMonitorIcons(monitor);
    }
}

void CreateNotificationIcons() {
    TakeOverOlderFlags();
    UpdateIcons();
}

void RemoveAllIcons() {
    HideNotification();
    g_icons.goingAway = true;
    UpdateIcons();
}

const IconSlot& IconSlotOf(std::int32_t monitor, IconKind kind) { return Slot(monitor, kind); }

std::int32_t IconsAdded() { return g_icons.added; }

IconGuid IconLastShown() { return g_icons.lastShown; }

IconHit HitTestIcons(std::int32_t x, std::int32_t y) {
    for (std::int32_t monitor = 0; monitor < MonitorListRowCount(); ++monitor) {
        for (const IconKind kind : kHitOrder) {
            const IconSlot& slot = Slot(monitor, kind);
            ScreenRect rect;
            if (slot.image == 0 || !NotifyIconRect(slot.guid, rect)) continue;
            if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) {
                return {slot.guid, static_cast<std::uint8_t>(kind), static_cast<wchar_t>(L'1' + monitor)};
            }
        }
    }
    return {};
}

void IconSelected(std::uint32_t message, std::uint16_t iconIdLowWord) {
    if (message < kIconMessageFirst || message > kIconMessageLast) return;
    const auto kind = static_cast<IconKind>(message - kIconMessageFirst);
    std::int32_t found = -1;
    for (std::int32_t monitor = 0; monitor < kMonitorCount && found < 0; ++monitor) {
        const IconSlot& slot = Slot(monitor, kind);
        if (slot.image != 0 && IconGuidCounter(slot.guid) == iconIdLowWord) found = monitor;
    }
    g_icons.selected = found >= 0 ? Slot(found, kind).guid : IconGuid{};
    if (kind != IconKind::Volume) g_monitors.selectedMonitor = std::max(found, 0);
}

IconGuid IconForPanel() { return IconGuidIsZero(g_icons.selected) ? g_icons.lastShown : g_icons.selected; }

void IconSetReset() { g_icons = NewState(); }
