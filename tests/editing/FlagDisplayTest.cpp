// Flags read at a glance: marks for set and clear flags, list numbers for a
// field of favourites bits, and the texts of every other field as they are.
#include <gtest/gtest.h>

#include "FlagDisplay.h"

namespace tarno::editing {
namespace {

TDataItem Field(const char* caption, int column, const char* role = "") {
  TDataItem item;
  item.Name = caption;
  item.Column = column;
  item.Role = role;
  return item;
}

const std::string kSet(kFlagSet), kClear(kFlagClear);

TEST(FlagDisplay, AFlagFieldShowsAMarkAndAPositionListItsPositions) {
  const FlagDisplay shown({Field("Nr", 1, "Nr"), Field("Lock", 2, "Lock"), Field("Fav1", 3, "Fav1"),
                           Field("Name", 4)});
  EXPECT_EQ(shown.Shown(2, "001"), kSet);
  EXPECT_EQ(shown.Shown(2, ""), kClear);
  EXPECT_EQ(shown.Shown(2, "0"), kClear);
  EXPECT_EQ(shown.Shown(3, "-1"), kClear);   // not in the list
  EXPECT_EQ(shown.Shown(3, "7"), std::nullopt);  // its position, as it is
  EXPECT_EQ(shown.Shown(1, "00012"), std::nullopt);
  EXPECT_EQ(shown.Shown(4, "1"), std::nullopt);
  EXPECT_EQ(shown.Shown(2, "$1F"), std::nullopt);  // no whole number: left to the user to read
}

TEST(FlagDisplay, FavouriteBitsShowTheListsThatAreSet) {
  const FlagDisplay flags({Field("Fav1", 1, "Fav1&1")});  // a D set: 1 or 0
  EXPECT_EQ(flags.Shown(1, "1"), kSet);
  EXPECT_EQ(flags.Shown(1, "0"), kClear);
  const FlagDisplay bits({Field("Favs", 2, "Fav1&$01+Fav2&$02+Fav3&$04+Fav4&$08")});  // older sets: a bit per list
  EXPECT_EQ(bits.Shown(2, "5"), "1 3");
  EXPECT_EQ(bits.Shown(2, "16"), kClear);  // a bit of no list
}

TEST(FlagDisplay, AFieldWithOtherRolesKeepsItsValue) {
  const FlagDisplay shown({Field("Status", 1, "In use&$80+Crypt&$20")});
  EXPECT_TRUE(shown.Empty());
  EXPECT_EQ(shown.Shown(1, "160"), std::nullopt);
}

}  // namespace
}  // namespace tarno::editing
