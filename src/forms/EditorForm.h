#pragma once
// The macro editor: the modal window in which a macro is created or changed.
// The shortcut controls, a category list of the seven action kinds, one
// page of details per kind, a description and the commit button. What it
// decides (payloads, loaders, refusals, the commit) lives in ui/logic; this
// form copies its controls to and from those decisions.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "forms/EditorHost.h"
#include "platform/win32/Win32MessageLoop.h"
#include "uilogic/EditorCommit.h"
#include "uilogic/EditorPages.h"
#include "uilogic/ShortcutPicker.h"
#include "wingui/Controls.h"
#include "wingui/Win.h"
#include "wingui/Window.h"

namespace kv {

class TfrmAdd : public Window {
public:
    // Creates the editor hidden, owned by owner, and runs FormCreate.
    TfrmAdd(TEditorHost host, HWND owner);
    // Runs FormDestroy.
    ~TfrmAdd() override;

    // Runs FormShow and shows the editor modally until it is committed or
    // closed; FormClose runs at the end.
    void ShowModal(Win32MessageLoop& loop);
    bool Closed() const { return closed_; }

    // Set by the main window before showing: the editor changes the slot at
    // the table's EditIndex.
    bool EditMode = false;

    // Control identifiers.
    enum Control : int {
        idCheckBox1 = 1000, idCheckBox2, idCheckBox3, idCheckBox4, idComboBox1, idSpeedButton1, idcbCate, idmmDesc,
        idbtAdd,
        idtxPath = 1100, idSpeedButton2, idSpeedButton3, idlsbRunList, idtxURL, idSpeedButton5, idlsbURLs,
        idtxSSPath, idSpeedButton6, idcbFormat,
        idcbWinType = 1200, idtxWindowName, idcbRepeat, idtxTimes, idlsbKeys, idSpeedButton7, idSpeedButton8,
        idSpeedButton9, idSpeedButton10, idSpeedButton11, idSpeedButton12, idSpeedButton13, idSpeedButton14,
        idcbMRepeat = 1300, idtxMTimes, idlsbMouse, idtxX, idtxY, idSpeedButton16, idcbMBut, idSpeedButton15,
        idSpeedButton18, idSpeedButton17, idSpeedButton4, idSpeedButton19, idSpeedButton20, idSpeedButton21,
        idSpeedButton22, idlbXYpos,
        idcbWindowSettings = 1400, idcbMisc, idcbConfirm,
        idDelete1 = 1500, idDelete2,
    };

    // ---- the form
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormDestroy();
    // Sees every key that goes down in the editor before the focused control.
    void FormKeyDown(WORD key);
    void RemoveTabs();
    void cbCateChange();
    void btAddClick();

    // ---- the shortcut
    void GetPotentialKeys();
    std::uint32_t GetSelectedHotKey() const;
    void SpeedButton1Click();
    // Puts a stored shortcut into the controls (the main window's loaders
    // call it first).
    void SetAddHotEditMode(std::uint32_t HotKey);

    // ---- the loaders: slot i of the table into the controls
    // Calls the loader of the slot's kind (EditSelectedHotKey's step 6).
    void LoadSlot(int i);
    void eRunPRG(int i);
    void eOpenURL(int i);
    void eScreenCapture(int i);
    void eKeyEvent(int i);
    void eMouseEvent(int i);
    void eWindowsAction(int i);
    void eMisc(int i);

    // ---- programs, URLs, capture
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Delete1Click();
    void SpeedButton5Click();
    void Delete2Click();
    void SpeedButton6Click();

    // ---- keys
    void cbWinTypeChange();
    void cbRepeatChange();
    void SpeedButton7Click();  // Add Key: the special-key picker
    void SpeedButton8Click();  // Add Delay
    void SpeedButton9Click();  // Remove
    void SpeedButton10Click();  // Up
    void SpeedButton11Click();  // Down
    void SpeedButton12Click();  // Save List
    void SpeedButton13Click();  // Load List
    void SpeedButton14Click();  // Clear List
    // Appends one entry to lsbKeys (the picker's "Add to List").
    void AddKeyEntry(const std::string& entry);

    // ---- mouse
    void cbMRepeatChange();
    void SpeedButton16Click();  // Add the coordinates
    void SpeedButton15Click();  // Add the button action
    void SpeedButton18Click();  // Add Delay
    void SpeedButton17Click();  // Remove
    void SpeedButton4Click();   // Up
    void SpeedButton19Click();  // Down
    void SpeedButton20Click();  // Save List
    void SpeedButton21Click();  // Load List
    void SpeedButton22Click();  // Clear List
    void TimerXYTimer();
    bool TimerXYEnabled() const { return timerXY_; }

