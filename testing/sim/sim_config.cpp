#include "testing/sim/sim_config.h"

#include <charconv>
#include <cstdio>
#include <sstream>

namespace {

constexpr std::size_t kDescriptionLimit = 127;
constexpr std::size_t kCapabilitiesLimit = 65535;

// Two real scalers' capabilities; both monitors also answer a few codes their strings omit
// (speaker, power, usage time), as real monitors often do.
constexpr const char* kDefaultConfig = R"(# Built-in simulator configuration: two displays, one monitor each.
latency reply 40
latency write 50
latency caps 50
latency enumerate 0

display \\.\DISPLAY1 0 0 1920 1080
monitor Generic PnP Monitor
capabilities (prot(monitor)type(LCD)model(RTK)cmds(01 02 03 07 0C E3 F3)vcp(02 04 05 06 08 0B 0C 0E 10 12 14(01 05 06 08 0B) 16 18 1A 1E 1F 20 30 3E 52 60(01) AC AE B2 B6 C6 C8 CA CC(02 03 04 05 06 09 0A 0D) D6(01 04 05) DF FD FF)mswhql(1)asset_eep(40)mccs_ver(2.2))
vcp 02 1 2
vcp 04 0 1
vcp 10 75 100
vcp 12 50 100
vcp 14 05 0x0B
vcp 16 50 100
vcp 18 50 100
vcp 1A 50 100
vcp 60 01 0x03
vcp 62 30 100
vcp B6 3 8 ro
vcp C0 1234 65535 ro
vcp C8 0x12 0xFF ro
vcp D6 1 5
vcp DF 0x0202 0xFFFF ro

display \\.\DISPLAY2 1920 0 5760 2160
monitor BenQ PD3220U
capabilities (prot(monitor)type(lcd)model(PD3220U)cmds(01 02 03 07)vcp(10 12 14(04 05 06) 60(11 12 0F))mccs_ver(2.2))
vcp 04 0 1
vcp 10 60 100
vcp 12 50 100
vcp 14 05 0x0B
vcp 60 0x0F 0x12
vcp D6 1 5
)";

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// Decimal, or hexadecimal with "0x".
bool ParseNumber(const std::string& text, std::uint32_t& value, int base = 10) {
    std::string_view digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    return error == std::errc() && end == digits.data() + digits.size() && !digits.empty();
}

bool ParseSigned(const std::string& text, std::int32_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool ParseProbability(const std::string& text, double& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty() && value >= 0 && value <= 1;
}

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

bool IsAscii(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80 || static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
    }
    return true;
}

class Parser {
public:
    Parser(SimConfig& config, SimGpuConfig& gpu) : config_(config), gpu_(gpu) {}

    // Returns an empty string when the line is good, else the reason.
    std::string Line(const std::string& keyword, const std::string& rest) {
        const std::vector<std::string> words = Split(rest);
        if (keyword == "latency") return Latency(words);
        if (keyword == "display") return Display(words);
        if (keyword == "monitor") return Monitor(rest);
        if (keyword == "capabilities") return Capabilities(rest);
        if (keyword == "vcp") return Vcp(words);
        if (keyword == "saved") return Saved(words);
        if (keyword == "fail") return Fail(words, config_.failures);
        if (keyword == "gpu") return Gpu(words);
        if (keyword == "gpufail") return Fail(words, gpu_.failures);
        if (keyword == "failrate") return FailRate(words);
        return "unknown keyword \"" + keyword + "\"";
    }

private:
    SimMonitor* LastMonitor() {
        if (config_.displays.empty() || config_.displays.back().monitors.empty()) {
            return nullptr;
        }
        return &config_.displays.back().monitors.back();
    }

    std::string Latency(const std::vector<std::string>& w) {
        struct Kind {
            const char* name;
            std::uint32_t SimLatencies::*field;
        };
        static const Kind kinds[] = {{"reply", &SimLatencies::reply},
                                     {"write", &SimLatencies::write},
                                     {"caps", &SimLatencies::capsFragment},
                                     {"enumerate", &SimLatencies::enumerate}};
        std::uint32_t ms = 0;
        if (w.size() != 2 || !ParseNumber(w[1], ms)) {
            return "expected: latency reply|write|caps|enumerate <milliseconds>";
        }
        for (const Kind& kind : kinds) {
            if (w[0] == kind.name) {
                config_.latencies.*kind.field = ms;
                return {};
            }
        }
        return "unknown latency \"" + w[0] + "\"";
    }

