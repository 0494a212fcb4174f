#include "uilogic/ListEntries.h"

#include <utility>

#include "model/ListText.h"
#include "runner/Delay.h"

namespace kv {

std::string KeyListText(const std::vector<std::string>& entries) { return JoinLines(entries); }

std::vector<std::string> KeyListEntries(const std::string& text) { return SplitLines(text); }

int MoveEntryUp(std::vector<std::string>& entries, int selected) {
    const int count = int(entries.size());
    if (count < 2 || selected < 0 || selected >= count) return selected;
    if (selected == 0) return selected;
    std::swap(entries[selected], entries[selected - 1]);
    return selected - 1;
}

int MoveEntryDown(std::vector<std::string>& entries, int selected) {
    const int count = int(entries.size());
    if (count < 2 || selected < 0 || selected >= count) return selected;
    if (selected >= count - 1) return selected;
    std::swap(entries[selected], entries[selected + 1]);
    return selected + 1;
}

void RemoveEntry(std::vector<std::string>& entries, int selected) {
    if (selected < 0 || selected >= int(entries.size())) return;
    entries.erase(entries.begin() + selected);
}

bool DelayEntry(const std::string& answer, std::string& entry) {
    if (answer.empty()) return false;
    entry = DelayPrefix + answer + "}";
    return true;
}

const PickerKey kPickerKeys[kPickerKeyCount] = {
    {"F1", "{F1}"},
    {"F2", "{F2}"},
    {"F3", "{F3}"},
    {"F4", "{F4}"},
    {"F5", "{F5}"},
    {"F6", "{F6}"},
    {"F7", "{F7}"},
    {"F8", "{F8}"},
    {"F9", "{F9}"},
    {"F10", "{F10}"},
    {"F11", "{F11}"},
    {"F12", "{F12}"},
    {"ESC", "{ESC}"},
    {"BKSP", "{BKSP}"},
    {"ENTER", "{ENTER}"},
    {"HOME", "{HOME}"},
    {"END", "{END}"},
    {"INSERT", "{INS}"},
    {"PGUP", "{PGUP}"},
    {"PGDN", "{PGDN}"},
    {"PRTSC", "{PRTSC}"},
    {"BREAK", "{BREAK}"},
    {"TAB", "{TAB}"},
    {"NUMLOCK", "{NUMLOCK}"},
    {"SLOCK", "{SCROLLLOCK}"},
    {"CAPSL.", "{CAPSLOCK}"},
    {"LEFT", "{LEFT}"},
    {"RIGHT", "{RIGHT}"},
    {"UP", "{UP}"},
    {"DOWN", "{DOWN}"},
    {"DEL", "{DEL}"},
};

std::string AppendPickerToken(const std::string& text, int index) {
    if (index < 0 || index >= kPickerKeyCount) return text;
    return text + kPickerKeys[index].token;
}

std::string CoordinateEntry(const std::string& x, const std::string& y) { return "{X:" + x + ",Y:" + y + "}"; }

const std::vector<std::string> kMouseButtonEntries = {"Double Click", "Left Button ", "Right Button", "Middle Button"};

std::string MouseButtonEntry(const std::string& choice) {
    static const char* const tokens[] = {"{DBLCLICK}", "{LBUTTON}", "{RBUTTON}", "{MBUTTON}"};
    for (std::size_t i = 0; i < kMouseButtonEntries.size(); ++i) {
        if (kMouseButtonEntries[i] == choice) return tokens[i];
    }
    return std::string();
}

std::string PositionText(Point point) { return "X:" + std::to_string(point.x) + ",Y:" + std::to_string(point.y); }

std::string PositionEntry(const std::string& display) { return "{" + display + "}"; }

bool IsDigitKeyAllowed(char c) { return (c >= '0' && c <= '9') || c == '\b'; }

}  // namespace kv
