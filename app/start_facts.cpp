#include "app/start_facts.h"

StartFacts g_start;
