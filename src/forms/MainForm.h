#pragma once
// The main window: the macro list with its commands, the tray icon, and the
// program's life from start-up to Exit. It is hidden most of the time; while
// it is on screen the shortcuts run nothing (AllDisabled).
//
// MainForm.cpp holds the window and its life, MainFormCommands.cpp the
// commands, MainFormList.cpp the macro list (rows, filter, order, switches,
// keys).
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dispatch/MacroBinding.h"
#include "forms/EditorForm.h"
#include "forms/MainFormServices.h"
#include "uilogic/MacroListRows.h"
#include "wingui/Application.h"
#include "wingui/Controls.h"
#include "wingui/FileDialog.h"
#include "wingui/ListView.h"
#include "wingui/SpeedButton.h"
#include "wingui/TrayIcon.h"
#include "wingui/Window.h"
#include "wingui/WindowHelpers.h"

namespace kv {

// A menu item: its command identifier and caption; hidden items exist but are
// not put into the menu.
struct MenuItem {
    UINT id;
    const char* caption;
    bool visible = true;
};

class MainForm : public Window {
public:
    // Creates the window hidden, owned by the application window, loads the
    // binding's list file, registers every switched-on macro and adds the
    // tray icon. The controls are made when the window first shows.
    explicit MainForm(const MainFormServices& services);
    // The tray icon goes and every registration is released.
    ~MainForm() override;

    // Command identifiers of the tool bar buttons and menu items (their
    // values are part of the end-to-end tests' contract).
    enum Command : UINT {
        cmDisableAll = 100,
        cmEnableAll,
        cmAdd,
        cmEdit,
        cmDelete,
        cmFeedback,
        cmAbout,
        cmSettings,
        cmDonate,
        cmMenuNew = 200,
        cmImport,
        cmExport,
        cmExit,
        cmMenuEdit,
        cmMenuDelete,
        cmMenuSettings,
        cmWebSite,
        cmVideoTutorials,
        cmMenuDonate,
        cmMenuFeedback,
        cmMenuAbout,
        cmShowHide = 300,
        cmToggleAll,
        cmTrayExit,
        cmStopMacro,
    };
    // Control identifiers.
    enum Control : UINT { idFilterBox = 400 };

    // Makes the tool bar, the filter box, the list and the status bar and
    // fills the list; done once, the first time the window shows. Until then
    // the program only sits in the tray and the common controls library is
    // not loaded.
    void CreateContents();

    // Commands.
    void OnDisableAll();
    void OnEnableAll();
    void OnAddMacro();
    void OnEditMacro();    // the selected macro; nothing without a selection
    void OnDeleteMacro();  // the selected macro, after the user agrees
    void OnFeedback();
    void OnAbout();
    void OnSettings();
    void OnDonate();
    void OnImport();
    void OnExport();
    void OnExit();
    void OnWebSite();
    void OnShowHide();   // shows the window from the tray
    void OnToggleAll();  // the tray menu's Disable all / Enable all
    void OnStopMacro();  // the tray menu's Stop macro: the playing macros end at their next step
    // Enter in the window: edits the selected macro, or from the filter box
    // moves to the list.
    void OnEnter();

    // Shows the macro editor modally, new (editMode false) or on slot
    // EditIndex.
    void OpenEditor(bool editMode);
    // Creates a new editor in frmAdd, filled from slot EditIndex in edit
    // mode, without showing it.
    EditorForm& CreateEditor(bool editMode);
    // The newest editor, while it is open.
    std::unique_ptr<EditorForm> frmAdd;

    // The slot of the selected row's macro, -1 when none is selected.
    int SelectedSlot() const;
    // Selects the row of slot's macro (none when it is filtered out).
    void SelectSlot(int slot);
    // The filter box's text and the order, as the user would set them.
    void SetFilter(const std::string& text);
    void SortByColumn(int column);
    // Switches slot's macro on or off as its check box does (the box is
    // updated, and a refusal shown, as after a click).
    void SwitchMacro(int slot, bool on);

    MacroBinding& Binding() { return binding_; }
    bool AllDisabled() const { return binding_.AllDisabled; }
    const TrayIcon& TrayIconData() const { return trayIconData_; }
    HMENU TrayMenu() const { return trayMenu_.Get(); }
    // "Stop macro" is enabled only while a macro plays.
    void UpdateTrayMenu();
    HWND ListView() const { return macroList.Handle(); }
    HWND FilterBox() const { return filterBox.Handle(); }

