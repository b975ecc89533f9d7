#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "vcp/vcp_code_table.h"
#include "vcp/vcp_group.h"

namespace {

TEST(VcpCodeTable, TableCodesAndCodeZeroAreNeverProbed) {
    g_vcpCodeTable[0x10].seen = 1;
    VcpCodeTableBuild();
    EXPECT_EQ(VcpLookup(0x10).seen, 0u);
    const std::vector<int> table = {0x00, 0x73, 0x74, 0x75, 0x76, 0x78, 0xA4, 0xB4, 0xC3, 0xCF, 0xD2};
    for (int code = -1; code <= 256; ++code) {
        const bool isTable = std::find(table.begin(), table.end(), code) != table.end();
        EXPECT_EQ(IsProbeable(code), code > 0 && code < 256 && !isTable) << code;
        if (code >= 0 && code < 256) {
            EXPECT_EQ(VcpLookup(static_cast<std::uint8_t>(code)).type == "T", isTable) << code;
        }
    }
}

// Reports as text: "10" for a code, "14=5  8  " for a value list.
std::vector<std::string> Parse(std::string_view caps) {
    std::vector<std::string> out;
    auto hex = [](int code) {
        char b[4];
        std::snprintf(b, sizeof b, "%02X", code);
        return std::string(b);
    };
    ParseVcpGroup(caps, VcpGroupReports{
                            .code = [&](std::uint8_t c) { out.push_back(hex(c)); },
                            .valueList = [&](std::uint8_t c, const std::string& v) { out.push_back(hex(c) + "=" + v); },
                        });
    return out;
}

TEST(ParseVcpGroup, ReportsCodesAndValueListsInOrder) {
    std::string longList = "vcp(14(";
    for (int i = 0; i < 100; ++i) longList += "01 ";
    std::string cut = "14=";  // 259 characters hold 86 whole "01 " items; the cut 87th is not read as 0
    for (int i = 0; i < 86; ++i) cut += "1  ";
    const struct {
        std::string caps;
        std::vector<std::string> expected;
    } cases[] = {
        {"(prot(monitor)type(lcd)model(X)cmds(01 02)vcp(02 04 10 12 14(05 08 0B) 60(0F 11) B6 DF)mccs_ver(2.1)vcp(16))",
         {"02", "04", "10", "12", "14", "14=5  8  11  ", "60", "60=15  17  ", "B6", "DF"}},
        {"vcp(10 12 dc(00 0a fe))", {"10", "12", "DC", "DC=0  10  254  "}},
        {"VCP(1012 1A)", {"10", "12", "1A"}},
        {"vcp(00 73 10)", {"10"}},
        {"vcp(73(01 02) 14(05))", {"14", "14=5  "}},
        {"model(vcp)", {}},
        {"vcp 10 12", {}},
        {"vcp(60(0F 11 xx 12) 62)", {"60", "60=15  17  ", "62"}},
        {"vcp(10 1G 12)", {"10", "12"}},
        {"vcp(14(05 08", {"14", "14=5  8  "}},
        {longList + "))", {"14", cut}},
    };
    for (const auto& c : cases) EXPECT_EQ(Parse(c.caps), c.expected) << c.caps;
}

TEST(ForgetPlaceholderCapabilities, EmptiesOnlyTheBareBrightnessContrastAnswer) {
    for (const auto& [caps, kept] : {std::pair<std::string, std::string>{"VCP(10 12)", ""},
                                     {"vcp(10 12 14)", "vcp(10 12 14)"}, {"vcp(10", "vcp(10"}}) {
        std::string text = caps;
        ForgetPlaceholderCapabilities(text);
        EXPECT_EQ(text, kept) << caps;
    }
}

}  // namespace
