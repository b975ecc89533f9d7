#include "monitors/discovery.h"

void DiscoverMonitors(bool) {}
