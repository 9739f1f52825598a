#pragma once
// Command line of orvalde-snapshot: the output file, the window size and the
// actions to run in the order given, parsed and checked without side effects.

#include <optional>
#include <string>
#include <vector>

namespace orvalde {

struct SnapshotAction {
    enum Kind { Start, Cycloid, Circular, Both, Evolute, Sweep } kind;
    int value = 0;  // start position, or number of ticks
    friend bool operator==(const SnapshotAction&, const SnapshotAction&) = default;
};

struct SnapshotArguments {
    std::string output;
    int width = 1280, height = 720;
    std::vector<SnapshotAction> actions;
    bool panel = false;           // write the measurements panel instead
    bool drawingOnly = false;     // write the drawing alone, at device pixels
    std::string language = "en";  // of the window's texts; the captions never change
    bool help = false;
};

// Returns the arguments, or sets error to one line naming the problem.
std::optional<SnapshotArguments> ParseSnapshotArguments(const std::vector<std::string>& args, std::string& error);

}  // namespace orvalde
