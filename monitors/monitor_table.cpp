#include "monitors/monitor_table.h"

MonitorTable g_monitors;
