// Channel databases of the newer sets, loaded and saved through the default
// settings: the real samples' services, byte-exact round trips, and what each
// kind of edit writes, read back with plain SQL.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "DatabaseTestSupport.h"
#include "Errors.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

namespace fs = std::filesystem;

const std::string kSettings = test::SourcePath("data/TarnoChannelEdit.ini");

// One sample archive extracted into a fresh folder.
class Extracted {
 public:
  explicit Extracted(const std::string& archive) { ok_ = test::ExtractZipSample(archive, dir_.Path()); }
  bool Ok() const { return ok_; }
  std::string File(const std::string& name) const { return dir_.File(name); }
  const fs::path& Folder() const { return dir_.Path(); }

 private:
  test::TempDir dir_;
  bool ok_ = false;
};

// The file at path read by the section of name (by default its own name).
std::unique_ptr<TDataObject> Load(const std::string& path, std::string name = {}) {
  if (name.empty()) name = fs::path(path).filename().string();
  auto data = std::make_unique<TDataObject>(kSettings, name);
  if (!data->HasLayout() || !data->LoadFromFile(path)) return nullptr;
  return data;
}

const TDataItem& Field(const TDataObject& data, const std::string& caption) {
  return *std::ranges::find_if(data.Items, [&caption](const TDataItem& item) { return item.Name == caption; });
}

int64_t Number(const TDataObject& data, size_t record, const std::string& caption) {
  const TDataItem& item = Field(data, caption);
  uint64_t value = 0;
  for (int32_t b = item.Size - 1; b >= 0; --b) value = value << 8 | data.Records[record][static_cast<size_t>(item.Offset + b)];
  if (item.Size < 8 && item.ScriptName == "Signed" && (value >> (8 * item.Size - 1)) != 0)
    value |= ~uint64_t{0} << (8 * item.Size);
  return static_cast<int64_t>(value);
}

void SetNumber(TDataObject& data, size_t record, const std::string& caption, int64_t value) {
  const TDataItem& item = Field(data, caption);
  for (int32_t b = 0; b < item.Size; ++b)
    data.Records[record][static_cast<size_t>(item.Offset + b)] = static_cast<uint8_t>(static_cast<uint64_t>(value) >> (8 * b));
}

// A name field's text, ASCII only: its units up to the first zero unit.
std::string Name(const TDataObject& data, size_t record, const std::string& caption = "Name") {
  const TDataItem& item = Field(data, caption);
  std::string text;
  for (int32_t at = item.Offset; at + 1 < item.Offset + item.Size; at += 2) {
    const int unit = data.Records[record][static_cast<size_t>(at)] << 8 | data.Records[record][static_cast<size_t>(at + 1)];
    if (unit == 0) break;
    text += static_cast<char>(unit);
  }
  return text;
}

void SetName(TDataObject& data, size_t record, std::u16string_view text) {
  const TDataItem& item = Field(data, "Name");
  const std::string bytes = test::BigEndianUnits(text);
  auto first = data.Records[record].begin() + item.Offset;
  std::fill(first, first + item.Size, uint8_t{0});
  std::copy(bytes.begin(), bytes.end(), first);
}

size_t RecordOf(const TDataObject& data, const std::string& caption, int64_t value) {
  for (size_t r = 0; r < data.Records.size(); ++r)
    if (Number(data, r, caption) == value) return r;
  return data.Records.size();
}

std::string ServiceId(const TDataObject& data, size_t record) { return std::to_string(Number(data, record, "srvId")); }

// Every row of every table, for comparing two files value by value.
std::map<std::string, std::vector<std::string>> AllRows(const std::string& path) {
  const test::SqlReader sql(path);
  std::map<std::string, std::vector<std::string>> rows;
  for (const std::string& table : sql.Rows("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")) {
    std::string name;
    for (size_t i = 2; i + 3 < table.size(); i += 4) name += static_cast<char>(std::stoi(table.substr(i, 2), nullptr, 16));
    rows[name] = sql.Rows("SELECT * FROM \"" + name + "\" ORDER BY rowid");
  }
  return rows;
}

