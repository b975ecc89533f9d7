// libFuzzer target: the probe's readers of a capabilities string (model, listed codes, value
// lists) over arbitrary monitor replies, cut to the length a monitor's reply is kept at.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "monitors/capabilities.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string caps(reinterpret_cast<const char*>(data), size);
    if (caps.size() > kCapabilitiesMaxChars) caps.resize(kCapabilitiesMaxChars);
    if (CapsModel(caps).size() > 31) std::abort();
    for (const char* code : {"10", "12", "14", "60", "62", "6B", "DC", "D6"}) {
        CapsListsCode(caps, code);
        const CapsValueList list = CapsValues(caps, code);
        if (!list.found && !list.values.empty()) std::abort();
    }
    return 0;
}
