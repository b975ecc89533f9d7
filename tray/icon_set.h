// The notification icons of every monitor: their GUIDs, which of them exist, adding,
// redrawing and removing them through the shell, and finding the icon under a point.
// UpdateIcons (platform/requests.h) redraws them all after a value change.
#pragma once
#include <cstdint>
#include <string>

#include "platform/icon_image.h"
#include "platform/notify_icon.h"
#include "tray/icon_render.h"

struct IconSlot {
    IconGuid guid;  // all zero: this icon is never shown
    IconImage image = 0;
    std::wstring tip;
};

// The template GUID of a kind, collision counter 0: "Lumistrand72", the kind and 0x01.
IconGuid IconTemplateGuid(IconKind kind);
bool IconGuidIsZero(const IconGuid& guid);

struct KnownMonitor;
// Whether the monitor's record asks for the icon. The volume icon follows showvolumeicon;
// duplicated displays, which have no record, show every kind they have.
bool IconWanted(const KnownMonitor* known, IconKind kind);

// Adds the icons of the first discovery pass. Older settings files' global brightness,
// contrast and combined flags are taken over into each monitor's record on the way.
void CreateNotificationIcons();
// At exit: hides the balloon and deletes every icon, also those that needed a counter.
void RemoveAllIcons();

const IconSlot& IconSlotOf(std::int32_t monitor, IconKind kind);
std::int32_t IconsAdded();
// The icon last added or redrawn; all zero before the first.
IconGuid IconLastShown();

struct IconHit {
    IconGuid guid;
    std::uint8_t kind = 255;  // 255: no icon there
    wchar_t monitor = L'1';   // '1' + monitor index
};
// The icon whose rectangle holds the screen point; its kind is 255 when there is none.
IconHit HitTestIcons(std::int32_t x, std::int32_t y);

// A click or key on an icon (its callback message and the low word of its id): the icon's
// monitor becomes the selected one, except for the program's volume icon. The icon is
// remembered for placing the control panel.
void IconSelected(std::uint32_t message, std::uint16_t iconIdLowWord);
// The icon last selected, or the one last shown when none was; all zero when neither.
IconGuid IconForPanel();

// Back to the state at start, for tests.
void IconSetReset();