// The rows of the saved file that differ from the original's, as "TABLE: old -> new".
std::vector<std::string> ChangedRows(const std::string& original, const std::string& saved) {
  auto before = AllRows(original);
  auto after = AllRows(saved);
  std::vector<std::string> changes;
  for (auto& [table, rows] : after) {
    const auto& old = before[table];
    for (size_t r = 0; r < std::max(rows.size(), old.size()); ++r) {
      const std::string a = r < old.size() ? old[r] : "-";
      const std::string b = r < rows.size() ? rows[r] : "-";
      if (a != b) changes.push_back(table + ": " + a + " -> " + b);
    }
  }
  return changes;
}

void ExpectSoundDatabase(const std::string& original, const std::string& saved) {
  const test::SqlReader before(original);
  const test::SqlReader after(saved);
  EXPECT_EQ(after.One("PRAGMA integrity_check"), "t:6F006B00");  // "ok" in UTF-16le
  for (const char* pragma : {"PRAGMA page_size", "PRAGMA encoding", "PRAGMA user_version"})
    EXPECT_EQ(after.One(pragma), before.One(pragma)) << pragma;
  constexpr size_t kJournalModeBytes = 18;  // the header's read and write versions: 2 for a write-ahead log
  EXPECT_EQ(test::ReadFile(saved).substr(kJournalModeBytes, 2), test::ReadFile(original).substr(kJournalModeBytes, 2));
  EXPECT_FALSE(test::HasJournalFiles(fs::path(saved).parent_path()));
}

struct ServiceCount {
  std::string archive;
  std::string file;
  size_t services;
};

class DatabaseSamples : public testing::TestWithParam<ServiceCount> {};

TEST_P(DatabaseSamples, LoadOneRecordPerServiceInNumberOrderAndSaveUnchangedByteForByte) {
  const ServiceCount& sample = GetParam();
  if (!test::HasZipSample(sample.archive)) GTEST_SKIP() << sample.archive << " is not among the samples";
  Extracted dir(sample.archive);
  ASSERT_TRUE(dir.Ok());
  const std::string path = dir.File(sample.file);
  const std::string original = test::ReadFile(path);
  const auto modified = fs::last_write_time(path);
  auto data = Load(path);
  ASSERT_TRUE(data);
  EXPECT_EQ(data->Records.size(), sample.services);
  for (size_t r = 1; r < data->Records.size(); ++r) ASSERT_LE(Number(*data, r - 1, "Nr"), Number(*data, r, "Nr")) << r;
  EXPECT_EQ(test::ReadFile(path), original);  // loading never writes
  EXPECT_FALSE(test::HasJournalFiles(dir.Folder()));

  ASSERT_TRUE(data->SaveToFile(path, false));
  EXPECT_EQ(test::ReadFile(path), original);
  EXPECT_EQ(fs::last_write_time(path), modified);  // not even opened for writing
  ASSERT_TRUE(data->SaveToFile(dir.File("copy"), false));
  EXPECT_EQ(test::ReadFile(dir.File("copy")), original);
}

INSTANTIATE_TEST_SUITE_P(
    Zip, DatabaseSamples,
    testing::Values(ServiceCount{test::kKArchive, "dvbs", 1323}, ServiceCount{test::kKArchive, "dvbt", 77},
                    ServiceCount{test::kKmArchive, "dvbc", 146}, ServiceCount{test::kKmArchive, "ipsrv", 60},
                    ServiceCount{test::kJArchive, "dvbc", 540}, ServiceCount{test::kJArchive, "dvb_analog", 28}),
    [](const testing::TestParamInfo<ServiceCount>& param) {
      return test::SampleTestName(param.param.archive) + "_" + param.param.file;
    });

