// Requests filed in a MonitorEntry (factory reset, colour temperature, input, preset,
// generic set and get, power toggle) that the discovery pass carries out.
#pragma once
#include <cstdint>
#include <string>

#include "platform/ddc.h"

struct MonitorEntry;

struct ProbePolicy {
    std::int32_t attempts = 3;
    std::int32_t pauseMs = 50;
};

// The message box a VCP request prepared; the main window shows it when timer 0x46 fires.
struct VcpMessage {
    std::wstring title;
    std::wstring text;
    bool failure = false;  // shown with a warning, even when the line wanted the value instead
};


// Stores the box and arms the main window's timer that shows it.
void PrepareVcpMessage(std::wstring title, std::wstring text, bool failure);
const VcpMessage& PreparedVcpMessage();
void ClearPreparedVcpMessage();
// The code's name from the VCP code table as the boxes show it: at most 35 characters.
std::wstring VcpCodeDisplayName(std::uint8_t code);
// printf-style formatting of the boxes' and log lines' texts (at most 1023 characters).
std::wstring FormatWide(const wchar_t* format, ...);

// Runs in order: factory reset, colour temperature, input, preset, generic set, generic get.
// May change policy and set entry.ddcState to 2.
void ExecutePendingRequests(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor, ProbePolicy& policy);
// Toggles the monitor's power through VCP 0xD6.
void PowerToggle(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor);
