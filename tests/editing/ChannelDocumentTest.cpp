// A loaded list as a document: loading, the commands of the table with their
// undo steps, unsaved edits and saving; several documents side by side.
#include <gtest/gtest.h>

#include "ChannelDocument.h"
#include "EditHistory.h"
#include "GridCommandFunctions.h"
#include "KeptByteLayouts.h"
#include "TestFiles.h"

namespace tarno::editing {
namespace {

constexpr int kProgramCol = test::kKeptBytesProgramCol;
constexpr int kNameCol = test::kKeptBytesNameCol;

// The digital cable map and the analog air map, with every byte kept.
const std::string kLayouts = std::string(test::kCableDigitalLayout) +
    "[map-AirA]\n"
    "ITEM = Program,   2, 2, #, $00,  1\n"
    "ITEM = Rest,     62, 1, $, $00, -2\n";

class ChannelDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::ExtractSample(test::kKeptBytesArchive, dir_.Path()));
    test::WriteFile(Settings(), kLayouts);
  }
  std::string Settings() const { return dir_.File("layouts.ini"); }
  std::unique_ptr<ChannelDocument> Open(const std::string& name) {
    auto document = std::make_unique<ChannelDocument>(Settings(), dir_.File(name));
    EXPECT_TRUE(document->Load(log_));
    return document;
  }
  static void Run(ChannelDocument& document, std::string_view step, CommandInput input = {}) {
    document.Run(*FindCommand(step), input, [](const std::string&) {});
  }

  test::TempDir dir_;
  std::vector<std::string> logLines_;
  LogSink log_ = [this](const std::string& line) { logLines_.push_back(line); };
};

TEST_F(ChannelDocumentTest, ACommandIsOneStepAndUndoingItLeavesNothingToSave) {
  auto document = Open("map-CableD");
  ASSERT_TRUE(document->IsLoaded());
  EXPECT_EQ(document->FileName(), "map-CableD");
  EXPECT_FALSE(document->HasUnsavedEdits());
  const std::string before(document->Cells().Text(kNameCol, 1));

  Run(*document, "select", {"", kProgramCol, 1});
  Run(*document, "sort-rows");
  Run(*document, "select", {"", kNameCol, 1});
  Run(*document, "type", {"Renamed"});
  EXPECT_TRUE(document->HasUnsavedEdits());
  EXPECT_EQ(document->History().UndoCount(), 2u);  // a selection changes nothing to undo

  Run(*document, "undo");
  Run(*document, "undo");
  EXPECT_FALSE(document->HasUnsavedEdits());
  EXPECT_EQ(document->Cells().Text(kNameCol, 1), before);
  Run(*document, "redo");
  EXPECT_TRUE(document->HasUnsavedEdits());
}

TEST_F(ChannelDocumentTest, SavingAnUneditedListWritesItsBytesAgain) {
  const std::string original = test::ReadFile(dir_.File("map-CableD"));
  auto document = Open("map-CableD");
  ASSERT_TRUE(document->Save(true, false, log_));
  EXPECT_EQ(test::ReadFile(dir_.File("map-CableD")), original);
  EXPECT_FALSE(document->HasUnsavedEdits());
}

TEST_F(ChannelDocumentTest, AnEditSavedIsNoLongerUnsavedAndGoesIntoTheFile) {
  auto document = Open("map-CableD");
  Run(*document, "select", {"", kNameCol, 2});
  Run(*document, "type", {"Saved name"});
  ASSERT_TRUE(document->TakeCellsBack(true, log_));
  std::filesystem::create_directory(dir_.Path() / "copy");  // the layout goes by the bare name
  ASSERT_TRUE(document->WriteRecords(dir_.File("copy/map-CableD"), true, log_));
  EXPECT_FALSE(document->HasUnsavedEdits());
  ChannelDocument copy(Settings(), dir_.File("copy/map-CableD"));
  ASSERT_TRUE(copy.Load(log_));
  EXPECT_EQ(copy.Cells().Text(kNameCol, 2), document->Cells().Text(kNameCol, 2));
}

TEST_F(ChannelDocumentTest, TwoListsKeepTheirOwnEditsHistoryAndMoveTarget) {
  auto cable = Open("map-CableD");
  auto analog = Open("map-AirA");
  Run(*cable, "select", {"", kProgramCol, 3});
  Run(*cable, "set-move-target");
  Run(*cable, "select", {"", kNameCol, 1});
  Run(*cable, "type", {"Only here"});
  EXPECT_TRUE(cable->HasUnsavedEdits());
  EXPECT_FALSE(analog->HasUnsavedEdits());
  EXPECT_EQ(cable->State().MoveToRow, 3);
  EXPECT_EQ(analog->State().MoveToRow, 1);
  Run(*analog, "undo");  // nothing to undo there
  EXPECT_EQ(cable->Cells().Text(kNameCol, 1), "Only here");
}

TEST_F(ChannelDocumentTest, AFileWithoutLayoutIsNoListAndCommandsLeaveItAlone) {
  ChannelDocument document(Settings(), dir_.File("map-AirD"));
  EXPECT_FALSE(document.Load(log_));
  EXPECT_FALSE(document.IsLoaded());
  EXPECT_FALSE(logLines_.empty());
  Run(document, "sort-rows");
  Run(document, "undo");
  EXPECT_FALSE(document.HasUnsavedEdits());
  EXPECT_FALSE(document.Save(true, false, log_));
}

TEST_F(ChannelDocumentTest, AddingRecordsNeedsAHeaderAndSaysSo) {
  auto document = Open("map-CableD");
  EXPECT_THROW(Run(*document, "add-record"), GridCommandError);
  EXPECT_FALSE(document->HasUnsavedEdits());
}

}  // namespace
}  // namespace tarno::editing
