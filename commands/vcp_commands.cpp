#include "commands/vcp_commands.h"

#include <algorithm>
#include <string>

#include "commands/interpreter.h"
#include "commands/scan.h"
#include "commands/target.h"
#include "monitors/discovery.h"
#include "monitors/monitor_table.h"
#include "monitors/pending_requests.h"
#include "platform/clock.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "settings/texts.h"
#include "settings/ui_language.h"
#include "vcp/vcp_code_table.h"

namespace {

constexpr std::uint32_t kRereadDelayMs = 20;
constexpr std::uint32_t kSettleAfterSetMs = 500;

bool ReadCode(const wchar_t*& p, std::uint8_t& code) {
    std::uint32_t value = 0;
    if (!ReadHexNumber(p, value) || value < 1 || value > 255) return false;
    code = static_cast<std::uint8_t>(value);
    return true;
}

// Table codes need a data block that the language cannot give; the user is told so.
bool RefuseTableCode(std::uint8_t code, const wchar_t* word) {
    if (VcpLookup(code).type != "T") return false;
    const wchar_t* pattern = UiText(TextId::VcpTableCodeRefused);
    PrepareVcpMessage(FormatWide(L"%ls 0x%02X", word, code),
                      FormatWide(pattern, TargetEntry().displayName.c_str(), VcpCodeDisplayName(code).c_str(), word, code),
                      true);
    return true;
}

// A pass that stores the code's value in the target entry without any message.
void SilentRead(std::uint8_t code) {
    TargetEntry().pendingGetCode = code;
    TargetEntry().pendingGetOptions.noMessage = true;
    DiscoverMonitors(false);
}

}  // namespace

bool RunSetVcp(const wchar_t*& p) {
    p += 6;
    std::uint8_t code = 0;
    if (!ReadCode(p, code) || RefuseTableCode(code, L"setVCP")) return false;
    NumberArgument number;
    if (!ReadNumberArgument(p, number)) return false;
    std::int64_t value = number.value;
    if (number.sign != Sign::None) {
        MonitorEntry& entry = TargetEntry();
        entry.getResultCurrent = entry.getResultMax = -1;
        SilentRead(code);
        if (entry.getResultCurrent == -1 && entry.getResultMax == -1) return false;
        value = number.sign == Sign::Minus ? std::max<std::int64_t>(std::int64_t{entry.getResultCurrent} - value, 0)
                                           : std::min<std::int64_t>(std::int64_t{entry.getResultCurrent} + value, entry.getResultMax);
    }
    TargetEntry().pendingSetValue = static_cast<std::int32_t>(value);
    TargetEntry().pendingSetCode = code;
    DiscoverMonitors(false);
    ClockSleep(kSettleAfterSetMs);
    SilentRead(code);
    MainWindowSetTimer(kTimerRereadValues, kRereadDelayMs);
    return true;
}

bool RunGetVcp(const wchar_t*& p, bool asErrorLevel) {
    InterpreterAskVcpErrorLevel(asErrorLevel);
    p += asErrorLevel ? 7 : 6;
    std::uint8_t code = 0;
    if (!ReadCode(p, code) || RefuseTableCode(code, L"getVCP")) return false;
    // A read that fails must not exit with the value of an earlier one.
    TargetEntry().getResultCopy = -1;
    TargetEntry().pendingGetCode = code;
    DiscoverMonitors(false);
    return true;
}
