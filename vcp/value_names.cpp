#include "vcp/value_names.h"

#include <iterator>

namespace {

constexpr const wchar_t* kColourTempNames[] = {
    L"0",     L"sRGB",   L"Native", L"4000K", L"5000K", L"6500K", L"7500K",
    L"8200K", L"9300K",  L"10000K", L"11500K", L"User1", L"User2", L"User3",
};

constexpr const wchar_t* kInputNames[] = {
    L"0",       L"VGA1",    L"VGA2",   L"DVI1",   L"DVI2",
    L"CompositeVideo1",     L"CompositeVideo2",   L"S-Video1",
    L"S-Video2",            L"Tuner1",  L"Tuner2", L"Tuner3",
    L"ComponentVideo1",     L"ComponentVideo2",   L"ComponentVideo3",
    L"DisplayPort1",        L"DisplayPort2",      L"HDMI1",
    L"HDMI2",
};

constexpr const wchar_t* kPresetNames[] = {
    L"Standard",  L"Productivity", L"Mixed",    L"Movie",    L"User",         L"Games",
    L"Sports",    L"Professional", L"LessPower", L"LowPower", L"Demonstration",
};

struct ValueNameTable {
    std::uint8_t code;
    const wchar_t* const* names;
    std::uint32_t count;
};

constexpr ValueNameTable kTables[] = {
    {kVcpColourTemp, kColourTempNames, std::size(kColourTempNames)},
    {kVcpInput, kInputNames, std::size(kInputNames)},
    {kVcpPreset, kPresetNames, std::size(kPresetNames)},
};

}  // namespace

const wchar_t* VcpValueName(std::uint8_t code, std::uint32_t value) {
    for (const ValueNameTable& table : kTables) {
        if (table.code == code) {
            return value < table.count ? table.names[value] : L"";
        }
    }
    return L"";
}
