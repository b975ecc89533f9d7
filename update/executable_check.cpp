#include "update/executable_check.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t kPeOffsetField = 0x3C;
constexpr std::size_t kFileHeaderSize = 20;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::uint32_t kOptionalMagic32 = 0x10B;
constexpr std::uint32_t kOptionalMagic64 = 0x20B;

// Little-endian field of size bytes at offset; false when it lies outside the file.
bool Field(std::string_view bytes, std::uint64_t offset, std::size_t size, std::uint64_t& value) {
    if (offset > bytes.size() || bytes.size() - offset < size) return false;
    value = 0;
    for (std::size_t i = size; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return true;
}

}  // namespace

bool IsCompleteExecutable(std::string_view bytes) {
    std::uint64_t pe = 0, sections = 0, optionalSize = 0, magic = 0;
    if (bytes.substr(0, 2) != "MZ" || !Field(bytes, kPeOffsetField, 4, pe)) return false;
    if (pe > bytes.size() || bytes.substr(pe, 4) != std::string_view("PE\0\0", 4)) return false;
    const std::uint64_t fileHeader = pe + 4;
    if (!Field(bytes, fileHeader + 2, 2, sections) || !Field(bytes, fileHeader + 16, 2, optionalSize)) return false;
    const std::uint64_t optionalHeader = fileHeader + kFileHeaderSize;
    if (sections == 0 || !Field(bytes, optionalHeader, 2, magic)) return false;
    if (magic != kOptionalMagic32 && magic != kOptionalMagic64) return false;
    const std::uint64_t table = optionalHeader + optionalSize;
    for (std::uint64_t section = 0; section < sections; ++section) {
        const std::uint64_t header = table + section * kSectionHeaderSize;
        std::uint64_t rawSize = 0, rawStart = 0;
        if (!Field(bytes, header + 16, 4, rawSize) || !Field(bytes, header + 20, 4, rawStart)) return false;
        if (rawStart + rawSize > bytes.size()) return false;
    }
    return true;
}
