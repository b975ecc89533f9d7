// A shell that keys notification icons by GUID, as Windows does: an add with a GUID that is
// taken fails. Records every call in order.
#pragma once
#include <cstddef>
#include <vector>

#include "platform/notify_icon.h"

enum class NotifyCallKind { Add, Modify, Delete, Version, Balloon };

struct NotifyCall {
    NotifyCallKind kind;
    IconGuid guid;
    bool ok;
};

void FakeNotifyIconReset();
const std::vector<NotifyCall>& FakeNotifyIconCalls();
// The icons the shell shows, in the order they were added.
const std::vector<NotifyIconRecord>& FakeTrayIcons();
// Null when the shell shows no icon with that GUID.
const NotifyIconRecord* FakeTrayIcon(const IconGuid& guid);
// The next count adds fail whatever their GUID.
void FakeNotifyIconRefuseAdds(std::size_t count);
// Without a rectangle set for it, the shell cannot tell where an icon is.
void FakeNotifyIconSetRect(const IconGuid& guid, const ScreenRect& rect);
const std::vector<NotifyBalloon>& FakeBalloons();
void FakeNotifyIconSetTaskbarCreatedMessage(std::uint32_t message);
