// Swapping two channels and moving a block of rows, on real channel maps of
// the E and D families: the records travel whole, only numbers change hands.
#include <gtest/gtest.h>

#include "EditHistory.h"
#include "EditorState.h"
#include "MoveRows.h"
#include "SampleChannelMap.h"
#include "SwapChannels.h"

namespace tarno::editing {
namespace {

class ChannelMoves : public test::DigitalMapTest {
 protected:
  // A loaded record with another number.
  TDataByteArray Renumbered(int row, uint32_t number) const {
    TDataByteArray record = list.Loaded()[static_cast<size_t>(row - 1)];
    const TDataItem& field = list.Field(ChannelRole::Number);
    for (int b = 0; b < field.Size; ++b) record[static_cast<size_t>(field.Offset + b)] = static_cast<uint8_t>(number >> (8 * b));
    return record;
  }

};

TEST_P(ChannelMoves, SwappedChannelsExchangeRowsAndNumbersAndNothingElse) {
  const int upper = rows[1];
  const int lower = rows[3];
  const uint32_t upperNumber = list.LoadedValue(upper, ChannelRole::Number);
  const uint32_t lowerNumber = list.LoadedValue(lower, ChannelRole::Number);
  EditHistory history(list.data(), list.cells);
  // The span may begin and end on rows that are no channels: its channels count.
  SwapChannels(list.data(), list.cells, {upper, lower});
  EXPECT_EQ(history.UndoCount(), 1u);
  const std::vector<TDataByteArray> saved = list.Saved();
  EXPECT_EQ(saved[static_cast<size_t>(upper - 1)], Renumbered(lower, upperNumber));
  EXPECT_EQ(saved[static_cast<size_t>(lower - 1)], Renumbered(upper, lowerNumber));
  for (int row = upper + 1; row < lower; ++row)
    EXPECT_EQ(saved[static_cast<size_t>(row - 1)], list.Loaded()[static_cast<size_t>(row - 1)]);
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(list.Saved(), list.Loaded());
}

TEST_P(ChannelMoves, ABlockMovesToTheTargetInItsOrderEitherWay) {
  const int last = list.cells.RowCount() - 1;
  struct Case {
    RowSpan block;
    int target;
  };
  for (const Case& move : {Case{{rows[2], rows[4]}, 1}, Case{{1, 3}, last - 5}, Case{{last - 1, last}, last}}) {
    SCOPED_TRACE("rows " + std::to_string(move.block.first) + " to " + std::to_string(move.block.last) +
                 " to row " + std::to_string(move.target));
    test::LoadedMap fresh;
    ASSERT_TRUE(fresh.Load(*test::CachedSampleMap(GetParam(), test::kDigitalMaps)));
    EditorState state;
    state.MoveToRow = move.target;
    MoveRowsToTarget(state, fresh.cells, move.block);
    std::vector<int> expected;  // the loaded rows in their new order
    for (int row = 1; row <= last; ++row)
      if (row < move.block.first || row > move.block.last) expected.push_back(row);
    const int count = move.block.last - move.block.first + 1;
    const int target = std::min(move.target, last - count + 1);
    std::vector<int> block;
    for (int row = move.block.first; row <= move.block.last; ++row) block.push_back(row);
    expected.insert(expected.begin() + (target - 1), block.begin(), block.end());
    const std::vector<TDataByteArray> saved = fresh.Saved();
    for (size_t i = 0; i < expected.size(); ++i)
      ASSERT_EQ(saved[i], fresh.Loaded()[static_cast<size_t>(expected[i] - 1)]) << "row " << i + 1;
    EXPECT_EQ(state.MoveToRow, std::min(target + count, last));
  }
}

INSTANTIATE_TEST_SUITE_P(Family, ChannelMoves, ::testing::Values("1201", "1101"));

}  // namespace
}  // namespace tarno::editing
