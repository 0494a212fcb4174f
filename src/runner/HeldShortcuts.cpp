#include "runner/HeldShortcuts.h"

#include <algorithm>

namespace kv {

bool HeldShortcuts::IsRepeat(std::uint32_t id, std::uint32_t now) {
    auto entry = std::find_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; });
    if (entry == entries_.end()) return false;
    if (now - entry->lastPress > kRepeatGapMs) {
        entries_.erase(entry);
        return false;
    }
    entry->lastPress = now;
    return true;
}

void HeldShortcuts::Started(std::uint32_t id, std::uint8_t key, std::uint32_t now) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; }),
                   entries_.end());
    entries_.push_back(Entry{id, key, now});
}

void HeldShortcuts::KeyReleased(std::uint8_t key) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [key](const Entry& e) { return e.key == key; }),
                   entries_.end());
}

}  // namespace kv
