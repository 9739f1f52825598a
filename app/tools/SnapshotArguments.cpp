#include "app/tools/SnapshotArguments.h"

#include <cstdio>

#include "app/tools/OptionValue.h"
#include "app/tools/ParseInteger.h"

namespace orvalde {
namespace {

constexpr long long kMaxTicks = 1'000'000;
constexpr int kMinSide = 100, kMaxSide = 10000;

bool ParseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    long long w = 0, h = 0;
    if (x == std::string::npos || !ParseIntegerIn(text.substr(0, x), kMinSide, kMaxSide, w) ||
        !ParseIntegerIn(text.substr(x + 1), kMinSide, kMaxSide, h))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

}  // namespace

std::optional<SnapshotArguments> ParseSnapshotArguments(const std::vector<std::string>& args, std::string& error) {
    SnapshotArguments out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out.help = true;
            return out;
        }
        if (a == "--drawing-only") {
            out.drawingOnly = true;
            continue;
        }
        if (a == "--panel") {
            out.panel = true;
            continue;
        }
        if (a == "--sweep") {
            out.actions.push_back({SnapshotAction::Sweep, 0});
            continue;
        }
        if (a == "--evolute") {
            out.actions.push_back({SnapshotAction::Evolute, 0});
            continue;
        }
        if (!a.starts_with("-")) {
            if (!out.output.empty()) {
                error = "one output file only, got '" + out.output + "' and '" + a + "'";
                return std::nullopt;
            }
            out.output = a;
            continue;
        }
        const std::string* given =
            OptionValue(args, i, {"--cycloid", "--circular", "--both", "--size", "--start", "--lang"}, error);
        if (!given) return std::nullopt;
        const std::string& text = *given;
        long long value = 0;
        if (a == "--lang") {
            out.language = text;  // checked against the catalogs by the tool
        } else if (a == "--size") {
            if (!ParseSize(text, out.width, out.height)) {
                error = "--size must be WxH, each from 100 to 10000, got '" + text + "'";
                return std::nullopt;
            }
        } else if (a == "--start") {
            if (!ParseIntegerIn(text, -32768, 32767, value)) {
                error = "--start must be a scroll-bar position, an integer from -32768 to 32767, got '" + text + "'";
                return std::nullopt;
            }
            out.actions.push_back({SnapshotAction::Start, static_cast<int>(value)});
        } else {
            if (!ParseIntegerIn(text, 0, kMaxTicks, value)) {
                error = a + " must be a number of ticks from 0 to 1000000, got '" + text + "'";
                return std::nullopt;
            }
            const auto kind = a == "--cycloid"    ? SnapshotAction::Cycloid
                              : a == "--circular" ? SnapshotAction::Circular
                                                  : SnapshotAction::Both;
            out.actions.push_back({kind, static_cast<int>(value)});
        }
    }
    if (out.output.empty()) {
        error = "missing the output file OUT.png";
        return std::nullopt;
    }
    return out;
}

}  // namespace orvalde
