#pragma once
// The macro editor: the modal window in which a macro is created or changed.
// The shortcut controls, a category list of the seven action kinds, one
// page of details per kind, a description and the commit button. What it
// decides (payloads, loaders, refusals, the commit, whether
// closing discards changes) lives in uilogic; this form copies its controls
// to and from those decisions.
//
// The keyboard: every control is a tab stop in reading order; Alt+letter
// reaches the underlined labels and buttons; Enter commits (the commit
// button is the default button); Esc and the close box close the editor,
// asking first when a field was changed; Esc in the description does
// nothing, and Tab and Shift+Tab leave it.
//
// The files: EditorForm.cpp (the form, its life and the commit),
// EditorControls.cpp (the controls of the form and its pages),
// EditorContent.cpp (shortcut, loaders, pages to and from the controls),
// EditorPageHandlers.cpp (the handlers of the pages' buttons and choices).
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "forms/EditorHost.h"
#include "platform/win32/Win32MessageLoop.h"
#include "uilogic/EditorChanges.h"
#include "uilogic/EditorCommit.h"
#include "uilogic/EditorPages.h"
#include "uilogic/ShortcutPicker.h"
#include "wingui/Controls.h"
#include "wingui/KeyPreview.h"
#include "wingui/ListEditorPanel.h"
#include "wingui/ModalForm.h"
#include "wingui/WindowHelpers.h"

namespace kv {

class EditorForm : public ModalForm {
public:
    // Creates the editor hidden, owned by owner, and runs FormCreate.
    EditorForm(EditorHost host, HWND owner);
    ~EditorForm() override;

    // Runs FormShow and shows the editor modally until it is committed or
    // closed.
    using ModalForm::ShowModal;
    void ShowModal(Win32MessageLoop& loop);

    // Set by the main window before showing: the editor changes the slot at
    // the table's EditIndex.
    bool EditMode = false;

    // Control identifiers.
    enum Control : int {
        idCtrlBox = 1000,
        idShiftBox,
        idAltBox,
        idWinBox,
        idKeyCombo,
        idCheckAvailability,
        idCategoryCombo,
        idDescription,
        idCommit,
        idProgramPath = 1100,
        idBrowseProgram,
        idAddProgram,
        idProgramList,
        idUrlEdit,
        idAddUrl,
        idUrlList,
        idCaptureFolder,
        idChooseFolder,
        idFormatCombo,
        idWindowTypeCombo = 1200,
        idWindowName,
        idKeyRepeatCombo,
        idKeyTimes,
        idKeyList,
        idAddKey,
        idFirstKeyListButton,  // and the six after it
        idMouseRepeatCombo = 1300,
        idMouseTimes,
        idMouseList,
        idXEdit,
        idYEdit,
        idAddPosition,
        idMouseButtonCombo,
        idAddMouseButton,
        idPosition,
        idFirstMouseListButton = 1320,  // and the six after it
        idWindowActionCombo = 1400,
        idSystemActionCombo,
        idConfirmBox,
        idDeleteProgram = 1500,
        idDeleteUrl,
    };

    // ---- the form
    void FormCreate();
    void FormShow();
    void FormClose();
    // Sees every key that goes down in the editor before the focused control.
    void FormKeyDown(WORD key);
    void OnCategoryChange();
    void OnCommit();
    // What the user can change, as the controls show it now.
    EditorFields Fields() const;

    // ---- the shortcut
    void FillKeyCombo();
    std::uint32_t SelectedHotKey() const;
    void OnCheckAvailability();
    // Puts a stored shortcut into the controls.
    void ShowHotKey(std::uint32_t hotKey);

    // ---- slot i of the table into the controls (the loader of its kind)
    void LoadSlot(int i);

    // ---- programs, URLs, capture
    void OnBrowseProgram();
    void OnAddProgram();
    void OnDeleteProgram();
    void OnAddUrl();
    void OnDeleteUrl();
    void OnChooseFolder();

    // ---- keys
    void OnWindowTypeChange();
    void OnKeyRepeatChange();
    void OnAddKey();  // the special-key picker
    // Appends one entry to the key list (the picker's "Add to List").
    void AddKeyEntry(const std::string& entry);