// Each archive present: every database a section reads loads and saves unchanged.
TEST(DatabaseFile, EveryDatabaseOfEverySampleRoundTrips) {
  for (const std::string& archive : test::ZipSampleArchives()) {
    Extracted dir(archive);
    ASSERT_TRUE(dir.Ok()) << archive;
    for (const auto& entry : fs::directory_iterator(dir.Folder())) {
      const std::string name = entry.path().filename().string();
      if (!TDataObject(kSettings, name).HasLayout()) continue;
      const std::string original = test::ReadFile(entry.path().string());
      auto data = Load(entry.path().string());
      ASSERT_TRUE(data) << archive << " " << name;
      ASSERT_TRUE(data->SaveToFile(dir.File(name + ".out"), false));
      EXPECT_EQ(test::ReadFile(dir.File(name + ".out")), original) << archive << " " << name;
    }
  }
}

TEST(DatabaseFile, NumbersNamesAndServiceIdsAreThoseTheSetShows) {
  for (const std::string& archive : {test::kKArchive, test::kKmArchive, test::kJArchive})
    if (!test::HasZipSample(archive)) GTEST_SKIP() << archive << " is not among the samples";
  Extracted k(test::kKArchive);
  auto dvbs = Load(k.File("dvbs"));
  ASSERT_TRUE(dvbs);
  const size_t orf = RecordOf(*dvbs, "Nr", 418);
  ASSERT_LT(orf, dvbs->Records.size());
  EXPECT_EQ(Name(*dvbs, orf), "ORF2E");
  EXPECT_EQ(Number(*dvbs, orf, "SID"), 13014);

  Extracted km(test::kKmArchive);
  auto dvbc = Load(km.File("dvbc"));
  ASSERT_TRUE(dvbc);
  const size_t humax = RecordOf(*dvbc, "SID", 4008);
  ASSERT_LT(humax, dvbc->Records.size());
  EXPECT_EQ(Name(*dvbc, humax), "Humax 160C");

  Extracted j(test::kJArchive);
  auto cable = Load(j.File("dvbc"));
  ASSERT_TRUE(cable);
  const std::vector<std::string> first = {"Das Erste HD", "ZDF HD", "RTL HD", "Sat.1 HD"};
  for (size_t r = 0; r < first.size(); ++r) {
    EXPECT_EQ(Number(*cable, r, "Nr"), static_cast<int64_t>(r + 1));
    EXPECT_EQ(Name(*cable, r), first[r]);
  }
  // Favourites list 1 holds five services at the stored positions 0, 1, 4, 2, 3.
  std::vector<int64_t> positions;
  for (size_t r = 0; r < cable->Records.size(); ++r) {
    if (Number(*cable, r, "Fav1") != -1) positions.push_back(Number(*cable, r, "Fav1"));
    EXPECT_EQ(Number(*cable, r, "Fav2"), -1);
  }
  EXPECT_EQ(positions, (std::vector<int64_t>{1, 2, 5, 3, 4}));
}

class JCable : public testing::Test {
 protected:
  void SetUp() override {
    if (!test::HasZipSample(test::kJArchive)) GTEST_SKIP() << test::kJArchive << " is not among the samples";
    ASSERT_TRUE(dir_.Ok());
    original_ = dir_.File("dvbc");
    data_ = Load(original_);
    ASSERT_TRUE(data_);
  }
  // Saves as "saved" beside the original, and checks it is sound.
  std::vector<std::string> SaveAndCompare() {
    saved_ = dir_.File("saved");
    EXPECT_TRUE(data_->SaveToFile(saved_, false));
    ExpectSoundDatabase(original_, saved_);
    return ChangedRows(original_, saved_);
  }
  std::string Sql(const std::string& query) const { return test::SqlReader(saved_).One(query); }

  Extracted dir_{test::kJArchive};
  std::string original_;
  std::string saved_;
  std::unique_ptr<TDataObject> data_;
};

