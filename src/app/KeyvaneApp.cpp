#include "app/KeyvaneApp.h"

#include <utility>

#include "forms/ProgramIcon.h"
#include "uilogic/AppTitle.h"
#include "wingui/WindowHelpers.h"

namespace kv {

KeyvaneApp::KeyvaneApp(std::string listPath, UiPrompts* prompts)
    : prompts_(prompts ? *prompts : platformPrompts_),
      title_(ApplicationTitle(ExePath())),
      runner_(RunnerPlatform{loop_, shell_, input_, screen_, windows_, system_, &keyboard_, &foreground_}, title_),
      binding_(hotKeyApi_, runner_, std::move(listPath)) {
    application_.Create(title_, ProgramIcon(GetSystemMetrics(SM_CXICON)), ProgramIcon(GetSystemMetrics(SM_CXSMICON)));
    // The availability probe registers against the window that carries the
    // taskbar button.
    hotKeyApi_.SetApplicationWindow(reinterpret_cast<WindowHandle>(application_.Handle()));
    // Read once, before the first shortcut text is made.
    modifierNames_ = ReadModifierNames(hotKeyApi_);
    const MainFormServices services{loop_,   application_, shell_,   hotKeyApi_,    input_,
                                    runner_, binding_,     prompts_, modifierNames_};
    mainForm_ = std::make_unique<MainForm>(services);
    // The balloon that tells why a macro stopped comes from the tray icon.
    system_.SetTrayIcon(reinterpret_cast<WindowHandle>(mainForm_->Handle()), mainForm_->TrayIconData().Data().uID,
                        title_);
}

KeyvaneApp::~KeyvaneApp() { mainForm_.reset(); }

}  // namespace kv
