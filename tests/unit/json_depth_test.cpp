#include "output/json_depth.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(JsonDepth, CountsArraysAndObjectsButNotBracketsInStrings)
{
    const struct
    {
        const char *text;
        int depth;
    } cases[] = {
        {"1", 0},
        {"{}", 1},
        {"[[1], {\"a\": [2]}]", 3},
        {"{\"a\": \"[[[{{{\"}", 1},
        {"{\"a\": \"\\\"[[[\"}", 1},           // an escaped quote does not end the string
        {"{\"a\": \"\\\\\", \"b\": [[]]}", 3}, // an escaped backslash does
        {"]]]][[", 2},                         // stray closers never go below zero
    };
    for (const auto &c : cases)
        EXPECT_EQ(pc::jsonNestingDepth(c.text, 64), c.depth) << c.text;
}

TEST(JsonDepth, StopsCountingPastTheLimit)
{
    const std::string deep = std::string(1000000, '[') + std::string(1000000, ']');
    EXPECT_EQ(pc::jsonNestingDepth(deep, 64), 65);
    EXPECT_EQ(pc::jsonNestingDepth(std::string(64, '[') + std::string(64, ']'), 64), 64);
}

} // namespace
