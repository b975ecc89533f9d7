#include "monitors/identification.h"

#include <gtest/gtest.h>

#include "monitors/laptop_panel.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "testing/fakes/display_config_fake.h"
#include "testing/fakes/wmi_fake.h"
#include "testing/program_state.h"

namespace {

constexpr const wchar_t* kDellPath =
    L"\\\\?\\DISPLAY#DEL4065#5&2c8c0a2e&0&UID4352#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";
constexpr const wchar_t* kWinePath = L"\\\\?\\DISPLAY#Default_Monitor#0000&0000#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";

TEST(Identification, DevicePathsAndWmiNamesMeetInOneForm) {
    const struct {
        std::wstring text;
        InstanceKind kind;
        std::wstring form;
    } cases[] = {
        {kDellPath, InstanceKind::DevicePath, L"DEL4065#5&2c8c0a2e&0&UID4352"},
        {L"DISPLAY\\DEL4065\\5&2c8c0a2e&0&UID4352_0", InstanceKind::WmiInstance, L"DEL4065#5&2c8c0a2e&0&UID4352"},
        {kWinePath, InstanceKind::DevicePath, L"Default_Monitor#0000&0000"},
        {L"\\\\?\\DISPLAY#ABC1234#no_more_hash", InstanceKind::DevicePath, L"ABC1234"},
        {L"MONITOR\\DEL4065", InstanceKind::WmiInstance, L""},
        {L"\\\\?\\DISPLAY#" + std::wstring(200, L'x'), InstanceKind::DevicePath, std::wstring(127, L'x')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IdentificationForm(c.text, c.kind), c.form) << std::string(c.text.begin(), c.text.end());
    }
    EXPECT_EQ(ConnectorName(0x80000000u), L"internal LCD");
    EXPECT_EQ(LookupManufacturer(L"FTL"), L"Fujitsu");  // the last of a list of codes
    for (const wchar_t* unknown : {L"del", L"DE", L"L D"}) EXPECT_EQ(LookupManufacturer(unknown), L"") << unknown;
}

TEST(Identification, EdidNameFromItsAlphanumericDescriptors) {
    auto block = [](std::initializer_list<std::pair<std::size_t, const char*>> descriptors) {
        std::array<std::uint8_t, 128> edid{};
        for (const auto& [offset, text] : descriptors) {
            edid[offset + 3] = 0xFE;
            for (std::size_t i = 0; text[i] != 0 && i < 13; ++i) edid[offset + 5 + i] = static_cast<std::uint8_t>(text[i]);
        }
        return edid;
    };
    EXPECT_EQ(EdidAlphanumericName(block({{54, "AB CD"}})), L"");
    EXPECT_EQ(EdidAlphanumericName(block({{72, "PANEL 123\n   "}})), L"PANEL-123");
    EXPECT_EQ(EdidAlphanumericName(block({{54, "FIRST-NAME"}, {108, "SECOND-NAME"}})), L"SECOND-NAME");
    std::array<std::uint8_t, 128> notText = block({{90, "NOT-A-STRING"}});
    notText[90 + 4] = 1;
    EXPECT_EQ(EdidAlphanumericName(notText), L"");
}

TEST(Identification, FillsWhatTheDisplayConfigurationKnowsAndFallsBack) {
    ResetProgramState();
    FakeDisplayConfigSet(L"\\\\.\\display1", {5, kDellPath, L"DELL U2424H"});
    FakeDisplayConfigSet(L"\\\\.\\DISPLAY2", {10, kDellPath, L""});
    FakeDisplayConfigSet(L"\\\\.\\DISPLAY3", {99, kWinePath, L"default"});
    FakeDisplayConfigSet(L"\\\\.\\DISPLAY4", {4, L"USB#whatever", L"Projector"});
    g_settings.known[4].mUID = L"5&2c8c0a2e&0&UID4352";
    MonitorEntry dell, codes, wine, foreign, missing;
    EXPECT_EQ(IdentifyMonitor(dell, L"\\\\.\\DISPLAY1"), L"DELL U2424H");
    EXPECT_EQ(dell.deviceUid + L"|" + dell.connectionType + L"|" + dell.vendorCode + L"|" + dell.productCode + L"|" +
                  dell.manufacturerName + L"|" + dell.friendlyName,
              L"DEL4065#5&2c8c0a2e&0&UID4352|HDMI|DEL|4065|Dell|DELL U2424H");
    EXPECT_EQ(g_settings.known[4].mUID, dell.deviceUid) << "a record of an older version is taken over";

    EXPECT_EQ(IdentifyMonitor(codes, L"\\\\.\\DISPLAY2"), L"DEL4065");
    EXPECT_EQ(IdentifyMonitor(wine, L"\\\\.\\DISPLAY3"), L"DISPLAY3");
    EXPECT_EQ(wine.vendorCode + L"|" + wine.productCode + L"|" + wine.connectionType, L"Default||");
    EXPECT_EQ(IdentifyMonitor(foreign, L"\\\\.\\DISPLAY4"), L"Projector");
    EXPECT_EQ(foreign.deviceUid, L"monitorDevicePath");
    EXPECT_EQ(IdentifyMonitor(missing, L"\\\\.\\DISPLAY5"), L"DISPLAY5");
}

std::vector<std::uint8_t> FromHex(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// Base EDID blocks of real displays; only their 0xFE descriptors can name a monitor.
TEST(Identification, WmiAddsSerialDateAndTheEdidName) {
    const std::wstring instance = L"DISPLAY\\DEL4065\\5&2c8c0a2e&0&UID4352_0";
    const struct {
        std::vector<std::uint32_t> serial;
        std::string edid;
        std::wstring name, serialNumber;
    } cases[] = {
        {{'C', 'X', '2', 0, 0}, "00ffffffffffff0010ac092001010101281c010380301b782a6925a35b50a327115054a54b00714f8180a9c0d1c00101010101010101023a801871382d40582c"
         "4500dc0c1100001e000000ff004358325447384135304536420a000000fc004532323139484e0a2020202020000000fd00384c1e5311000a2020202020200167", L"DEL4065", L"CX2"},
        {{'X', 0}, "00ffffffffffff0006af060f00000000010e0102801e17780a12e591525289272450540000000101010101010101010101010101010164190040410026301888"
         "360030e4100000180000000f00067708ff010f052e2dff053f01000000fe0041554f0a202020202020202020000000fe00423135305847303156320a202000dd", L"B150XG01V2", L""},
        {{}, "00ffffffffffff0006af2d1000000000001a0104951d117802c314935859922922515700000001010101010101010101010101010101143780b8703824401010"
         "3e0025a51000001a242c80b87038244010103e0025a51000001a000000fe0046435447388042313333484142000000000000412296001100000a010a20200064", L"FCTG8\x80" L"B133HAB", L""},
        {{'A', 'B'}, "00ffffffffffff0030e414020000000000130103902313780a1be59e595098260e5054000000010101010101010101010101010101012f2640a060841a303020"
         "350059c21000001b2f2640a060841a303020350059c21000001b000000fe004730323854803135365744310a0000000000000000000000000002010a202000e8", L"G028T\x80" L"156WD1", L"AB"},
        {{}, "", L"DEL4065", L""},  // the block cannot be read
    };
    for (const auto& c : cases) {
        ResetProgramState();
        FakeDisplayConfigSet(L"\\\\.\\DISPLAY1", {5, kDellPath, L""});
        FakeWmiState().monitorIds = {{L"DISPLAY\\OTHER01\\1&1&0&UID1_0", {'Z', 'Z'}, 1999, 1}, {instance, c.serial, 0x107E2, 40}};
        FakeWmiState().descriptorMethods = {{instance, L"path"}};
        FakeWmiState().edidBlock = FromHex(c.edid);
        FakeWmiState().failQueries = true;  // what came before the failure still counts
        MonitorEntry entry;
        EXPECT_EQ(IdentifyMonitor(entry, L"\\\\.\\DISPLAY1"), c.name);
        EXPECT_EQ(entry.serialNumber, c.serialNumber);
        EXPECT_EQ(entry.yearOfManufacture * 100 + entry.weekOfManufacture, 201840);
        EXPECT_FALSE(entry.isLaptopPanel);
    }
}

TEST(Identification, TheLaptopPanelIsTheWmiPanelInstanceThatDoesNotAnswerDdc) {
    ResetProgramState();
    FakeWmiState().brightness = {{L"DISPLAY\\DEL4065\\5&2c8c0a2e&0&UID4352_0", true, 50, {0, 50, 100}}};
    FakeWmiState().monitorIds = {{L"DISPLAY\\DEL4065\\5&2c8c0a2e&0&UID4352_0", {}, 0, 0}};
    FakeDisplayConfigSet(L"\\\\.\\DISPLAY1", {0x80000000u, kDellPath, L"Panel"});
    AttachLaptopPanel();
    MonitorEntry panel, answering;
    answering.ddcCapable = true;
    IdentifyMonitor(panel, L"\\\\.\\DISPLAY1");
    IdentifyMonitor(answering, L"\\\\.\\DISPLAY1");
    EXPECT_TRUE(panel.isLaptopPanel);
    EXPECT_FALSE(answering.isLaptopPanel);
}

}  // namespace
