// libFuzzer target: the vcp group walk over arbitrary capabilities text. Every reported code
// must be announceable (1..255, not a table code) and every value list well formed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "vcp/vcp_code_table.h"
#include "vcp/vcp_group.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::int32_t lastCode = -1;
    ParseVcpGroup(text, VcpGroupReports{
                            .code =
                                [&](std::uint8_t code) {
                                    if (!IsProbeable(code)) std::abort();
                                    lastCode = code;
                                },
                            .valueList =
                                [&](std::uint8_t code, const std::string& values) {
                                    if (code != lastCode) std::abort();
                                    // Decimal bytes, each followed by two blanks.
                                    for (std::size_t pos = 0; pos < values.size();) {
                                        const std::size_t end = values.find("  ", pos);
                                        if (end == std::string::npos || end == pos || end - pos > 3) std::abort();
                                        if (std::stoi(values.substr(pos, end - pos)) > 255) std::abort();
                                        pos = end + 2;
                                    }
                                },
                        });
    std::string copy(text);
    ForgetPlaceholderCapabilities(copy);
    return 0;
}
