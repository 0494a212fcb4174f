// The controls of the editor and of its pages. They are made in reading
// order, which is also the tab order; an "&" in a caption marks its Alt+letter
// accelerator (the underline shows only while the keyboard is in use).
// Letters are unique among the controls that are visible together.
#include "forms/EditorForm.h"

#include "forms/EditorPictures.h"
#include "uilogic/ListEntries.h"
#include "wingui/SpeedButton.h"

namespace kv {

void EditorForm::CreateControls() {
    const ControlSite site = Site();
    hints_ = CreateHintWindow(Handle());

    shortcutLabel.Create(site, "&Shortcut:", 8, 12, 52, 14);
    ctrlBox.Create(site, idCtrlBox, "&Ctrl", 64, 10, 42, 17);
    shiftBox.Create(site, idShiftBox, "S&hift", 110, 10, 46, 17);
    altBox.Create(site, idAltBox, "A&lt", 160, 10, 36, 17);
    winBox.Create(site, idWinBox, "Win", 200, 10, 40, 17);
    winBox.SetVisible(false);
    ctrlBox.SetChecked(true);
    keyCombo.Create(site, idKeyCombo, 200, 8, 172, 12);
    checkAvailabilityButton.Create(site, idCheckAvailability, "", 378, 8, 23, 22, pictures_.Get(), picCheck);
    AddHint(hints_, checkAvailabilityButton.Handle(), "Check availability");

    actionLabel.Create(site, "Ac&tion:", 8, 43, 52, 14);
    categoryCombo.Create(site, idCategoryCombo, 64, 40, 200);
    for (int i = 0; i < kCategoryCount; ++i) categoryCombo.Add(kEditorCategories[i].entry);

    // The pages of the details; the group box is made after them, so that it
    // lies beneath their controls.
    CreateProgramAndUrlPages(site);
    CreateCapturePage(site);
    CreateKeyPage(site);
    CreateMousePage(site);
    CreateActionPages(site);
    detailsBox.Create(site, " Details ", 8, 70, 393, 266);

    descriptionLabel.Create(site, "&Description:", 8, 344, 80, 14);
    descriptionMemo.Create(site, idDescription, 8, 360, 393, 60);
    commitButton.Create(site, idCommit, "&Add", 326, 428, 75, 25, true);

    ShowPages(EditorPages());
}

void EditorForm::CreateProgramAndUrlPages(const ControlSite& site) {
    programPathLabel.Create(site, "&Program Path:", 16, 90, 120, 14);
    programPathEdit.Create(site, idProgramPath, 16, 106, 321, 21, true);
    browseProgramButton.Create(site, idBrowseProgram, "", 341, 105, 23, 22, pictures_.Get(), picBrowse);
    addProgramButton.Create(site, idAddProgram, "", 366, 105, 23, 22, pictures_.Get(), picAdd);
    programList.Create(site, idProgramList, 16, 134, 373, 194);
    pages_[pgRunProgram] = {programPathLabel.Handle(), programPathEdit.Handle(), browseProgramButton.Handle(),
                            addProgramButton.Handle(), programList.Handle()};

    urlLabel.Create(site, "&URL:", 16, 95, 30, 14);
    urlEdit.Create(site, idUrlEdit, 48, 92, 314, 21);
    addUrlButton.Create(site, idAddUrl, "", 366, 91, 23, 22, pictures_.Get(), picAdd);
    urlList.Create(site, idUrlList, 16, 120, 373, 208);
    pages_[pgOpenUrl] = {urlLabel.Handle(), urlEdit.Handle(), addUrlButton.Handle(), urlList.Handle()};
}

void EditorForm::CreateCapturePage(const ControlSite& site) {
    captureFolderLabel.Create(site, "&Path:", 16, 90, 60, 14);
    captureFolderEdit.Create(site, idCaptureFolder, 16, 106, 346, 21, true);
    chooseFolderButton.Create(site, idChooseFolder, "", 366, 105, 23, 22, pictures_.Get(), picFolder);
    formatLabel.Create(site, "&Format:", 16, 138, 60, 14);
    formatCombo.Create(site, idFormatCombo, 16, 154, 120);
    formatCombo.SetItems(kFormatEntries);
    pages_[pgScreenCapture] = {captureFolderLabel.Handle(), captureFolderEdit.Handle(), chooseFolderButton.Handle(),
                               formatLabel.Handle(), formatCombo.Handle()};
}

void EditorForm::CreateKeyPage(const ControlSite& site) {
    windowTypeCombo.Create(site, idWindowTypeCombo, 16, 90, 110);
    windowTypeCombo.SetItems(kWinTypeEntries);
    windowNameEdit.Create(site, idWindowName, 132, 90, 257, 21);
    keyRepeatCombo.Create(site, idKeyRepeatCombo, 16, 118, 110);
    keyRepeatCombo.SetItems(kRepeatEntries);
    keyTimesEdit.Create(site, idKeyTimes, 132, 118, 50, 21);
    keyTimesEdit.AcceptDigitsOnly();
    keyTimesLabel.Create(site, "times", 188, 121, 40, 14);
    keyPanel.CreateList(site, ListEditorArgs{idKeyList,
                                             idFirstKeyListButton,
                                             {16, 146, 286, 328},
                                             294,
                                             168,
                                             kKeyListFileName,
                                             host_.title,
                                             &lastOpenedList_,
                                             &host_.prompts});
    addKeyButton.Create(site, idAddKey, "Add &Key", 294, 146, 95, 21);
    keyPanel.CreateButtons(site);
    pages_[pgKeyEvents] = {windowTypeCombo.Handle(), windowNameEdit.Handle(), keyRepeatCombo.Handle(),
                           keyTimesEdit.Handle(),    keyTimesLabel.Handle(),  addKeyButton.Handle()};
    for (HWND control : keyPanel.Handles()) pages_[pgKeyEvents].push_back(control);
}

void EditorForm::CreateMousePage(const ControlSite& site) {
    mouseRepeatCombo.Create(site, idMouseRepeatCombo, 16, 90, 110);
    mouseRepeatCombo.SetItems(kMouseRepeatEntries);
    mouseTimesEdit.Create(site, idMouseTimes, 132, 90, 50, 21);
    mouseTimesLabel.Create(site, "times", 188, 93, 36, 14);
    // Drawn by the form: the platform's right-aligned label cuts off the
    // last pixels of some digits.
    positionLabel.Create(site, "", 259, 93, 130, 14, SS_OWNERDRAW, idPosition);
    xLabel.Create(site, "&X:", 16, 121, 14, 14);
    xEdit.Create(site, idXEdit, 30, 118, 44, 21);
    xEdit.AcceptDigitsOnly();
    xEdit.SetText("0");
    yLabel.Create(site, "&Y:", 80, 121, 14, 14);
    yEdit.Create(site, idYEdit, 94, 118, 44, 21);
    yEdit.AcceptDigitsOnly();
    yEdit.SetText("0");
    addPositionButton.Create(site, idAddPosition, "Add", 142, 117, 40, 23);
    mouseButtonCombo.Create(site, idMouseButtonCombo, 192, 118, 110);
    mouseButtonCombo.SetItems(kMouseButtonEntries);
    mouseButtonCombo.SetItemIndex(0);
    addMouseButtonButton.Create(site, idAddMouseButton, "Add", 306, 117, 40, 23);
    mousePanel.CreateList(site, ListEditorArgs{idMouseList,
                                               idFirstMouseListButton,
                                               {16, 146, 286, 310},
                                               294,
                                               146,
                                               kMouseListFileName,
                                               host_.title,
                                               &lastOpenedList_,
                                               &host_.prompts});
    const HFONT smallFont = AddFont(FontArgs{"Tahoma", 7});
    insertKeyNote.Create(Site(smallFont), "*Insert key adds current mouse coordinat to list", 16, 313, 270, 13);
    mousePanel.CreateButtons(site);
    pages_[pgMouseEvents] = {mouseRepeatCombo.Handle(),
                             mouseTimesEdit.Handle(),
                             mouseTimesLabel.Handle(),
                             positionLabel.Handle(),
                             xLabel.Handle(),
                             xEdit.Handle(),
                             yLabel.Handle(),
                             yEdit.Handle(),
                             addPositionButton.Handle(),
                             mouseButtonCombo.Handle(),
                             addMouseButtonButton.Handle(),
                             insertKeyNote.Handle()};
    for (HWND control : mousePanel.Handles()) pages_[pgMouseEvents].push_back(control);
}

void EditorForm::CreateActionPages(const ControlSite& site) {
    windowActionCombo.Create(site, idWindowActionCombo, 16, 96, 200);
    windowActionCombo.SetItems(kWindowActionEntries);
    pages_[pgWindowActions] = {windowActionCombo.Handle()};

    systemActionCombo.Create(site, idSystemActionCombo, 16, 96, 200);
    systemActionCombo.SetItems(kMiscEntries);
    confirmBox.Create(site, idConfirmBox, "C&onfirm", 16, 126, 100, 17);
    pages_[pgMiscellaneous] = {systemActionCombo.Handle(), confirmBox.Handle()};
}

}  // namespace kv
