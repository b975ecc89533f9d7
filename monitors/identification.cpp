#include "monitors/identification.h"

#include <cwctype>
#include <iterator>

#include "log/event_log.h"
#include "monitors/monitor_names.h"
#include "monitors/monitor_table.h"
#include "monitors/monitor_wmi.h"
#include "platform/display_config.h"
#include "platform/shell.h"
#include "settings/settings.h"

namespace {

constexpr wchar_t kDevicePathMarker[] = L"\\\\?\\DISPLAY#";
constexpr wchar_t kWmiMarker[] = L"DISPLAY\\";
constexpr std::size_t kInstanceChars = 127;
constexpr std::size_t kCutFrom = 24;  // an "_" this far in starts a suffix the two forms do not share
constexpr std::size_t kOldUidPrefixChars = 8;  // "DEL4065#": vendor and product, missing in old records
constexpr std::size_t kKnownUidChars = 63;
constexpr std::size_t kFriendlyNameChars = 63;

struct Connector {
    std::uint32_t technology;
    const wchar_t* name;
};
constexpr Connector kConnectors[] = {
    {0, L"HD15(VGA)"},        {1, L"S-Video"},          {2, L"Composite Video"},
    {3, L"Component Video"},  {4, L"DVI"},              {5, L"HDMI"},
    {6, L"LVDS"},             {8, L"Japanese D"},       {9, L"SDI"},
    {10, L"external DisplayPort"}, {11, L"embedded DisplayPort"}, {12, L"external UDI"},
    {13, L"embedded UDI"},    {14, L"SDTV"},            {15, L"Miracast"},
    {0x80000000u, L"internal LCD"},
};

struct Manufacturer {
    const wchar_t* name;
    const wchar_t* codes;  // three letters each, separated by one space
};
constexpr Manufacturer kManufacturers[] = {
    {L"Acer", L"CHE ALI ANX ACR"},
    {L"Dell", L"DLL DEL"},
    {L"D-Link", L"AXE ABO DLK"},
    {L"Eizo", L"EGD ENC"},
    {L"Fujitsu", L"FDT FGL FUJ FML FPE FUS FJS FJC FTL"},
    {L"Hewlett-Packard", L"HWP HPD HPC HPQ"},
    {L"Iiyama", L"IVM"},
    {L"Kensington", L"KML"},
    {L"Lenovo", L"LNV LIN LEN"},
    {L"Philips", L"PCA PHS PHL PHE PSC"},
    {L"Samsung", L"SAM SKT SSE STN KYK SEM"},
    {L"Sony", L"SNY SON"},
    {L"Terra", L"TER"},
    {L"ViewSonic", L"VSC"},
    {L"Yamaha", L"YMH"},
    {L"Denon", L"DON"},
    {L"Harman", L"HII"},
    {L"Onkyo", L"ONK"},
    {L"Pioneer", L"PCI PIO"},
    {L"Marantz", L"MJI"},
};

constexpr std::size_t kEdidDescriptors[] = {54, 72, 90, 108};
constexpr std::size_t kEdidTextChars = 13;
constexpr std::size_t kEdidNameMinChars = 6;
constexpr std::size_t kEdidNameMaxChars = 15;

bool EqualsNoCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) {
            return false;
        }
    }
    return true;
}

// Records of earlier versions keyed the monitor without its vendor and product prefix.
void UpgradeOldKnownUid(const std::wstring& uid) {
    if (uid.size() <= kOldUidPrefixChars) {
        return;
    }
    const std::wstring oldForm = uid.substr(kOldUidPrefixChars);
    for (KnownMonitor& known : g_settings.known) {
        if (known.mUID == oldForm) {
            known.mUID = LimitText(uid, kKnownUidChars);
            return;
        }
    }
}

void ReadVendorAndProduct(MonitorEntry& entry, const std::wstring& devicePath) {
    const std::size_t marker = devicePath.find(kDevicePathMarker);
    if (marker == std::wstring::npos) {
        return;
    }
    const std::wstring rest = devicePath.substr(marker + std::size(kDevicePathMarker) - 1);
    if (rest.find(L'#') == std::wstring::npos) {
        return;
    }
    if (rest.find(L"Default") == std::wstring::npos) {
        entry.vendorCode = rest.substr(0, 3);
        entry.productCode = rest.substr(3, 4);
    } else {
        entry.vendorCode = rest.substr(0, 7);
    }
    entry.manufacturerName = LookupManufacturer(entry.vendorCode);
}

}  // namespace

