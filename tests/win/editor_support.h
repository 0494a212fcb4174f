#pragma once
// Shared by the editor's Windows tests: prompts that answer from a script
// and record what they were asked, actions run from inside modal loops, list
// file lines of enabled macros and the user's clicks, picks and typing.
#include "win_test_support.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "forms/EditorForm.h"
#include "hotkeys/HotKeyText.h"
#include "platform/win32/Win32HotKeyApi.h"
#include "wingui/Prompts.h"

namespace kv {
namespace editor_test {

using namespace win_test;

struct Asked {
    std::string kind;  // "message", "confirm", "input", "file", "directory"
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    FileDialogOptions file;
    bool defaultNo = false;  // of a question
};

// Answers every prompt at once from its queues (Cancel or No when a queue is
// empty) and keeps what it was asked.
class ScriptedPrompts : public UiPrompts {
public:
    void Message(HWND, const std::string& text, const std::string& caption, MessageIcon icon) override {
        asked.push_back({"message", text, caption, icon, {}});
    }
    bool Confirm(HWND, const std::string& text, const std::string& caption, bool defaultNo) override {
        asked.push_back({"confirm", text, caption, MessageIcon::Question, {}, defaultNo});
        return Next(confirmAnswers, false);
    }
    std::string InputBox(HWND, const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override {
        asked.push_back({"input", prompt, caption, MessageIcon::None, {}});
        return Next(inputAnswers, defaultText);
    }
    bool ChooseFile(HWND, const FileDialogOptions& options, std::string& path) override {
        asked.push_back({"file", options.fileName, "", MessageIcon::None, options});
        const std::string chosen = Next(fileAnswers, std::string());
        if (chosen.empty()) return false;
        path = chosen;
        return true;
    }
    bool ChooseDirectory(HWND, const std::string& title, const std::string& root, std::string& path) override {
        asked.push_back({"directory", title, root, MessageIcon::None, {}});
        const std::string chosen = Next(directoryAnswers, std::string());
        if (chosen.empty()) return false;
        path = chosen;
        return true;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const Asked& a : asked) {
            if (a.kind == "message") texts.push_back(a.text);
        }
        return texts;
    }
    const Asked& Last() const { return asked.back(); }

    std::vector<Asked> asked;
    std::deque<bool> confirmAnswers;
    std::deque<std::string> inputAnswers;  // "" as the default text: a cancelled box
    std::deque<std::string> fileAnswers;   // "" cancels
    std::deque<std::string> directoryAnswers;

private:
    template <typename T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

// Runs an action once from inside the next modal loop: a thread timer fires
// in whatever loop dispatches messages, also that of a modal window.
class DuringModal {
public:
    explicit DuringModal(std::function<void()> action) {
        pending() = std::move(action);
        SetTimer(nullptr, 0, 30, Fire);
    }

private:
    static std::function<void()>& pending() {
        static std::function<void()> action;
        return action;
    }
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        std::function<void()> action = std::move(pending());
        pending() = nullptr;
        if (action) action();
    }
};

// A line of an enabled macro.
inline std::string Line(std::uint32_t id, const std::string& kind, std::uint32_t hotKey, const std::string& data,
                        const std::string& description) {
    return win_test::Line(id, "-1", kind, hotKey, data, description);
}

// A click on a push button, check box or flat button as the user makes it.
inline void Click(HWND control) { SendMessageA(control, BM_CLICK, 0, 0); }

// The user picks entry index of a drop-down list: the choice, then the
// notification to the form.
inline void Pick(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

// Keys as the keyboard delivers them, posted to the control that has the
// focus (else to the window fallback gives) and each followed by passes of
// the program's own message loop, so that IsDialogMessage sees them.
class Keyboard {
public:
    Keyboard(Win32MessageLoop& loop, std::function<HWND()> fallback) : loop_(loop), fallback_(std::move(fallback)) {}

    // One key down and up, with Shift held when shift is set.
    void Key(WORD vk, bool shift = false) {
        SetKeyState(VK_SHIFT, shift);
        const LPARAM scan = LPARAM(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
        PostMessageA(Target(), WM_KEYDOWN, vk, scan | 1);
        Pump(3);
        PostMessageA(Target(), WM_KEYUP, vk, scan | 1 | kReleased);
        Pump(3);
        SetKeyState(VK_SHIFT, false);
    }
    void Tab(int times = 1) {
        for (int i = 0; i < times; ++i) Key(VK_TAB);
    }
    // Alt+letter: Alt goes down, then the letter, which TranslateMessage
    // turns into a system character.
    void Alt(char letter) {
        SetKeyState(VK_MENU, true);
        const LPARAM altDown = LPARAM(1) << 29;
        const WORD vk = WORD(VkKeyScanA(letter) & 0xFF);
        const LPARAM scan = LPARAM(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
        PostMessageA(Target(), WM_SYSKEYDOWN, VK_MENU, altDown | 1);
        Pump(2);
        PostMessageA(Target(), WM_SYSKEYDOWN, vk, altDown | scan | 1);
        Pump(3);
        PostMessageA(Target(), WM_SYSKEYUP, vk, altDown | scan | 1 | kReleased);
        Pump(2);
        SetKeyState(VK_MENU, false);
        PostMessageA(Target(), WM_KEYUP, VK_MENU, 1 | kReleased);
        Pump(2);
    }
    void Type(const std::string& text) {
        for (char c : text) {
            PostMessageA(Target(), WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
            Pump(1);
        }
    }

private:
    static constexpr LPARAM kReleased = LPARAM(3) << 30;

    HWND Target() {
        const HWND focus = GetFocus();
        return focus ? focus : fallback_();
    }
    void Pump(int passes) {
        for (int i = 0; i < passes; ++i) loop_.ProcessMessages();
    }
    static void SetKeyState(int vk, bool down) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[vk] = down ? 0x80 : 0;
        SetKeyboardState(state);
    }

    Win32MessageLoop& loop_;
    std::function<HWND()> fallback_;
};

// A caption as it reads on the screen: without its accelerator's "&".
inline std::string Caption(const ChildControl& control) {
    std::string text = control.Text();
    const std::size_t mark = text.find('&');
    if (mark != std::string::npos) text.erase(mark, 1);
    return text;
}

// Characters typed into a control.
inline void Type(HWND control, const std::string& text) {
    for (char c : text) SendMessageA(control, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
}

// The main window with an editor made through it, and prompts that answer
// from a script.
class EditorTest : public MainWindowFixture {
protected:
    // A new editor as New opens it, not yet shown.
    EditorForm& NewEditor() { return form_->CreateEditor(false); }

    // Ctrl+Shift with the key of code vk, through the controls.
    static void ChooseShortcut(EditorForm& editor, unsigned modifiers, unsigned vk) {
        auto set = [](CheckBoxControl& box, bool on) {
            if (box.Checked() != on) Click(box.Handle());
        };
        set(editor.ctrlBox, (modifiers & kModControl) != 0);
        set(editor.shiftBox, (modifiers & kModShift) != 0);
        set(editor.altBox, (modifiers & kModAlt) != 0);
        const std::vector<CandidateKey>& keys = editor.PotentialKeys();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].Key == vk) {
                editor.keyCombo.SetItemIndex(int(i));
                return;
            }
        }
        ADD_FAILURE() << "no candidate key " << vk;
    }

    EditorTest() { formPrompts_ = &prompts_; }

    std::string Text(std::uint32_t hotKey) { return HotKeyToText(api_, ReadModifierNames(api_), hotKey); }

    Win32HotKeyApi api_;
    ScriptedPrompts prompts_;
};

}  // namespace editor_test
}  // namespace kv
