#include <gtest/gtest.h>

#include "app/tools/TraceArguments.h"

namespace orvalde {
namespace {

std::optional<TraceArguments> Parse(std::vector<std::string> args, std::string& error) {
    return ParseTraceArguments(args, error);
}

TEST(TraceArguments, AcceptsTheRangesAndFlags) {
    std::string error;
    auto a = Parse({"--start", "-120", "--ticks", "10000000", "--circular"}, error);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->start, -120);
    EXPECT_EQ(a->ticks, 10000000);
    EXPECT_TRUE(a->circular);
    a = Parse({"--ticks", "0", "--start", "0"}, error);
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->circular);
    EXPECT_FALSE(a->periods);
    EXPECT_TRUE(Parse({"--start", "-7", "--periods", "--ticks", "9"}, error)->periods);
    EXPECT_TRUE(Parse({"--help"}, error)->help);
}

TEST(TraceArguments, RejectsWithOneLineNamingTheRange) {
    const std::vector<std::vector<std::string>> bad{
        {"--start", "1", "--ticks", "5"},
        {"--start", "-121", "--ticks", "5"},
        {"--start", "-3.5", "--ticks", "5"},
        {"--start", "x", "--ticks", "5"},
        {"--start", "-3", "--ticks", "-1"},
        {"--start", "-3", "--ticks", "10000001"},
        {"--start", "-3", "--ticks", "99999999999999999999"},
        {"--start", "-3"},
        {"--ticks", "4"},
        {"--start"},
        {"--start", "-3", "--ticks", "4", "--fast"},
        {"--start", "-3", "--ticks", "4", "--periods", "--circular"},
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(Parse(args, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
    std::string error;
    Parse({"--start", "5", "--ticks", "1"}, error);
    EXPECT_NE(error.find("-120 to 0"), std::string::npos);
}

}  // namespace
}  // namespace orvalde
