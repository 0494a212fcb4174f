#include "runner/KeyEvents.h"

#include <cstring>
#include <memory>
#include <vector>

#include "model/Convert.h"
#include "model/KeyCodes.h"
#include "model/Split.h"
#include "runner/CharacterInput.h"
#include "runner/Delay.h"
#include "runner/InputTarget.h"
#include "runner/Playback.h"

namespace kv {

const KeyName KeyNameTable[41] = {
    {"BACKSPACE", 0x08}, {"BKSP", 0x08},   {"BREAK", 0x03},      {"BS", 0x08},      {"CAPSLOCK", 0x14}, {"CLEAR", 0x0C},
    {"DEL", 0x2E},       {"DELETE", 0x2E}, {"DOWN", 0x28},       {"END", 0x23},     {"ENTER", 0x0D},    {"ESC", 0x1B},
    {"ESCAPE", 0x1B},    {"F1", 0x70},     {"F10", 0x79},        {"F11", 0x7A},     {"F12", 0x7B},      {"F13", 0x7C},
    {"F14", 0x7D},       {"F15", 0x7E},    {"F16", 0x7F},        {"F2", 0x71},      {"F3", 0x72},       {"F4", 0x73},
    {"F5", 0x74},        {"F6", 0x75},     {"F7", 0x76},         {"F8", 0x77},      {"F9", 0x78},       {"HELP", 0x2F},
    {"HOME", 0x24},      {"INS", 0x2D},    {"LEFT", 0x25},       {"NUMLOCK", 0x90}, {"PGDN", 0x22},     {"PGUP", 0x21},
    {"PRTSC", 0x2A},     {"RIGHT", 0x27},  {"SCROLLLOCK", 0x91}, {"TAB", 0x09},     {"UP", 0x26},
};

std::uint8_t LookupKeyName(const std::string& name) {
    // Binary search: the table is in ascending byte order.
    int low = 0;
    int high = int(sizeof KeyNameTable / sizeof KeyNameTable[0]) - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int order = std::strcmp(KeyNameTable[middle].name, name.c_str());
        if (order == 0) return KeyNameTable[middle].virtualKey;
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return 0;
}

namespace {

constexpr std::uint8_t kVkReturn = 0x0D;
constexpr std::uint8_t kVkEscape = 0x1B;
constexpr std::uint8_t kVkShift = 0x10;
constexpr std::uint8_t kVkControl = 0x11;
constexpr std::uint8_t kVkMenu = 0x12;
constexpr std::uint8_t kVkNumLock = 0x90;
constexpr std::uint16_t kNoKey = 0xFFFF;
constexpr size_t kMaxNameLength = 20;
// Keys of one text that go out before the keyboard watch is asked for a
// burst: lifting its hook and putting it back cost about as much as that.
constexpr unsigned kKeysBeforeBurst = 16;

char UpperCase(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// The state of one SendKeySequence call.
class KeySender {
public:
    KeySender(InputContext& context, bool wait) : context_(context), wait_(wait) {}

    bool Send(const std::string& text) {
        try {
            return SendText(text);
        } catch (...) {
            // A bad repeat count or a stop ends the macro; the modifiers it
            // held go up.
            ReleaseAllHeld();
            throw;
        }
    }

private:
    struct Modifier {
        std::uint8_t virtualKey;
        bool held;
    };

    bool SendText(const std::string& text) {
        if (text.empty()) return false;
        size_t at = 0;
        while (at < text.size()) {
            switch (text[at]) {
                case '+':
                    Hold(shift_);
                    ++at;
                    break;
                case '^':
                    Hold(ctrl_);
                    ++at;
                    break;
                case '%':
                    Hold(alt_);
                    ++at;
                    break;
                case '(':
                    group_ = true;
                    ++at;
                    break;
                case ')':
                    group_ = false;
                    ReleaseHeldModifiers();
                    ++at;
                    break;
                case '~':
                    PressKey(kVkReturn, 1, true);
                    ReleaseHeldModifiers();
                    ++at;
                    break;
                case '{':
                    if (!SendBraceToken(text, at)) return false;
                    break;
                default: at += TypeCharacter(text, at); break;
            }
        }
        // A group left open ends with the text: nothing stays held.
        ReleaseAllHeld();
        return true;
    }

    // at stands on a "{"; moves it past the token. False when the token is
    // not closed.
    bool SendBraceToken(const std::string& text, size_t& at) {
        if (at + 1 < text.size() && text[at + 1] == '{') {
            TypeCharacter("{", 0);
            at += 3;  // {{}
            return true;
        }

        std::string name;
        size_t next = at + 1;
        bool closed = false;
        for (; next < text.size(); ++next) {
            if (text[next] == '}') {
                closed = true;
                ++next;
                break;
            }
            if (name.size() < kMaxNameLength) name += UpperCase(text[next]);
        }
        if (!closed) {
            ReleaseAllHeld();
            ShowKeyError("No Close");
            return false;
        }
        if (next < text.size() && text[next] == '}') {
            // {}} and also {TAB}}: a literal "}", the name is dropped.
            TypeCharacter("}", 0);
            at = next + 1;
            return true;
        }
        at = next;

        std::uint16_t repeat = 1;
        const size_t blank = name.find(' ');
        if (blank != std::string::npos) {
            const std::int32_t count = StrToInt(name.substr(blank + 1));
            // The count's low 16 bits; a negative count sends nothing rather
            // than tens of thousands of keys.
            repeat = count < 0 ? 0 : std::uint16_t(count);
            name.resize(blank);
        }

        char32_t codePoint = 0;
        if (ParseCodePointName(name, codePoint)) {
            TypeUnicode(Utf16Of(codePoint), repeat);
            ReleaseHeldModifiers();
            return true;
        }
        std::uint16_t code;
        CharacterChoice single;
        if (!name.empty()) single = ChooseCharacterInput(context_.input, name, 0);
        if (!name.empty() && single.length == name.size()) {
            // One character: the layout's key, else the character itself;
            // nothing (and no message) when it is neither.
            code = single.keyCode;
            if (code == kNoKey) {
                if (single.units.empty()) return true;
                TypeUnicode(single.units, repeat);
                ReleaseHeldModifiers();
                return true;
            }
        } else {
            code = LookupKeyName(name);
            if (code == 0) {
                ShowKeyError("Invalid Key Name");
                return true;
            }
        }
        TypeKeyCode(code, repeat, true);
        ReleaseHeldModifiers();
        return true;
    }

    // The character at text[at] through the keyboard layout, with the shift
    // state it needs, or as a Unicode character when the layout has no key
    // for it. Returns the number of bytes it took.
    size_t TypeCharacter(const std::string& text, size_t at) {
        const CharacterChoice choice = ChooseCharacterInput(context_.input, text, at);
        if (choice.keyCode != kNoKey) {
            TypeKeyCode(choice.keyCode, 1, true);
        } else if (!choice.units.empty()) {
            TypeUnicode(choice.units, 1);
        } else {
            ShowKeyError("Invalid KeyName");
            return choice.length;
        }
        ReleaseHeldModifiers();
        return choice.length;
    }

    // Each UTF-16 unit goes down and up in turn, count times.
    void TypeUnicode(const std::u16string& units, std::uint16_t count) {
        for (unsigned i = 0; i < count; ++i) {
            for (char16_t unit : units) {
                CountKeyForBurst();
                PostUnicodeEvent(std::uint16_t(unit), false);
                PostUnicodeEvent(std::uint16_t(unit), true);
            }
        }
    }

    void Hold(Modifier& modifier) {
        modifier.held = true;
        PressKey(modifier.virtualKey, 1, false);
    }

    void TypeKeyCode(std::uint16_t code, std::uint16_t count, bool withRelease) {
        const bool shift = (code & 0x100) != 0;
        const bool ctrl = (code & 0x200) != 0;
        const bool alt = (code & 0x400) != 0;
        if (shift) PressKey(kVkShift, 1, false);
        if (ctrl) PressKey(kVkControl, 1, false);
        if (alt) PressKey(kVkMenu, 1, false);
        PressKey(std::uint8_t(code & 0xFF), count, withRelease);
        if (shift) ReleaseModifier(kVkShift);
        if (ctrl) ReleaseModifier(kVkControl);
        if (alt) ReleaseModifier(kVkMenu);
    }

    void PressKey(std::uint8_t virtualKey, std::uint16_t count, bool withRelease) {
        if (virtualKey == kVkNumLock) {
            // Only the toggle in this thread's keyboard state; no key event.
            context_.input.ToggleNumLockState();
            return;
        }
        if (virtualKey == kVkEscape) {
            // The watch tells the macro's own Esc from the user's only
            // outside a burst.
            OwnKeysBurst watched(context_, false);
            SendKeys(virtualKey, count, withRelease);
            return;
        }
        SendKeys(virtualKey, count, withRelease);
    }

    void SendKeys(std::uint8_t virtualKey, std::uint16_t count, bool withRelease) {
        const std::uint8_t scanCode = ScanCodeOf(virtualKey);
        const std::uint32_t flags = IsExtendedKey(virtualKey) ? kKeyEventExtendedKey : 0;
        for (unsigned i = 0; i < count; ++i) {
            // Between keys, never between a key's press and its release.
            AwaitTypingTurn(context_);
            CountKeyForBurst();
            PostKeyEvent(virtualKey, scanCode, flags);
            if (withRelease) PostKeyEvent(virtualKey, scanCode, flags | kKeyEventKeyUp);
        }
    }

    // A few keys go out faster with the watch as it is: the burst begins
    // once a text has proved long.
    void CountKeyForBurst() {
        if (++keysSent_ == kKeysBeforeBurst) burst_ = std::make_unique<OwnKeysBurst>(context_, true);
    }

    void ReleaseModifier(std::uint8_t virtualKey) { PostKeyEvent(virtualKey, ScanCodeOf(virtualKey), kKeyEventKeyUp); }

    void ReleaseHeldModifiers() {
        if (group_) return;
        for (Modifier* modifier : {&shift_, &ctrl_, &alt_}) {
            if (modifier->held) ReleaseModifier(modifier->virtualKey);
            modifier->held = false;
        }
    }

    void ReleaseAllHeld() {
        group_ = false;
        ReleaseHeldModifiers();
    }

    void PostKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
        context_.input.KeybdEvent(virtualKey, scanCode, flags);
        // Every message, not only the keyboard's: a filtered peek would still
        // take WM_QUIT off the queue and lose it, and a press of the playing
        // macro's own shortcut must be seen now (and dropped), not run again
        // after the macro.
        if (wait_) context_.loop.ProcessMessages();
    }

    void PostUnicodeEvent(std::uint16_t unit, bool keyUp) {
        context_.input.UnicodeKeyEvent(unit, keyUp);
        if (wait_) context_.loop.ProcessMessages();
    }

    // The box is modal: the held modifiers go up while it is shown, so that
    // the user's own keys and clicks are not modified, and down again after.
    void ShowKeyError(const char* text) {
        for (const Modifier* modifier : {&shift_, &ctrl_, &alt_}) {
            if (modifier->held) ReleaseModifier(modifier->virtualKey);
        }
        context_.shell.ShowMessage(text, "SendKeys", MessageIcon::None);
        for (const Modifier* modifier : {&shift_, &ctrl_, &alt_}) {
            if (modifier->held) PressKey(modifier->virtualKey, 1, false);
        }
    }

    std::uint8_t ScanCodeOf(std::uint8_t virtualKey) {
        return std::uint8_t(context_.input.MapVirtualKeyCode(virtualKey, 0) & 0xFF);
    }

    InputContext& context_;
    const bool wait_;
    unsigned keysSent_ = 0;
    std::unique_ptr<OwnKeysBurst> burst_;  // ends with the sender
    bool group_ = false;
    Modifier shift_{kVkShift, false};
    Modifier ctrl_{kVkControl, false};
    Modifier alt_{kVkMenu, false};
};

// How a KEYEVN payload's header reads.
struct KeyMacroHeader {
    bool customWindow = false;
    std::string windowName;
    int times = 1;
    size_t firstItem = 0;
};

bool IsRepeatMode(const std::string& field) { return field == "Once" || field == "Repeat"; }

// False when the payload holds no key items.
bool ReadKeyHeader(const std::vector<std::string>& fields, KeyMacroHeader& header) {
    if (fields.size() < 4) return false;
    header.customWindow = fields[0] != "Active Window";
    size_t mode = 2;
    if (header.customWindow && IsRepeatMode(fields[1]) && !IsRepeatMode(fields[2])) {
        // "Custom Window" with an empty name: splitting dropped the name, so
        // the repeat mode stands in its place.
        mode = 1;
    } else {
        header.windowName = fields[1];
    }
    header.times = fields[mode] == "Once" ? 1 : RepeatTimes(fields[mode + 1]);
    header.firstItem = mode + 2;
    return header.firstItem < fields.size();
}

}  // namespace

int RepeatTimes(const std::string& count) {
    std::int32_t times = 0;
    return TryStrToInt(count, times) && times > 0 ? times : 1;
}

bool SendKeySequence(InputContext& context, const std::string& text, bool wait) {
    KeySender sender(context, wait);
    return sender.Send(text);
}

void WaitForModifierRelease(InputContext& context) {
    const std::uint32_t start = context.loop.TickCount();
    while (ModifierKeyHeld(context) && context.loop.TickCount() - start < std::uint32_t(kModifierReleaseTimeoutMs)) {
        // The keyboard watch's report of the release is a message: the wait
        // ends with it.
        context.loop.ProcessMessages();
        CheckStop(context);
        context.loop.WaitForMessage(kModifierPollMs);
    }
}

void PlayKeyEvents(InputContext& context, const std::string& ActionData) {
    const std::vector<std::string> fields = Split(ActionData, '|');
    KeyMacroHeader header;
    if (!ReadKeyHeader(fields, header)) return;
    WaitForModifierRelease(context);

    if (header.customWindow) {
        if (header.windowName.empty()) {
            context.shell.ShowMessage("No window name given for \"Custom Window\".", "SendKeys", MessageIcon::None);
            return;
        }
        if (!context.input.ActivateWindowByTitle(header.windowName)) {
            context.shell.ShowMessage("Window \"" + header.windowName + "\" not found.", "SendKeys", MessageIcon::None);
            return;
        }
    }

    for (int pass = 0; pass < header.times; ++pass) {
        for (size_t item = header.firstItem; item < fields.size(); ++item) {
            CheckStop(context);
            const std::int32_t ms = parseDelay(fields[item]);
            if (ms != 0) {
                PlayDelay(context, ms);
            } else {
                if (!InputReachesForeground(context)) return;
                // An unclosed brace ends only its own item.
                SendKeySequence(context, fields[item], true);
            }
        }
    }
}

}  // namespace kv
