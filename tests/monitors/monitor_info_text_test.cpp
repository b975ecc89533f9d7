#include <gtest/gtest.h>

#include "monitors/monitor_info_text.h"
#include "monitors/monitor_table.h"
#include "settings/ui_language.h"

namespace {

TEST(MonitorInfoText, KnownFactsOnlyInTheUsersLanguage) {
    g_monitors = MonitorTable{};
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
    info = BuildMonitorInfoText(1);
    EXPECT_EQ(info.text,
              L"Monitorname    \t DELL U2424H\nHerstellerID   \t DEL\nAnschluss      \t HDMI\n"
              L"Herstellung    \t 2023 (Woche 7)\n\nRechtsklick  ->\t Monitorname \u00E4ndern, Abdunkeln");
    UiLanguageSet(0);
    EXPECT_TRUE(BuildMonitorInfoText(10).text.empty());
}

}  // namespace
