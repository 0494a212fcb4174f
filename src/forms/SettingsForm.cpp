#include "forms/SettingsForm.h"

namespace kv {

TfrmSettings::TfrmSettings(HWND owner)
    : ModalForm(ModalFormArgs{"TfrmSettings", "Settings", 434, 320, owner, nullptr, true}) {}

}  // namespace kv
