#include "ui/vcp_explorer_rows.h"

#include <algorithm>

#include "log/event_log.h"
#include "monitors/pending_requests.h"
#include "monitors/visit.h"
#include "platform/clock.h"
#include "settings/texts.h"
#include "vcp/vcp_code_table.h"
#include "vcp/vcp_group.h"

namespace {

// One visit of the monitor reads codes for about this long: the message loop still turns
// several times a second, and opening the monitor costs little beside the replies.
constexpr std::uint32_t kStepMs = 100;
// Continuous codes whose maximum reaches this are counters, not ranges.
constexpr std::uint32_t kNoRangeFrom = 65535;

std::wstring Widened(const std::string& text) { return {text.begin(), text.end()}; }

VcpExplorerRow MakeRow(const VcpScan::Item& item, std::uint32_t current, std::uint32_t maximum, bool tryAll) {
    const VcpCodeRow& code = VcpLookup(item.code);
    const bool readOnly = code.access == "RO";
    VcpExplorerRow row{item.code, {}, code.seen == 0};
    row.cells[0] = FormatWide(L"%02X", item.code);
    if (readOnly) row.cells[1] = UiText(TextId::VcpReadOnly);
    if (code.access == "WO") row.cells[1] = UiText(TextId::VcpWriteOnly);
    row.cells[2] = Widened(std::string(code.name));
    row.cells[3] = std::to_wstring(current);
    if (!readOnly || tryAll) row.cells[4] = std::to_wstring(maximum);
    if (!code.type.empty()) {
        row.cells[5] = Widened(item.values);
    } else if (tryAll || (!readOnly && maximum < kNoRangeFrom)) {
        row.cells[5] = FormatWide(UiText(TextId::VcpRange), maximum);
    }
    return row;
}

bool HasRow(const VcpScan& scan, std::uint8_t code) {
    return std::any_of(scan.rows.begin(), scan.rows.end(), [&](const VcpExplorerRow& row) { return row.code == code; });
}

void SkipCodesWithRows(VcpScan& scan) {
    while (scan.next < scan.plan.size() && HasRow(scan, scan.plan[scan.next].code)) ++scan.next;
}

void ReadNext(VcpScan& scan, const PhysicalMonitor& physical) {
    const VcpScan::Item& item = scan.plan[scan.next++];
    std::uint32_t current = 0, maximum = 0;
    const bool ok = DdcGetVcpFeature(physical.handle, item.code, current, maximum);
    const std::wstring text = FormatWide(L"getVCP 0x%02X", item.code);
    if (LogEvent(static_cast<std::uint32_t>(physical.handle), scan.monitor, text.c_str(), ok, nullptr) == 0) return;
    if (item.announced) g_vcpCodeTable[item.code].seen = 1;
    scan.rows.push_back(MakeRow(item, current, maximum, scan.tryAll));
}

}  // namespace

VcpScan VcpScanStart(std::int32_t monitor, const std::string& capabilities, bool tryAll) {
    VcpScan scan;
    scan.monitor = monitor;
    scan.tryAll = tryAll;
    ParseVcpGroup(capabilities, {[&](std::uint8_t code) { scan.plan.push_back({code, true, {}}); },
                                 [&](std::uint8_t, const std::string& values) { scan.plan.back().values = values; }});
    for (int code = 1; tryAll && code <= 0xFF; ++code) {
        if (IsProbeable(code)) scan.plan.push_back({static_cast<std::uint8_t>(code), false, {}});
    }
    return scan;
}

bool VcpScanStep(VcpScan& scan) {
    SkipCodesWithRows(scan);
    if (scan.next == scan.plan.size()) return false;
    const std::size_t first = scan.next;
    const std::uint32_t start = ClockTickCount();
    VisitMonitor(scan.monitor, [&](const PhysicalMonitor& physical) {
        do {
            ReadNext(scan, physical);
            SkipCodesWithRows(scan);
        } while (scan.next < scan.plan.size() && ClockTickCount() - start < kStepMs);
        return true;
    });
    if (scan.next == first) ++scan.next;  // the monitor is gone: this code cannot be read
    return true;
}

void VcpScanStop(VcpScan& scan) { scan.next = scan.plan.size(); }
