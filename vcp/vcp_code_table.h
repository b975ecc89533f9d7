// Names, types and access of the MCCS VCP codes 0x00..0xFF, as the explorer and the
// message boxes show them. vcp/ depends on nothing but the standard library.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

struct VcpCodeRow {
    std::uint32_t seen = 0;            // set when the code was read from a monitor that announced it
    std::string_view type{};           // "" continuous, "NC" non-continuous, "T" table
    std::string_view access = "RW";    // "RW", "RO" or "WO"
    std::string_view name{};           // at most 35 characters; empty for unassigned codes
};

using VcpCodeTable = std::array<VcpCodeRow, 256>;

extern VcpCodeTable g_vcpCodeTable;

// Fills every row afresh (seen cleared); run once at start-up.
void VcpCodeTableBuild();
const VcpCodeRow& VcpLookup(std::uint8_t code);
// Code 0 and the table codes are never read or written one by one.
bool IsProbeable(std::int32_t code);
