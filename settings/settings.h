// The settings record and the persisted per-monitor records. Plain process-wide state:
// other subsystems read and change it directly; settings_store saves and loads it.
// The defaults of every persisted field live in the key table (settings_keys.cpp), which
// the constructors apply, so a fresh record and a reset slot hold exactly what a file
// without that key would leave.
#pragma once
#include <array>
#include <cstdint>
#include <string>

using ColorRef = std::uint32_t;  // 0x00BBGGRR

struct KnownMonitor {
    KnownMonitor();

    std::wstring mUID;       // 64; a slot is in use when this is not empty
    std::wstring mname;      // 64
    std::wstring fontname;   // 32
    std::int32_t MonitorBrightness;
    std::int32_t MonitorContrast;
    std::int32_t DimBrightness;
    std::int32_t DimPeriod;
    std::int32_t Dim;
    std::int32_t brightnessBeforeDim = 50;  // run-time only
    std::int32_t dimmed = 0;                // run-time only
    std::int32_t ignoremonitor;
    std::int32_t use6B;
    std::int32_t showbrightnessicon;
    std::int32_t showcontrasticon;
    std::int32_t showcombinedicon;
    std::int32_t showspeakericon;
    std::int32_t showvibranceicon;
};

inline constexpr int kKnownMonitorSlots = 128;
using KnownMonitorList = std::array<KnownMonitor, kKnownMonitorSlots>;

struct LimitRow {
    std::wstring monitor;  // IDC_nM, 64
    std::int32_t brightnessMin, brightnessMax, contrastMin, contrastMax;
};

struct TimedEntry {
    std::uint16_t hour, minute;
    std::wstring commandLine;  // 260
    bool enabled;
};

struct WheelEntry {
    std::wstring keys;         // 32
    std::wstring direction;    // 32
    std::wstring commandLine;  // 260
};

struct FullScreenEntry {
    std::wstring app;          // 520
    std::wstring commandLine;  // 520
};

inline constexpr wchar_t kFreeToggleText[] = L"dummy";

struct ToggleEntry {
    std::int32_t state;
    std::wstring text;  // 260; kFreeToggleText marks a free record
};

struct Settings {
    Settings();

    bool hiddenrestart;
    bool showsettings;

    ColorRef ColorBrightness, ColorContrast, ColorVolume, ColorSpeaker, ColorVibrance;
    ColorRef ColorSliderBrightness, ColorSliderContrast, ColorSliderVolume, ColorSliderSpeaker,
        ColorSliderVibrance;

    std::int32_t lastx, lasty;
    std::int32_t lastsettings;
    std::int32_t aliasing;
    std::int32_t offset_brightness;
    std::array<std::int32_t, 8> mbutton;  // B0 B1 C0 C1 S0 S1 V0 V1
    std::int32_t wheel_B, wheel_C, wheel_S, wheel_V;
    std::int32_t repeatmouse, repeatkeyboard;
    std::array<LimitRow, 8> limits;
    std::array<float, 4> div;
    std::wstring source_brightness, destination_brightness;  // 64
    std::array<std::int32_t, 15> hotkey;
    std::array<std::wstring, 15> editbuffer;       // 260
    std::array<std::wstring, 30> m_editbuffer;     // 0..14 lines, 15..29 captions, 260
    std::array<WheelEntry, 8> wheel;
    std::array<TimedEntry, 8> timed;
    std::uint16_t lastcheck, exitday;
    std::wstring logfile;                          // 519
    std::array<bool, 15> hide;
    std::int32_t selectedmonitor;
    std::wstring language;                         // 32

    bool autostart, autoselect, samebrightness, tooltips, showvolume, nocheckhidden, nocheckmonitor,
        showRGB, samevalues, rereadvalues, onlyfullscreen, restorevalues, daily, weekly, never,
        savenonvolatile, verify, minimizeflag, autocloseflag, logfileflag, additional, cdbackup,
        notifications, showvolumeicon, transferbrightness, checkambient, usemousehook,
        usekeyboardhook, safety;

    // Read from older files only: 0 or 1 as such a file gave them, 2 when it gave none. The
    // icons copy a given one into every monitor's record at start.
    std::int32_t showbrightnessicon, showcontrasticon, showcombinedicon;
    bool showvolumeiconAtStart;  // second copy of showvolumeicon, set when it is read

    KnownMonitorList known;
    std::array<FullScreenEntry, 16> fullScreen;
    std::array<ToggleEntry, 32> toggles;
};

extern Settings g_settings;

// The log path the event log chose when none was set; saved with the settings from then on.
void SettingsSetLogFile(std::wstring path);
