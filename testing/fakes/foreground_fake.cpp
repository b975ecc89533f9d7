#include "testing/fakes/foreground_fake.h"

namespace {

ForegroundInfo g_foreground;

}  // namespace

void FakeForegroundSet(const ForegroundInfo& info) { g_foreground = info; }
void FakeForegroundReset() { g_foreground = ForegroundInfo{}; }
ForegroundInfo ForegroundRead() { return g_foreground; }