    std::string Display(const std::vector<std::string>& w) {
        SimDisplay display;
        if (w.size() != 5 || !ParseSigned(w[1], display.left) || !ParseSigned(w[2], display.top) ||
            !ParseSigned(w[3], display.right) || !ParseSigned(w[4], display.bottom)) {
            return "expected: display <device name> <left> <top> <right> <bottom>";
        }
        if (display.right <= display.left || display.bottom <= display.top) {
            return "display rectangle is empty";
        }
        if (!IsAscii(w[0])) {
            return "device name must be ASCII";
        }
        display.deviceName = Widen(w[0]);
        config_.displays.push_back(display);
        return {};
    }

    std::string Monitor(const std::string& description) {
        if (config_.displays.empty()) {
            return "monitor before any display";
        }
        if (description.size() > kDescriptionLimit) {
            return "description longer than 127 characters";
        }
        if (!IsAscii(description)) {
            return "description must be ASCII";
        }
        SimMonitor monitor;
        monitor.description = Widen(description);
        config_.displays.back().monitors.push_back(monitor);
        return {};
    }

    std::string Capabilities(const std::string& text) {
        SimMonitor* monitor = LastMonitor();
        if (!monitor) {
            return "capabilities before any monitor";
        }
        if (text.size() > kCapabilitiesLimit) {
            return "capabilities longer than 65535 bytes";
        }
        monitor->capabilities = text;
        return {};
    }

    std::string Vcp(const std::vector<std::string>& w) {
        SimMonitor* monitor = LastMonitor();
        if (!monitor) {
            return "vcp before any monitor";
        }
        std::uint32_t code = 0;
        SimVcp vcp;
        if (w.size() < 3 || !ParseNumber(w[0], code, 16) || code > 0xFF || !ParseNumber(w[1], vcp.current) ||
            !ParseNumber(w[2], vcp.maximum)) {
            return "expected: vcp <hex code> <current> <maximum> [min=<n>] [factory=<n>] [ro]";
        }
        if (vcp.current > 0xFFFF || vcp.maximum > 0xFFFF) {
            return "VCP values are 16-bit";
        }
        vcp.factory = vcp.current;
        for (std::size_t i = 3; i < w.size(); ++i) {
            const std::string& option = w[i];
            const bool known = option == "ro"                    ? (vcp.readOnly = true)
                               : option.starts_with("min=")     ? ParseNumber(option.substr(4), vcp.minimum)
                               : option.starts_with("factory=") ? ParseNumber(option.substr(8), vcp.factory)
                                                                : false;
            if (!known) {
                return "unknown vcp option \"" + option + "\"";
            }
        }
        if (vcp.minimum > vcp.maximum) {
            return "minimum above maximum";
        }
        if (!monitor->vcp.emplace(static_cast<std::uint8_t>(code), vcp).second) {
            return "VCP code listed twice for this monitor";
        }
        return {};
    }

    std::string Saved(const std::vector<std::string>& w) {
        SimMonitor* monitor = LastMonitor();
        if (!monitor) {
            return "saved before any monitor";
        }
        if (w.size() != 1 || !ParseNumber(w[0], monitor->savedCount)) {
            return "expected: saved <count>";
        }
        return {};
    }

    std::string Fail(const std::vector<std::string>& w, std::vector<SimFailureRule>& rules) {
        SimFailureRule rule;
        if (w.size() < 2) {
            return "expected: fail <operation|*> <count|always> [display=<n>] [monitor=<n>]";
        }
        rule.operation = w[0] == "*" ? std::string() : w[0];
        if (w[1] == "always") {
            rule.always = true;
        } else if (!ParseNumber(w[1], rule.count) || rule.count == 0) {
            return "failure count must be a positive number or \"always\"";
        }
        for (std::size_t i = 2; i < w.size(); ++i) {
            std::int32_t* target = w[i].starts_with("display=")   ? &rule.display
                                   : w[i].starts_with("monitor=") ? &rule.monitor
                                                                  : nullptr;
            if (!target || !ParseSigned(w[i].substr(8), *target) || *target < 0) {
                return "unknown fail option \"" + w[i] + "\"";
            }
        }
        rules.push_back(rule);
        return {};
    }

