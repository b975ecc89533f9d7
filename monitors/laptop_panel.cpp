#include "monitors/laptop_panel.h"

bool ReadPanelBrightness(std::int32_t) {
    return false;
}

bool SetPanelBrightness(std::uint32_t) {
    return false;
}