TEST_F(JCable, ATypedNameChangesThatValueAloneAndComesBackAsTyped) {
  const std::u16string typed = u"Erste \u0394\u03A9 \u20AC";  // Greek and the euro sign: outside Latin-1
  SetName(*data_, 0, typed);
  const std::vector<std::string> changes = SaveAndCompare();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].rfind("SRV: i:" + ServiceId(*data_, 0) + "|", 0), 0u) << changes[0];
  EXPECT_EQ(Sql("SELECT typeof(srvName) FROM SRV WHERE srvId = " + ServiceId(*data_, 0)), "t:7400650078007400");
  const test::SqlReader saved(saved_);
  const std::string stored = saved.One("SELECT srvName FROM SRV WHERE srvId = " + ServiceId(*data_, 0));
  std::string expected = "t:";
  for (unsigned char c : test::BigEndianUnits(typed)) {
    expected += "0123456789ABCDEF"[c >> 4];
    expected += "0123456789ABCDEF"[c & 15];
  }
  EXPECT_EQ(stored, expected);

  auto again = Load(saved_, "dvbc");
  ASSERT_TRUE(again);
  const size_t record = RecordOf(*again, "srvId", Number(*data_, 0, "srvId"));
  EXPECT_EQ(test::BigEndianUnits(typed),
            std::string(reinterpret_cast<const char*>(again->Records[record].data()) + Field(*again, "Name").Offset,
                        test::BigEndianUnits(typed).size()));
}

TEST_F(JCable, RecordsFindTheirServicesWhateverTheirOrder) {
  std::reverse(data_->Records.begin(), data_->Records.end());
  SetNumber(*data_, 0, "Nr", 777);  // the highest-numbered service, now first
  const std::vector<std::string> changes = SaveAndCompare();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(Sql("SELECT major FROM SRV WHERE srvId = " + ServiceId(*data_, 0)), "i:777");
  // Saved again unchanged: nothing to write, the file stays.
  const std::string bytes = test::ReadFile(saved_);
  const auto modified = fs::last_write_time(saved_);
  ASSERT_TRUE(data_->SaveToFile(saved_, false));
  EXPECT_EQ(test::ReadFile(saved_), bytes);
  EXPECT_EQ(fs::last_write_time(saved_), modified);
}

TEST_F(JCable, FlagsGoToTheirColumns) {
  SetNumber(*data_, 1, "Lock", 1);
  SetNumber(*data_, 2, "Skip", 1);
  SetNumber(*data_, 3, "Hide", 1);
  SetNumber(*data_, 4, "Del", 1);
  const std::vector<std::string> changes = SaveAndCompare();
  EXPECT_EQ(changes.size(), 4u);
  const std::string where = " FROM SRV WHERE srvId = ";
  EXPECT_EQ(Sql("SELECT lockMode" + where + ServiceId(*data_, 1)), "i:1");
  EXPECT_EQ(Sql("SELECT numSel" + where + ServiceId(*data_, 2)), "i:0");
  EXPECT_EQ(Sql("SELECT hidden, hideGuide" + where + ServiceId(*data_, 3)), "i:1|i:1");
  EXPECT_EQ(Sql("SELECT elim" + where + ServiceId(*data_, 4)), "i:1");
}

TEST_F(JCable, FavouritesAreAddedMovedAndRemovedAsRows) {
  const size_t first = RecordOf(*data_, "Fav1", 1);
  const size_t fifth = RecordOf(*data_, "Fav1", 5);
  const size_t outside = RecordOf(*data_, "Nr", 10);
  ASSERT_EQ(Number(*data_, outside, "Fav1"), -1);
  SetNumber(*data_, first, "Fav1", -1);
  SetNumber(*data_, fifth, "Fav1", 7);
  SetNumber(*data_, outside, "Fav2", 1);
  SaveAndCompare();
  const std::string rows = " FROM SRV_FAV WHERE srvId = ";
  EXPECT_EQ(Sql("SELECT count(*)" + rows + ServiceId(*data_, first)), "i:0");
  EXPECT_EQ(Sql("SELECT fav, pos" + rows + ServiceId(*data_, fifth)), "i:1|i:6");
  EXPECT_EQ(Sql("SELECT fav, pos" + rows + ServiceId(*data_, outside)), "i:2|i:0");
  EXPECT_EQ(Sql("SELECT count(*) FROM SRV_FAV"), "i:5");
}

