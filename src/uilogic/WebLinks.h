#pragma once
// The addresses the program hands to the shell: its home page, the feedback
// mailbox and the donation page, and the commands that open them.
#include <functional>
#include <string>

#include "platform/ShellApi.h"

namespace kv {

inline constexpr char kHomePageAddress[] = "http://www.keyvane.example/";
// The subject is written as it stands, without percent-encoding.
inline constexpr char kFeedbackAddress[] = "mailto:feedback@keyvane.example?subject=[Keyvane Feedback]";
inline constexpr char kDonationHost[] = "https://www.paypal.com";
inline constexpr char kDonationAccount[] = "donate@keyvane.example";

// The donation page: the donation endpoint's /cgi-bin/webscr with the query
// keys cmd, business, lc, item_name, currency_code and bn, in this order.
std::string DonationAddress();

inline constexpr char kDonateQuestion[] = "Do you want to donate this program?";
inline constexpr char kDonateQuestionCaption[] = "Confirm";
inline constexpr char kDonateThanks[] = "Thank you.";

// Each opens its address with the verb "open", owned by the window that
// issues the command; the shell's result is not looked at.
void OpenWebSite(ShellApi& shell, WindowHandle owner);
void OpenFeedback(ShellApi& shell, WindowHandle owner);
void OpenDonationPage(ShellApi& shell, WindowHandle owner);

// The main window's Donate command: asks the question (confirm answers true
// for Yes); on Yes opens the donation page and shows "Thank you." in a plain
// box captioned with the application title.
void DonateCommand(ShellApi& shell, WindowHandle owner, const std::function<bool()>& confirm, const std::string& title);

}  // namespace kv
