// A whole file as bytes, and a UTF-16 LE file such as the event log as text.
#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Without its byte-order mark.
inline std::wstring Utf16FileText(const std::filesystem::path& path) {
    const std::string bytes = FileBytes(path);
    std::wstring text;
    for (std::size_t i = bytes.rfind("\xFF\xFE", 0) == 0 ? 2 : 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    return text;
}
