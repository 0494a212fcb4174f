#pragma once
// The entries of the editor's lists: the key list file (".lst") shared by
// the key and mouse pages, the Up, Down and Remove buttons, the delay entry,
// the special-key picker's tokens and the mouse page's entries.
#include <string>
#include <vector>

#include "platform/Types.h"

namespace kv {

// Default names offered by Save List on the key and mouse pages.
inline constexpr char kKeyListFileName[] = "Keylist.lst";
inline constexpr char kMouseListFileName[] = "MouseEventList.lst";
inline constexpr char kKeyListFilter[] = "Key List (*.lst)|*.lst|All Files (*.*)|*.*";
inline constexpr char kKeyListExtension[] = "lst";

// The text of a key list file: every entry followed by CR LF; no entries
// give an empty text.
std::string KeyListText(const std::vector<std::string>& entries);
// The entries of a key list file's text: lines end at CR LF, a lone CR or a
// lone LF; an empty line is an empty entry; text after the last line end is
// a final entry; a NUL ends the text.
std::vector<std::string> KeyListEntries(const std::string& text);

// Up and Down: exchange the selected entry with its neighbour. With fewer
// than two entries, no selection (-1), or the entry already at that end,
// nothing changes. Returns the index of the selected entry afterwards.
int MoveEntryUp(std::vector<std::string>& entries, int selected);
int MoveEntryDown(std::vector<std::string>& entries, int selected);
// Remove: deletes the selected entry; nothing without a selection.
void RemoveEntry(std::vector<std::string>& entries, int selected);

// "Add Delay": the input box's caption, prompt, and the entry made of its
// answer, "{DELAY" + answer + "}" with the answer as typed. An empty answer
// (also a cancelled box) gives no entry: false.
inline constexpr char kAddDelayCaption[] = "Add Delay";
inline constexpr char kAddDelayPrompt[] = "Please enter millisecond";
bool DelayEntry(const std::string& answer, std::string& entry);

// The special-key picker's 31 buttons, in grid order.
struct PickerKey {
    const char* caption;
    const char* token;
};
constexpr int kPickerKeyCount = 31;
extern const PickerKey kPickerKeys[kPickerKeyCount];
// The text of txKey after button index (0 for SpeedButton1) is clicked: the
// token is appended at the end, wherever the caret is.
std::string AppendPickerToken(const std::string& text, int index);

// The mouse page's entries.
std::string CoordinateEntry(const std::string& x, const std::string& y);  // "{X:" x ",Y:" y "}"
// The button entries of cbMBut, in list order ("Left Button " ends in a blank).
extern const std::vector<std::string> kMouseButtonEntries;
// The entry of a cbMBut choice; "" for a text that is none of them.
std::string MouseButtonEntry(const std::string& choice);
// The position display: "X:" x ",Y:" y, in decimal with a minus sign when
// negative.
std::string PositionText(Point point);
// The Insert key's entry: the display between braces ("{}" while it is empty).
std::string PositionEntry(const std::string& display);

// txTimes, txX and txY: only the digits and Backspace get through.
bool IsDigitKeyAllowed(char c);

}  // namespace kv
