#include "monitors/monitor_wmi.h"

#include <array>
#include <cstring>
#include <vector>

#include "log/event_log.h"
#include "monitors/identification.h"
#include "monitors/laptop_panel.h"
#include "monitors/monitor_table.h"
#include "platform/wmi.h"

namespace {

constexpr std::size_t kMaxSerialElements = 31;
constexpr std::size_t kMinSerialChars = 2;
constexpr std::size_t kEdidBlockBytes = 128;

// The serial's characters end at the first zero: WMI pads the array with zeros.
std::wstring SerialFrom(const std::vector<std::uint32_t>& elements) {
    if (elements.empty() || elements.size() > kMaxSerialElements) return {};
    std::wstring serial;
    for (const std::uint32_t element : elements) {
        const auto c = static_cast<wchar_t>(element & 0xFFFFu);
        if (c == 0) break;
        serial += c;
    }
    return serial.size() < kMinSerialChars ? std::wstring() : serial;
}

}  // namespace

bool ReadWmiMonitorId(MonitorEntry& entry) {
    std::vector<WmiMonitorIdRecord> records;
    if (!WmiQueryMonitorIds(records)) LogEvent(static_cast<std::uint32_t>(-1), -1, L"WmiMonitorID", false, nullptr);
    for (const WmiMonitorIdRecord& record : records) {
        const std::wstring form = IdentificationForm(record.instanceName, InstanceKind::WmiInstance);
        if (form.empty() || form != entry.deviceUid) continue;
        entry.wmiInstanceName = form;
        if (form == PanelInstanceName() && !entry.ddcCapable) entry.isLaptopPanel = true;
        entry.serialNumber = SerialFrom(record.serialNumberId);
        if (!entry.serialNumber.empty()) {
            LogEvent(static_cast<std::uint32_t>(-1), -1, L"serial number", kLogNoOutcome, entry.serialNumber.c_str());
        }
        entry.yearOfManufacture = static_cast<std::int32_t>(record.yearOfManufacture & 0xFFFFu);
        entry.weekOfManufacture = static_cast<std::int32_t>(record.weekOfManufacture & 0xFFu);
        return true;
    }
    return false;
}

std::wstring ReadEdidName(const MonitorEntry& entry) {
    std::vector<WmiMethodTarget> targets;
    if (!WmiQueryDescriptorMethods(targets)) {
        LogEvent(static_cast<std::uint32_t>(-1), -1, L"WmiMonitorDescriptorMethods", false, nullptr);
    }
    for (const WmiMethodTarget& target : targets) {
        if (IdentificationForm(target.instanceName, InstanceKind::WmiInstance) != entry.deviceUid) continue;
        std::vector<std::uint8_t> content;
        const bool read = WmiReadEdidBlock(target.path, content);
        LogEvent(static_cast<std::uint32_t>(-1), -1, L"WmiGetMonitorRawEEdidV1Block", read, nullptr);
        if (!read || content.size() != kEdidBlockBytes) return {};
        std::array<std::uint8_t, kEdidBlockBytes> block{};
        std::memcpy(block.data(), content.data(), block.size());
        return EdidAlphanumericName(block);
    }
    return {};
}
