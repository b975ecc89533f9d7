#include "app/restart.h"

#include "log/event_log.h"
#include "platform/requests.h"

void RestartLogged(const wchar_t* reason) {
    if (RestartIsPending()) return;
    LogEvent(static_cast<std::uint32_t>(-1), -1, reason, kLogNoOutcome, nullptr);
    RequestRestart();
}
