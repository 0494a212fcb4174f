#pragma once
// Holding a shortcut down makes the keyboard repeat its key, and some
// platforms report every repeat as a new press even when asked not to. A
// press of a shortcut whose key has not gone up since the press that started
// its macro is such a repeat and runs nothing.
#include <cstdint>
#include <vector>

namespace kv {

class HeldShortcuts {
public:
    // A key-up the keyboard watch missed (the program was busy) must not
    // leave a shortcut dead: repeats come faster than this, so a press after
    // a longer quiet time is a new one.
    static constexpr std::uint32_t kRepeatGapMs = 1100;

    // True when the press of the macro id repeats the press that started it;
    // the press then counts as the latest one.
    bool IsRepeat(std::uint32_t id, std::uint32_t now);
    // The macro id started on a press of key, which is still down.
    void Started(std::uint32_t id, std::uint8_t key, std::uint32_t now);
    void KeyReleased(std::uint8_t key);
    bool Empty() const { return entries_.empty(); }

private:
    struct Entry {
        std::uint32_t id;
        std::uint8_t key;
        std::uint32_t lastPress;
    };
    std::vector<Entry> entries_;
};

}  // namespace kv
