#include "vcp/vcp_code_table.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

namespace {

std::set<int> Codes(const char* list) {
    std::set<int> codes;
    std::istringstream in(list);
    std::string hex;
    while (in >> hex) codes.insert(std::stoi(hex, nullptr, 16));
    return codes;
}

TEST(VcpCodeTable, TypeAndAccessFollowTheListedSets) {
    const std::set<int> nonContinuous = Codes(
        "01 02 03 04 05 06 08 0A 0B 11 14 1E 1F 2E 3E 44 52 54 60 62 63 65 66 72 82 84 86 88 8B 8D 8F 91 92 93 94 "
        "A2 AA B0 B2 B5 B6 B7 BE C4 C6 C7 C8 CA CC CD CE D0 D4 D6 D7 DA DB DC DE DF");
    const std::set<int> table = Codes("00 73 74 75 76 78 A4 B4 C3 CF D2");
    const std::set<int> readOnly = Codes("03 0B 52 65 73 78 AA AC AE B2 B6 B7 C0 C2 C6 C8 C9 CE DF");
    const std::set<int> writeOnly = Codes("01 04 05 06 08 0A 76 8B A2 B0 B5 C7 CF");
    for (int code = 0; code < 256; ++code) {
        const VcpCodeRow& row = VcpLookup(static_cast<std::uint8_t>(code));
        const char* type = nonContinuous.count(code) ? "NC" : table.count(code) ? "T" : "";
        const char* access = readOnly.count(code) ? "RO" : writeOnly.count(code) ? "WO" : "RW";
        EXPECT_EQ(row.type, type) << "code " << code;
        EXPECT_EQ(row.access, access) << "code " << code;
        EXPECT_LE(row.name.size(), 35u) << "code " << code;
        EXPECT_EQ(IsProbeable(code), code != 0 && !table.count(code)) << "code " << code;
    }
    EXPECT_FALSE(IsProbeable(256));
    EXPECT_FALSE(IsProbeable(-1));
}

TEST(VcpCodeTable, NamesKeepTheirExactSpelling) {
    const struct {
        int code;
        const char* name;
    } names[] = {
        {0x00, "VCP Code Page"}, {0x05, "Restore Factory brightness/contr."}, {0x07, ""},
        {0x10, "Brightness"}, {0x28, "Horizontal Convergence R / B"}, {0x38, "Vertical Convergence R/B"},
        {0x6B, "Backlight Level: White"}, {0x78, "DisplayIdentificationDataOperation"},
        {0x94, "Audio Processor Mode:"}, {0xB7, "DPVL : Display status"}, {0xC4, "Enable Displ. of DisplayDescriptor"},
        {0xDD, ""}, {0xDF, "VCP Version"}, {0xE0, "Manufacturer Specific"}, {0xFF, "Manufacturer Specific"},
    };
    for (const auto& n : names) EXPECT_EQ(VcpLookup(static_cast<std::uint8_t>(n.code)).name, n.name);
}

TEST(VcpCodeTable, BuildClearsTheSeenFlags) {
    g_vcpCodeTable[0x10].seen = 1;
    VcpCodeTableBuild();
    EXPECT_EQ(VcpLookup(0x10).seen, 0u);
    EXPECT_EQ(VcpLookup(0x10).name, "Brightness");
}

}  // namespace
