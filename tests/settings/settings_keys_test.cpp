#include "settings/settings_keys.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <functional>
#include <map>
#include <set>
#include <string>

namespace {

TEST(SettingsReading, EachKindFollowsItsRule) {
    const std::wstring name63(63, L'n'), name64(64, L'n');
    const struct {
        const char* what;
        SettingsPairs pairs;
        std::function<bool(const Settings&)> holds;
        bool versionMatched = false;
    } cases[] = {
        {"flags: true when the value starts with upper-case Y",
         {{L"verify", L"Y"}, {L"samevalues", L"Yes please"}, {L"autostart", L"y"}, {L"tooltips", L""}},
         [](const Settings& s) { return s.verify && s.samevalues && !s.autostart && !s.tooltips; }},
        {"hex numbers: two's complement, lower case, leading blanks, eight digits at most",
         {{L"wheel_B", L"0000004B"}, {L"offset_brightness", L"FFFFFFF8"}, {L"lastx", L"  1a"}, {L"lasty", L"123456789"},
          {L"ColorVolume", L"00123456"}},
         [](const Settings& s) {
             return s.wheel_B == 75 && s.offset_brightness == -8 && s.lastx == 26 && s.lasty == 0x12345678 &&
                    s.ColorVolume == 0x123456u;
         }},
        {"read as a %08X scan: 0x, sign, eight characters in all",
         {{L"wheel_B", L"0x1F"}, {L"wheel_C", L"0X10"}, {L"offset_brightness", L"-1"}, {L"lastx", L"+5"},
          {L"lasty", L"0x12345678"}},
         [](const Settings& s) {
             return s.wheel_B == 31 && s.wheel_C == 16 && s.offset_brightness == -1 && s.lastx == 5 && s.lasty == 0x123456;
         }},
        {"unscannable number keeps the old value", {{L"wheel_C", L"0000000F"}, {L"wheel_C", L"zz"}, {L"wheel_C", L"-"}},
         [](const Settings& s) { return s.wheel_C == 15; }},
        {"small number keeps to its 16 bits", {{L"ptimer2stimeHour", L"00010017"}},
         [](const Settings& s) { return s.timed[2].hour == 23 && s.timed[2].minute == 0; }},
        {"text only below its limit", {{L"IDC_1M", name63}, {L"IDC_2M", L"kept"}, {L"IDC_2M", name64}},
         [=](const Settings& s) { return s.limits[0].monitor == name63 && s.limits[1].monitor == L"kept"; }},
        {"reals; unscannable ones keep the old value", {{L"div2", L"0.75"}, {L"div1", L"abc"}, {L"div3", L"nan"}},
         [](const Settings& s) { return s.div[2] == 0.75f && s.div[1] == 1.0f && s.div[3] == 1.0f; }},
        {"keys match without regard to case; the later of two wins",
         {{L"COLORBRIGHTNESS", L"00000001"}, {L"m3_b_max", L"00000050"}, {L"repeatmouse", L"00000064"},
          {L"repeatmouse", L"000000C8"}},
         [](const Settings& s) {
             return s.ColorBrightness == 1u && s.limits[2].brightnessMax == 80 && s.repeatmouse == 200;
         }},
        {"a slot alone, with gaps before it", {{L"MonitorBrightness3", L"0000004B"}},
         [](const Settings& s) {
             return s.known[3].MonitorBrightness == 75 && s.known[2].MonitorBrightness == 50 && s.known[3].mUID.empty();
         }},
        {"ignoremonitor names the identification of any slot, or sets its own",
         {{L"mUID1", L"DISPLAY\\ABC\\4&UID7"}, {L"mUID5", L"DISPLAY\\DEF\\4&UID9"},
          {L"ignoremonitor0", L"display\\def\\4&uid9"}, {L"ignoremonitor2", L"00000001"}},
         [](const Settings& s) {
             return s.known[5].ignoremonitor == 1 && s.known[1].ignoremonitor == 0 && s.known[0].ignoremonitor == 0 &&
                    s.known[2].ignoremonitor == 1;
         }},
        {"selectedmonitor is skipped while autoselect is on",
         {{L"selectedmonitor", L"00000002"}, {L"autoselect", L"Y"}, {L"selectedmonitor", L"00000003"}},
         [](const Settings& s) { return s.selectedmonitor == 2; }},
        {"older keys: timers, update, icon flags (2 when absent); the later of older and newer wins",
         {{L"daytimeHour", L"00000007"}, {L"night3editbuffer", L"b 10"}, {L"nighttimeflag", L"N"},
          {L"ptimer0stimeMinute", L"00000005"}, {L"daytimeMinute", L"00000006"}, {L"automaticupdate", L"Y"},
          {L"showcontrasticon", L"N"}, {L"showvolumeicon", L"N"}},
         [](const Settings& s) {
             return s.timed[0].hour == 7 && s.timed[3].commandLine == L"b 10" && !s.timed[1].enabled &&
                    s.timed[0].minute == 6 && s.weekly && s.showcontrasticon == 0 && s.showbrightnessicon == 2 &&
                    s.known[0].showcontrasticon == 1 && !s.showvolumeicon && !s.showvolumeiconAtStart;
         }},
        {"toggle and full-screen entries by number",
         {{L"toggleline5", L" 1 b 20"}, {L"toggleflag5", L"1"}, {L"App15", L"x.exe"}},
         [](const Settings& s) {
             return s.toggles[5].text == L" 1 b 20" && s.toggles[5].state == 1 && s.fullScreen[15].app == L"x.exe";
         }},
        {"numbers past the tables are unknown keys", {{L"hotkey15", L"00000001"}, {L"mUID128", L"x"}, {L"IDC_0M", L"x"}},
         [](const Settings& s) { return s.hotkey[14] == 0 && s.limits[0].monitor.empty(); }},
        {"the version attribute", {{L"LUMISTRAND", L"7.2"}}, nullptr, true},
        {"another version", {{L"Lumistrand", L"7.1"}, {L"Lumistrand", L"7.20"}}, nullptr, false},
    };
    for (const auto& c : cases) {
        Settings settings;
        SettingsStatus status;
        for (const auto& [key, value] : c.pairs) SettingsApplyPair(settings, status, key, value);
        EXPECT_TRUE(!c.holds || c.holds(settings)) << c.what;
        EXPECT_EQ(status.versionMatched, c.versionMatched) << c.what;
    }
}

TEST(SettingsWriting, ValuesInTheFileFormatAndOnlyTheEntriesInUse) {
    Settings s;
    s.known[2].mUID = L"DISPLAY\\DEL4242\\5&UID1";
    s.fullScreen[0].app = L"game.exe";
    s.fullScreen[2].app = L"after-a-gap.exe";
    s.toggles[0] = {1, L" 1 b 20"};
    s.toggles[2].text = L" after a gap";
    s.offset_brightness = -8;
    s.div[1] = -2.5f;
    const SettingsPairs pairs = SettingsWriteList(s, SettingsStatus{}, true);
    const std::map<std::wstring, std::wstring> written(pairs.begin(), pairs.end());
    const std::map<std::wstring, std::wstring> expected = {
        {L"offset_brightness", L"FFFFFFF8"}, {L"wheel_B", L"0000000A"}, {L"div1", L"-2.50"},   {L"autostart", L"Y"},
        {L"verify", L"N"},                   {L"language", L"German"},  {L"toggleflag0", L"00000001"},
        {L"mUID2", L"DISPLAY\\DEL4242\\5&UID1"}, {L"MonitorBrightness2", L"00000032"}, {L"App0", L"game.exe"}};
    for (const auto& [key, value] : expected) EXPECT_EQ(written.contains(key) ? written.at(key) : L"<none>", value) << key;
    for (const wchar_t* key : {L"App1", L"App2", L"toggleline1", L"toggleline2", L"mUID0", L"daytimeHour"}) {
        EXPECT_FALSE(written.contains(key)) << key;
    }
    // Reading could reach only one of two keys that differ in case alone.
    std::set<std::wstring> lowered;
    for (auto [key, value] : pairs) {
        for (wchar_t& c : key) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
        EXPECT_TRUE(lowered.insert(key).second) << key;
    }

    // With every toggle slot taken no toggle is written; dropped known monitors are left out.
    for (ToggleEntry& toggle : s.toggles) toggle.text = L" t";
    for (const auto& [key, value] : SettingsWriteList(s, SettingsStatus{.dropKnownMonitors = true}, false)) {
        EXPECT_FALSE(key.starts_with(L"toggle") || key.starts_with(L"mUID")) << key;
    }
    // After a reset only the restart markers are written.
    s.hiddenrestart = true;
    EXPECT_EQ(SettingsWriteList(s, SettingsStatus{.settingsValid = false}, false),
              (SettingsPairs{{L"hiddenrestart", L"Y"}, {L"showsettings", L"N"}}));
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
