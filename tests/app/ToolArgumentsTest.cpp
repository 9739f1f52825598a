// The fuzz driver's and the snapshot tool's command lines.

#include <gtest/gtest.h>

#include "app/tools/FuzzArguments.h"
#include "app/tools/SnapshotArguments.h"

namespace orvalde {
namespace {

void ExpectOneLineError(const std::string& error) {
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

TEST(FuzzArguments, AcceptsSeedAndCountWithDefaults) {
    std::string error;
    auto a = ParseFuzzArguments({}, error);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->seed, 1u);
    EXPECT_EQ(a->events, 200000u);
    a = ParseFuzzArguments({"--events", "1000000000", "--seed", "9223372036854775807"}, error);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->seed, 9223372036854775807u);
    EXPECT_EQ(a->events, 1000000000u);
    EXPECT_TRUE(ParseFuzzArguments({"--seed", "4", "-h"}, error)->help);
}

TEST(FuzzArguments, RejectsWithOneLine) {
    const std::vector<std::vector<std::string>> bad{
        {"--seed"},          {"--seed", "-1"},  {"--seed", "12abc"},
        {"--seed", ""},      {"--events", "0"}, {"--events", "1000000001"},
        {"--events", "3.5"}, {"--verbose"},     {"17"},
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(ParseFuzzArguments(args, error)) << args.front();
        ExpectOneLineError(error);
    }
}

TEST(SnapshotArguments, KeepsTheActionsInTheirOrder) {
    std::string error;
    const auto a = ParseSnapshotArguments(
        {"--start", "-100", "out.png", "--size", "640x480", "--cycloid", "40", "--evolute", "--both", "0"}, error);
    ASSERT_TRUE(a) << error;
    EXPECT_EQ(a->output, "out.png");
    EXPECT_EQ(a->width, 640);
    EXPECT_EQ(a->height, 480);
    const std::vector<SnapshotAction> want{{SnapshotAction::Start, -100},
                                           {SnapshotAction::Cycloid, 40},
                                           {SnapshotAction::Evolute, 0},
                                           {SnapshotAction::Both, 0}};
    EXPECT_EQ(a->actions, want);
    const auto plain = ParseSnapshotArguments({"x.png"}, error);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->width, 1280);
    EXPECT_EQ(plain->height, 720);
    EXPECT_TRUE(plain->actions.empty());
}

TEST(SnapshotArguments, RejectsWithOneLine) {
    const std::vector<std::vector<std::string>> bad{
        {},
        {"--cycloid", "5"},
        {"a.png", "b.png"},
        {"a.png", "--size", "99x500"},
        {"a.png", "--size", "640"},
        {"a.png", "--size", "640x480x2"},
        {"a.png", "--start", "x"},
        {"a.png", "--start", "40000"},
        {"a.png", "--both", "-1"},
        {"a.png", "--circular", "2000000"},
        {"a.png", "--circular"},
        {"a.png", "--zoom", "2"},
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(ParseSnapshotArguments(args, error)) << (args.empty() ? "" : args.back());
        ExpectOneLineError(error);
    }
}

}  // namespace
}  // namespace orvalde
