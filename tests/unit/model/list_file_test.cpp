#include <gtest/gtest.h>

#include "model/ActionKind.h"
#include "model/model_test_support.h"

namespace kv {
namespace {

const std::string kWorkedLine = "49320;-1;RUNPRG;24692;C:\\Tools\\notes.exe;Open notes@\r\n";

UserMessage Error(const std::string& text) { return {text, true}; }
UserMessage Notice(const std::string& text) { return {text, false}; }

// Whether an operation reported exactly this one message.
testing::AssertionResult OneMessage(const ListFileResult& result, const UserMessage& expected) {
    if (result.messages.size() == 1 && result.messages[0].text == expected.text &&
        result.messages[0].isError == expected.isError) {
        return testing::AssertionSuccess();
    }
    testing::AssertionResult failure = testing::AssertionFailure() << "reported:";
    for (const UserMessage& m : result.messages) failure << "\n  " << (m.isError ? "error " : "notice ") << m.text;
    return failure;
}

class ListFileTest : public testing::Test {
protected:
    ListFileResult Load() { return LoadListFile(listPath, *table, lines, registrar.Fn()); }
    ListFileResult Save() { return SaveListFile(*table, listPath, lines); }
    ListFileResult Delete(int row) {
        return DeleteMacro(row, *table, lines, listPath, registrar.UnregisterFn(), registrar.Fn());
    }
    const MacroSlot& Slot(int i) const { return table->Macros[static_cast<std::size_t>(i)]; }
    // Appends a macro as the editor's commit does.
    void Add(std::uint32_t hotKey, const std::string& payload, const std::string& description) {
        MacroSlot& slot = table->Macros[static_cast<std::size_t>(table->MacroCount++)];
        slot = MacroSlot{true, registrar.Register(hotKey), hotKey, "RUNPRG", payload, description, {}};
    }

