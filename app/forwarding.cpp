#include "app/forwarding.h"

#include <algorithm>
#include <cstring>
#include <limits>

ForwardedBlock MakeForwardedBlock(std::wstring_view line) {
    ForwardedBlock block{};
    const std::size_t length = std::min(line.size(), block.size() - 1);
    for (std::size_t i = 0; i < length; ++i) block[i] = static_cast<char16_t>(line[i]);
    return block;
}

bool ReadForwardedBlock(std::uintptr_t id, std::uint32_t size, const void* data, ForwardedLine& line) {
    if (size != kForwardedBlockBytes || data == nullptr) return false;
    if (id > std::numeric_limits<std::uint32_t>::max()) return false;
    ForwardedBlock block;
    std::memcpy(block.data(), data, kForwardedBlockBytes);
    block.back() = 0;
    line.origin = static_cast<std::uint32_t>(id);
    line.text.clear();
    for (const char16_t unit : block) {
        if (unit == 0) break;
        line.text += static_cast<wchar_t>(unit);
    }
    return true;
}

bool ShouldReplyTo(std::uint32_t origin, std::uint32_t ownThreadId) {
    return origin > kOriginInternalPosted && origin != ownThreadId;
}

bool ShouldExecuteLine(std::uint32_t origin, bool startedWithArguments) {
    return origin != kOriginStartup || startedWithArguments;
}

LineOutcome TakeLineOutcome(const InterpreterFlags& flags, const MonitorTable& monitors) {
    if (flags.errorLevelRequested == 0) return {};
    if (flags.getVcpErrorLevel == 0) return {flags.errorLevelValue, true};
    const std::int32_t selected = monitors.selectedMonitor;
    if (selected < 0 || selected >= kMonitorCount) return {0, true};
    return {monitors.entries[static_cast<std::size_t>(selected)].getResultCopy, true};
}

bool RestartAfterLine(std::uint32_t origin, const LineOutcome& outcome) {
    return origin == kOriginStartup && outcome.valueQueried;
}
