// Resource and control identifiers shared by res/lumistrand.rc and the program.
// The numbers are fixed: settings, tests and the window procedure refer to them.
#pragma once

// Templates and tables
#define IDD_CONTROL_PANEL 101
#define IDD_HELP 102
#define IDD_CLASS_ICON 103
#define IDD_HIDDEN_ICONS_EN 106
#define IDD_HIDDEN_ICONS_DE 107
#define IDD_POWER_OFF 116
#define IDD_FULL_SCREEN_EN 119
#define IDD_FULL_SCREEN_DE 120
#define IDI_PROGRAM 108
#define IDM_POPUP_EN 109
#define IDM_POPUP_DE 110
#define IDM_LIST_EN 111
#define IDM_LIST_DE 112
#define IDA_MAIN 113

// Controls of the control panel (dialog 101)
#define IDC_MONITOR_LIST 1001
#define IDC_BRIGHTNESS_LABEL 1002
#define IDC_CONTRAST_LABEL 1003
#define IDC_VOLUME_LABEL 1004
#define IDC_MUTE 1037
#define IDC_BRIGHTNESS_SLIDER 1038
#define IDC_CONTRAST_SLIDER 1039
#define IDC_VOLUME_SLIDER 1040
#define IDC_POWER_TOGGLE 1041
#define IDC_ROTATE_DISPLAY 1057
#define IDC_VOLUME_ICON 1060
#define IDC_VOLUME_COLUMN 1064
#define IDC_RED_SLIDER 1067
#define IDC_GREEN_SLIDER 1068
#define IDC_BLUE_SLIDER 1069
#define IDC_RED_LABEL 1070
#define IDC_GREEN_LABEL 1071
#define IDC_BLUE_LABEL 1072
#define IDC_LAPTOP_NO_CONTRAST 1104
#define IDC_LAPTOP_LEVELS 1106
#define IDC_NO_GAINS 1109
#define IDC_ADVANCED_COLUMN 1112
#define IDC_COLOUR_PRESET 1113
#define IDC_INPUT 1115
#define IDC_MONITOR_GROUP 1116
#define IDC_RESET_MONITOR 1117
#define IDC_RESCAN_WIDE 1119
#define IDC_RESCAN_SHORT 1171
#define IDC_HIDE_PANEL 1214
#define IDC_TURN_OFF_SHORT 1221
#define IDC_TURN_OFF_WIDE 1222
#define IDC_OPEN_SETTINGS 1223
#define IDC_SPEAKER_SLIDER 1318
#define IDC_SPEAKER_LABEL 1319
#define IDC_SATURATION_LABEL 1354
#define IDC_SATURATION_SLIDER 1355
#define IDC_MONITOR_PRESET 1368

// The standard dialog buttons, for portable code that has no <windows.h>.
#ifndef IDOK
#define IDOK 1
#define IDCANCEL 2
#endif

// Controls of the help window (102) and the small information dialogs
#define IDC_RICH_TEXT 1042
#define IDC_HOMEPAGE 1043
#define IDC_POWER_OFF_INSTANT 1050
#define IDC_NO_HIDDEN_WARNING 1257
#define IDC_HIDDEN_ICONS_TEXT 1258
#define IDC_FULL_SCREEN_APP 1364
#define IDC_FULL_SCREEN_LINE 1365

// Step buttons "0", "5", ... "100": first id of each column; the button for value v is first + v / 5.
#define IDC_BRIGHTNESS_STEP_FIRST 40001
#define IDC_CONTRAST_STEP_FIRST 40022
#define IDC_VOLUME_STEP_FIRST 40043
#define STEP_BUTTONS_PER_COLUMN 21

