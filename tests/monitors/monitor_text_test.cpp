#include <gtest/gtest.h>

#include <array>

#include "monitors/capabilities.h"
#include "monitors/configuration_signature.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_info_text.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_names.h"
#include "monitors/monitor_table.h"
#include "monitors/percent.h"
#include "settings/settings.h"
#include "settings/ui_language.h"
#include "testing/fakes/monitor_list_view_fake.h"
#include "testing/program_state.h"
#include "vcp/value_names.h"

namespace {

TEST(MonitorText, SpacesOfTheFirst64CharactersAndValueNames) {
    const std::pair<std::wstring, std::wstring> names[] = {
        {L"  a  b  ", L"ab"},
        {std::wstring(63, L'x') + L" y", std::wstring(63, L'x') + L"y"},
        {std::wstring(64, L'x') + L" y", std::wstring(64, L'x') + L" y"},
        {std::wstring(10, L' ') + std::wstring(54, L'x') + L" z", std::wstring(54, L'x') + L" z"},
    };
    for (auto [in, out] : names) {
        RemoveSpaces(in);
        EXPECT_EQ(in, out);
    }
    const struct {
        std::uint8_t code;
        std::uint32_t value;
        std::wstring name;
    } values[] = {{0x14, 0x05, L"6500K"}, {0x14, 0x0E, L""},          {0x60, 0x12, L"HDMI2"}, {0x60, 0x13, L""},
                  {0xDC, 0x0A, L"Demonstration"}, {0xDC, 0x0B, L""}, {0x10, 0x01, L""},      {0x14, 0xFFFFFFFF, L""}};
    for (const auto& v : values) EXPECT_EQ(VcpValueName(v.code, v.value), v.name) << int(v.code) << " " << v.value;
}

TEST(MonitorText, PercentRoundsHalfAwayFromZeroOverTheRawRange) {
    // The last product overflows 32 bits.
    for (const auto [a, b, c, q] : {std::array{1, 1, 2, 1}, {-1, 1, 2, -1}, {2, 1, 3, 1}, {1, -1, 2, -1},
                                    {100000, 100000, 100000, 100000}, {5, 5, 0, -1}}) {
        EXPECT_EQ(MulDiv(a, b, c), q) << a << " " << b << " " << c;
    }
}

TEST(MonitorText, CapabilitiesOfRealStrings) {
    const std::string realtek =
        "(prot(monitor)type(LCD)model(RTK)cmds(01 02 03 07 0C E3 F3)vcp(02 04 05 06 08 0B 0C 0E 10 12 "
        "14(01 05 06 08 0B) 16 18 1A 1E 1F 20 30 3E 52 60(01) AC AE B2 B6 C6 C8 CA CC(02 03 04 05 06 09 0A 0D) "
        "D6(01 04 05) DF FD FF)mswhql(1)asset_eep(40)mccs_ver(2.2))";
    const std::string truncated =
        "(prot(monitor)type(LCD)model(U2424H)cmds(01 02 03 07 0C E3 F3)vcp(02 04 05 08 10 12 14(01 04 05 06 08 09 "
        "0B 0C)E5 E7(02 03) E2(00 02 04 0C 0D 0F)";
    const std::string lower = "(prot(monitor)type(lcd)Model(PD3220U)vcp(10 12 6b 14  (04 05 06) 60(11 12 0F) dc(00 05))";
    using Values = std::vector<std::uint8_t>;

    EXPECT_EQ(CapsModel(lower), L"PD3220U");
    EXPECT_EQ(CapsModel("model(" + std::string(40, 'M') + ")"), std::wstring(31, L'M'));
    EXPECT_EQ(CapsModel("model(unterminated"), L"");
    EXPECT_TRUE(CapsListsCode(lower, "6B"));
    EXPECT_TRUE(CapsListsCode(realtek, "0E"));
    EXPECT_FALSE(CapsListsCode(realtek, "0A")) << "a value inside a nested list is no code";
    EXPECT_TRUE(CapsListsCode(truncated, "E5"));
    EXPECT_FALSE(CapsListsCode("model(x)", "10"));
    EXPECT_EQ(CapsValues(realtek, "14").values, (Values{0x01, 0x05, 0x06, 0x08, 0x0B}));
    EXPECT_EQ(CapsValues(lower, "14").values, (Values{0x04, 0x05, 0x06}));
    EXPECT_EQ(CapsValues(truncated, "14").values.size(), 8u);
    EXPECT_FALSE(CapsValues(realtek, "DC").found);
    // Junk inside a list is skipped instead of stalling the walk; a list without ")" ends with the text.
    EXPECT_EQ(CapsValues("vcp(14(05 zz 0B", "14").values, (Values{0x05, 0x0B}));
}

MonitorEntry Entry(const std::wstring& uid, const std::wstring& name, std::int32_t brightnessMax = 100) {
    MonitorEntry entry;
    entry.deviceUid = uid;
    entry.displayName = name;
    entry.brightness = 40;
    entry.brightnessMax = brightnessMax;
    return entry;
}

TEST(KnownMonitorBinding, NewMonitorsTakeFreeSlotsAndKnownOnesTheirOwn) {
    ResetProgramState();
    const wchar_t* fonts[] = {L"Trebuchet MS", L"Impact", L"Calibri", L"Book Antiqua", L"Palatino Linotype",
                              L"Palatino Linotype"};
    g_settings.known[0].mUID = L"taken";
    for (int row = 0; row < 6; ++row) {
        const MonitorEntry entry = Entry(L"UID" + std::to_wstring(row), L"Name" + std::to_wstring(row), row == 0 ? 0 : 100);
        EXPECT_EQ(BindKnownMonitor(entry, row, false), entry.displayName);
        const KnownMonitor& slot = g_settings.known[row + 1];
        EXPECT_EQ(slot.mUID, entry.deviceUid);
        EXPECT_EQ(slot.fontname, fonts[row]);
        EXPECT_EQ(slot.MonitorBrightness, row == 0 ? -1 : 40) << "no range, no remembered value";
    }
    for (KnownMonitor& known : g_settings.known) known.mUID = L"other";
    EXPECT_EQ(BindKnownMonitor(Entry(L"new", L"N"), 0, false), L"N");
    EXPECT_EQ(FindKnownMonitor(L"new"), -1);

    ResetProgramState();
    g_settings.known[3].mUID = L"DEL4065";
    g_settings.known[3].mname = L"Left screen";
    g_settings.known[3].MonitorBrightness = 10;
    g_settings.known[9].mUID = L"DEL4065";
    g_settings.known[9].use6B = 1;
    MonitorEntry entry = Entry(L"DEL4065", L"DELL");
    entry.brightness = 70;
    EXPECT_EQ(BindKnownMonitor(entry, 0, false), L"Leftscreen");
    EXPECT_EQ(g_settings.known[3].MonitorBrightness, 10);
    EXPECT_TRUE(g_settings.known[9].mUID.empty());
    EXPECT_EQ(g_settings.known[9].use6B, 0);
    BindKnownMonitor(entry, 0, true);
    EXPECT_EQ(g_settings.known[3].MonitorBrightness, 70);
    EXPECT_EQ(g_settings.known[3].MonitorContrast, 50) << "no contrast range: left alone";

    const MonitorEntry longUid = Entry(std::wstring(100, L'U'), L"Long");
    BindKnownMonitor(longUid, 0, false);
    BindKnownMonitor(longUid, 0, true);
    EXPECT_EQ(g_settings.known[0].mUID.size(), 63u);
    EXPECT_TRUE(g_settings.known[1].mUID.empty()) << "a cut identification keeps its slot";
    EXPECT_EQ(KnownMonitorOf(longUid), &g_settings.known[0]);
}

TEST(MonitorList, ViewMirrorsProgramChangesAndTheSignatureReadsTheRows) {
    ResetProgramState();
    for (int i = 0; i < 11; ++i) MonitorListAppend(L"M" + std::to_wstring(i));
    EXPECT_EQ(MonitorListRowCount(), 10);
    EXPECT_TRUE(MonitorListSetCell(2, kColumnBlue, L"128"));
    EXPECT_FALSE(MonitorListSetCell(10, kColumnName, L"x"));
    MonitorListSetChecked(1, true);
    MonitorListSelect(4);
    MonitorListOnUserCheck(3, true);
    const std::vector<FakeListViewRow>& view = FakeMonitorListViewRows();
    ASSERT_EQ(view.size(), 10u);
    EXPECT_EQ(view[2].cells[kColumnBlue], L"128");
    EXPECT_TRUE(view[1].checked);
    EXPECT_EQ(FakeMonitorListViewSelected(), 4);
    EXPECT_TRUE(MonitorListIsChecked(3));
    EXPECT_FALSE(view[3].checked) << "the view already showed the user's tick; nothing echoes back";

    MonitorListClear();
    EXPECT_TRUE(FakeMonitorListViewRows().empty());
    MonitorListAppend(L"a");
    MonitorListAppend(L"b");
    g_monitors.entries[0].brightnessMax = 100;
    g_monitors.entries[0].physicalDescription = L"Generic";
    g_monitors.entries[0].gdiDeviceName = L"DISPLAY1";
    g_monitors.entries[1].vendorCode = L"DEL";
    g_monitors.entries[2].vendorCode = L"not a row";
    EXPECT_EQ(BuildConfigurationSignature(), L"100GenericDISPLAY1monitorDevicePath0monitorDevicePathDEL");
    g_monitors.entries[1].manufacturerName = std::wstring(2000, L'm');
    EXPECT_EQ(BuildConfigurationSignature().size(), kConfigurationSignatureChars);
    MonitorListClear();
}

TEST(MonitorInfoText, KnownFactsOnlyInTheUsersLanguage) {
    ResetProgramState();
    MonitorEntry& entry = g_monitors.entries[1];
    entry.friendlyName = L"DELL U2424H";
    entry.vendorCode = L"DEL";
    entry.connectionType = L"HDMI";
    entry.gpuAdapterName = L"GeForce";
    entry.usageHours = 1234;
    entry.yearOfManufacture = 2023;
    entry.weekOfManufacture = 54;
    entry.gdiDeviceName = L"DISPLAY2";
    entry.monitorRect = {1920, 0, 5760, 2160};
    UiLanguageSet(0);
    MonitorInfoText info = BuildMonitorInfoText(1);
    EXPECT_EQ(info.title, L"DISPLAY2\t      3840 x 2160");
    EXPECT_EQ(info.text,
              L"Monitorname    \t DELL U2424H\nManufacturerID \t DEL\nConnection     \t HDMI (GeForce)\n"
              L"Active hours   \t 1234\nProduction year\t 2023\n\nRight click  ->\t change monitorname, dim monitor");
    UiLanguageSet(kLanguageGerman);
    entry.weekOfManufacture = 7;
    entry.usageHours = 0;
    entry.gpuAdapterName.clear();
    EXPECT_EQ(BuildMonitorInfoText(1).text,
              L"Monitorname    \t DELL U2424H\nHerstellerID   \t DEL\nAnschluss      \t HDMI\n"
              L"Herstellung    \t 2023 (Woche 7)\n\nRechtsklick  ->\t Monitorname \u00E4ndern, Abdunkeln");
    UiLanguageSet(0);
    EXPECT_TRUE(BuildMonitorInfoText(10).text.empty());
}

}  // namespace
