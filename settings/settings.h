// The settings record and the persisted per-monitor records. Plain process-wide state:
// other subsystems read and change it directly; settings_file saves and loads it.
#pragma once
#include <array>
#include <cstdint>
#include <string>

using ColorRef = std::uint32_t;  // 0x00BBGGRR

struct KnownMonitor {
    std::wstring mUID;       // 64; a slot is in use when this is not empty
    std::wstring mname;      // 64
    std::wstring fontname;   // 32
    std::int32_t MonitorBrightness = 50;
    std::int32_t MonitorContrast = 50;
    std::int32_t DimBrightness = 0;
    std::int32_t DimPeriod = 10;
    std::int32_t Dim = 0;
    std::int32_t brightnessBeforeDim = 50;  // run-time only
    std::int32_t dimmed = 0;                // run-time only
    std::int32_t ignoremonitor = 0;
    std::int32_t use6B = 0;
    std::int32_t showbrightnessicon = 1;
    std::int32_t showcontrasticon = 1;
    std::int32_t showcombinedicon = 0;
    std::int32_t showspeakericon = 0;
    std::int32_t showvibranceicon = 1;
};

inline constexpr int kKnownMonitorSlots = 128;
using KnownMonitorList = std::array<KnownMonitor, kKnownMonitorSlots>;

struct LimitRow {
    std::wstring monitor;  // IDC_nM, 64
    std::int32_t brightnessMin = 0, brightnessMax = 100, contrastMin = 0, contrastMax = 100;
};

struct TimedEntry {
    std::uint16_t hour = 0, minute = 0;
    std::wstring commandLine;  // 260
    bool enabled = true;
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

struct ToggleEntry {
    std::int32_t state = 0;
    std::wstring text = L"dummy";  // 260; "dummy" marks a free record
};

struct Settings {
    bool hiddenrestart = false;
    bool showsettings = false;

    ColorRef ColorBrightness = 0x008000FF, ColorContrast = 0x0011D21B, ColorVolume = 0x00FF8080,
             ColorSpeaker = 0x00B7B700, ColorVibrance = 0x000080FF;
    ColorRef ColorSliderBrightness = 0x008000FF, ColorSliderContrast = 0x0011D21B,
             ColorSliderVolume = 0x00FF8080, ColorSliderSpeaker = 0x00B7B700,
             ColorSliderVibrance = 0x000080FF;

    std::int32_t lastx = 0, lasty = 0;
    std::int32_t lastsettings = 0;
    std::int32_t aliasing = 0;
    std::int32_t offset_brightness = 0;
    std::array<std::int32_t, 8> mbutton{0, 50, 0, 50, 65, 50, 0, 100};  // B0 B1 C0 C1 S0 S1 V0 V1
    std::int32_t wheel_B = 10, wheel_C = 10, wheel_S = 10, wheel_V = 10;
    std::int32_t repeatmouse = 50, repeatkeyboard = 50;
    std::array<LimitRow, 8> limits;
    std::array<float, 4> div{1.0f, 1.0f, 1.0f, 1.0f};
    std::wstring source_brightness, destination_brightness;  // 64
    std::array<std::int32_t, 15> hotkey{};
    std::array<std::wstring, 15> editbuffer;       // 260
    std::array<std::wstring, 30> m_editbuffer;     // 0..14 lines, 15..29 captions, 260
    std::array<WheelEntry, 8> wheel;
    std::array<TimedEntry, 8> timed;
    std::uint16_t lastcheck = 0, exitday = 0;
    std::wstring logfile;                          // 519
    std::array<bool, 15> hide{};
    std::int32_t selectedmonitor = 0;
    std::wstring language;                         // 32

    bool autostart = true, autoselect = false, samebrightness = false, tooltips = true,
         showvolume = true, nocheckhidden = false, nocheckmonitor = false, showRGB = true,
         samevalues = false, rereadvalues = false, onlyfullscreen = true, restorevalues = true,
         daily = false, weekly = false, never = true, savenonvolatile = false, verify = false,
         minimizeflag = false, autocloseflag = true, logfileflag = false, additional = true,
         cdbackup = true, notifications = false, showvolumeicon = true,
         transferbrightness = false, checkambient = false, usemousehook = true,
         usekeyboardhook = true, safety = true;

    // Read from older files only; consulted by icon rendering.
    bool showbrightnessicon = true, showcontrasticon = true, showcombinedicon = true;
    bool showvolumeiconAtStart = true;  // second copy of showvolumeicon, set when it is read

    KnownMonitorList known;
    std::array<FullScreenEntry, 16> fullScreen;
    std::array<ToggleEntry, 32> toggles;
};

extern Settings g_settings;
