// The addresses handed to the shell and the Donate command.
#include <gtest/gtest.h>

#include "platform/fake/FakeShell.h"
#include "uilogic/WebLinks.h"

namespace kv {
namespace {

TEST(WebLinks, AddressesBelongToTheProject) {
    EXPECT_EQ(std::string(kHomePageAddress), "http://www.keyvane.example/");
    EXPECT_EQ(std::string(kFeedbackAddress), "mailto:feedback@keyvane.example?subject=[Keyvane Feedback]");
}

TEST(WebLinks, DonationPageHasThePathAndTheQueryKeysInOrder) {
    const std::string address = DonationAddress();
    EXPECT_EQ(address.rfind("https://", 0), 0u);
    const std::size_t path = address.find("/cgi-bin/webscr?");
    ASSERT_NE(path, std::string::npos);
    EXPECT_EQ(address.substr(path),
              "/cgi-bin/webscr?cmd=_donations&business=donate@keyvane.example&lc=GB&item_name=Keyvane"
              "&currency_code=EUR&bn=PP%2dDonationsBF%3abtn_donate_LG%2egif%3aNonHosted");
}

TEST(WebLinks, CommandsOpenTheirAddressOwnedByTheWindow) {
    FakeShell shell;
    OpenWebSite(shell, 7);
    OpenFeedback(shell, 7);
    OpenDonationPage(shell, 8);
    ASSERT_EQ(shell.opened.size(), 3u);
    EXPECT_EQ(shell.opened[0].file, kHomePageAddress);
    EXPECT_EQ(shell.opened[1].file, kFeedbackAddress);
    EXPECT_EQ(shell.opened[2].file, DonationAddress());
    for (const auto& o : shell.opened) EXPECT_EQ(o.verb, "open");
    EXPECT_EQ(shell.opened[0].owner, 7u);
    EXPECT_EQ(shell.opened[2].owner, 8u);
    EXPECT_TRUE(shell.boxes.empty());
}

TEST(WebLinks, DonateAsksFirstAndThanksOnlyAfterYes) {
    FakeShell shell;
    int asked = 0;
    DonateCommand(
        shell, 1,
        [&] {
            ++asked;
            return false;
        },
        "Keyvane");
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(shell.boxes.empty());

    DonateCommand(
        shell, 1,
        [&] {
            ++asked;
            return true;
        },
        "Keyvane");
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].file, DonationAddress());
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Thank you.");
    EXPECT_EQ(shell.boxes[0].caption, "Keyvane");
    EXPECT_EQ(shell.boxes[0].icon, MessageIcon::None);
}

}  // namespace
}  // namespace kv
