// Favourites on real channel maps: the E family keeps positions (-1 = not in
// the list), the D family 1 / 0 per list.
#include <gtest/gtest.h>

#include "EditHistory.h"
#include "Favourites.h"
#include "SampleChannelMap.h"

namespace tarno::editing {
namespace {

constexpr int kList = 3;
constexpr ChannelRole kRole = ChannelRole::Fav3;

class Favourites : public test::DigitalMapTest {
 protected:
  void SetUp() override {
    test::DigitalMapTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    // Start from an empty list, as a set that never had favourite list 3 writes it.
    RemoveFromFavourites(list.data(), list.cells, {1, list.cells.RowCount() - 1}, kList);
  }
  bool Positions() const { return GetParam() == "1201"; }
  int32_t Saved(int row) { return static_cast<int32_t>(list.SavedValue(row, kRole)); }
};

TEST_P(Favourites, AddedChannelsFollowTheListInRowOrderAndMembersKeepTheirPlace) {
  AddToFavourites(list.data(), list.cells, {rows[1], rows[1]}, kList);
  AddToFavourites(list.data(), list.cells, {rows[0], rows[3]}, kList);
  if (Positions()) {
    EXPECT_EQ(Saved(rows[1]), 1);
    EXPECT_EQ(Saved(rows[0]), 2);
    EXPECT_EQ(Saved(rows[2]), 3);
    EXPECT_EQ(Saved(rows[3]), 4);
    EXPECT_EQ(Saved(rows[4]), -1);
  } else {
    for (const int row : {rows[0], rows[1], rows[2], rows[3]}) EXPECT_EQ(Saved(row), 1);
    EXPECT_EQ(Saved(rows[4]), 0);
  }
}

TEST_P(Favourites, RemovingClosesTheGapBehind) {
  AddToFavourites(list.data(), list.cells, {rows[0], rows[3]}, kList);
  RemoveFromFavourites(list.data(), list.cells, {rows[1], rows[1]}, kList);
  if (Positions()) {
    EXPECT_EQ(Saved(rows[0]), 1);
    EXPECT_EQ(Saved(rows[1]), -1);
    EXPECT_EQ(Saved(rows[2]), 2);
    EXPECT_EQ(Saved(rows[3]), 3);
  } else {
    EXPECT_EQ(Saved(rows[0]), 1);
    EXPECT_EQ(Saved(rows[1]), 0);
    EXPECT_EQ(Saved(rows[2]), 1);
  }
}

// The list's view: its channels alone, first, in list order; a row moved there
// renumbers the positions, never the channel numbers.
TEST_P(Favourites, TheListsViewShowsItsChannelsInOrderAndMovingThemReordersTheList) {
  AddToFavourites(list.data(), list.cells, {rows[3], rows[3]}, kList);
  AddToFavourites(list.data(), list.cells, {rows[0], rows[0]}, kList);
  AddToFavourites(list.data(), list.cells, {rows[2], rows[2]}, kList);
  const int number = list.Column(ChannelRole::Number);
  const std::string third(list.cells.Text(number, rows[3]));
  const std::string first(list.cells.Text(number, rows[0]));
  const std::string second(list.cells.Text(number, rows[2]));
  ShowFavouritesList(list.data(), list.cells, kList);
  EXPECT_EQ(list.cells.Text(number, 1), Positions() ? third : std::string(list.cells.Text(number, 1)));
  int shown = 0;
  for (int row = 1; row < list.cells.RowCount(); ++row) shown += list.cells.RowVisible(row) ? 1 : 0;
  EXPECT_EQ(shown, 3);
  if (!Positions()) return;
  EXPECT_EQ(list.cells.Text(number, 2), first);
  EXPECT_EQ(list.cells.Text(number, 3), second);

  list.cells.MoveRow(3, 1);  // the last of the list to its top
  NumberFavouritesInRowOrder(list.data(), list.cells, kList);
  EXPECT_EQ(Saved(1), 1);
  EXPECT_EQ(Saved(2), 2);
  EXPECT_EQ(Saved(3), 3);
  EXPECT_EQ(list.cells.Text(number, 1), second);  // its number went along unchanged

  ShowEveryChannel(list.cells);
  for (int row = 1; row < list.cells.RowCount(); ++row) EXPECT_TRUE(list.cells.RowVisible(row));
}

TEST_P(Favourites, OrderingByNumberRenumbersPositionsInChannelNumberOrder) {
  AddToFavourites(list.data(), list.cells, {rows[3], rows[3]}, kList);
  AddToFavourites(list.data(), list.cells, {rows[0], rows[0]}, kList);
  AddToFavourites(list.data(), list.cells, {rows[2], rows[2]}, kList);
  OrderFavouritesByNumber(list.data(), list.cells, kList);
  std::vector<std::pair<uint32_t, int>> byNumber;
  for (const int row : {rows[0], rows[2], rows[3]}) byNumber.emplace_back(list.SavedValue(row, ChannelRole::Number), row);
  std::sort(byNumber.begin(), byNumber.end());
  for (size_t i = 0; i < byNumber.size(); ++i)
    EXPECT_EQ(Saved(byNumber[i].second), Positions() ? static_cast<int32_t>(i) + 1 : 1);
}

TEST_P(Favourites, OnlyTheListFieldOfChannelsChangesAndEmptySlotsStayAlone) {
  const std::vector<TDataByteArray> before = list.Saved();
  AddToFavourites(list.data(), list.cells, {1, list.cells.RowCount() - 1}, kList);
  const std::vector<TDataByteArray> after = list.Saved();
  const TDataItem& field = list.Field(kRole);
  size_t changed = 0;
  for (size_t r = 0; r < after.size(); ++r) {
    TDataByteArray expected = before[r];
    std::copy(after[r].begin() + field.Offset, after[r].begin() + field.Offset + field.Size,
              expected.begin() + field.Offset);
    EXPECT_EQ(after[r], expected) << "record " << r;
    changed += after[r] != before[r];
  }
  EXPECT_EQ(changed, rows.size());
}

TEST_P(Favourites, EachCommandIsOneUndoableStep) {
  EditHistory history(list.data(), list.cells);
  const auto undoneAsOneStep = [&](const auto& command) {
    const std::vector<TDataByteArray> before = list.Saved();
    command();
    EXPECT_EQ(history.UndoCount(), 1u);
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(list.Saved(), before);
    EXPECT_TRUE(history.Redo());
    history.Clear();
  };
  undoneAsOneStep([&] { AddToFavourites(list.data(), list.cells, {rows[0], rows[3]}, kList); });
  undoneAsOneStep([&] { RemoveFromFavourites(list.data(), list.cells, {rows[1], rows[1]}, kList); });
}

TEST_P(Favourites, AListOutsideOneToFiveIsRefused) {
  EXPECT_THROW(AddToFavourites(list.data(), list.cells, {rows[0], rows[0]}, 6), ChannelListError);
  EXPECT_THROW(RemoveFromFavourites(list.data(), list.cells, {rows[0], rows[0]}, 0), ChannelListError);
}

INSTANTIATE_TEST_SUITE_P(Family, Favourites, ::testing::Values("1201", "1101"));

}  // namespace
}  // namespace tarno::editing