TEST_F(JCable, ARemovedRecordTakesItsServiceOutOfEveryTable) {
  const size_t member = RecordOf(*data_, "Fav1", 1);
  const std::string service = ServiceId(*data_, member);
  data_->Records.erase(data_->Records.begin() + static_cast<long>(member));
  SaveAndCompare();
  for (const char* table : {"SRV", "SRV_DVB", "SRV_FAV", "SRV_DVB_EXT"})
    EXPECT_EQ(Sql(std::string("SELECT count(*) FROM ") + table + " WHERE srvId = " + service), "i:0") << table;
  EXPECT_EQ(Sql("SELECT count(*) FROM SRV"), "i:539");
}

TEST_F(JCable, AnAddedRecordIsRefusedAndNothingWritten) {
  data_->Records.push_back(data_->Records.back());
  SetNumber(*data_, data_->Records.size() - 1, "srvId", 12345);
  const std::string target = dir_.File("target");
  test::WriteFile(target, "before");
  try {
    data_->SaveToFile(target, false);
    FAIL() << "saved";
  } catch (const DatabaseError& error) {
    EXPECT_NE(std::string(error.what()).find("dvbc: a record of no service in the database (srvId 12345)"),
              std::string::npos)
        << error.what();
  }
  EXPECT_EQ(test::ReadFile(target), "before");
}

TEST(DatabaseFile, AnAnalogNameKeepsTheShapeTheSetGaveIt) {
  if (!test::HasZipSample(test::kJArchive)) GTEST_SKIP() << test::kJArchive << " is not among the samples";
  Extracted dir(test::kJArchive);
  auto data = Load(dir.File("dvb_analog"));
  ASSERT_TRUE(data);
  SetName(*data, 0, u"XY");
  ASSERT_TRUE(data->SaveToFile(dir.File("saved"), false));
  ExpectSoundDatabase(dir.File("dvb_analog"), dir.File("saved"));
  EXPECT_EQ(test::SqlReader(dir.File("saved")).One("SELECT srvName FROM SRV WHERE srvId = " + ServiceId(*data, 0)),
            "t:005800590020002000200000");  // "XY", three blanks, a zero unit
}

// A small database of the given schema, in the sets' text encoding.
std::string MakeDatabase(const test::TempDir& dir, const std::string& name, const std::string& sql) {
  const std::string path = dir.File(name);
  EXPECT_TRUE(test::ExecuteSql(path, "PRAGMA encoding = 'UTF-16le'; PRAGMA page_size = 512; " + sql));
  return path;
}

std::string LoadError(const std::string& path) {
  try {
    Load(path);
  } catch (const std::exception& error) {
    return error.what();
  }
  return "loaded";
}

const char* const kFullSchema =
    "CREATE TABLE CHNL(chId integer PRIMARY KEY, freq integer, sr integer, pol integer, mod integer);"
    "CREATE TABLE SRV(srvId integer PRIMARY KEY, chId integer, major integer, srvName text, progNum integer,"
    " tsid integer, lockMode bool, hidden bool, hideGuide bool, numSel bool, elim bool);"
    "CREATE TABLE SRV_DVB(srvId integer PRIMARY KEY, onid integer, provId integer);"
    "CREATE TABLE PROV(provId integer PRIMARY KEY, provName text);"
    "CREATE TABLE SRV_FAV(sfavId integer PRIMARY KEY, srvId integer, fav integer, pos integer);"
    "INSERT INTO CHNL VALUES(1, 474000, 6900, -1, 3);"
    "INSERT INTO SRV VALUES(7, 1, 2, 'B', 100, 1, 0, 0, 0, 1, 0);";

