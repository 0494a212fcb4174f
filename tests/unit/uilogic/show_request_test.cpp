#include "uilogic/ShowRequest.h"

#include <gtest/gtest.h>

#include <string>

namespace kv {
namespace {

TEST(ShowWindowRequest, AcceptsOnlyTheExactText) {
    const struct {
        std::string data;  // the bytes of the record, NULs included
        bool show;
    } cases[] = {
        {std::string("SHOWWINDOW\0", 11), true},
        {std::string("SHOWWINDOW\0garbage", 18), true},  // the text ends at its NUL
        {std::string("SHOWWINDOW", 10), true},           // no NUL: the record's end ends it
        {std::string("showwindow\0", 11), false},
        {std::string("ShowWindow\0", 11), false},
        {std::string("SHOWWINDOWS\0", 12), false},
        {std::string("SHOWWINDO\0", 10), false},
        {std::string(" SHOWWINDOW\0", 12), false},
        {std::string("\0SHOWWINDOW", 11), false},
        {std::string(), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsShowWindowRequest(c.data.data(), c.data.size()), c.show) << '"' << c.data << '"';
    }
}

TEST(ShowWindowRequest, NeverReadsBeyondTheRecord) {
    // The record holds "SHOW" only; the bytes after it must not be looked at.
    const char buffer[] = "SHOWWINDOW";
    EXPECT_FALSE(IsShowWindowRequest(buffer, 4));
    EXPECT_FALSE(IsShowWindowRequest(nullptr, 11));
}

TEST(ShowWindowRequest, SizeOfTheMessageCountsTheNul) {
    EXPECT_EQ(kShowWindowSize, std::string(kShowWindowText).size() + 1);
}

}  // namespace
}  // namespace kv
