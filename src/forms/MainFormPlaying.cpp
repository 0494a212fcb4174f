// The main window while a key or mouse macro plays: the tray tip and the
// tray menu's "Stop macro".
#include "forms/MainForm.h"
#include "uilogic/AppTitle.h"

namespace kv {

void MainForm::OnStopMacro() { runner_.RequestStop(); }

void MainForm::UpdatePlayingTip() {
    if (destroyed_) return;
    trayIconData_.SetTip(runner_.IsPlaying() ? PlayingTrayTip(title_, runner_.PlayingDescription()) : title_);
}

void MainForm::UpdateTrayMenu() {
    EnableMenuItem(trayMenu_.Get(), stopMacroItem.id, MF_BYCOMMAND | (runner_.IsPlaying() ? MF_ENABLED : MF_GRAYED));
}

}  // namespace kv