    // ---- mouse
    void OnMouseRepeatChange();
    void OnAddPosition();     // the typed coordinates
    void OnAddMouseButton();  // the chosen button action
    void OnPositionTimer();
    bool PositionTimerRunning() const { return positionTimer_; }

    // The page of the details shown, 0 to 6.
    int ActivePage() const { return activePage_; }
    // All pages as the controls show them, and back.
    EditorPages ReadPages() const;
    void ShowPages(const EditorPages& pages);
    const std::vector<CandidateKey>& PotentialKeys() const { return potentialKeys_; }
    EditorHost& Host() { return host_; }

    // ---- the controls
    LabelControl shortcutLabel;
    CheckBoxControl ctrlBox, shiftBox, altBox, winBox;
    ComboBoxControl keyCombo;
    TFlatButton checkAvailabilityButton;
    LabelControl actionLabel;
    ComboBoxControl categoryCombo;
    GroupBoxControl detailsBox;
    LabelControl descriptionLabel;
    MemoControl descriptionMemo;
    ButtonControl commitButton;

    // programs
    LabelControl programPathLabel;
    EditControl programPathEdit;
    TFlatButton browseProgramButton, addProgramButton;
    ListBoxControl programList;
    // URLs
    LabelControl urlLabel;
    EditControl urlEdit;
    TFlatButton addUrlButton;
    ListBoxControl urlList;
    // screen capture
    LabelControl captureFolderLabel, formatLabel;
    EditControl captureFolderEdit;
    TFlatButton chooseFolderButton;
    ComboBoxControl formatCombo;
    // key sequence
    ComboBoxControl windowTypeCombo, keyRepeatCombo;
    EditControl windowNameEdit, keyTimesEdit;
    LabelControl keyTimesLabel;
    TFlatButton addKeyButton;
    ListEditorPanel keyPanel;  // the key list and its buttons
    // mouse sequence
    ComboBoxControl mouseRepeatCombo, mouseButtonCombo;
    EditControl mouseTimesEdit, xEdit, yEdit;
    LabelControl mouseTimesLabel, xLabel, yLabel, positionLabel, insertKeyNote;
    TFlatButton addPositionButton, addMouseButtonButton;
    ListEditorPanel mousePanel;  // the mouse list and its buttons
    // window action
    ComboBoxControl windowActionCombo;
    // system action
    ComboBoxControl systemActionCombo;
    CheckBoxControl confirmBox;

protected:
    void OnCloseRequest() override;
    void OnClosed() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnDpiChanged() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void CreateProgramAndUrlPages(const ControlSite& site);
    void CreateCapturePage(const ControlSite& site);
    void CreateKeyPage(const ControlSite& site);
    void CreateMousePage(const ControlSite& site);
    void CreateActionPages(const ControlSite& site);
    void OnContextMenu(HWND control, LPARAM lParam);
    void ShowPage(int page);
    void SetPositionTimer(bool enabled);
    void DrawPosition(const DRAWITEMSTRUCT& item);
    // Applies the key page's and mouse page's enabling rules to the controls.
    void UpdateEnabling();
    void Message(const std::string& text, MessageIcon icon = MessageIcon::None);
    // Adds text to a list as the add buttons do; what refuses it is shown.
    void AddUnique(EditControl& edit, ListBoxControl& list, const std::string& what);
    void RemoveSelected(ListBoxControl& list);
    void LoadPayload(int i, int page);
    // A choice of the key or mouse page: the pages' rule for it (ChooseWinType,
    // ChooseRepeat, ChooseMRepeat) sets the text box that goes with it.
    void ApplyChoice(void (*choose)(EditorPages&, const std::string&), const ComboBoxControl& combo,
                     std::string EditorPages::*text, EditControl& box);

    EditorHost host_;
    OwnedImageList pictures_;  // the flat buttons' pictures, at the form's dpi
    HWND hints_ = nullptr;
    KeyPreview keyPreview_;
    // The controls of each page of the details.
    std::array<std::vector<HWND>, kEditorPageCount> pages_;
    int activePage_ = 0;
    std::vector<CandidateKey> potentialKeys_;
    bool positionTimer_ = false;
    // The fields as the editor was shown: closing asks only when they changed.
    EditorFields shown_;
    // The last file chosen by Load List, offered again on either page.
    std::string lastOpenedList_;
};

}  // namespace kv
