// What WMI answers in host tests: the instances of each class, which calls fail, and every
// method call and subscription in order.
#pragma once
#include <string>
#include <vector>

#include "platform/wmi.h"

struct FakeWmi {
    bool failQueries = false;  // every query ends with an error after its instances
    std::vector<WmiMonitorIdRecord> monitorIds;
    std::vector<WmiMethodTarget> descriptorMethods;
    std::vector<std::uint8_t> edidBlock;  // what every descriptor method returns
    std::vector<WmiBrightnessRecord> brightness;
    std::vector<WmiMethodTarget> brightnessMethods;
    bool failWrites = false;
    std::vector<std::uint8_t> levelsWritten;
    int subscriptions = 0;  // subscribe minus unsubscribe
};

FakeWmi& FakeWmiState();
void FakeWmiReset();
