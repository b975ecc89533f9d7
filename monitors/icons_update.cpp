#include "monitors/icons_update.h"

void UpdateIcons() {}
