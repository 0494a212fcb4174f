// Importing goes on past lines it cannot read, and the report accounts for
// every line of the file.
#include <gtest/gtest.h>

#include "model/ImportReport.h"
#include "model/model_test_support.h"

namespace kv {
namespace {

class ImportReportTest : public testing::Test {
protected:
    ListFileResult Import(const std::string& text) {
        WriteBytes(importPath, text);
        return ImportMacroList(importPath, *table, lines, listPath, registrar.Fn(), report);
    }
    const MacroSlot& Slot(int i) const { return table->Macros[static_cast<std::size_t>(i)]; }

    TempFolder folder;
    std::string listPath = folder.File("macrolist.lis");
    std::string importPath = folder.File("other.lis");
    std::unique_ptr<MacroTable> table = NewTable();
    std::vector<std::string> lines;
    FakeRegistrar registrar;
    ImportReport report;
};

TEST_F(ImportReportTest, BadLinesAreSkippedWithTheirNumberAndTheRestIsImported) {
    registrar.heldElsewhere.insert(300);
    const ListFileResult result =
        Import(Record(7, 200, "a.exe", "first") + "8;-1;RUNPRG;300\r\n" + Record(0, 300, "b.exe", "taken") +
               Record(0, 400, "c.exe", "bad flag", "RUNPRG", "yes") + Record(0, 500, "d", "odd", "BOGUS1") +
               "9;-1;RUNPRG;notanumber;e.exe;x@\r\n" + Record(0, 600, "f.exe", "last"));
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(report.added, 3);
    ASSERT_EQ(table->MacroCount, 3);
    EXPECT_EQ(Slot(0).Description, "first");
    EXPECT_EQ(Slot(1).Description, "taken");
    EXPECT_EQ(Slot(2).Description, "last");

    // The refused macro is added switched off, so that ticking it later registers it.
    EXPECT_EQ(report.refusedSlots, std::vector<int>{1});
    EXPECT_FALSE(Slot(1).Enabled);
    EXPECT_EQ(Slot(1).UniqueID, 0u);

    const struct {
        std::size_t number;
        const char* reason;
    } expected[] = {{2, "it has fewer than six fields"},
                    {4, "'yes' is not a valid boolean value"},
                    {5, "\"BOGUS1\" is not a kind of action"},
                    {6, "'notanumber' is not a valid integer value"}};
    ASSERT_EQ(report.skipped.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(report.skipped[i].number, expected[i].number);
        EXPECT_EQ(report.skipped[i].reason, expected[i].reason);
    }
    // The list file mirrors the table, the refused macro saved as off.
    EXPECT_EQ(ReadBytes(listPath), Record(0xC000, 200, "a.exe", "first") +
                                       Record(0, 300, "b.exe", "taken", "RUNPRG", "0") +
                                       Record(0xC001, 600, "f.exe", "last"));
}

TEST_F(ImportReportTest, SwitchedOffMacrosAreNotRegisteredNorReportedAsRefused) {
    Import(Record(0, 200, "a.exe", "off", "RUNPRG", "0"));
    EXPECT_EQ(report.added, 1);
    EXPECT_TRUE(report.refusedSlots.empty());
    EXPECT_EQ(registrar.calls, 0);
}

TEST_F(ImportReportTest, TextAfterANulByteIsReportedNotDroppedSilently) {
    Import(Record(0, 200, "a.exe", "one") + "1;-1;RUN" + std::string(1, '\0') + Record(0, 300, "b", "lost"));
    EXPECT_EQ(report.added, 1);
    ASSERT_EQ(report.skipped.size(), 2u);
    EXPECT_EQ(report.skipped[0].number, 2u);  // the cut line itself
    EXPECT_EQ(report.skipped[1].number, 2u);
    EXPECT_EQ(report.skipped[1].reason, "it holds a NUL byte; the file was not read past it");
}

TEST_F(ImportReportTest, AFullTableEndsTheImportAndSavesWhatFitted) {
    for (int i = 0; i < kMaxMacros - 1; ++i) table->Macros[static_cast<std::size_t>(table->MacroCount++)].HotKey = 1;
    const ListFileResult result = Import(Record(0, 200, "a", "fits") + Record(0, 300, "b", "does not"));
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(report.added, 1);
    EXPECT_EQ(table->MacroCount, kMaxMacros);
    EXPECT_EQ(report.stoppedEarly, "The macro list is full (1000 macros). Import stopped before line 2.");
    EXPECT_TRUE(Exists(listPath));
}

TEST_F(ImportReportTest, MissingOrEmptyFileAddsNothingAndWritesNothing) {
    EXPECT_TRUE(ImportMacroList(folder.File("missing.lis"), *table, lines, listPath, registrar.Fn(), report).completed);
    EXPECT_EQ(report.added, 0);
    EXPECT_TRUE(Import("").completed);
    EXPECT_EQ(report.added, 0);
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_FALSE(Exists(listPath));
}

}  // namespace
}  // namespace kv
