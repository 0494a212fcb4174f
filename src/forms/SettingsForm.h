#pragma once
// The settings window: an empty form, shown modally from the (hidden)
// Settings commands of the main window.
#include <windows.h>

#include "wingui/ModalForm.h"

namespace kv {

class SettingsForm : public ModalForm {
public:
    // Creates the window hidden, owned by owner: caption "Settings",
    // 434 x 320 pixels, centred on the screen. Esc and the close box close it.
    explicit SettingsForm(HWND owner);
};

}  // namespace kv
