#include "uilogic/WebLinks.h"

namespace kv {

std::string DonationAddress() {
    return std::string(kDonationHost) + "/cgi-bin/webscr?cmd=_donations&business=" + kDonationAccount +
           "&lc=GB&item_name=Keyvane&currency_code=EUR&bn=PP%2dDonationsBF%3abtn_donate_LG%2egif%3aNonHosted";
}

void OpenWebSite(ShellApi& shell, WindowHandle owner) { shell.ShellOpen(owner, "open", kHomePageAddress); }

void OpenFeedback(ShellApi& shell, WindowHandle owner) { shell.ShellOpen(owner, "open", kFeedbackAddress); }

void OpenDonationPage(ShellApi& shell, WindowHandle owner) { shell.ShellOpen(owner, "open", DonationAddress()); }

void DonateCommand(ShellApi& shell, WindowHandle owner, const std::function<bool()>& confirm,
                   const std::string& title) {
    if (!confirm || !confirm()) return;
    OpenDonationPage(shell, owner);
    shell.ShowMessage(kDonateThanks, title, MessageIcon::None);
}

}  // namespace kv
