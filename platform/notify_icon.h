// Notification-icon seam: the shell's icons of the main window, their balloons and where
// they sit. Windows: notify_icon_win32.cpp (Shell_NotifyIconW). Host tests:
// testing/fakes/notify_icon_fake.cpp, a shell that keys icons by GUID and records every call.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "platform/ddc.h"
#include "platform/icon_image.h"

struct IconGuid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0, data3 = 0;
    std::array<std::uint8_t, 8> data4{};
    bool operator==(const IconGuid&) const = default;
};

// Byte 4 of data4 is the icon's kind and bytes 6 and 7 its collision counter.
inline std::uint32_t IconGuidKind(const IconGuid& guid) { return guid.data4[4]; }
inline std::uint16_t IconGuidCounter(const IconGuid& guid) {
    return static_cast<std::uint16_t>(guid.data4[6] << 8 | guid.data4[7]);
}

// The number the shell also knows an icon by: kind in the high word, collision counter in
// the low word. Windows goes by the GUID alone, but Wine tells icons apart only by this
// number, so it must differ wherever the GUID does. Callbacks carry its low word.
inline std::uint32_t NotifyIconId(const IconGuid& guid) { return IconGuidKind(guid) << 16 | IconGuidCounter(guid); }

struct NotifyIconRecord {
    IconGuid guid;
    std::uint32_t callbackMessage = 0;
    IconImage image = 0;
    std::wstring tip;  // at most 127 characters
};

struct NotifyBalloon {
    IconGuid guid;       // the icon it points at
    std::wstring tip;    // the icon's tooltip meanwhile
    std::wstring title;  // at most 63 characters
    std::wstring text;   // at most 199 characters; empty removes the balloon
};

// False when the shell refused, e.g. because the GUID is taken.
bool NotifyIconAdd(const NotifyIconRecord& record);
bool NotifyIconModify(const NotifyIconRecord& record);
bool NotifyIconDelete(const IconGuid& guid);
// Asks for the shell's current icon behaviour (version 4) for the icon.
bool NotifyIconUseVersion4(const IconGuid& guid);
// A balloon with the program's icon, without sound.
bool NotifyIconShowBalloon(const NotifyBalloon& balloon);
// The icon's rectangle on the screen; false (rect untouched) when the shell cannot tell.
bool NotifyIconRect(const IconGuid& guid, ScreenRect& rect);
// The message the shell broadcasts when the taskbar is created anew.
std::uint32_t NotifyIconTaskbarCreatedMessage();
