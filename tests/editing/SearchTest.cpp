#include <gtest/gtest.h>

#include <utility>

#include "EditingTestSupport.h"
#include "EditorKeys.h"
#include "FindNext.h"
#include "TarnoChannelSearch.h"

namespace tarno::editing {
namespace {

using test::ChannelList;

std::pair<int, int> Current(const grid::CellStore& cells) { return {cells.Col(), cells.Row()}; }

// Rows 1 to 4 with names; the hidden note column holds "ARD" in row 1.
ChannelList Stations() {
  std::vector<test::Channel> channels = test::Named({"Das ARD", "ardmore", "ZDF", "arte"});
  channels[0].note = "ARD";
  return ChannelList(channels);
}

TEST(FindNext, FindsTheTextCaseInsensitivelyAnywhereInACell) {
  ChannelList list = Stations();
  list.cells.SetCol(1);
  list.cells.SetRow(1);
  EditorState state;
  EXPECT_TRUE(SearchFromDialog(state, &list.cells, "ard"));
  EXPECT_EQ(state.SearchText, "ARD");
  EXPECT_EQ(Current(list.cells), std::make_pair(test::kNameCol, 1));
  EXPECT_TRUE(FindNext(state, &list.cells));
  EXPECT_EQ(Current(list.cells), std::make_pair(test::kNameCol, 2));
  // No wrap: the last match stays current.
  EXPECT_FALSE(FindNext(state, &list.cells));
  EXPECT_EQ(Current(list.cells), std::make_pair(test::kNameCol, 2));
}

TEST(FindNext, StartsAfterTheCurrentCellAndNeverLooksBack) {
  ChannelList list = Stations();
  EditorState state;
  state.SearchText = "ZDF";
  list.cells.SetCol(test::kNameCol);
  list.cells.SetRow(3);  // the current cell itself is not found
  EXPECT_FALSE(FindNext(state, &list.cells));
  EXPECT_EQ(Current(list.cells), std::make_pair(test::kNameCol, 3));
  list.cells.SetRow(4);  // above the current row
  EXPECT_FALSE(FindNext(state, &list.cells));
  list.cells.SetCol(test::kWideCol);
  list.cells.SetRow(3);  // left of the current cell in its row
  EXPECT_FALSE(FindNext(state, &list.cells));
}

TEST(FindNext, FromTheLastColumnTheSearchGoesOnAtColumnOneOfTheNextRow) {
  ChannelList list(test::Numbered({7, 8}));
  EditorState state;
  state.SearchText = "00008";
  list.cells.SetCol(list.cells.ColCount() - 1);
  list.cells.SetRow(1);
  EXPECT_TRUE(FindNext(state, &list.cells));
  EXPECT_EQ(Current(list.cells), std::make_pair(test::kNumberCol, 2));
}

TEST(FindNext, HiddenColumnsAreSkippedButWidthZeroIsSearched) {
  ChannelList list = Stations();
  ASSERT_EQ(list.cells.ColWidth(test::kNoteCol), grid::kHiddenColWidth);
  list.cells.SetText(test::kNoteCol, 3, "secret");
  EditorState state;
  state.SearchText = "SECRET";
  EXPECT_FALSE(FindNext(state, &list.cells));
  EXPECT_EQ(Current(list.cells), std::make_pair(1, 1));

  list.cells.SetText(test::kWideCol, 4, "secret too");
  list.cells.SetColWidth(test::kWideCol, 0);
  EXPECT_TRUE(FindNext(state, &list.cells));
  EXPECT_EQ(Current(list.cells), std::make_pair(test::kWideCol, 4));
}

TEST(FindNext, DoesNothingWithoutSearchTextOrGrid) {
  ChannelList list = Stations();
  EditorState state;
  EXPECT_FALSE(FindNext(state, &list.cells));
  EXPECT_EQ(Current(list.cells), std::make_pair(1, 1));
  state.SearchText = "ARD";
  EXPECT_FALSE(FindNext(state, nullptr));
  EXPECT_FALSE(SearchFromDialog(state, nullptr, "zdf"));
  EXPECT_EQ(state.SearchText, "ARD");  // no grid: the dialog never opened
}

TEST(FindNext, UpperCasesOnlyAsciiLetters) {
  ChannelList list(test::Named({"\xE9t\xE9", "\xC9T\xC9"}));  // été, ÉTÉ
  EditorState state;
  SearchFromDialog(state, &list.cells, "\xC3\xA9t");
  EXPECT_EQ(state.SearchText, "\xC3\xA9T");
  EXPECT_EQ(Current(list.cells), std::make_pair(test::kNameCol, 1));
  EXPECT_FALSE(FindNext(state, &list.cells));
}

TEST(SearchDialog, EnterKeepsTheTextAndEscapeEmptiesIt) {
  TTarnoChannelSearch dialog;
  EXPECT_EQ(dialog.GetSearchText(), "");
  dialog.SetEditText("ard");
  EXPECT_FALSE(dialog.FormKeyPress('x'));
  EXPECT_TRUE(dialog.FormKeyPress(TTarnoChannelSearch::kEnter));
  EXPECT_EQ(dialog.GetSearchText(), "ard");
  EXPECT_TRUE(dialog.FormKeyPress(TTarnoChannelSearch::kEscape));
  EXPECT_EQ(dialog.GetSearchText(), "");
}

struct KeyProbe {
  int dialogs = 0;
  int editors = 0;
  int buttons = 0;
  std::string answer;
  EditorKeyHooks Hooks() {
    return {[this] {
              ++dialogs;
              return answer;
            },
            [this] { ++editors; }, [this] { ++buttons; }, {}};
  }
};

TEST(EditorKeys, EscapeInTheDialogLeavesF3Idle) {
  ChannelList list = Stations();
  EditorState state;
  KeyProbe probe;
  probe.answer = "ard";
  const EditorContext context{state, &list.data, &list.cells};
  EXPECT_TRUE(FormKeyDown(EditorKey::F, true, context, probe.Hooks()));
  EXPECT_EQ(Current(list.cells), std::make_pair(test::kNameCol, 1));
  probe.answer = "";  // closed with Escape
  EXPECT_TRUE(FormKeyDown(EditorKey::F, true, context, probe.Hooks()));
  EXPECT_EQ(state.SearchText, "");
  EXPECT_TRUE(FormKeyDown(EditorKey::F3, false, context, probe.Hooks()));
  EXPECT_EQ(Current(list.cells), std::make_pair(test::kNameCol, 1));
  EXPECT_EQ(probe.dialogs, 2);
}

TEST(EditorKeys, WhichKeysAreConsumed) {
  EditorState state;
  KeyProbe probe;
  const EditorContext nothingLoaded{state, nullptr, nullptr};
  EXPECT_FALSE(FormKeyDown(EditorKey::F, true, nothingLoaded, probe.Hooks()));  // no dialog without a grid
  EXPECT_EQ(probe.dialogs, 0);
  for (EditorKey key : {EditorKey::F1, EditorKey::F2, EditorKey::F3, EditorKey::F4, EditorKey::F12})
    EXPECT_TRUE(FormKeyDown(key, false, nothingLoaded, probe.Hooks()));
  EXPECT_EQ(probe.editors, 0);  // F2 opens the editor only on a grid
  EXPECT_EQ(probe.buttons, 1);

  ChannelList list = Stations();
  const EditorContext loaded{state, &list.data, &list.cells};
  EXPECT_FALSE(FormKeyDown(EditorKey::F, false, loaded, probe.Hooks()));  // F alone goes to the grid
  EXPECT_FALSE(FormKeyDown(EditorKey::Other, true, loaded, probe.Hooks()));
  EXPECT_TRUE(FormKeyDown(EditorKey::F2, false, loaded, probe.Hooks()));
  EXPECT_EQ(probe.editors, 1);
}

TEST(EditorKeys, F1ClearsAndF4MovesLikeTheirButtons) {
  ChannelList list(test::Numbered({1, 2, 3}));
  EditorState state;
  const EditorContext context{state, &list.data, &list.cells};
  list.cells.SetRow(2);
  FormKeyDown(EditorKey::F1, false, context, {});  // Shift+F1 arrives alike: only Ctrl with F counts
  EXPECT_EQ(list.StoredNumber(1), test::kEmptyNumber);
  list.cells.SetRow(3);
  FormKeyDown(EditorKey::F4, false, context, {});
  EXPECT_EQ(list.Column(test::kNameCol), (test::Texts{"n3", "n1", ""}));
  EXPECT_EQ(state.MoveRowCaption, "Set row move to: 2");
}

}  // namespace
}  // namespace tarno::editing
