#include "testing/fakes/notify_icon_fake.h"

#include <algorithm>
#include <utility>

namespace {

struct Shell {
    std::vector<NotifyCall> calls;
    std::vector<NotifyIconRecord> icons;
    std::vector<std::pair<IconGuid, ScreenRect>> rects;
    std::vector<NotifyBalloon> balloons;
    std::size_t refusedAdds = 0;
    std::uint32_t taskbarCreated = 0xC001;
};

Shell g_shell;

std::vector<NotifyIconRecord>::iterator Find(const IconGuid& guid) {
    return std::find_if(g_shell.icons.begin(), g_shell.icons.end(),
                        [&](const NotifyIconRecord& icon) { return icon.guid == guid; });
}

bool Record(NotifyCallKind kind, const IconGuid& guid, bool ok) {
    g_shell.calls.push_back({kind, guid, ok});
    return ok;
}

}  // namespace

void FakeNotifyIconReset() { g_shell = Shell{}; }

const std::vector<NotifyCall>& FakeNotifyIconCalls() { return g_shell.calls; }

const std::vector<NotifyIconRecord>& FakeTrayIcons() { return g_shell.icons; }

const NotifyIconRecord* FakeTrayIcon(const IconGuid& guid) {
    const auto found = Find(guid);
    return found == g_shell.icons.end() ? nullptr : &*found;
}

void FakeNotifyIconRefuseAdds(std::size_t count) { g_shell.refusedAdds = count; }

void FakeNotifyIconSetRect(const IconGuid& guid, const ScreenRect& rect) { g_shell.rects.emplace_back(guid, rect); }

const std::vector<NotifyBalloon>& FakeBalloons() { return g_shell.balloons; }

void FakeNotifyIconSetTaskbarCreatedMessage(std::uint32_t message) { g_shell.taskbarCreated = message; }

bool NotifyIconAdd(const NotifyIconRecord& record) {
    const bool refused = g_shell.refusedAdds > 0 || Find(record.guid) != g_shell.icons.end();
    if (g_shell.refusedAdds > 0) --g_shell.refusedAdds;
    if (!refused) g_shell.icons.push_back(record);
    return Record(NotifyCallKind::Add, record.guid, !refused);
}

bool NotifyIconModify(const NotifyIconRecord& record) {
    const auto found = Find(record.guid);
    if (found != g_shell.icons.end()) *found = record;
    return Record(NotifyCallKind::Modify, record.guid, found != g_shell.icons.end());
}

bool NotifyIconDelete(const IconGuid& guid) {
    const auto found = Find(guid);
    const bool ok = found != g_shell.icons.end();
    if (ok) g_shell.icons.erase(found);
    return Record(NotifyCallKind::Delete, guid, ok);
}

bool NotifyIconUseVersion4(const IconGuid& guid) {
    return Record(NotifyCallKind::Version, guid, Find(guid) != g_shell.icons.end());
}

bool NotifyIconShowBalloon(const NotifyBalloon& balloon) {
    const auto found = Find(balloon.guid);
    const bool ok = found != g_shell.icons.end();
    if (ok) {
        found->tip = balloon.tip;
        g_shell.balloons.push_back(balloon);
    }
    return Record(NotifyCallKind::Balloon, balloon.guid, ok);
}

bool NotifyIconRect(const IconGuid& guid, ScreenRect& rect) {
    for (const auto& [icon, where] : g_shell.rects) {
        if (icon == guid && Find(guid) != g_shell.icons.end()) {
            rect = where;
            return true;
        }
    }
    return false;
}

std::uint32_t NotifyIconTaskbarCreatedMessage() { return g_shell.taskbarCreated; }
