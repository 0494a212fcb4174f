#include <gtest/gtest.h>

#include "model/Convert.h"
#include "model/ListText.h"

namespace kv {
namespace {

std::string BoolOutcome(const std::string& text) {
    try {
        return StrToBool(text) ? "true" : "false";
    } catch (const ConvertError& e) {
        return e.what();
    }
}

std::string IntOutcome(const std::string& text) {
    try {
        return std::to_string(StrToInt(text));
    } catch (const ConvertError& e) {
        return e.what();
    }
}

std::string HotKeyOutcome(const std::string& text) {
    try {
        return std::to_string(HotKeyFromText(text));
    } catch (const ConvertError& e) {
        return e.what();
    }
}

TEST(Convert, BooleanTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "true"},
        {"-1", "true"},
        {"0", "false"},
        {"TRUE", "true"},
        {"tRuE", "true"},
        {"false", "false"},
        {"FALSE", "false"},
        {" 5", "true"},
        {"5 ", "true"},
        {"0.0", "false"},
        {"1.5", "true"},
        {".5", "true"},
        {"5.", "true"},
        {"-0.000", "false"},
        {"+2.5e-3", "true"},
        {"0e99999999999999", "false"},
        {"1e400", "true"},
        {"1e-400", "false"},     // below the smallest double, as strtod reads it
        {"0.001e-320", "true"},  // 1e-323, a denormal double
        {"0.001e-330", "false"},
        {"5e-324", "true"},
        {"1e", "'1e' is not a valid boolean value"},
        {"1.2.3", "'1.2.3' is not a valid boolean value"},
        {".", "'.' is not a valid boolean value"},
        {"1e+", "'1e+' is not a valid boolean value"},
        {"$1F", "true"},
        {"0x1F", "true"},
        {"$0", "false"},
        {"99999999999", "true"},
        {"yes", "'yes' is not a valid boolean value"},
        {"", "'' is not a valid boolean value"},
        {" true", "' true' is not a valid boolean value"},
        {"T", "'T' is not a valid boolean value"},
    };
    for (const auto& c : cases) EXPECT_EQ(BoolOutcome(c.first), c.second) << "[" << c.first << "]";
}

TEST(Convert, IntegerTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1"},
        {"-1", "-1"},
        {"+7", "7"},
        {" 5", "5"},
        {"5 ", "'5 ' is not a valid integer value"},
        {"$1F", "31"},
        {"0x1F", "31"},
        {"0X1f", "31"},
        {"$FFFFFFFF", "-1"},
        {"2147483647", "2147483647"},
        {"-2147483648", "-2147483648"},
        {"2147483648", "'2147483648' is not a valid integer value"},
        {"$100000000", "'$100000000' is not a valid integer value"},
        {"", "'' is not a valid integer value"},
        {"1.0", "'1.0' is not a valid integer value"},
        {"$", "'$' is not a valid integer value"},
        {"abc", "'abc' is not a valid integer value"},
    };
    for (const auto& c : cases) EXPECT_EQ(IntOutcome(c.first), c.second) << "[" << c.first << "]";
}

TEST(Convert, ShortcutPieceAlsoReadsTheWritersUnsignedDecimal) {
    const std::pair<const char*, const char*> cases[] = {
        {"24692", "24692"},
        {"4294967295", "4294967295"},  // written for a value read as -1
        {"-1", "4294967295"},
        {"4294967296", "'4294967296' is not a valid integer value"},
        {"12x", "'12x' is not a valid integer value"},
    };
    for (const auto& c : cases) EXPECT_EQ(HotKeyOutcome(c.first), c.second) << "[" << c.first << "]";
}

}  // namespace
}  // namespace kv
