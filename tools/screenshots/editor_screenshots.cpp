// Pictures of the editor's pages, the special-key picker and the About box
// for the user guide. Runs only when KV_SCREENSHOT_DIR names a folder
// (tools/screenshots/render-editor sets it); each window is shown on the screen and
// copied from it into <name>.bmp there.
#include "editor_support.h"

#include <cstdlib>

#include "forms/AboutForm.h"
#include "forms/SpecialKeyForm.h"

namespace kv {
namespace editor_test {
namespace {

// Writes the screen's pixels under the window, frame included, as a 24-bit BMP.
bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT rc;
    GetWindowRect(window, &rc);
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    WindowDC screen(nullptr);
    HDC memory = CreateCompatibleDC(screen.Get());
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        Selected select(memory, bitmap.Get());
        BitBlt(memory, 0, 0, width, height, screen.Get(), rc.left, rc.top, SRCCOPY);
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up rows, as a BMP file stores them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::string pixels(size_t(stride) * height, '\0');
    GetDIBits(memory, bitmap.Get(), 0, height, &pixels[0], &info, DIB_RGB_COLORS);
    DeleteDC(memory);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = DWORD(file.bfOffBits + pixels.size());
    info.bmiHeader.biSizeImage = DWORD(pixels.size());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    out.write(pixels.data(), std::streamsize(pixels.size()));
    return bool(out);
}

class EditorScreenshots : public MainWindowFixture {
protected:
    EditorScreenshots() { formPrompts_ = &prompts_; }

    void SetUp() override {
        const char* dir = std::getenv("KV_SCREENSHOT_DIR");
        if (!dir || !*dir) GTEST_SKIP() << "KV_SCREENSHOT_DIR is not set";
        out_ = dir;
        MainWindowFixture::SetUp();
    }

    void Show(HWND window) {
        ShowWindow(window, SW_SHOWNORMAL);
        SetForegroundWindow(window);
        UpdateWindow(window);
        PumpFor(300);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpFor(300);
    }

    // As a modal run shows it to a mouse user: no underlines, no focus frames.
    void Save(HWND window, const std::string& name) {
        if (auto* form = dynamic_cast<ModalForm*>(Window::FromHandle(window))) form->HideKeyboardCues();
        Show(window);
        EXPECT_TRUE(SaveWindowPicture(window, out_ + "\\" + name + ".bmp")) << name;
        ShowWindow(window, SW_HIDE);
        Pump();
    }

    // As a keyboard user sees it: the underlined letters after Alt, the
    // focus frame on focus.
    void SaveWithKeyboardCues(ModalForm& form, HWND focus, const std::string& name) {
        form.HideKeyboardCues();
        SendMessageA(form.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
        Show(form.Handle());
        SetFocus(focus);
        Show(form.Handle());
        EXPECT_TRUE(SaveWindowPicture(form.Handle(), out_ + "\\" + name + ".bmp")) << name;
        ShowWindow(form.Handle(), SW_HIDE);
        Pump();
    }

    EditorForm& Editor(const std::string& description, int category) {
        EditorForm& editor = form_->CreateEditor(false);
        editor.FormShow();
        Click(editor.shiftBox.Handle());
        const auto& keys = editor.PotentialKeys();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].Key == 0x74) editor.keyCombo.SetItemIndex(int(i));
        }
        editor.descriptionMemo.SetText(description);
        Pick(editor.categoryCombo.Handle(), category);
        return editor;
    }

    std::string out_;
    ScriptedPrompts prompts_;
};

TEST_F(EditorScreenshots, Render) {
    Start();
    SetCursorPos(1270, 1010);

    {
        EditorForm& e = Editor("Start the report and the backup", pgRunProgram);
        e.programList.SetItems({"C:\\Tools\\report.exe", "C:\\Tools\\backup.bat"});
        e.programPathEdit.SetText("C:\\Tools\\notes.exe");
        Save(e.Handle(), "editor-programs");
    }
    {
        EditorForm& e = Editor("Open the project pages", pgOpenUrl);
        e.urlList.SetItems({"http://www.keyvane.example/", "file:///C:/Docs/index.html"});
        e.urlEdit.SetText("file:///C:/Docs/notes.html");
        Save(e.Handle(), "editor-urls");
    }
    {
        EditorForm& e = Editor("Capture the screen", pgScreenCapture);
        e.captureFolderEdit.SetText("C:\\Keyvane\\Captures");
        Pick(e.formatCombo.Handle(), 1);
        Save(e.Handle(), "editor-capture");
    }
    {
        EditorForm& e = Editor("Greet, wait, save", pgKeyEvents);
        e.keyPanel.list.SetItems({"Hello{ENTER}", "{DELAY500}", "^s"}, 0);
        Save(e.Handle(), "editor-keys");
    }
    {
        EditorForm& e = Editor("Greet, wait, save", pgKeyEvents);
        e.keyPanel.list.SetItems({"Hello{ENTER}", "{DELAY500}", "^s"}, 0);
        SaveWithKeyboardCues(e, e.keyPanel.addDelayButton.Handle(), "editor-keyboard");
    }
    {
        EditorForm& e = Editor("Click the two buttons", pgMouseEvents);
        e.mousePanel.list.SetItems({"{X:100,Y:200}", "{LBUTTON}", "{DELAY250}", "{X:640,Y:480}", "{DBLCLICK}"}, 1);
        e.xEdit.SetText("640");
        e.yEdit.SetText("480");
        SetCursorPos(412, 306);
        Save(e.Handle(), "editor-mouse");
        SetCursorPos(1270, 1010);
    }
    {
        EditorForm& e = Editor("Minimise everything", pgWindowActions);
        Save(e.Handle(), "editor-window");
    }
    {
        EditorForm& e = Editor("Shut down, after asking", pgMiscellaneous);
        Pick(e.systemActionCombo.Handle(), 1);
        Save(e.Handle(), "editor-system");
    }
    {
        EditorForm& e = Editor("", pgKeyEvents);
        Show(e.Handle());
        SpecialKeyForm picker(
            e.Handle(), [&e](const std::string& entry) { e.AddKeyEntry(entry); }, "", prompts_);
        Click(picker.keyButtons[0].Handle());
        Type(picker.keysEdit.Handle(), "abc");
        Click(picker.keyButtons[14].Handle());
        Save(picker.Handle(), "addkey");
    }
    {
        Win32Shell shell;
        AboutForm about(form_->Handle(), shell);
        Save(about.Handle(), "about");
    }
}

}  // namespace
}  // namespace editor_test
}  // namespace kv
