// The settings of a channel database: the DATABASE line, the source part of
// ITEM lines and which layouts are sound.
#include <gtest/gtest.h>

#include "DatabaseLayout.h"
#include "DatabaseTestSupport.h"
#include "ModelTestSupport.h"
#include "SettingsPresets.h"

namespace tarno {
namespace {

using test::ObjectFor;

const std::string kKey = "ITEM = srvId, 8, 4, $, , -2, , SRV.srvId\n";

TEST(DatabaseLayout, SourcesNameATableAndItsColumns) {
  const auto plain = ParseColumnSource(" SRV.major ");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->table, "SRV");
  EXPECT_EQ(plain->columns, std::vector<std::string>{"major"});
  EXPECT_FALSE(plain->inverted);
  EXPECT_EQ(plain->favouriteList, 0);

  const auto both = ParseColumnSource("SRV.hidden + hideGuide");
  ASSERT_TRUE(both);
  EXPECT_EQ(both->columns, (std::vector<std::string>{"hidden", "hideGuide"}));
  const auto inverted = ParseColumnSource("!SRV.numSel");
  ASSERT_TRUE(inverted);
  EXPECT_TRUE(inverted->inverted);
  const auto favourite = ParseColumnSource("srv_fav.3");
  ASSERT_TRUE(favourite);
  EXPECT_EQ(favourite->favouriteList, 3);

  for (const char* bad : {"SRV", ".major", "SRV.", "SRV.a+", "SRV.ma jor", "S-RV.major", "SRV_FAV.6", "SRV_FAV.pos",
                          "!SRV_FAV.1", "SRV_FAV.1+2"})
    EXPECT_FALSE(ParseColumnSource(bad)) << bad;
}

TEST(DatabaseLayout, TheEighthPartIsTheSourceAndOlderReadersSkipIt) {
  const TDataObject data = ObjectFor("[dvbs]\nDATABASE = SRV\nITEM = Nr, 2, 2, #, , 1, , SRV.major\n" + kKey, "dvbs");
  ASSERT_TRUE(data.HasLayout());
  ASSERT_TRUE(data.Database);
  EXPECT_EQ(data.Database->mainTable, "SRV");
  EXPECT_EQ(data.Items[0].Role, "");
  EXPECT_EQ(data.Items[0].Source, "SRV.major");
  EXPECT_EQ(data.Database->keyItem, 1u);
  ASSERT_EQ(data.Database->fields.size(), 2u);
  EXPECT_EQ(data.Database->fields[0].source.columns.front(), "major");

  // Without the DATABASE line the same items are a plain record layout.
  const TDataObject records = ObjectFor("[F]\nITEM = Nr, 2, 2, #, , 1, Nr, SRV.major\n", "F");
  ASSERT_TRUE(records.HasLayout());
  EXPECT_FALSE(records.Database);
  EXPECT_EQ(records.Items[0].Role, "Nr");
}

TEST(DatabaseLayout, UnsoundDatabaseSectionsAreLayoutErrors) {
  const auto sound = [](const std::string& items) {
    return ObjectFor("[dvbs]\nDATABASE = SRV\n" + items, "dvbs").HasLayout();
  };
  EXPECT_TRUE(sound("ITEM = Name, 20, 2, /, $00, 1, , SRV.srvName\n" + kKey));
  EXPECT_FALSE(sound("ITEM = Nr, 2, 2, #, , 1, , SRV.major\n"));                       // no key
  EXPECT_FALSE(sound("ITEM = srvId, 4, 4, $, , 1, , SRV.srvId\n"));                    // a key of 4 bytes
  EXPECT_FALSE(sound("ITEM = Name, 20, 1, /, $00, 1, , SRV.srvName\n" + kKey));       // text of 1-byte elements
  EXPECT_FALSE(sound("ITEM = Fav1, 20, 2, /, , 1, , SRV_FAV.1\n" + kKey));            // favourites as text
  EXPECT_FALSE(sound("ITEM = Nr, 2, 2, #, , 1, , major\n" + kKey));                   // no table
  EXPECT_FALSE(ObjectFor("[dvbs]\nDATABASE = S R V\n" + kKey, "dvbs").HasLayout());  // no table name
}

// The default settings read the databases of every .zip sample; only the
// satellite tables and the metadata are left to be kept as they are.
TEST(DatabaseLayout, TheDefaultSettingsReadTheDatabasesOfEveryZipSample) {
  const std::string settings = test::SourcePath("data/TarnoChannelEdit.ini");
  for (const std::string& archive : test::ZipSampleArchives()) {
    const std::vector<ArchiveEntry> entries = ArchiveEntries(std::string(TARNO_ZIP_SAMPLES_DIR) + "/" + archive);
    EXPECT_EQ(SettingsMisfit(settings, entries), "") << archive;
    EXPECT_EQ(UnreadEntries(settings, entries), (std::vector<std::string>{"metadata.xml", "sat"})) << archive;
  }
  // A database section does not read a file that is no SQLite database.
  const std::vector<ArchiveEntry> fake = {ArchiveEntry{.name = "dvbs", .bytes = std::string(1024, 'x')}};
  EXPECT_EQ(SettingsMisfit(settings, fake), "dvbs is no SQLite database");
}

}  // namespace
}  // namespace tarno
