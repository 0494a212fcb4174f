// The main window created in this process over fakes of every platform
// interface: the form takes its key names, message boxes, registrations and
// macro runs only from what it is handed, and so can be driven without
// touching the system's hotkeys or shell.
#include "win_test_support.h"

#include "editor_support.h"
#include "platform/fake/FakeHotKeyApi.h"
#include "platform/fake/FakeInput.h"
#include "platform/fake/FakeMessageLoop.h"
#include "platform/fake/FakeScreen.h"
#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeSystem.h"
#include "platform/fake/FakeTopLevelWindows.h"
#include "support/Shortcuts.h"

namespace kv {
namespace {

using namespace win_test;

class MainFormOverFakes : public ::testing::Test {
protected:
    MainFormOverFakes() { application_.Create(title_, nullptr, nullptr); }
    ~MainFormOverFakes() override {
        form_.reset();
        DeleteFileA(listPath_.c_str());
        DeleteFileA((listPath_ + ".bak").c_str());
    }

    void Start(const std::string& listText) {
        WriteBytes(listPath_, listText);
        names_ = ReadModifierNames(hotKeys_);
        const MainFormServices services{loop_,   application_, shell_,   hotKeys_, input_,
                                        runner_, binding_,     prompts_, names_};
        form_ = std::make_unique<MainForm>(services);
        form_->CreateContents();
    }

    static std::string TempListPath() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        return std::string(temp) + "kv-fakes-" + std::to_string(GetCurrentProcessId()) + ".lis";
    }

    const std::string title_ = "Keyvane fakes";
    const std::string listPath_ = TempListPath();  // before binding_, which takes it
    Win32MessageLoop loop_;                        // the GUI's own loop: modal windows need a real one
    Application application_;
    FakeShell shell_;
    FakeHotKeyApi hotKeys_;
    FakeInput input_;
    FakeScreen screen_;
    FakeTopLevelWindows windows_;
    FakeSystem system_;
    FakeMessageLoop runnerLoop_;
    editor_test::ScriptedPrompts prompts_;
    ModifierNames names_;
    MacroRunner runner_{RunnerPlatform{runnerLoop_, shell_, input_, screen_, windows_, system_}, title_};
    MacroBinding binding_{hotKeys_, runner_, listPath_};
    std::unique_ptr<MainForm> form_;
};

TEST_F(MainFormOverFakes, ListsTheMacrosWithTheFakesKeyNamesAndRegistersThemThere) {
    hotKeys_.UseGermanModifierNames();
    Start(Line(1, "-1", "OPNURL", kCtrlShiftF5, "http://example.com/", "Open it"));
    const HWND list = form_->ListView();
    ASSERT_EQ(RowCount(list), 1);
    EXPECT_EQ(CellText(list, 0, 1), "STRG+UMSCHALT+F5");
    EXPECT_EQ(CellText(list, 0, 2), "Open URL");
    EXPECT_TRUE(hotKeys_.IsRegistered(kModControl | kModShift, 0x74));
    EXPECT_TRUE(shell_.boxes.empty());
}

TEST_F(MainFormOverFakes, APressOnTheFakeRunsTheMacroOwnedByTheMainWindow) {
    Start(Line(1, "-1", "OPNURL", kCtrlShiftF5, "http://example.com/", "Open it"));
    ASSERT_FALSE(form_->AllDisabled());
    ASSERT_TRUE(hotKeys_.Press(kModControl | kModShift, 0x74));
    ASSERT_EQ(shell_.opened.size(), 1u);
    EXPECT_EQ(shell_.opened[0].file, "http://example.com/");
    EXPECT_EQ(shell_.opened[0].owner, reinterpret_cast<WindowHandle>(form_->Handle()));
}

TEST_F(MainFormOverFakes, LoadProblemsGoToTheFakeShellsMessageBoxes) {
    Start(Line(0, "-1", "RUNPRG", kCtrlShiftF5, "x.exe", "ok") + "0;-1;RUNPRG\r\n");
    EXPECT_EQ(RowCount(form_->ListView()), 1);
    ASSERT_EQ(shell_.boxes.size(), 1u);
    EXPECT_EQ(shell_.boxes[0].caption, title_);
    EXPECT_EQ(shell_.boxes[0].text, "Error on file:" + listPath_);
}

}  // namespace
}  // namespace kv