// Commands of the popup menus and the accelerators
#define IDM_LIST_MONITOR_NAME 6
#define IDM_RESCAN 1120
#define IDM_UNINSTALL 1295
#define IDM_IGNORE_MONITOR 1292
#define IDM_DIM_MONITOR 1320
#define IDM_ENTRY 1372
#define IDM_VCP_CODES 1373
#define IDM_SHOW_PANEL 40064
#define IDM_SETTINGS 40066
#define IDM_TURN_OFF_MONITORS 40067
#define IDM_HELP 40068
#define IDM_RUN_COMMAND_LINE 40072
#define IDM_EXIT 40074
#define IDM_HIDE_PANEL 40075
#define IDM_CHECK_UPDATE 40078

// Commands posted to the main window that no menu carries
#define IDM_REFRESH_PANEL 1049
#define IDM_ROTATE_DISPLAY 1367
#define IDM_HOOK_LINE 1370
#define IDM_HOOK_REFUSED 1371

#ifndef RC_INVOKED
#include <cstdint>

inline constexpr std::uint32_t kCommandShowPanel = IDM_SHOW_PANEL;
inline constexpr std::uint32_t kCommandRunLine = IDM_RUN_COMMAND_LINE;
inline constexpr std::uint32_t kCommandExit = IDM_EXIT;
inline constexpr std::uint32_t kCommandHidePanel = IDM_HIDE_PANEL;
inline constexpr std::uint32_t kCommandRefreshPanel = IDM_REFRESH_PANEL;
inline constexpr std::uint32_t kCommandRotate = IDM_ROTATE_DISPLAY;
// The hook thread handed over a line; lParam is the delay before it may hand over the next.
inline constexpr std::uint32_t kCommandHookLine = IDM_HOOK_LINE;
// From the hook thread: the notification code is the hook type, lParam the system's error.
inline constexpr std::uint32_t kCommandHookRefused = IDM_HOOK_REFUSED;

// Callback messages of the notification icons: kind k (0..5) sends kIconMessageFirst + k.
inline constexpr std::uint32_t kIconMessageFirst = 0x80AA;
inline constexpr std::uint32_t kIconMessageLast = 0x80AF;

// Timers of the main window. What each does, its period and whether it stops when it fires
// are in app/timer_table.cpp.
enum MainTimer : std::uint32_t {
    kTimerBalloonHide = 0x01,
    kTimerResumeRestart = 0x03,
    kTimerAudioReattach = 0x04,
    kTimerHalfSecond = 0x06,
    kTimerHiddenIconCheck = 0x07,
    kTimerHiddenWarningClose = 0x0B,
    kTimerConsoleRestart = 0x0A,
    kTimerTaskbarRestart = 0x0D,
    kTimerInputRepeat = 0x0E,
    kTimerTenSeconds = 0x0F,
    kTimerPanelToFront = 0x11,
    kTimerHookRelease = 0x15,
    kTimerSliderWrite = 0x16,
    kTimerBrightnessTransfer = 0x1E,
    kTimerUpdateCheck = 0x2B,
    kTimerFullScreen = 0x2C,
    kTimerDuplicateNotice = 0x2D,
    kTimerPowerRecheck = 0x44,
    kTimerDisplayChangeCheck = 0x45,
    kTimerVcpMessage = 0x46,
    kTimerRereadValues = 0x48,
    kTimerMonitorOnCheck = 0x4E,
    kTimerValuesRestored = 0x51,
};

// Timers of the small dialogs, each on its own window: the first tick shows the dialog.
inline constexpr std::uint32_t kTimerShowFullScreenCommand = 93;
inline constexpr std::uint32_t kTimerShowPowerOff = 94;
inline constexpr std::uint32_t kTimerShowHelp = 96;
inline constexpr std::uint32_t kTimerShowHiddenIcons = 98;
#endif

// Monitor dialog: the monitor's name, dimming after inactivity, brightness through code 0x6B.
#define IDD_MONITOR_EN 117
#define IDD_MONITOR_DE 118
#define IDC_MONITOR_BRIGHTNESS 1073
#define IDC_MONITOR_NAME 1316
#define IDC_MONITOR_NAME_GROUP 1317
#define IDC_MONITOR_DIM 1321
#define IDC_MONITOR_DIM_GROUP 1322
#define IDC_MONITOR_DIM_PERIOD 1323
#define IDC_MONITOR_USE_6B 1366
#ifndef RC_INVOKED
inline constexpr std::uint32_t kTimerShowMonitor = 95;
#endif

