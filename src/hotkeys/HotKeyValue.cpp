#include "hotkeys/HotKeyValue.h"

#include "platform/HotKeyApi.h"

namespace kv {

std::uint32_t MakeHotKey(unsigned modifiers, std::uint16_t key) {
    std::uint32_t hotKey = 0;
    if (modifiers & kModShift) hotKey += kHotKeyShift;
    if (modifiers & kModControl) hotKey += kHotKeyCtrl;
    if (modifiers & kModAlt) hotKey += kHotKeyAlt;
    if (modifiers & kModWin) hotKey += kHotKeyWin;
    return hotKey + key;
}

void SplitHotKey(std::uint32_t hotKey, std::uint16_t& key, unsigned& modifiers) {
    key = static_cast<std::uint16_t>(hotKey & kHotKeyKeyMask);
    modifiers = 0;
    if (hotKey & kHotKeyWin) modifiers += kModWin;
    if (hotKey & kHotKeyAlt) modifiers += kModAlt;
    if (hotKey & kHotKeyCtrl) modifiers += kModControl;
    if (hotKey & kHotKeyShift) modifiers += kModShift;
}

}  // namespace kv
