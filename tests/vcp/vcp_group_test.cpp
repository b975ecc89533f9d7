#include "vcp/vcp_group.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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

using Reports = std::vector<std::string>;

TEST(ParseVcpGroup, ReportsCodesAndValueListsInOrder) {
    const struct {
        const char* caps;
        Reports expected;
    } cases[] = {
        {"(prot(monitor)type(lcd)model(X)cmds(01 02)vcp(02 04 10 12 14(05 08 0B) 60(0F 11) B6 DF)mccs_ver(2.1)vcp(16))",
         {"02", "04", "10", "12", "14", "14=5  8  11  ", "60", "60=15  17  ", "B6", "DF"}},
        {"vcp(10 12 dc(00 0a fe))", {"10", "12", "DC", "DC=0  10  254  "}},
        {"VCP(1012 1A)", {"10", "12", "1A"}},
        {"vcp(00 73 10)", {"10"}},
        {"vcp(73(01 02) 14(05))", {"14", "14=5  "}},
        {"model(vcp)", {}},
        {"prot(monitor)type(lcd)", {}},
        {"vcp 10 12", {}},
        {"vcp(60(0F 11 xx 12) 62)", {"60", "60=15  17  ", "62"}},
        {"vcp(10 1G 12)", {"10", "12"}},
        {"vcp(14(05 08", {"14", "14=5  8  "}},
        {"vcp(10", {"10"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Parse(c.caps), c.expected) << c.caps;
}

TEST(ParseVcpGroup, LongValueListIsCut) {
    std::string caps = "vcp(14(";
    for (int i = 0; i < 100; ++i) caps += "01 ";
    caps += "))";
    const Reports reports = Parse(caps);
    ASSERT_EQ(reports.size(), 2u);
    // 259 characters hold 86 complete "01 " items; the cut 87th is not misread as 0.
    std::string expected = "14=";
    for (int i = 0; i < 86; ++i) expected += "1  ";
    EXPECT_EQ(reports[1], expected);
}

TEST(ForgetPlaceholderCapabilities, EmptiesOnlyTheBareBrightnessContrastAnswer) {
    std::string bare = "VCP(10 12)";
    ForgetPlaceholderCapabilities(bare);
    EXPECT_EQ(bare, "");
    std::string real = "vcp(10 12 14)";
    ForgetPlaceholderCapabilities(real);
    EXPECT_EQ(real, "vcp(10 12 14)");
    std::string shorter = "vcp(10";
    ForgetPlaceholderCapabilities(shorter);
    EXPECT_EQ(shorter, "vcp(10");
}

}  // namespace
