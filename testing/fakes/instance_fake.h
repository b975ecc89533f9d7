#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/instance.h"

struct SentLine {
    std::uintptr_t window = 0;
    std::uint32_t origin = 0;
    std::u16string block;  // all 1024 units
};

void FakeInstanceReset();
const std::vector<SentLine>& FakeInstanceSentLines();
// Makes the next sends fail, as to a window that is gone.
void FakeInstanceSetReachable(bool reachable);