    std::string Gpu(const std::vector<std::string>& w) {
        SimGpuDisplay display;
        const bool vendorKnown = !w.empty() && (w[0] == "nvidia" || w[0] == "amd");
        if (w.size() < 8 || !vendorKnown || !ParseSigned(w[2], display.current) || !ParseSigned(w[3], display.minimum) ||
            !ParseSigned(w[4], display.maximum) || !ParseSigned(w[5], display.defaultValue)) {
            return "expected: gpu nvidia|amd <device name> <current> <minimum> <maximum> <default> <driver version> "
                   "<adapter name>";
        }
        if (display.minimum > display.maximum || display.current < display.minimum || display.current > display.maximum) {
            return "saturation outside minimum..maximum";
        }
        if (!IsAscii(w[1]) || !IsAscii(w[6])) {
            return "device name and driver version must be ASCII";
        }
        display.vendor = w[0] == "nvidia" ? SimGpuVendor::Nvidia : SimGpuVendor::Amd;
        display.deviceName = w[1];
        display.driverVersion = w[6];
        for (std::size_t i = 7; i < w.size(); ++i) display.adapterName += (i > 7 ? " " : "") + w[i];
        gpu_.displays.push_back(display);
        return {};
    }

    std::string FailRate(const std::vector<std::string>& w) {
        if (w.size() != 2 || !ParseProbability(w[0], config_.failureProbability) ||
            !ParseNumber(w[1], config_.failureSeed)) {
            return "expected: failrate <probability 0..1> <seed>";
        }
        return {};
    }

    SimConfig& config_;
    SimGpuConfig& gpu_;
};

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text) {
        narrow += static_cast<char>(c);
    }
    return narrow;
}

}  // namespace

bool SimParseConfig(const std::string& text, SimConfig& config, std::string& error, SimGpuConfig* gpu) {
    SimConfig parsed;
    SimGpuConfig parsedGpu;
    Parser parser(parsed, parsedGpu);
    std::istringstream in(text);
    int number = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++number;
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const auto space = line.find_first_of(" \t");
        const std::string keyword = line.substr(0, space);
        const std::string rest = space == std::string::npos ? std::string() : Trim(line.substr(space + 1));
        const std::string reason = parser.Line(keyword, rest);
        if (!reason.empty()) {
            error = "line " + std::to_string(number) + ": " + reason;
            return false;
        }
    }
    for (const SimDisplay& display : parsed.displays) {
        if (display.monitors.empty()) {
            error = "display " + Narrow(display.deviceName) + " has no monitor";
            return false;
        }
    }
    config = parsed;
    if (gpu) *gpu = parsedGpu;
    return true;
}

std::string SimFormatConfig(const SimConfig& config) {
    std::string out;
    const SimLatencies& l = config.latencies;
    out += "latency reply " + std::to_string(l.reply) + "\nlatency write " + std::to_string(l.write) +
           "\nlatency caps " + std::to_string(l.capsFragment) + "\nlatency enumerate " + std::to_string(l.enumerate) +
           "\n";
    for (const SimFailureRule& rule : config.failures) {
        out += "fail " + (rule.operation.empty() ? std::string("*") : rule.operation) + " " +
               (rule.always ? std::string("always") : std::to_string(rule.count));
        if (rule.display >= 0) out += " display=" + std::to_string(rule.display);
        if (rule.monitor >= 0) out += " monitor=" + std::to_string(rule.monitor);
        out += "\n";
    }
    if (config.failureProbability > 0) {
        char rate[64];
        std::snprintf(rate, sizeof rate, "failrate %.17g %u\n", config.failureProbability,
                      static_cast<unsigned>(config.failureSeed));
        out += rate;
    }
    for (const SimDisplay& d : config.displays) {
        out += "\ndisplay " + Narrow(d.deviceName) + " " + std::to_string(d.left) + " " + std::to_string(d.top) +
               " " + std::to_string(d.right) + " " + std::to_string(d.bottom) + "\n";
        for (const SimMonitor& m : d.monitors) {
            out += "monitor " + Narrow(m.description) + "\n";
            if (!m.capabilities.empty()) {
                out += "capabilities " + m.capabilities + "\n";
            }
            for (const auto& [code, vcp] : m.vcp) {
                char hex[4];
                std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(code));
                out += "vcp " + std::string(hex) + " " + std::to_string(vcp.current) + " " + std::to_string(vcp.maximum);
                if (vcp.minimum != 0) out += " min=" + std::to_string(vcp.minimum);
                if (vcp.factory != vcp.current) out += " factory=" + std::to_string(vcp.factory);
                if (vcp.readOnly) out += " ro";
                out += "\n";
            }
            if (m.savedCount != 0) {
                out += "saved " + std::to_string(m.savedCount) + "\n";
            }
        }
    }
    return out;
}

const char* SimDefaultConfigText() { return kDefaultConfig; }

SimConfig SimDefaultConfig() {
    SimConfig config;
    std::string error;
    // The built-in text is covered by a test; a parse failure here is a programming error.
    if (!SimParseConfig(kDefaultConfig, config, error)) {
        std::fprintf(stderr, "simulator default configuration: %s\n", error.c_str());
    }
    return config;
}
