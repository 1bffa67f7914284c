// The list check on real channel maps of the E and D families, each made to
// show one kind of fault.
#include <gtest/gtest.h>

#include <algorithm>

#include "Favourites.h"
#include "FieldNumbers.h"
#include "ListCheck.h"
#include "SampleChannelMap.h"

namespace tarno::editing {
namespace {

class ListCheck : public test::DigitalMapTest {
 protected:
  void SetUp() override {
    test::DigitalMapTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    for (const ListProblem& problem : CheckList(list.data(), list.cells)) loadedFaults.push_back(problem.text);
  }
  void Renumber(int row, uint32_t number) {
    FieldNumbers(list.data()).Write(list.cells, list.Column(ChannelRole::Number), row, number);
  }
  // The problems the list did not have as loaded.
  std::vector<ListProblem> NewProblems() {
    std::vector<ListProblem> problems;
    for (const ListProblem& problem : CheckList(list.data(), list.cells))
      if (std::find(loadedFaults.begin(), loadedFaults.end(), problem.text) == loadedFaults.end())
        problems.push_back(problem);
    return problems;
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    for (const ListProblem& problem : NewProblems()) texts.push_back(problem.text);
    return texts;
  }

  std::vector<std::string> loadedFaults;
};

TEST_P(ListCheck, DuplicateAndZeroNumbersAreNamedWithTheirRows) {
  const uint32_t shared = list.LoadedValue(rows[1], ChannelRole::Number);
  Renumber(rows[3], shared);
  Renumber(rows[2], 0);
  const std::vector<ListProblem> problems = NewProblems();
  ASSERT_EQ(problems.size(), 2u) << testing::PrintToString(Texts());
  EXPECT_EQ(problems[0].text,
            "duplicate number " + std::to_string(shared) + ": rows " + std::to_string(rows[1]) + ", " +
                std::to_string(rows[3]));
  EXPECT_EQ(problems[0].row, rows[1]);
  EXPECT_EQ(problems[1].text, "number 0: row " + std::to_string(rows[2]));
  EXPECT_EQ(problems[1].row, rows[2]);
}

TEST_P(ListCheck, APositionUsedTwiceInAFavouritesListIsNamed) {
  RemoveFromFavourites(list.data(), list.cells, {1, list.cells.RowCount() - 1}, 2);
  AddToFavourites(list.data(), list.cells, {rows[0], rows[1]}, 2);
  FieldNumbers(list.data()).Write(list.cells, list.Column(ChannelRole::Fav2), rows[1], 1);
  const std::vector<std::string> texts = Texts();
  if (GetParam() == "1101") {
    EXPECT_TRUE(texts.empty()) << "a list of 1 / 0 has no positions";
  } else {
    EXPECT_EQ(texts, std::vector<std::string>{"Fav2: duplicate position 1: rows " + std::to_string(rows[0]) + ", " +
                                              std::to_string(rows[1])});
  }
}

INSTANTIATE_TEST_SUITE_P(Family, ListCheck, ::testing::Values("1201", "1101"));

}  // namespace
}  // namespace tarno::editing