    TempFolder folder;
    std::string listPath = folder.File("macrolist.lis");
    std::unique_ptr<MacroTable> table = NewTable();
    std::vector<std::string> lines;
    FakeRegistrar registrar;
};

TEST_F(ListFileTest, WorkedLineIsReadAndWrittenByteForByte) {
    registrar.nextId = 49320;
    WriteBytes(listPath, kWorkedLine);
    ListFileResult result = Load();
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(result.messages.empty());
    ASSERT_EQ(table->MacroCount, 1);
    EXPECT_TRUE(Slot(0).Enabled);
    EXPECT_EQ(Slot(0).UniqueID, 49320u);
    EXPECT_EQ(Slot(0).HotKey, 24692u);
    EXPECT_EQ(Slot(0).ActionKind, "RUNPRG");
    EXPECT_EQ(Slot(0).ActionData, "C:\\Tools\\notes.exe");
    EXPECT_EQ(Slot(0).Description, "Open notes");
    EXPECT_EQ(ReadBytes(listPath), kWorkedLine);
    EXPECT_EQ(lines, std::vector<std::string>{kWorkedLine.substr(0, kWorkedLine.size() - 2)});
}

TEST_F(ListFileTest, LoadRegistersAnewAndRewritesInTheWritersForm) {
    WriteBytes(listPath,
               "1;TRUE;RUNPRG;100;a;first@\n"
               "2;0;OPNURL;200;b;@\r"
               "3;1;KEYEVN;100;c;mail@home\r\n");
    ASSERT_TRUE(Load().completed);
    ASSERT_EQ(table->MacroCount, 3);
    EXPECT_EQ(Slot(0).UniqueID, 0xC000u);
    EXPECT_FALSE(Slot(1).Enabled);
    EXPECT_EQ(Slot(1).Description, "");
    EXPECT_EQ(Slot(2).UniqueID, 0u);  // same shortcut as slot 0
    EXPECT_EQ(Slot(2).Description, "mailhome");
    EXPECT_EQ(Slot(1).UniqueID, 0u);  // switched off: not registered
    EXPECT_EQ(ReadBytes(listPath),
              "49152;-1;RUNPRG;100;a;first@\r\n"
              "0;0;OPNURL;200;b;@\r\n"
              "0;-1;KEYEVN;100;c;mailhome@\r\n");
}

TEST_F(ListFileTest, NoFileOrEmptyFileGivesAnEmptyTableAndWritesNothing) {
    table->MacroCount = 5;
    EXPECT_TRUE(Load().completed);
    EXPECT_EQ(table->MacroCount, 0);
    EXPECT_FALSE(Exists(listPath));

    WriteBytes(listPath, "");
    ListFileResult result = Load();
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(table->MacroCount, 0);
    EXPECT_EQ(ReadBytes(listPath), "");
    EXPECT_FALSE(Exists(listPath + ".tmp"));
}

const std::string kLeftUnchanged = "The list file was left unchanged, so that the lines that were not loaded are kept";

TEST_F(ListFileTest, MalformedLineStopsTheLoadAndLeavesTheFile) {
    struct Case {
        const char* name;
        std::string badLine;
        UserMessage message;
    } cases[] = {
        {"four pieces", "2;-1;RUNPRG;200\r\n", {"Error on file:" + listPath + ", line 2.", false}},
        {"five pieces", "2;-1;RUNPRG;200;Open notes@\r\n", {"Error on file:" + listPath + ", line 2.", false}},
        {"blank line", "\r\n", {"Error on file:" + listPath + ", line 2.", false}},
        {"not a Boolean",
         "2;yes;RUNPRG;200;a;@\r\n",
         {"'yes' is not a valid boolean value (" + listPath + ", line 2)", true}},
        {"not an integer",
         "2;-1;RUNPRG;2x;a;@\r\n",
         {"'2x' is not a valid integer value (" + listPath + ", line 2)", true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        registrar = FakeRegistrar();
        const std::string original = Record(1, 100, "a", "one") + c.badLine + Record(3, 300, "c", "three");
        WriteBytes(listPath, original);
        ListFileResult result = Load();
        EXPECT_FALSE(result.completed);
        EXPECT_TRUE(OneMessage(result, c.message));
        EXPECT_EQ(table->MacroCount, 1);
        EXPECT_EQ(Slot(0).Description, "one");
        EXPECT_EQ(registrar.calls, 1);  // none for the failing line
        EXPECT_EQ(ReadBytes(listPath), original);
        EXPECT_EQ(lines.size(), 3u);
        EXPECT_TRUE(table->KeepOriginalOnSave);
    }
}

TEST_F(ListFileTest, EmptyPayloadStaysLoadable) {
    const std::string original = Record(1, 100, "", "no programs yet") + Record(2, 200, "b", "");
    WriteBytes(listPath, original);
    ListFileResult result = Load();
    EXPECT_TRUE(result.completed);
    ASSERT_EQ(table->MacroCount, 2);
    EXPECT_EQ(Slot(0).ActionData, "");
    EXPECT_EQ(Slot(0).Description, "no programs yet");
    EXPECT_EQ(ReadBytes(listPath), Record(0xC000, 100, "", "no programs yet") + Record(0xC001, 200, "b", ""));
}

TEST_F(ListFileTest, SaveWithoutMacrosLeavesTheFileAsItIs) {
    WriteBytes(listPath, "kept as it is\r\n");
    lines = {"stale"};
    ListFileResult result = Save();
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(ReadBytes(listPath), "kept as it is\r\n");
}

TEST_F(ListFileTest, RecordWithLineBreaksStaysOnOneLine) {
    Add(100, "Active Window|Active Window|Once|0|a\r\nb", "first\nline");
    Add(200, "x", "second");
    ASSERT_TRUE(Save().completed);
    ASSERT_TRUE(Load().completed);
    ASSERT_EQ(table->MacroCount, 2);
    EXPECT_EQ(Slot(0).ActionData, "Active Window|Active Window|Once|0|a  b");
    EXPECT_EQ(Slot(0).Description, "first line");
    EXPECT_EQ(Slot(1).Description, "second");
}

TEST_F(ListFileTest, DeletingTheOnlyMacroLeavesAFileWithoutLines) {
    WriteBytes(listPath, kWorkedLine);
    ASSERT_TRUE(Load().completed);
    ListFileResult result = Delete(0);
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(table->MacroCount, 0);
    EXPECT_EQ(registrar.unregisterAllCalls, 1);
    EXPECT_TRUE(Exists(listPath));
    EXPECT_EQ(ReadBytes(listPath), "");
    ASSERT_TRUE(Load().completed);  // as after a restart
    EXPECT_EQ(table->MacroCount, 0);
}

TEST_F(ListFileTest, DeletingTheSecondOfThreeMovesTheThirdUp) {
    WriteBytes(listPath, Record(1, 100, "a", "one") + Record(2, 200, "b", "two") + Record(3, 300, "c", "three"));
    ASSERT_TRUE(Load().completed);
    ASSERT_TRUE(Delete(1).completed);
    ASSERT_EQ(table->MacroCount, 2);
    EXPECT_EQ(Slot(0).Description, "one");
    EXPECT_EQ(Slot(1).Description, "three");
    EXPECT_EQ(Slot(1).HotKey, 300u);
    // Both shortcuts are registered again, each with its own identifier.
    EXPECT_EQ(registrar.registered.size(), 2u);
    EXPECT_EQ(registrar.registered[100], Slot(0).UniqueID);
    EXPECT_EQ(registrar.registered[300], Slot(1).UniqueID);
    EXPECT_EQ(ReadBytes(listPath),
              Record(Slot(0).UniqueID, 100, "a", "one") + Record(Slot(1).UniqueID, 300, "c", "three"));
}

TEST_F(ListFileTest, DeletingOneOfSeveralRefusedMacrosDeletesThatOneAlone) {
    WriteBytes(listPath,
               Record(1, 100, "a", "registered") + Record(2, 100, "b", "refused 1") + Record(3, 100, "c", "refused 2"));
    ASSERT_TRUE(Load().completed);
    ASSERT_EQ(Slot(1).UniqueID, 0u);
    ASSERT_EQ(Slot(2).UniqueID, 0u);
    ASSERT_TRUE(Delete(1).completed);
    ASSERT_EQ(table->MacroCount, 2);
    EXPECT_EQ(Slot(0).Description, "registered");
    EXPECT_EQ(Slot(1).Description, "refused 2");
}

TEST_F(ListFileTest, DeleteWithoutRowOrWithoutFileChangesNothing) {
    WriteBytes(listPath, kWorkedLine);
    ASSERT_TRUE(Load().completed);
    const std::string before = ReadBytes(listPath);
    for (int row : {-1, 1}) {
        EXPECT_TRUE(Delete(row).messages.empty());
        EXPECT_EQ(table->MacroCount, 1);
    }
    EXPECT_EQ(ReadBytes(listPath), before);

    std::filesystem::remove(listPath);
    EXPECT_TRUE(Delete(0).messages.empty());
    EXPECT_EQ(table->MacroCount, 1);
    EXPECT_FALSE(Exists(listPath));
    EXPECT_EQ(registrar.unregisterAllCalls, 0);
}

TEST_F(ListFileTest, ExportCopiesTheLinesOfTheListFile) {
    WriteBytes(listPath, "a;b\nc;d\r");
    const std::string exportPath = folder.File("export.lis");
    WriteBytes(exportPath, "old content that is longer than the new one\r\n");
    ListFileResult result = ExportList(listPath, exportPath);
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(OneMessage(result, Notice("Export succesfully completed.")));
    EXPECT_EQ(ReadBytes(exportPath), "a;b\r\nc;d\r\n");
}

TEST_F(ListFileTest, ExportWithoutListFileReportsTheOpenError) {
    const std::string exportPath = folder.File("export.lis");
    ListFileResult result = ExportList(listPath, exportPath);
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(OneMessage(result, Error("Cannot open file \"" + listPath + "\". No such file or directory")));
    EXPECT_FALSE(Exists(exportPath));
}

TEST_F(ListFileTest, FailedSaveLeavesThePreviousFileAndSaysSo) {
    WriteBytes(listPath, kWorkedLine);
    Add(100, "a", "one");
    // Something in the way of the temporary file beside the list file.
    std::filesystem::create_directory(listPath + ".tmp");
    ListFileResult result = Save();
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(OneMessage(result, Error("Cannot create file \"" + listPath +
                                         "\". Is a directory. The previous list file was left unchanged")));
    EXPECT_EQ(ReadBytes(listPath), kWorkedLine);

    // The next successful save writes the change.
    std::filesystem::remove(listPath + ".tmp");
    EXPECT_TRUE(Save().completed);
    EXPECT_EQ(ReadBytes(listPath), Record(0xC000, 100, "a", "one"));
}

TEST_F(ListFileTest, SaveIntoAMissingFolderReportsTheCreateError) {
    const std::string path = folder.File("gone/macrolist.lis");
    Add(100, "a", "one");
    ListFileResult result = SaveListFile(*table, path, lines);
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(OneMessage(result, Error("Cannot create file \"" + path + "\". No such file or directory")));
}

TEST_F(ListFileTest, FailedDeleteChangesNothing) {
    WriteBytes(listPath, Record(1, 100, "a", "one") + Record(2, 200, "b", "two"));
    ASSERT_TRUE(Load().completed);
    const std::string before = ReadBytes(listPath);
    std::filesystem::create_directory(listPath + ".tmp");
    ListFileResult result = Delete(0);
    EXPECT_FALSE(result.completed);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_TRUE(result.messages[0].isError);
    EXPECT_EQ(table->MacroCount, 2);
    EXPECT_EQ(registrar.unregisterAllCalls, 0);
    EXPECT_EQ(ReadBytes(listPath), before);
}

TEST_F(ListFileTest, LoadStopsAtTheTableLimit) {
    std::string original;
    for (int i = 0; i < kMaxMacros + 2; ++i) original += Record(1, 1000 + i, "p", "m" + std::to_string(i));
    WriteBytes(listPath, original);
    ListFileResult result = Load();
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(OneMessage(
        result, Notice("The macro list is full (1000 macros). Loading stopped before line 1001 of " + listPath + ".")));
    EXPECT_EQ(table->MacroCount, kMaxMacros);
    EXPECT_EQ(Slot(kMaxMacros - 1).Description, "m999");
    EXPECT_EQ(ReadBytes(listPath), original);
    EXPECT_TRUE(table->KeepOriginalOnSave);
}

TEST_F(ListFileTest, FirstSaveAfterAPartialLoadKeepsTheOriginalFile) {
    const std::string original = Record(1, 100, "a", "one") + "broken line\r\n" + Record(3, 300, "c", "three");
    WriteBytes(listPath, original);
    ASSERT_FALSE(Load().completed);
    Add(400, "d", "added");

    ListFileResult result = Save();
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(OneMessage(
        result, Notice("The list file had lines that were not loaded. A copy of the original file was kept as " +
                       listPath + ".bak.")));
    EXPECT_EQ(ReadBytes(listPath + ".bak"), original);
    EXPECT_EQ(SplitLines(ReadBytes(listPath)).size(), 2u);
    EXPECT_FALSE(table->KeepOriginalOnSave);

    // Later saves leave the copy alone and say nothing.
    Add(500, "e", "another");
    result = Save();
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(ReadBytes(listPath + ".bak"), original);
}

TEST_F(ListFileTest, CompleteLoadNeedsNoCopy) {
    WriteBytes(listPath, "x;yes;RUNPRG;1;a;@\r\n");
    ASSERT_FALSE(Load().completed);
    EXPECT_TRUE(table->KeepOriginalOnSave);
    WriteBytes(listPath, kWorkedLine);
    ASSERT_TRUE(Load().completed);
    EXPECT_FALSE(table->KeepOriginalOnSave);
    EXPECT_FALSE(Exists(listPath + ".bak"));
}

TEST_F(ListFileTest, SaveIsRefusedWhenTheCopyCannotBeMade) {
    const std::string original = Record(1, 100, "a", "one") + "broken line\r\n";
    WriteBytes(listPath, original);
    ASSERT_FALSE(Load().completed);
    std::filesystem::create_directory(listPath + ".bak");
    Add(400, "d", "added");
    ListFileResult result = Save();
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(
        OneMessage(result, Error("Cannot create file \"" + listPath + ".bak\". Is a directory. " + kLeftUnchanged)));
    EXPECT_EQ(ReadBytes(listPath), original);
    EXPECT_TRUE(table->KeepOriginalOnSave);

    // A delete is refused the same way and never drops the unread line.
    EXPECT_EQ(lines.size(), 2u);
    result = Delete(0);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(ReadBytes(listPath), original);
    ASSERT_EQ(table->MacroCount, 2);  // the slot added above stays in the table, unsaved

    // Once the copy can be made, the next save keeps the original beside.
    std::filesystem::remove(listPath + ".bak");
    EXPECT_TRUE(Save().completed);
    EXPECT_EQ(ReadBytes(listPath + ".bak"), original);
}

TEST_F(ListFileTest, UnreadableListFileIsKeptUntilItCanBeCopied) {
    // A folder where the list file should be: it exists and cannot be read.
    std::filesystem::create_directory(listPath);
    ListFileResult result = Load();
    EXPECT_FALSE(result.completed);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].text.rfind("Cannot open file \"" + listPath + "\". Is a directory.", 0), 0u)
        << result.messages[0].text;
    EXPECT_TRUE(result.messages[0].isError);
    EXPECT_TRUE(table->KeepOriginalOnSave);

    Add(400, "d", "added");
    result = Save();
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(OneMessage(result, Error("Cannot open file \"" + listPath + "\". Is a directory. " + kLeftUnchanged)));
    EXPECT_TRUE(std::filesystem::is_directory(listPath));
}

TEST_F(ListFileTest, NulByteEndsTheTextAndCountsAsAnEarlyStop) {
    const std::string original = Record(1, 100, "a", "one") + Record(2, 200, "b", "two") +
                                 std::string("3;-1;RUNPRG;300;c;thr\0ee@\r\n", 26) + Record(4, 400, "d", "four");
    WriteBytes(listPath, original);
    ListFileResult result = Load();
    EXPECT_FALSE(result.completed);
    // The line cut at the NUL still has its six pieces and loads.
    EXPECT_EQ(table->MacroCount, 3);
    EXPECT_TRUE(
        OneMessage(result, Notice("Line 3 of " + listPath + " holds a NUL byte: the list was read only up to it.")));
    EXPECT_EQ(ReadBytes(listPath), original);

    Add(500, "e", "five");
    EXPECT_TRUE(Save().completed);
    EXPECT_EQ(ReadBytes(listPath + ".bak"), original);
}

TEST_F(ListFileTest, UnknownActionKindIsKeptAsItIsAndNamed) {
    const std::string unknown = "77;-1;FUTURE;300;some|data;later kind@";
    WriteBytes(listPath, Record(1, 100, "a", "one") + unknown + "\r\n" + Record(3, 300, "c", "three"));
    ListFileResult result = Load();
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(OneMessage(result, Notice("Line 2 of " + listPath +
                                          " has the unknown action kind \"FUTURE\". It is kept as it is and runs "
                                          "nothing.")));
    ASSERT_EQ(table->MacroCount, 3);
    EXPECT_EQ(Slot(1).ActionKind, "FUTURE");
    EXPECT_EQ(ActionDisplayName(Slot(1).ActionKind), "Unknown (FUTURE)");
    // Rewritten with the others' new identifiers, its own line unchanged.
    EXPECT_EQ(SplitLines(ReadBytes(listPath))[1], unknown);
    EXPECT_EQ(SplitLines(ReadBytes(listPath))[2], FormatListLine(Slot(2)));
}

TEST_F(ListFileTest, DeleteAfterAPartialLoadKeepsTheUnreadLines) {
    WriteBytes(listPath, Record(1, 100, "a", "one") + Record(2, 200, "b", "two") + "broken line\r\n" +
                             Record(4, 400, "d", "four"));
    ASSERT_FALSE(Load().completed);
    ASSERT_EQ(table->MacroCount, 2);
    ListFileResult result = Delete(0);
    EXPECT_FALSE(result.completed);  // the reload stops at the same line
    EXPECT_EQ(table->MacroCount, 1);
    EXPECT_EQ(Slot(0).Description, "two");
    EXPECT_EQ(ReadBytes(listPath), Record(2, 200, "b", "two") + "broken line\r\n" + Record(4, 400, "d", "four"));
}

}  // namespace
}  // namespace kv