std::wstring DisplayFallbackName(const std::wstring& displayDeviceName) {
    static const std::wstring kPrefix = L"\\\\.\\";
    if (displayDeviceName.compare(0, kPrefix.size(), kPrefix) == 0) {
        return displayDeviceName.substr(kPrefix.size());
    }
    return displayDeviceName;
}

std::wstring IdentificationForm(const std::wstring& text, InstanceKind kind) {
    const std::wstring marker = kind == InstanceKind::DevicePath ? kDevicePathMarker : kWmiMarker;
    const std::size_t at = text.find(marker);
    if (at == std::wstring::npos) {
        return {};
    }
    std::wstring form = text.substr(at + marker.size(), kInstanceChars);
    if (kind == InstanceKind::DevicePath) {
        const std::size_t last = form.rfind(L'#');
        if (last != std::wstring::npos) {
            form.resize(last);
        }
    }
    const std::size_t underscore = form.find(L'_', kCutFrom);
    if (underscore != std::wstring::npos) {
        form.resize(underscore);
    }
    if (kind == InstanceKind::WmiInstance) {
        const std::size_t backslash = form.find(L'\\');
        if (backslash != std::wstring::npos) {
            form[backslash] = L'#';
        }
    }
    return form;
}

std::wstring ConnectorName(std::uint32_t outputTechnology) {
    for (const Connector& connector : kConnectors) {
        if (connector.technology == outputTechnology) {
            return connector.name;
        }
    }
    return {};
}

std::wstring LookupManufacturer(const std::wstring& code) {
    if (code.size() != 3) {
        return {};
    }
    for (const Manufacturer& manufacturer : kManufacturers) {
        const std::wstring codes = manufacturer.codes;
        for (std::size_t at = 0; at + 3 <= codes.size(); at += 4) {
            if (codes.compare(at, 3, code) == 0) {
                return manufacturer.name;
            }
        }
    }
    return {};
}

std::wstring EdidAlphanumericName(const std::array<std::uint8_t, 128>& block) {
    std::wstring name;
    for (std::size_t offset : kEdidDescriptors) {
        const std::uint8_t* descriptor = block.data() + offset;
        if (descriptor[0] != 0 || descriptor[1] != 0 || descriptor[2] != 0 || descriptor[3] != 0xFE ||
            descriptor[4] != 0) {
            continue;
        }
        std::string text;
        for (std::size_t i = 0; i < kEdidTextChars; ++i) {
            const std::uint8_t c = descriptor[5 + i];
            if (c == '\n' || c == '\r' || c == 0) {
                break;
            }
            text += c == ' ' ? '-' : static_cast<char>(c);
        }
        if (text.size() >= kEdidNameMinChars) {
            name = LimitText(ShellTextFromAnsi(text), kEdidNameMaxChars);
        }
    }
    return name;
}

std::wstring IdentifyMonitor(MonitorEntry& entry, const std::wstring& displayDeviceName) {
    const std::wstring fallback = DisplayFallbackName(displayDeviceName);
    DisplayTarget target;
    if (!DisplayConfigFindTarget(displayDeviceName, target)) {
        return fallback;
    }
    entry.connectionType = ConnectorName(target.outputTechnology);
    if (!entry.connectionType.empty()) {
        LogEvent(0xFFFFFFFFu, -1, L"connection", kLogNoOutcome, entry.connectionType.c_str());
    }
    const std::wstring uid = IdentificationForm(target.devicePath, InstanceKind::DevicePath);
    if (target.devicePath.find(kDevicePathMarker) != std::wstring::npos) {
        entry.deviceUid = uid;
        UpgradeOldKnownUid(uid);
    }
    ReadWmiMonitorId(entry);

    std::wstring name = target.friendlyName;
    ReadVendorAndProduct(entry, target.devicePath);
    if (name.empty()) {
        name = ReadEdidName(entry);
    }
    if (name.empty()) {
        name = entry.vendorCode + entry.productCode;
    }
    if (EqualsNoCase(name, L"Default")) {
        name = fallback;
    }
    entry.friendlyName = LimitText(name, kFriendlyNameChars);
    return entry.friendlyName;
}