// Update check, self-update and uninstall: the update dialog (templates 114 and 115)
#define IDD_UPDATE_EN 114
#define IDD_UPDATE_DE 115
#define IDC_UPDATE_TEXT 2600
#define IDC_UPDATE_HOMEPAGE 2601
#define IDC_UPDATE_INSTALL 2602
#ifndef RC_INVOKED
inline constexpr std::uint32_t kTimerShowUpdate = 2610;
#endif

// Laptop panel and default audio device: what their system callbacks post to the main window,
// and the main window's timers they start.
#define IDM_PANEL_BRIGHTNESS_EVENT 2800
#define IDM_AUDIO_VOLUME_NOTIFIED 2801
#define IDM_AUDIO_DEVICE_CHANGED 2802
#ifndef RC_INVOKED
inline constexpr std::uint32_t kCommandPanelBrightnessEvent = IDM_PANEL_BRIGHTNESS_EVENT;
inline constexpr std::uint32_t kCommandAudioVolumeNotified = IDM_AUDIO_VOLUME_NOTIFIED;
inline constexpr std::uint32_t kCommandAudioDefaultDeviceChanged = IDM_AUDIO_DEVICE_CHANGED;
inline constexpr std::uint32_t kTimerAfterPanelEvent = 0x09;
inline constexpr std::uint32_t kTimerPanelChangeShown = 0x21;
#endif

