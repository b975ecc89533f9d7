#include "testing/fakes/wmi_fake.h"

namespace {

FakeWmi g_wmi;

template <typename Record>
bool Answer(const std::vector<Record>& instances, std::vector<Record>& out) {
    out = instances;
    return !g_wmi.failQueries;
}

}  // namespace

FakeWmi& FakeWmiState() { return g_wmi; }
void FakeWmiReset() { g_wmi = FakeWmi{}; }

bool WmiQueryMonitorIds(std::vector<WmiMonitorIdRecord>& records) { return Answer(g_wmi.monitorIds, records); }
bool WmiQueryDescriptorMethods(std::vector<WmiMethodTarget>& targets) {
    return Answer(g_wmi.descriptorMethods, targets);
}
bool WmiReadEdidBlock(const std::wstring&, std::vector<std::uint8_t>& content) {
    content = g_wmi.edidBlock;
    return !g_wmi.edidBlock.empty();
}
bool WmiQueryBrightness(std::vector<WmiBrightnessRecord>& records) { return Answer(g_wmi.brightness, records); }
bool WmiQueryBrightnessMethods(std::vector<WmiMethodTarget>& targets) {
    return Answer(g_wmi.brightnessMethods, targets);
}
bool WmiSetBrightness(const std::wstring&, std::uint8_t level) {
    if (g_wmi.failWrites) return false;
    g_wmi.levelsWritten.push_back(level);
    return true;
}
bool WmiSubscribeBrightnessEvents() {
    ++g_wmi.subscriptions;
    return true;
}
void WmiUnsubscribeBrightnessEvents() { --g_wmi.subscriptions; }
void WmiPrepareStrings() {}
