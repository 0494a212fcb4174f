#include "forms/SettingsForm.h"

namespace kv {

SettingsForm::SettingsForm(HWND owner)
    : ModalForm(ModalFormArgs{"TfrmSettings", "Settings", 434, 320, owner, nullptr, true}) {}

}  // namespace kv
