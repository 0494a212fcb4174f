#pragma once
// The packed shortcut value stored in the macro table and the list file:
// the virtual-key code in the low 8 bits and one bit per modifier.
#include <cstdint>

namespace kv {

constexpr std::uint32_t kHotKeyShift = 0x2000;
constexpr std::uint32_t kHotKeyCtrl = 0x4000;
constexpr std::uint32_t kHotKeyAlt = 0x8000;
constexpr std::uint32_t kHotKeyWin = 0x10000;
constexpr std::uint32_t kHotKeyKeyMask = 0xFF;

// The packed value of platform modifier bits (kModAlt, kModControl, kModShift,
// kModWin) and a key. The key is added whole, not masked: callers pass keys
// below 256.
std::uint32_t MakeHotKey(unsigned modifiers, std::uint16_t key);

// The key (low 8 bits) and the platform modifier bits of a packed value.
void SplitHotKey(std::uint32_t hotKey, std::uint16_t& key, unsigned& modifiers);

}  // namespace kv