TEST(DatabaseFile, BadInputIsOneErrorNamingTheFileAndWhatIsMissing) {
  test::TempDir dir;
  test::WriteFile(dir.File("dvbc"), std::string(2048, 'x'));
  EXPECT_EQ(LoadError(dir.File("dvbc")), "dvbc: not an SQLite database");

  const std::string noFavourites = MakeDatabase(dir, "dvbs", std::string(kFullSchema) + "DROP TABLE SRV_FAV;");
  EXPECT_EQ(LoadError(noFavourites), "dvbs: no table SRV_FAV");
  test::TempDir other;
  EXPECT_EQ(LoadError(MakeDatabase(other, "dvbs", "CREATE TABLE X(a);")), "dvbs: no table SRV");
  test::TempDir third;
  EXPECT_EQ(LoadError(MakeDatabase(third, "dvbt",
                                   "CREATE TABLE SRV(srvId integer PRIMARY KEY, major integer);"
                                   "CREATE TABLE CHNL(chId integer); CREATE TABLE SRV_DVB(srvId integer, provId integer);"
                                   "CREATE TABLE PROV(provId integer); CREATE TABLE SRV_FAV(srvId, fav, pos);")),
            "dvbt: no column SRV.chId");

  // A database whose pages were overwritten in the middle.
  if (test::HasZipSample(test::kJArchive)) {
    Extracted j(test::kJArchive);
    std::string bytes = test::ReadFile(j.File("dvbc"));
    for (size_t i = 4096; i < 40000; ++i) bytes[i] = static_cast<char>(i * 7);
    test::WriteFile(j.File("dvbc"), bytes);
    EXPECT_EQ(LoadError(j.File("dvbc")), "dvbc: the database is damaged");
  }
}

TEST(DatabaseFile, MissingOptionalColumnsKeepTheirDefaultsAndAreNeverWritten) {
  test::TempDir dir;
  const std::string path = MakeDatabase(dir, "dvbs", kFullSchema);
  ASSERT_TRUE(test::ExecuteSql(path, "ALTER TABLE SRV DROP COLUMN numSel; ALTER TABLE SRV DROP COLUMN hideGuide;"));
  auto data = Load(path);
  ASSERT_TRUE(data);
  ASSERT_EQ(data->Records.size(), 1u);
  EXPECT_EQ(Number(*data, 0, "Skip"), 0);
  EXPECT_EQ(Number(*data, 0, "Pol"), -1);
  EXPECT_EQ(Number(*data, 0, "kHz"), 474000);
  SetNumber(*data, 0, "Skip", 1);  // numSel is not there: nothing to write
  SetNumber(*data, 0, "Hide", 1);  // hidden is, hideGuide not
  SetNumber(*data, 0, "kHz", 482000);
  ASSERT_TRUE(data->SaveToFile(dir.File("saved"), false));
  const test::SqlReader saved(dir.File("saved"));
  EXPECT_EQ(saved.One("SELECT hidden, major FROM SRV"), "i:1|i:2");
  EXPECT_EQ(saved.One("SELECT freq, pol FROM CHNL"), "i:482000|i:-1");
  EXPECT_EQ(saved.One("PRAGMA integrity_check"), "t:6F006B00");
}

TEST(DatabaseFile, AStoredValueLongerThanItsFieldRefusesTheFile) {
  test::TempDir dir;
  const std::string path = MakeDatabase(dir, "dvbc", kFullSchema);
  ASSERT_TRUE(test::ExecuteSql(path, "UPDATE SRV SET srvName = '" + std::string(120, 'x') + "'"));
  EXPECT_EQ(LoadError(path), "dvbc: SRV.srvName of service 7 holds 240 bytes, more than the 200 of the field Name");
}

}  // namespace
}  // namespace tarno
