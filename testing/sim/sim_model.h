// A model of DDC/CI monitors behind displays: VCP values, capabilities, handles, latencies,
// failure injection and a record of every transaction. Portable; host tests reach it through
// platform/ddc.h (testing/fakes/ddc_fake.cpp), Wine runs through the simulated dxva2.dll.
// Latencies are spent with ClockSleep, so they cost nothing on the virtual clock.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct SimVcp {
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
    std::uint32_t minimum = 0;       // what the brightness, contrast and gain calls report as minimum
    std::uint32_t factory = 0;       // current value restored by VCP 0x04
    bool readOnly = false;
};

struct SimMonitor {
    std::wstring description;            // at most 127 characters
    std::string capabilities;            // empty: the monitor gives no capabilities string
    std::map<std::uint8_t, SimVcp> vcp;  // the supported codes; any other code fails
    std::uint32_t savedCount = 0;        // SaveCurrentMonitorSettings calls that succeeded
};

struct SimDisplay {
    std::wstring deviceName;  // e.g. "\\.\DISPLAY1"
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::vector<SimMonitor> monitors;
};

struct SimLatencies {
    std::uint32_t enumerate = 0;     // count and list of a display's physical monitors
    std::uint32_t reply = 40;        // every read
    std::uint32_t write = 50;        // every write and save
    std::uint32_t capsFragment = 50;  // per 32 bytes of capabilities string, length and request alike
};

// Fails the next `count` calls that match. Empty operation matches every operation except
// DestroyPhysicalMonitors; display and monitor -1 match any. monitor is the running number
// across displays.
struct SimFailureRule {
    std::string operation;
    std::int32_t display = -1;
    std::int32_t monitor = -1;
    std::uint32_t count = 0;
    bool always = false;
};

struct SimConfig {
    std::vector<SimDisplay> displays;
    SimLatencies latencies;
    std::vector<SimFailureRule> failures;
    double failureProbability = 0;  // of any matching call, drawn from a generator seeded with failureSeed
    std::uint32_t failureSeed = 1;
};

enum class SimRange { Brightness, Contrast, RedGain, GreenGain, BlueGain };

struct SimTransaction {
    std::uint32_t tick = 0;  // ClockTickCount when the call returned
    std::string operation;   // the dxva2 function's name
    std::int32_t display = -1;
    std::int32_t monitor = -1;  // -1 for display calls and for invalid handles
    std::int32_t code = -1;     // VCP code, gain kind (0 red, 1 green, 2 blue) or -1
    std::uint32_t valueIn = 0;  // value written, count or buffer length
    std::uint32_t minimum = 0, current = 0, maximum = 0;  // values returned (count and length in current)
    bool ok = false;
};

struct SimOpenedMonitor {
    std::uintptr_t handle = 0;
    std::wstring description;
};

// Installs a configuration: drops every open handle, the record and the failure state.
void SimLoad(const SimConfig& config);
// Back to the built-in two-display configuration (sim_config.h), for test isolation.
void SimReset();
SimConfig& SimCurrent();  // live state: tests may edit values or failure rules in place

// The operations, one per dxva2 function. Each spends its latency, consults failure injection,
// and records one transaction.
bool SimGetMonitorCount(std::int32_t display, std::uint32_t& count);
bool SimOpenMonitors(std::int32_t display, std::uint32_t count, std::vector<SimOpenedMonitor>& monitors);
bool SimCloseMonitors(const std::vector<std::uintptr_t>& handles);
bool SimGetVcp(std::uintptr_t handle, std::uint8_t code, std::uint32_t& current, std::uint32_t& maximum);
bool SimSetVcp(std::uintptr_t handle, std::uint8_t code, std::uint32_t value);
bool SimGetRange(std::uintptr_t handle, SimRange range, std::uint32_t& minimum, std::uint32_t& current,
                 std::uint32_t& maximum);
bool SimSetRange(std::uintptr_t handle, SimRange range, std::uint32_t value);
bool SimGetCapabilitiesLength(std::uintptr_t handle, std::uint32_t& length);
bool SimGetCapabilities(std::uintptr_t handle, char* buffer, std::uint32_t length);
bool SimSaveSettings(std::uintptr_t handle);

// Failure injection shortcuts over SimCurrent().failures.
void SimFailNext(std::uint32_t count, const std::string& operation = {}, std::int32_t monitor = -1);
void SimFailAlways(const std::string& operation, std::int32_t display, std::int32_t monitor);
void SimSetFailureProbability(double probability, std::uint32_t seed);
void SimClearFailures();

std::size_t SimOpenHandleCount();
// Monitor by running number across displays; nullptr when there is none.
SimMonitor* SimMonitorAt(std::int32_t index);

const std::vector<SimTransaction>& SimTransactions();
void SimClearTransactions();
// Recorded calls of this operation, for one monitor and one code when they are not -1.
int SimTransactionCount(const std::string& operation, std::int32_t monitor = -1, std::int32_t code = -1);
// Called with every transaction as it is recorded (the dxva2.dll appends them to a log file).
void SimSetTransactionObserver(void (*observer)(const SimTransaction&));
// Called after each call that changed monitor state (the dxva2.dll persists it).
void SimSetChangeObserver(void (*observer)());
// One line, e.g. "1040 GetVCPFeatureAndVCPFeatureReply display=0 monitor=1 code=0x10 in=0 min=0 cur=50 max=100 ok".
std::string SimFormatTransaction(const SimTransaction& transaction);