    // The page of tvNav shown, 0 to 6.
    int ActivePage() const { return activePage_; }
    // All pages as the controls show them, and back.
    EditorPages ReadPages() const;
    void ShowPages(const EditorPages& pages);
    const std::vector<TPotentialKey>& PotentialKeys() const { return potentialKeys_; }
    TEditorHost& Host() { return host_; }

    // ---- the controls
    TLabel Label1;
    TCheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4;
    TComboBox ComboBox1;
    TFlatButton SpeedButton1;
    TLabel lbAction;
    TComboBox cbCate;
    TGroupBox gbDetails;
    TLabel lbDescription;
    TMemo mmDesc;
    TButton btAdd;

    // TabSheet1, programs
    TLabel lbProgramPath;
    TEdit txPath;
    TFlatButton SpeedButton2, SpeedButton3;
    TListBox lsbRunList;
    // TabSheet2, URLs
    TLabel lbURL;
    TEdit txURL;
    TFlatButton SpeedButton5;
    TListBox lsbURLs;
    // TabSheet3, screen capture
    TLabel lbPath, lbFormat;
    TEdit txSSPath;
    TFlatButton SpeedButton6;
    TComboBox cbFormat;
    // TabSheet4, key sequence
    TComboBox cbWinType, cbRepeat;
    TEdit txWindowName, txTimes;
    TLabel lbTimes;
    TListBox lsbKeys;
    TFlatButton SpeedButton7, SpeedButton8, SpeedButton9, SpeedButton10, SpeedButton11, SpeedButton12,
        SpeedButton13, SpeedButton14;
    // TabSheet5, mouse sequence
    TComboBox cbMRepeat, cbMBut;
    TEdit txMTimes, txX, txY;
    TLabel lbMTimes, lbX, lbY, lbXYpos, Label11;
    TListBox lsbMouse;
    TFlatButton SpeedButton16, SpeedButton15, SpeedButton18, SpeedButton17, SpeedButton4, SpeedButton19,
        SpeedButton20, SpeedButton21, SpeedButton22;
    // TabSheet6, window action
    TComboBox cbWindowSettings;
    // TabSheet7, system action
    TComboBox cbMisc;
    TCheckBox cbConfirm;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void OnCommand(int id, int code);
    void OnContextMenu(HWND control, LPARAM lParam);
    void ShowPage(int page);
    void SetTimerXY(bool enabled);
    // Applies the key page's and mouse page's enabling rules to the controls.
    void UpdateEnabling();
    void Message(const std::string& text, MessageIcon icon = MessageIcon::None);
    // Adds text to a list as the add buttons do; what refuses it is shown.
    void AddUnique(TEdit& edit, TListBox& list, const std::string& what);
    void AddEntry(TListBox& list, const std::string& entry);
    void AddDelay(TListBox& list);
    // Moves the selected entry with move (MoveEntryUp, MoveEntryDown).
    void MoveSelected(TListBox& list, int (*move)(std::vector<std::string>&, int));
    void RemoveSelected(TListBox& list);
    void SaveList(TListBox& list, const char* fileName);
    void LoadList(TListBox& list);
    void LoadPayload(int i, int page);
    // A choice of the key or mouse page: the pages' rule for it (ChooseWinType,
    // ChooseRepeat, ChooseMRepeat) sets the text box that goes with it.
    void ApplyChoice(void (*choose)(EditorPages&, const std::string&), const TComboBox& combo,
                     std::string EditorPages::*text, TEdit& box);

    TEditorHost host_;
    HWND owner_;
    int dpi_ = 96;
    OwnedFont font_;
    OwnedFont smallFont_;
    HIMAGELIST pictures_ = nullptr;
    HWND hints_ = nullptr;
    // The controls of each page of tvNav.
    std::array<std::vector<HWND>, kEditorPageCount> pages_;
    int activePage_ = 0;
    std::vector<TPotentialKey> potentialKeys_;
    bool timerXY_ = false;
    bool closed_ = false;
    bool destroyed_ = false;
    // The last file chosen with OpenDialog1, offered again by Load List.
    std::string lastOpenedList_;
};

}  // namespace kv
