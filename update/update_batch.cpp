#include "update/update_batch.h"

#include <optional>

namespace {

constexpr std::string_view kWait = "timeout 5\r\n";
constexpr std::string_view kLineEnd = "\r\n";

std::optional<std::string> Quoted(std::string_view path) {
    if (path.empty()) return std::nullopt;
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '?' || c == '"' || static_cast<unsigned char>(c) < 0x20) return std::nullopt;
        quoted += c;
        if (c == '%') quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string InstallBatchText(std::string_view ansiProgram) {
    const auto program = Quoted(ansiProgram);
    if (!program) return {};
    return std::string(kWait) + *program + std::string(kLineEnd);
}

std::string UninstallBatchText(std::string_view ansiProgram, std::string_view ansiUninstaller) {
    const auto program = Quoted(ansiProgram);
    const auto uninstaller = Quoted(ansiUninstaller);
    if (!program || !uninstaller) return {};
    return std::string(kWait) + "del /Q " + *program + std::string(kLineEnd) + *uninstaller + std::string(kLineEnd);
}
