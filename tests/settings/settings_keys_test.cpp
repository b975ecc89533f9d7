#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "settings/settings_keys.h"

namespace {

std::wstring Joined(const SettingsPairs& pairs) {
    std::wstring text;
    for (const auto& [key, value] : pairs) text += key + L"=" + value + L"\n";
    return text;
}

Settings ReadPairs(const SettingsPairs& pairs, SettingsStatus& status) {
    Settings settings;
    for (const auto& [key, value] : pairs) SettingsApplyPair(settings, status, key, value);
    return settings;
}

Settings ReadPairs(const SettingsPairs& pairs) {
    SettingsStatus status;
    return ReadPairs(pairs, status);
}

struct ReadCase {
    const char* what;
    SettingsPairs pairs;
    std::function<bool(const Settings&)> holds;
};

TEST(SettingsReading, EachKindFollowsItsRule) {
    const std::wstring name63(63, L'n'), name64(64, L'n');
    const ReadCase cases[] = {
        {"upper-case Y is true", {{L"verify", L"Y"}}, [](const Settings& s) { return s.verify; }},
        {"any value starting with Y is true", {{L"verify", L"Yes please"}}, [](const Settings& s) { return s.verify; }},
        {"lower-case y is false", {{L"autostart", L"y"}}, [](const Settings& s) { return !s.autostart; }},
        {"empty flag is false", {{L"autostart", L""}}, [](const Settings& s) { return !s.autostart; }},
        {"hex number", {{L"wheel_B", L"0000004B"}}, [](const Settings& s) { return s.wheel_B == 75; }},
        {"two's complement", {{L"offset_brightness", L"FFFFFFF8"}},
         [](const Settings& s) { return s.offset_brightness == -8; }},
        {"lower-case digits, leading blanks", {{L"lastx", L"  1a"}}, [](const Settings& s) { return s.lastx == 26; }},
        {"at most eight digits", {{L"lasty", L"123456789"}}, [](const Settings& s) { return s.lasty == 0x12345678; }},
        {"read as a %08X scan: 0x, sign, eight characters in all",
         {{L"wheel_B", L"0x1F"}, {L"wheel_C", L"0X10"}, {L"offset_brightness", L"-1"}, {L"lastx", L"+5"}, {L"lasty", L"0x12345678"}},
         [](const Settings& s) {
             return s.wheel_B == 31 && s.wheel_C == 16 && s.offset_brightness == -1 && s.lastx == 5 && s.lasty == 0x123456;
         }},
        {"unscannable number keeps the old value", {{L"wheel_C", L"0000000F"}, {L"wheel_C", L"zz"}, {L"wheel_C", L"-"}},
         [](const Settings& s) { return s.wheel_C == 15; }},
        {"colour", {{L"ColorVolume", L"00123456"}}, [](const Settings& s) { return s.ColorVolume == 0x123456u; }},
        {"small number keeps to its 16 bits", {{L"ptimer2stimeHour", L"00010017"}},
         [](const Settings& s) { return s.timed[2].hour == 23 && s.timed[2].minute == 0; }},
        {"text below its limit", {{L"IDC_1M", name63}}, [=](const Settings& s) { return s.limits[0].monitor == name63; }},
        {"too long text is ignored", {{L"IDC_1M", L"kept"}, {L"IDC_1M", name64}},
         [](const Settings& s) { return s.limits[0].monitor == L"kept"; }},
        {"real", {{L"div2", L"0.75"}}, [](const Settings& s) { return s.div[2] == 0.75f; }},
        {"unscannable real keeps the old value", {{L"div1", L"abc"}, {L"div3", L"nan"}},
         [](const Settings& s) { return s.div[1] == 1.0f && s.div[3] == 1.0f; }},
        {"keys match without regard to case", {{L"COLORBRIGHTNESS", L"00000001"}, {L"m3_b_max", L"00000050"}},
         [](const Settings& s) { return s.ColorBrightness == 1u && s.limits[2].brightnessMax == 80; }},
        {"a key given twice: the later wins", {{L"repeatmouse", L"00000064"}, {L"repeatmouse", L"000000C8"}},
         [](const Settings& s) { return s.repeatmouse == 200; }},
        {"a slot alone, with gaps before it", {{L"MonitorBrightness3", L"0000004B"}},
         [](const Settings& s) {
             return s.known[3].MonitorBrightness == 75 && s.known[2].MonitorBrightness == 50 &&
                    s.known[3].mUID.empty();
         }},
        {"selectedmonitor after autoselect on is skipped", {{L"autoselect", L"Y"}, {L"selectedmonitor", L"00000003"}},
         [](const Settings& s) { return s.selectedmonitor == 0; }},
        {"selectedmonitor after autoselect off", {{L"autoselect", L"N"}, {L"selectedmonitor", L"00000003"}},
         [](const Settings& s) { return s.selectedmonitor == 3; }},
        {"older timer keys", {{L"daytimeHour", L"00000007"}, {L"night3editbuffer", L"b 10"}, {L"nighttimeflag", L"N"}},
         [](const Settings& s) {
             return s.timed[0].hour == 7 && s.timed[3].commandLine == L"b 10" && !s.timed[1].enabled;
         }},
        {"older and newer key: the later wins", {{L"ptimer0stimeMinute", L"00000005"}, {L"daytimeMinute", L"00000006"}},
         [](const Settings& s) { return s.timed[0].minute == 6; }},
        {"automaticupdate sets weekly", {{L"automaticupdate", L"Y"}}, [](const Settings& s) { return s.weekly; }},
        {"global icon flags without number", {{L"showcontrasticon", L"N"}},
         [](const Settings& s) {
             return s.showcontrasticon == 0 && s.showbrightnessicon == 2 && s.known[0].showcontrasticon == 1;
         }},
        {"showvolumeicon sets its second copy", {{L"showvolumeicon", L"N"}},
         [](const Settings& s) { return !s.showvolumeicon && !s.showvolumeiconAtStart; }},
        {"toggle and full-screen entries by number", {{L"toggleline5", L" 1 b 20"}, {L"toggleflag5", L"1"}, {L"App15", L"x.exe"}},
         [](const Settings& s) {
             return s.toggles[5].text == L" 1 b 20" && s.toggles[5].state == 1 && s.fullScreen[15].app == L"x.exe";
         }},
        {"numbers past the tables are unknown keys", {{L"hotkey15", L"00000001"}, {L"mUID128", L"x"}, {L"IDC_0M", L"x"}},
         [](const Settings& s) { return s.hotkey[14] == 0 && s.limits[0].monitor.empty(); }},
    };
    for (const ReadCase& c : cases) EXPECT_TRUE(c.holds(ReadPairs(c.pairs))) << c.what;
}

TEST(SettingsReading, IgnoremonitorMatchesIdentificationOfAnySlot) {
    const Settings settings = ReadPairs({{L"mUID1", L"DISPLAY\\ABC\\4&UID7"},
                                         {L"mUID5", L"DISPLAY\\DEF\\4&UID9"},
                                         {L"ignoremonitor0", L"display\\def\\4&uid9"},
                                         {L"ignoremonitor2", L"00000001"}});
    EXPECT_EQ(settings.known[5].ignoremonitor, 1);
    EXPECT_EQ(settings.known[1].ignoremonitor, 0);
    EXPECT_EQ(settings.known[0].ignoremonitor, 0);
    EXPECT_EQ(settings.known[2].ignoremonitor, 1);
}

TEST(SettingsReading, VersionAttribute) {
    for (const auto& [value, matched] : {std::pair{L"7.2", true}, {L"7.1", false}, {L"7.20", false}}) {
        SettingsStatus status;
        ReadPairs({{L"LUMISTRAND", value}}, status);
        EXPECT_EQ(status.versionMatched, matched) << value;
    }
}

Settings Populated() {
    Settings s;
    s.known[2].mUID = L"DISPLAY\\DEL4242\\5&UID1";
    s.known[2].mname = L"DellU2415";
    s.fullScreen[0].app = L"game.exe";
    s.fullScreen[0].commandLine = L"b 100";
    s.toggles[0].text = L" 1 b 20";
    s.toggles[0].state = 1;
    return s;
}

// Checked against the documented order of a save, key by key.
const wchar_t kGoldenList[] =
    L"hiddenrestart=N\nshowsettings=N\nColorBrightness=008000FF\nColorContrast=0011D21B\n"
    L"ColorVolume=00FF8080\nColorSpeaker=00B7B700\nColorVibrance=000080FF\n"
    L"ColorSliderBrightness=008000FF\nColorSliderContrast=0011D21B\nColorSliderVolume=00FF8080\n"
    L"ColorSliderSpeaker=00B7B700\nColorSliderVibrance=000080FF\nmUID2=DISPLAY\\DEL4242\\5&UID1\n"
    L"mname2=DellU2415\nfontname2=\nMonitorBrightness2=00000032\nMonitorContrast2=00000032\n"
    L"DimBrightness2=00000000\nDimPeriod2=0000000A\nDim2=00000000\nignoremonitor2=00000000\n"
    L"use6B2=00000000\nshowbrightnessicon2=00000001\nshowcontrasticon2=00000001\n"
    L"showcombinedicon2=00000000\nshowspeakericon2=00000000\nshowvibranceicon2=00000001\nApp0=game.exe\n"
    L"Commandline0=b 100\ntoggleline0= 1 b 20\ntoggleflag0=00000001\nptimer0stimeHour=00000000\n"
    L"ptimer0stimeMinute=00000000\nptimer1stimeHour=00000000\nptimer1stimeMinute=00000000\n"
    L"ptimer2stimeHour=00000000\nptimer2stimeMinute=00000000\nptimer3stimeHour=00000000\n"
    L"ptimer3stimeMinute=00000000\nptimer4stimeHour=00000000\nptimer4stimeMinute=00000000\n"
    L"ptimer5stimeHour=00000000\nptimer5stimeMinute=00000000\nptimer6stimeHour=00000000\n"
    L"ptimer6stimeMinute=00000000\nptimer7stimeHour=00000000\nptimer7stimeMinute=00000000\n"
    L"lastcheck=00000000\nexitday=00000000\nlastx=00000000\nlasty=00000000\nlastsettings=00000000\n"
    L"aliasing=00000000\noffset_brightness=00000000\nmbutton_B0=00000000\nmbutton_B1=00000032\n"
    L"mbutton_C0=00000000\nmbutton_C1=00000032\nmbutton_S0=00000041\nmbutton_S1=00000032\n"
    L"mbutton_V0=00000000\nmbutton_V1=00000064\nwheel_B=0000000A\nwheel_C=0000000A\nwheel_S=0000000A\n"
    L"wheel_V=0000000A\nrepeatmouse=00000032\nrepeatkeyboard=00000032\nm1_B_MIN=00000000\n"
    L"m1_B_MAX=00000064\nm1_C_MIN=00000000\nm1_C_MAX=00000064\nm2_B_MIN=00000000\nm2_B_MAX=00000064\n"
    L"m2_C_MIN=00000000\nm2_C_MAX=00000064\nm3_B_MIN=00000000\nm3_B_MAX=00000064\nm3_C_MIN=00000000\n"
    L"m3_C_MAX=00000064\nm4_B_MIN=00000000\nm4_B_MAX=00000064\nm4_C_MIN=00000000\nm4_C_MAX=00000064\n"
    L"m5_B_MIN=00000000\nm5_B_MAX=00000064\nm5_C_MIN=00000000\nm5_C_MAX=00000064\nm6_B_MIN=00000000\n"
    L"m6_B_MAX=00000064\nm6_C_MIN=00000000\nm6_C_MAX=00000064\nm7_B_MIN=00000000\nm7_B_MAX=00000064\n"
    L"m7_C_MIN=00000000\nm7_C_MAX=00000064\nm8_B_MIN=00000000\nm8_B_MAX=00000064\nm8_C_MIN=00000000\n"
    L"m8_C_MAX=00000064\ndiv0=1.00\ndiv1=1.00\ndiv2=1.00\ndiv3=1.00\nhotkey0=00000000\neditbuffer0=\n"
    L"hotkey1=00000000\neditbuffer1=\nhotkey2=00000000\neditbuffer2=\nhotkey3=00000000\neditbuffer3=\n"
    L"hotkey4=00000000\neditbuffer4=\nhotkey5=00000000\neditbuffer5=\nhotkey6=00000000\neditbuffer6=\n"
    L"hotkey7=00000000\neditbuffer7=\nhotkey8=00000000\neditbuffer8=\nhotkey9=00000000\neditbuffer9=\n"
    L"hotkey10=00000000\neditbuffer10=\nhotkey11=00000000\neditbuffer11=\nhotkey12=00000000\n"
    L"editbuffer12=\nhotkey13=00000000\neditbuffer13=\nhotkey14=00000000\neditbuffer14=\n"
    L"source_brightness=\ndestination_brightness=\nIDC_1M=\nIDC_2M=\nIDC_3M=\nIDC_4M=\nIDC_5M=\nIDC_6M=\n"
    L"IDC_7M=\nIDC_8M=\nptimer0buffer=\nptimer1buffer=\nptimer2buffer=\nptimer3buffer=\nptimer4buffer=\n"
    L"ptimer5buffer=\nptimer6buffer=\nptimer7buffer=\nwheelkeys0=\nwheelkeys1=\nwheelkeys2=\nwheelkeys3=\n"
    L"wheelkeys4=\nwheelkeys5=\nwheelkeys6=\nwheelkeys7=\ndirection0=\ndirection1=\ndirection2=\n"
    L"direction3=\ndirection4=\ndirection5=\ndirection6=\ndirection7=\nwheelbuffer0=\nwheelbuffer1=\n"
    L"wheelbuffer2=\nwheelbuffer3=\nwheelbuffer4=\nwheelbuffer5=\nwheelbuffer6=\nwheelbuffer7=\n"
    L"m_editbuffer0=\nm_editbuffer1=\nm_editbuffer2=\nm_editbuffer3=\nm_editbuffer4=\nm_editbuffer5=\n"
    L"m_editbuffer6=\nm_editbuffer7=\nm_editbuffer8=\nm_editbuffer9=\nm_editbuffer10=\nm_editbuffer11=\n"
    L"m_editbuffer12=\nm_editbuffer13=\nm_editbuffer14=\nm_editbuffer15=\nm_editbuffer16=\n"
    L"m_editbuffer17=\nm_editbuffer18=\nm_editbuffer19=\nm_editbuffer20=\nm_editbuffer21=\n"
    L"m_editbuffer22=\nm_editbuffer23=\nm_editbuffer24=\nm_editbuffer25=\nm_editbuffer26=\n"
    L"m_editbuffer27=\nm_editbuffer28=\nm_editbuffer29=\nlogfile=\nhide0=N\nhide1=N\nhide2=N\nhide3=N\n"
    L"hide4=N\nhide5=N\nhide6=N\nhide7=N\nhide8=N\nhide9=N\nhide10=N\nhide11=N\nhide12=N\nhide13=N\n"
    L"hide14=N\nautostart=Y\nautoselect=N\nselectedmonitor=00000000\nsamebrightness=N\ntooltips=Y\n"
    L"showvolume=Y\nnocheckhidden=N\nnocheckmonitor=N\nshowRGB=Y\nsamevalues=N\nrereadvalues=N\n"
    L"onlyfullscreen=Y\nrestorevalues=Y\ndaily=N\nweekly=N\nnever=Y\nsavenonvolatile=N\nverify=N\n"
    L"minimizeflag=N\nautocloseflag=Y\nlogfileflag=N\nadditional=Y\ncdbackup=Y\nnotifications=N\n"
    L"ptimer0timeflag=Y\nptimer1timeflag=Y\nptimer2timeflag=Y\nptimer3timeflag=Y\nptimer4timeflag=Y\n"
    L"ptimer5timeflag=Y\nptimer6timeflag=Y\nptimer7timeflag=Y\nshowvolumeicon=Y\ntransferbrightness=N\n"
    L"checkambient=N\nusemousehook=Y\nusekeyboardhook=Y\nlanguage=English\nsafety=Y\n";

TEST(SettingsWriting, OrderOfASave) {
    EXPECT_EQ(Joined(SettingsWriteList(Populated(), SettingsStatus{}, false)), kGoldenList);
}

TEST(SettingsWriting, ResetWritesOnlyTheRestartMarkers) {
    SettingsStatus status;
    status.settingsValid = false;
    Settings settings = Populated();
    settings.hiddenrestart = true;
    EXPECT_EQ(SettingsWriteList(settings, status, false),
              (SettingsPairs{{L"hiddenrestart", L"Y"}, {L"showsettings", L"N"}}));
}

TEST(SettingsWriting, DroppedKnownMonitorsAreLeftOut) {
    SettingsStatus status;
    status.dropKnownMonitors = true;
    Settings withoutMonitors = Populated();
    withoutMonitors.known[2] = KnownMonitor{};
    const SettingsPairs dropped = SettingsWriteList(Populated(), status, false);
    EXPECT_EQ(dropped, SettingsWriteList(withoutMonitors, SettingsStatus{}, false));
    EXPECT_EQ(dropped.size() + 15, SettingsWriteList(Populated(), SettingsStatus{}, false).size());
}

TEST(SettingsWriting, EntriesStopAtTheFirstFreeOne) {
    Settings settings = Populated();
    settings.fullScreen[2].app = L"after-a-gap.exe";
    settings.toggles[2].text = L" after a gap";
    std::set<std::wstring> keys;
    for (const auto& [key, value] : SettingsWriteList(settings, SettingsStatus{}, false)) keys.insert(key);
    EXPECT_TRUE(keys.count(L"App0") && keys.count(L"toggleline0"));
    EXPECT_FALSE(keys.count(L"App1") || keys.count(L"App2") || keys.count(L"toggleline1") || keys.count(L"toggleline2"));

    // With every toggle slot taken no toggle is written at all.
    for (ToggleEntry& toggle : settings.toggles) toggle.text = L" t";
    for (const auto& [key, value] : SettingsWriteList(settings, SettingsStatus{}, false)) {
        EXPECT_FALSE(key.starts_with(L"toggle")) << key;
    }
}

// Every field away from its default, written and read back into a fresh record.
TEST(SettingsWriting, RoundTripThroughPairs) {
    // autoselect stays off: it would make reading skip selectedmonitor, as it should.
    SettingsPairs changed;
    for (const wchar_t* value : {L"0000002A", L"Y"}) {
        for (const std::wstring& key : SettingsAllKeys()) {
            if (key != L"autoselect" && key != L"toggleline31") changed.emplace_back(key, value);
        }
    }
    for (int slot : {0, 7, 127}) changed.emplace_back(L"mUID" + std::to_wstring(slot), L"id&UID" + std::to_wstring(slot));
    changed.emplace_back(L"div1", L"-2.50");
    const Settings original = ReadPairs(changed);
    const SettingsPairs written = SettingsWriteList(original, SettingsStatus{}, true);
    EXPECT_EQ(SettingsWriteList(ReadPairs(written), SettingsStatus{}, true), written);
    EXPECT_EQ(original.div[1], -2.5f);
    EXPECT_EQ(original.known[7].MonitorBrightness, 0x2A);

    std::set<std::wstring> unique;
    for (const auto& [key, value] : written) {
        std::wstring lower;
        for (wchar_t c : key) lower += static_cast<wchar_t>(towlower(c));
        EXPECT_TRUE(unique.insert(lower).second) << key;
    }
}

// A record built over leftover memory writes exactly what one built over zeros does,
// so no field is left without its default.
TEST(SettingsDefaults, EveryFieldHasOne) {
    alignas(Settings) static unsigned char dirty[sizeof(Settings)];
    alignas(Settings) static unsigned char clean[sizeof(Settings)];
    std::fill(std::begin(dirty), std::end(dirty), 0x01);
    Settings* fromDirty = new (dirty) Settings;
    Settings* fromClean = new (clean) Settings;
    EXPECT_EQ(SettingsWriteList(*fromDirty, SettingsStatus{}, false), SettingsWriteList(*fromClean, SettingsStatus{}, false));
    EXPECT_TRUE(fromClean->showvolumeiconAtStart);
    fromDirty->~Settings();
    fromClean->~Settings();
}

}  // namespace
