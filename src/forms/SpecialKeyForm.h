#pragma once
// The special-key picker: builds one entry of the key page from typed text
// and buttons for named keys, and adds it to the editor's key list.
#include <windows.h>

#include <array>
#include <string>

#include "uilogic/ListEntries.h"
#include "wingui/Controls.h"
#include "wingui/Win.h"
#include "wingui/Window.h"

namespace kv {

class TfrmAdd;

class TfrmAddKey : public Window {
public:
    // Creates the picker hidden, owned by the editor whose key list it adds to.
    explicit TfrmAddKey(TfrmAdd& frmAdd);

    // Shows it modally until "Add to List" adds an entry or it is closed.
    void ShowModal();
    bool Closed() const { return closed_; }

    enum Control : int { idtxKey = 100, idBitBtn1, idSpeedButton1 = 200 };

    // SpeedButton1Click ... SpeedButton31Click: button index 0 to 30 appends
    // its token to the end of txKey.
    void SpeedButtonClick(int index);
    void BitBtn1Click();

    TLabel Label1;
    TEdit txKey;
    std::array<TFlatButton, kPickerKeyCount> SpeedButtons;  // SpeedButton1 to SpeedButton31
    TButton BitBtn1;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    TfrmAdd& frmAdd_;
    OwnedFont font_;
    bool closed_ = false;
};

}  // namespace kv