    // The controls, in tab order.
    Panel toolBar;
    SpeedButton disableAllButton, enableAllButton, addButton, editButton, deleteButton, feedbackButton, aboutButton,
        settingsButton, donateButton;
    LabelControl filterLabel;
    EditControl filterBox;
    TListView macroList;
    HWND statusBar = nullptr;

    // The menus.
    MenuItem newItem{cmMenuNew, "New"}, importItem{cmImport, "Import"}, exportItem{cmExport, "Export"},
        exitItem{cmExit, "Exit"};
    MenuItem editItem{cmMenuEdit, "Edit"}, deleteItem{cmMenuDelete, "Delete"};
    MenuItem settingsItem{cmMenuSettings, "Settings", false};
    MenuItem webSiteItem{cmWebSite, "Tolvern WebSite"}, videoTutorialsItem{cmVideoTutorials, "Video Tutorials", false},
        donateItem{cmMenuDonate, "Donate"}, feedbackItem{cmMenuFeedback, "Feedback && Suggestion"},
        aboutItem{cmMenuAbout, "About"};
    MenuItem showHideItem{cmShowHide, "Show/Hide"}, toggleAllItem{cmToggleAll, "Disable all / Enable all"},
        stopMacroItem{cmStopMacro, "Stop macro"}, trayExitItem{cmTrayExit, "Exit"};

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // MainForm.cpp: the window and its life.
    void CreateControls();
    void CreateMenus();
    void Layout();
    void ApplyDpi(int dpi);
    void LoadMacros();
    void HideIntoTray();  // the close box
    void RemoveTrayIcon();
    void OnTrayIcon(LPARAM mouseMessage);
    void OnCopyData(const COPYDATASTRUCT* data);
    void OnApplicationMinimize();
    void OnApplicationRestore();
    void UpdateButtons();
    // Shows each message in a box captioned with the application title.
    void ShowMessages(const ListFileResult& result);
    void ShowText(const std::string& text, MessageIcon icon);

    // MainFormCommands.cpp.
    void OnCommand(UINT id);
    // A Yes/No question whose default answer is No.
    bool AskDefaultNo(const std::string& question);

    // MainFormList.cpp: the list.
    void CreateList();
    // Fills the list view from the table through the filter and the order,
    // keeping the selected macro selected. The rows' texts are made again
    // only when the table changed (not for a new filter or order).
    void RefreshList(bool tableChanged = true);
    void OnListNotify(const NMHDR* header);
    // The slot shown in a row of the list view, -1 for none.
    int SlotOfRow(int row) const;
    // A click on a row's check box or Space: the switch, turned over.
    void ToggleRow(int row);
    // The switch of a row's macro set on or off.
    void SetRow(int row, bool on);
    bool OnListKey(UINT key);
    bool OnFilterKey(UINT key);
    void FocusFilter();
    std::string ShortcutText(std::uint32_t hotKey);

    // MainFormPlaying.cpp: the tray tip says which macro plays and how to
    // stop it, or shows the title when none plays.
    void UpdatePlayingTip();

    Win32MessageLoop& loop_;
    Application& application_;
    std::string title_;

    ShellApi& shell_;
    HotKeyApi& hotKeyApi_;
    InputApi& input_;
    MacroRunner& runner_;
    MacroBinding& binding_;
    UiPrompts& prompts_;
    const ModifierNames& modifierNames_;

    TrayIcon trayIconData_;
    FileDialog importDialog_;
    FileDialog exportDialog_;

    // Posted by a click on a row's check box: wParam the slot, lParam 1 for
    // on. The switch runs after the list view's notification has returned,
    // since it may show a message box.
    static constexpr UINT kSwitchMessage = WM_APP + 1;

    std::vector<MacroRow> rows_;        // one per used slot, as last refreshed
    std::vector<std::size_t> visible_;  // row k of the list view shows rows_[visible_[k]]
    std::string filter_;
    ListOrder order_;

    int dpi_ = 96;
    OwnedFont font_;
    HICON smallIcon_ = nullptr;
    OwnedImageList pictures_;  // the tool bar's pictures
    HWND hints_ = nullptr;
    HMENU mainMenu_ = nullptr;  // destroyed with the window
    HWND lastFocus_ = nullptr;  // the control that had the keyboard when the window was left
    OwnedMenu trayMenu_;
    bool contentsCreated_ = false;
    bool destroyed_ = false;
};

}  // namespace kv
