// Identification of a display's monitor: connector, identification string, manufacturer,
// product code and a readable name, from the display configuration. What only WMI knows
// (serial number, manufacture date, the EDID name) comes through monitors/monitor_wmi.h.
#pragma once
#include <array>
#include <cstdint>
#include <string>

struct MonitorEntry;

// displayDeviceName: e.g. "\\.\DISPLAY1". Fills the identification fields it can and returns
// the derived name; the display device name without its "\\.\" prefix when nothing better
// is known.
std::wstring IdentifyMonitor(MonitorEntry& entry, const std::wstring& displayDeviceName);
// The display device name without the "\\.\" prefix.
std::wstring DisplayFallbackName(const std::wstring& displayDeviceName);

enum class InstanceKind { DevicePath, WmiInstance };
// The form in which a device path and a WMI instance name of the same monitor agree, e.g.
// DEL4065#5&2c8c0a2e&0&UID4352; empty when the text lacks its marker.
std::wstring IdentificationForm(const std::wstring& text, InstanceKind kind);
// Connector name of a display-configuration output technology; empty when unknown.
std::wstring ConnectorName(std::uint32_t outputTechnology);
// Manufacturer of a three-letter code (case-sensitive); empty when unknown.
std::wstring LookupManufacturer(const std::wstring& code);
// The name in the EDID block's alphanumeric descriptors: at least 6 characters, spaces as
// "-", read in the ANSI code page, at most 15; the last such descriptor wins. Empty when there
// is none.
std::wstring EdidAlphanumericName(const std::array<std::uint8_t, 128>& block);