// Settings dialog (templates 104 English, 105 German): the controls of page p lie in its own id
// range (first ids below), and every plain label of page p has the id IDC_SET_LABEL_FIRST + p.
#define IDD_SETTINGS_EN 104
#define IDD_SETTINGS_DE 105
#define IDC_SET_TREE 2000
#define IDC_SET_HELP 2001
#define IDC_SET_DEFAULTS 2002
#define IDC_SET_PAGE0 2010
#define IDC_SET_VOLUME_ICON 2010
#define IDC_SET_AUTOSTART 2011
#define IDC_SET_SAMEVALUES 2012
#define IDC_SET_SAMEBRIGHTNESS 2013
#define IDC_SET_NOTIFICATIONS 2014
#define IDC_SET_LANGUAGE 2015
#define IDC_SET_AUTOSELECT 2016
#define IDC_SET_TOOLTIPS 2017
#define IDC_SET_CLEARTYPE 2018
#define IDC_SET_ANTIALIASING 2019
#define IDC_SET_NO_ANTIALIASING 2020
#define IDC_SET_CDBACKUP 2021
#define IDC_SET_ADDITIONAL 2022
#define IDC_SET_PROGRAM_PATH 2023
#define IDC_SET_PROFILE_PATH 2024
#define IDC_SET_REREAD 2025
#define IDC_SET_SAVE_VALUES 2026
#define IDC_SET_VERIFY 2027
#define IDC_SET_RESTORE 2028
#define IDC_SET_LOGFILE 2029
#define IDC_SET_LOGFILE_CHOOSE 2030
#define IDC_SET_DAILY 2031
#define IDC_SET_WEEKLY 2032
#define IDC_SET_NEVER 2033
#define IDC_SET_CHECK_NOW 2034
#define IDC_SET_AUTOCLOSE 2035
#define IDC_SET_COLOUR_FIRST 2040        /* icon colours B C V S saturation, then the sliders' */
#define IDC_SET_ICON_FIRST 2050          /* + 5 * monitor row + icon (B C comb. S saturation) */
#define IDC_SET_MONITOR_FIRST 2100       /* + monitor row: name, dimming, brightness code */
#define IDC_SET_PAGE1 2150
#define IDC_SET_USEMOUSEHOOK 2150
#define IDC_SET_REPEATMOUSE 2151
#define IDC_SET_WHEEL_KEYS_FIRST 2160
#define IDC_SET_WHEEL_DIRECTION_FIRST 2170
#define IDC_SET_WHEEL_LINE_FIRST 2180
#define IDC_SET_MBUTTON_FIRST 2190       /* B0 B1 C0 C1 S0 S1 V0 V1 */
#define IDC_SET_WHEEL_AMOUNT_FIRST 2200  /* B C S V */
#define IDC_SET_PAGE2 2210
#define IDC_SET_HOTKEY_FIRST 2210
#define IDC_SET_HOTKEY_LINE_FIRST 2230
#define IDC_SET_USEKEYBOARDHOOK 2250
#define IDC_SET_REPEATKEYBOARD 2251
#define IDC_SET_PAGE3 2260
#define IDC_SET_MENU_CAPTION_FIRST 2260
#define IDC_SET_MENU_LINE_FIRST 2280
#define IDC_SET_MENU_HIDE_FIRST 2300
#define IDC_SET_DUMP_VALUES 2320
#define IDC_SET_PAGE4 2330
#define IDC_SET_TIMER_ON_FIRST 2330
#define IDC_SET_TIMER_TIME_FIRST 2340
#define IDC_SET_TIMER_LINE_FIRST 2350
#define IDC_SET_TRANSFER 2360
#define IDC_SET_SOURCE 2361
#define IDC_SET_DESTINATION 2362
#define IDC_SET_OFFSET 2363
#define IDC_SET_DIV_FIRST 2364
#define IDC_SET_CHECKAMBIENT 2368
#define IDC_SET_LIMIT_MONITOR_FIRST 2370
#define IDC_SET_LIMIT_FIRST 2380         /* + 10 * kind (B min, B max, C min, C max) + row */
#define IDC_SET_PAGE5 2420
#define IDC_SET_RUNNING 2420
#define IDC_SET_CHOOSE_PROGRAM 2421
#define IDC_SET_ONLYFULLSCREEN 2422
#define IDC_SET_APPLY 2423
#define IDC_SET_PROGRAM_FIRST 2430
#define IDC_SET_PAGES_END 2480
#define IDC_SET_LABEL_FIRST 2480
#ifndef RC_INVOKED
// Shows the settings dialog at its first tick, on the dialog's own window.
inline constexpr std::uint32_t kTimerShowSettings = 2490;
#endif

// VCP explorer: the wait window, the explorer and its write dialog
#define IDD_VCP_EXPLORER 121
#define IDD_VCP_WRITE 122
#define IDD_VCP_WAIT 123
#define IDC_VCP_MONITOR 1374
#define IDC_VCP_LIST 1375
#define IDC_VCP_CAPABILITIES 1376
#define IDC_VCP_WARNING 1377
#define IDC_VCP_WRITE_COMMAND 1378
#define IDC_VCP_WRITE_ACCESS 1379
#define IDC_VCP_WRITE_INSTRUCTION 1380
#define IDC_VCP_WRITE_VALUE 1381
#define IDC_VCP_WRITE_CURRENT 1382
#define IDC_VCP_WRITE_MAXIMUM 1383
#define IDC_VCP_WRITE_NOTE 1384
#define IDC_VCP_WRITE_NAME 1385
#define IDC_VCP_STEP_UP_1 1386
#define IDC_VCP_STEP_DOWN_1 1387
#define IDC_VCP_STEP_UP_5 1388
#define IDC_VCP_STEP_DOWN_5 1389
#define IDC_VCP_WAIT_TEXT 1390
#ifndef RC_INVOKED
inline constexpr std::uint32_t kTimerShowVcpWrite = 91;
// On the main window while the explorer is open: every second an open settings dialog is closed.
inline constexpr std::uint32_t kTimerExplorerClosesSettings = 92;
#endif
