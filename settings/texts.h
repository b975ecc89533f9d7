// Every user-visible text in English and German, by id. The German text is used when the UI
// language is German (settings/ui_language.h).
#pragma once

enum class TextId {
    RequiresWindows7,
    ConfirmExit,
    DuplicateModeNotice,
    ListMenuShownAs,      // printf pattern: display name, the user's name for it
    VcpTableCodeRefused,  // printf pattern: monitor, code name, command word, code
    VcpReadResult,        // printf pattern: code, monitor, code name, current, maximum
    VcpReadFailed,        // printf pattern: monitor, code name, code
    InfoMonitorName,
    InfoModel,
    InfoManufacturer,
    InfoManufacturerId,
    InfoProductCode,
    InfoMonitorInfo,
    InfoSerialNumber,
    InfoConnection,
    InfoActiveHours,
    InfoProductionYear,
    InfoProductionWeek,
    InfoRightClick,
    CaptionBrightness,
    CaptionContrast,
    CaptionRed,
    CaptionGreen,
    CaptionBlue,
    CaptionSpeaker,
    CaptionSaturation,
    TipBrightnessShort,
    TipContrastShort,
    TipVolumeShort,
    TipSpeaker,
    TipSaturation,
    TipVolume,
    TipHint,
    IconGuidError,
    HelpText,
    HiddenIconsWarning,
    PowerOffBlackScreen,
    PowerOffWakeUp,
    PowerOffHotkey,  // holds the placeholder "monitorname"
    PowerOffCtrlShift,
    PowerOffTickBelow,
    PowerOffInstant,
    ConfirmTitle,
    ConfirmFactoryReset,
    ConfirmInput,
    ConfirmRotate,
    TipVolumeIconBox,
    TipMute,
    TipColourPreset,
    TipInput,
    TipMonitorPreset,
    TipReset,
    TipVolumeColumnBox,
    TipOpenSettings,
    TipVolumeLabel,
    TipSpeakerLabel,
    TipPower,
    TipPowerLaptop,
    TipRotate,
    TipAdvancedColumn,
    TipHidePanel,
    TipSaturationLabel,
    TipTurnOff,
    TipRescan,
    SettingsNoFreeEntries,
    SettingsResetQuestion,
    SettingsResetTitle,
    SettingsResetRefused,  // printf pattern: the file that could not be moved aside
    SettingsDeleteLog,
    SettingsDeleteLogTitle,
    SettingsNoIcons,
    SettingsLineTooLong,  // printf pattern: the refused line's first characters
    SettingsAutostartTip,
    SettingsGerman,       // the language combo box's entries
    SettingsEnglish,
    SettingsPageTitles,   // the six page names, one a line
    Count
};

// The text in the UI language.
const wchar_t* UiText(TextId id);
