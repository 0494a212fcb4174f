#include "uilogic/DialogFilter.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(DialogFilter, TurnsBarsIntoNulsAndEndsWithTwo) {
    const std::string expected("Macro list (*.lis)\0*.lis\0All Files(*.*)\0*.*\0\0", 45);
    EXPECT_EQ(DialogFilter(kMacroListFilter), expected);
    EXPECT_EQ(DialogFilter(""), std::string("\0\0", 2));
}

}  // namespace
}  // namespace kv
