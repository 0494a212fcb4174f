#pragma once
// Packed shortcut values the tests use (Ctrl+Shift with F5, F6, F7), as the
// list file stores them.
#include <cstdint>

namespace kv {

constexpr std::uint32_t kCtrlShiftF5 = 24692;
constexpr std::uint32_t kCtrlShiftF6 = 24693;
constexpr std::uint32_t kCtrlShiftF7 = 24694;

}  // namespace kv
