#pragma once
// The main window: the macro list with its commands, the tray icon, and the
// program's life from start-up to Exit. It is hidden most of the time; while
// it is on screen the shortcuts run nothing (AllDisabled).
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>

#include "hotkeys/MacroBinding.h"
#include "platform/win32/Win32Foreground.h"
#include "platform/win32/Win32HotKeyApi.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32KeyboardWatch.h"
#include "platform/win32/Win32MessageLoop.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "runner/MacroRunner.h"
#include "ui/Application.h"
#include "ui/FileDialog.h"
#include "ui/SpeedButton.h"
#include "ui/TrayIcon.h"
#include "ui/Win.h"
#include "ui/Window.h"
#include "ui/uAdd.h"

namespace kv {

// A menu item: its command identifier and caption; hidden items exist but are
// not put into the menu.
struct MenuItem {
    UINT id;
    const char* caption;
    bool visible = true;
};

class TfrmKeyvaneMain : public Window {
public:
    // Creates the window hidden, owned by the application window, and runs
    // FormCreate: the list file at listPath is loaded, every shortcut
    // registered and the tray icon added.
    TfrmKeyvaneMain(Win32MessageLoop& loop, Application& application, std::string listPath);
    // Runs FormDestroy: the tray icon goes and every registration is released.
    ~TfrmKeyvaneMain() override;

    // Command identifiers of the tool bar buttons and menu items.
    enum Command : UINT {
        cmBtnDisabled = 100, cmBtnEnabled, cmBtnAddNew, cmBtnEdit, cmBtnDelete, cmBtnFeedback, cmBtnAbout,
        cmBtnSettings, cmBtnDonate,
        cmNew1 = 200, cmImport1, cmExport1, cmExit1, cmEdit2, cmDelete1, cmSettings2, cmCheckUpdate1,
        cmVideoTutorials1, cmDonate1, cmFeedback1, cmAbout1,
        cmShow1 = 300, cmDisable1, cmExit2, cmStopMacro1,
    };

    // Handlers.
    void FormCreate();
    bool FormCloseQuery();  // always refuses: the window hides into the tray
    void FormDestroy();
    void btnDisabledClick();
    void btnEnabledClick();
    void btnAddNewClick();
    void BtnEditClick();
    void btnDeleteClick();
    void btnFeedbackClick();
    void btnAboutClick();
    void btnSettingsClick();
    void btnDonateClick();
    void New1Click();
    void Import1Click();
    void Export1Click();
    void Exit1Click();
    void Edit2Click();
    void Delete1Click();
    void Settings2Click();
    void CheckUpdate1Click();
    void Donate1Click();
    void Feedback1Click();
    void About1Click();
    void Show1Click();
    void Disable1Click();
    void StopMacro1Click();
    void Exit2Click();
    void lwMacroListDblClick();
    void TrayMessage(LPARAM mouseMessage);
    void WMCopyData(const COPYDATASTRUCT* data);
    void ApplicationEvents1Minimize();
    void ApplicationEvents1Restore();

    // List operations; each applies its change as one batch.
    void AddtoListview(const std::string& number, const std::string& id, const std::string& shortcut,
                       const std::string& kind, const std::string& description);
    void EditListview(const std::string& id, const std::string& shortcut, const std::string& kind,
                      const std::string& description);
    void updateButtons();
    // Opens the editor on the selected row's macro; nothing without a selection.
    void EditSelectedHotKey();
    // Shows the macro editor modally, new (editMode false) or on slot
    // EditIndex.
    void OpenEditor(bool editMode);
    // Creates a new editor in frmAdd, filled from slot EditIndex in edit
    // mode, without showing it.
    TfrmAdd& CreateEditor(bool editMode);
    // The newest editor, while it is open.
    std::unique_ptr<TfrmAdd> frmAdd;

    // The selected row, -1 when none.
    int SelectedRow() const;

    TMacroBinding& Binding() { return binding_; }
    HMENU TrayMenu() const { return trayPP.Get(); }
    // "Stop macro" is enabled only while a macro plays.
    void UpdateTrayMenu();
    bool AllDisabled() const { return binding_.AllDisabled; }
    const TrayIcon& TrayIconData() const { return trayIconData_; }
    HWND ListView() const { return lwMacroList; }

    // The controls.
    Panel Panel1;
    SpeedButton btnDisabled, btnEnabled, btnAddNew, BtnEdit, btnDelete, btnFeedback, btnAbout, btnSettings,
        btnDonate;
    HWND lwMacroList = nullptr;
    HWND StatusBar1 = nullptr;

    // The menus.
    MenuItem New1{cmNew1, "New"}, Import1{cmImport1, "Import"}, Export1{cmExport1, "Export"},
        Exit1{cmExit1, "Exit"};
    MenuItem Edit2{cmEdit2, "Edit"}, Delete1{cmDelete1, "Delete"};
    MenuItem Settings2{cmSettings2, "Settings", false};
    MenuItem CheckUpdate1{cmCheckUpdate1, "Tolvern WebSite"},
        VideoTutorials1{cmVideoTutorials1, "Video Tutorials", false}, Donate1{cmDonate1, "Donate"},
        Feedback1{cmFeedback1, "Feedback && Suggestion"}, About1{cmAbout1, "About"};
    MenuItem Show1{cmShow1, "Show/Hide"}, Disable1{cmDisable1, "Disable all / Enable all"},
        StopMacro1{cmStopMacro1, "Stop macro"}, Exit2{cmExit2, "Exit"};

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void CreateMenus();
    void LoadPictures();
    void Layout();
    void ApplyDpi(int dpi);
    void OnCommand(UINT id);
    // Shows the program from the tray: the left click and Show/Hide.
    void ShowFromTray();
    // Fills the list view from the macro table.
    void RebuildList();
    void AppendRows(int firstSlot);
    // The tray tip says which macro plays and how to stop it, or shows the
    // title when none plays.
    void UpdatePlayingTip();
    // Shows each message in a box captioned with the application title.
    void ShowMessages(const ListFileResult& result);

    Win32MessageLoop& loop_;
    Application& application_;
    std::string title_;

    Win32Shell shell_;
    Win32HotKeyApi hotKeyApi_;
    Win32Input input_;
    Win32Screen screen_;
    Win32KeyboardWatch keyboard_;
    Win32Foreground foreground_;
    TMacroRunner runner_;
    TMacroBinding binding_;

    TrayIcon trayIconData_;
    FileDialog OPMain;
    FileDialog SDMain;

    int dpi_ = 96;
    OwnedFont font_;
    HICON smallIcon_ = nullptr;
    HIMAGELIST pictures_ = nullptr;
    HWND hints_ = nullptr;
    HMENU MainMenu1 = nullptr;  // destroyed with the window
    OwnedMenu trayPP;
    int redrawLocks_ = 0;
    bool destroyed_ = false;

    friend class ListViewBatch;
};

}  // namespace kv
