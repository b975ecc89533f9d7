// The VCP explorer's reading: which codes of a monitor to read, one at a time, and the list
// row each readable code gets.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kVcpColumns = 6;

struct VcpExplorerRow {
    std::uint8_t code = 0;
    // code, access, description, current, maximum, possible values
    std::array<std::wstring, kVcpColumns> cells;
    bool red = false;  // the monitor did not announce the code
};

struct VcpScan {
    struct Item {
        std::uint8_t code;
        bool announced;
        std::string values;  // the capabilities string's list for the code, "5  8  11  "
    };
    std::int32_t monitor = 0;
    bool tryAll = false;
    std::vector<Item> plan;
    std::size_t next = 0;
    std::vector<VcpExplorerRow> rows;
};

// The announced codes of the monitor's capabilities string, then with tryAll every code
// that can be read one by one.
VcpScan VcpScanStart(std::int32_t monitor, const std::string& capabilities, bool tryAll);
// Reads the next codes over DDC/CI, for about a tenth of a second, and adds a row for each
// that answered; false once nothing is left to read. A code that has a row is not read again.
bool VcpScanStep(VcpScan& scan);
void VcpScanStop(VcpScan& scan);
