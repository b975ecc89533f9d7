#include "testing/sim/sim_environment.h"

#include <fstream>
#include <sstream>

#include "testing/sim/sim_config.h"

namespace {

bool ReadFile(const std::filesystem::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

bool LoadFile(const std::filesystem::path& path, SimConfig& config, std::string& error) {
    std::string text;
    if (!ReadFile(path, text)) {
        error = path.string() + ": cannot be read";
        return false;
    }
    if (!SimParseConfig(text, config, error)) {
        error = path.string() + ": " + error;
        return false;
    }
    return true;
}

}  // namespace

std::int32_t SimDisplayForDevice(const SimConfig& config, const std::wstring& deviceName, std::int32_t position) {
    const auto count = static_cast<std::int32_t>(config.displays.size());
    for (std::int32_t i = 0; i < count; ++i) {
        if (config.displays[i].deviceName == deviceName) {
            return i;
        }
    }
    const std::wstring prefix = L"\\\\.\\DISPLAY";
    if (deviceName.starts_with(prefix) && deviceName.size() > prefix.size() && deviceName.size() <= prefix.size() + 3) {
        std::int32_t number = 0;
        for (std::size_t i = prefix.size(); i < deviceName.size(); ++i) {
            if (deviceName[i] < L'0' || deviceName[i] > L'9') {
                number = 0;
                break;
            }
            number = number * 10 + (deviceName[i] - L'0');
        }
        if (number >= 1 && number <= count) {
            return number - 1;
        }
    }
    return position >= 0 && position < count ? position : -1;
}

bool SimLoadFiles(const std::filesystem::path& configPath, const std::filesystem::path& statePath,
                  std::string& error) {
    SimConfig config = SimDefaultConfig();
    std::error_code ignored;
    const bool ok = (configPath.empty() || LoadFile(configPath, config, error)) &&
                    (statePath.empty() || !std::filesystem::exists(statePath, ignored) ||
                     LoadFile(statePath, config, error));
    // A broken file leaves no monitors at all, so a test cannot mistake the default for its own.
    SimLoad(ok ? config : SimConfig{});
    return ok;
}

bool SimGpuLoadFile(const std::filesystem::path& configPath, std::string& error) {
    SimConfig monitors;
    SimGpuConfig gpu;
    std::string text;
    bool ok = configPath.empty() || ReadFile(configPath, text);
    if (!ok) error = configPath.string() + ": cannot be read";
    if (ok && !SimParseConfig(text, monitors, error, &gpu)) {
        error = configPath.string() + ": " + error;
        ok = false;
    }
    SimGpuLoad(ok ? gpu : SimGpuConfig{});
    return ok;
}

bool SimSaveState(const std::filesystem::path& statePath) {
    std::filesystem::path temporary = statePath;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << SimFormatConfig(SimCurrent());
        if (!out.flush()) {
            return false;
        }
    }
    std::error_code failed;
    std::filesystem::rename(temporary, statePath, failed);
    return !failed;
}

bool SimAppendLogLine(const std::filesystem::path& logPath, const std::string& line) {
    std::ofstream out(logPath, std::ios::binary | std::ios::app);
    out << line << "\n";
    return static_cast<bool>(out.flush());
}
