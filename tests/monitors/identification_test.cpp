#include "monitors/identification.h"

#include <gtest/gtest.h>

#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "testing/fakes/display_config_fake.h"
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

}  // namespace
