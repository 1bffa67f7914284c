// The field conversion library of the reference runner (scripts/fieldconv.pas
// is a copy of shared/tools/psoracle/samples/fieldconv.pas), called the way
// the data model calls it. Expected values are those of
// "psoracle convert samples/fieldconv.pas FUNC b0 b1 b2 b3 size type text".
#include <gtest/gtest.h>

#include "ScriptTestSupport.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

std::string FieldConv() { return test::TestScript("fieldconv.pas").string(); }

struct Case {
  const char* function;
  ElementBytes in;
  int size;
  char type;
  std::u16string text;
  int result;
  ElementBytes out;  // checked for TextToData
  std::u16string textAfter;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.function << " size " << c.size << " type " << c.type; }

class FieldConvCase : public ::testing::TestWithParam<Case> {
 protected:
  static void SetUpTestSuite() { host_ = new TScriptObject(FieldConv()); }
  static void TearDownTestSuite() {
    delete host_;
    host_ = nullptr;
  }
  static TScriptObject* host_;
};
TScriptObject* FieldConvCase::host_ = nullptr;

TEST_P(FieldConvCase, GivesTheReferenceRunnersResult) {
  ASSERT_EQ(host_->ErrorText, "");
  const Case& c = GetParam();
  auto call = host_->BeginField(c.function, c.size, c.type, c.text);
  call->SetElementBytes(c.in);
  EXPECT_EQ(call->Call(), c.result) << call->ErrorText();
  EXPECT_EQ(call->Text(), c.textAfter);
  if (std::string(c.function).find("TextToData") != std::string::npos) {
    EXPECT_EQ(call->ElementBytesResult(), c.out);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Psoracle, FieldConvCase,
    ::testing::Values(
        Case{"Freq_DataToText", {46, 2, 0, 0}, 2, 'U', u"", 1, {}, u"11778"},
        Case{"Freq_DataToText", {255, 255, 0, 0}, 2, 'U', u"12", 1, {}, u"12;65535"},
        Case{"Freq_TextToData", {}, 2, 'U', u"11778;rest", 1, {46, 2, 0, 0}, u"rest"},
        Case{"Freq_TextToData", {}, 2, 'U', u"70000", 0, {0, 0, 0, 0}, u""},
        Case{"Freq_TextToData", {}, 2, 'U', u"abc;1", 0, {0, 0, 0, 0}, u"1"},
        Case{"Num_DataToText", {255, 255, 255, 254}, 4, 'S', u"", 1, {}, u"-2"},
        Case{"Num_DataToText", {128, 0, 0, 0}, 1, 'S', u"", 1, {}, u"-128"},
        Case{"Num_DataToText", {1, 171, 205, 239}, 4, 'H', u"x", 1, {}, u"x;1ABCDEF"},
        Case{"Num_DataToText", {255, 255, 255, 255}, 4, 'U', u"", 1, {}, u"4294967295"},
        Case{"Num_TextToData", {}, 2, 'H', u"0aFF", 1, {10, 255, 0, 0}, u""},
        Case{"Num_TextToData", {}, 2, 'H', u"0aF", 0, {0, 0, 0, 0}, u""},
        Case{"Num_TextToData", {}, 2, 'S', u"-2;9", 1, {255, 254, 0, 0}, u"9"},
        Case{"Num_TextToData", {}, 1, 'S', u"128", 0, {0, 0, 0, 0}, u""},
        Case{"Num_TextToData", {}, 4, 'U', u"-5", 0, {0, 0, 0, 0}, u""},
        Case{"Num_TextToData", {}, 3, 'U', u"16777215", 1, {255, 255, 255, 0}, u""}));

// Installs a host as the data model's current script for one test.
class CurrentScript {
 public:
  explicit CurrentScript(ScriptConversionHost* host) : previous_(ScriptObject) { ScriptObject = host; }
  ~CurrentScript() { ScriptObject = previous_; }
  CurrentScript(const CurrentScript&) = delete;
  CurrentScript& operator=(const CurrentScript&) = delete;

 private:
  ScriptConversionHost* previous_;
};

TDataObject TwoFrequencies() {
  Layout layout;
  TDataItem item;
  item.ScriptName = "Freq";
  item.Name = "Freq";
  item.Offset = 0;
  item.Size = 4;
  item.ElementSize = 2;
  item.TypeChar = 'U';
  item.Column = 1;
  layout.Items.push_back(item);
  TDataObject data(layout);
  data.Records.push_back({0x2E, 0x02, 0x00, 0x0C});
  return data;
}

TEST(FieldConversionThroughTheDataModel, ShowsAndStoresAFieldOfTwoElements) {
  TScriptObject host(FieldConv());
  ASSERT_EQ(host.ErrorText, "");
  CurrentScript current(&host);
  TDataObject data = TwoFrequencies();
  std::u16string text;
  data.DataToText(0, 0, text);
  EXPECT_EQ(text, u"11778;12");
  EXPECT_EQ(data.LastError, "");

  EXPECT_TRUE(data.TextToData(0, 0, u"12;11778"));
  EXPECT_EQ(data.Records[0], (TDataByteArray{0x00, 0x0C, 0x2E, 0x02}));
  EXPECT_FALSE(data.TextToData(0, 0, u"1;2;3"));  // text left over
  EXPECT_FALSE(data.TextToData(0, 0, u"1;99999"));
}

TEST(FieldConversionThroughTheDataModel, AMissingFunctionBecomesTheDataObjectsError) {
  TScriptObject host(FieldConv());
  CurrentScript current(&host);
  TDataObject data = TwoFrequencies();
  data.Items[0].ScriptName = "Nope";
  std::u16string text;
  data.DataToText(0, 0, text);
  EXPECT_EQ(text, u"");
  EXPECT_EQ(data.LastError, "Could not execute function Nope_DataToText");
}

class ArgumentArray : public ::testing::Test {
 protected:
  ArgumentArray() : host_(test::TestScript("args_probe.pas").string()) {}
  TScriptObject host_;
};

TEST_F(ArgumentArray, OnlyTheElementBytesAreRefreshedBetweenCalls) {
  ASSERT_EQ(host_.ErrorText, "");
  auto call = host_.BeginField("Probe_DataToText", 2, 'N', u"");
  call->SetElementBytes({1, 2, 0, 0});
  ASSERT_EQ(call->Call(), 1);
  call->SetElementBytes({3, 4, 0, 0});
  ASSERT_EQ(call->Call(), 1);
  // Index 4 was bumped by the script and kept; index 6 carries the text on.
  EXPECT_EQ(call->Text(), u"1.2.0.0/2/78;3.4.0.0/12/78;");
}

TEST_F(ArgumentArray, ElementBytesAreCutToEightBitsAndNonNumbersGiveZero) {
  auto call = host_.BeginField("Wide_TextToData", 4, 'U', u"abc");
  ASSERT_EQ(call->Call(), 1);
  EXPECT_EQ(call->ElementBytesResult(), (ElementBytes{2, 255, 0, 0}));
  EXPECT_EQ(call->Text(), u"");
}

TEST_F(ArgumentArray, AScriptThatReplacesTheArrayBreaksNothing) {
  auto call = host_.BeginField("Clobber_TextToData", 1, 'U', u"abc");
  ASSERT_EQ(call->Call(), 1);
  EXPECT_EQ(call->ElementBytesResult(), (ElementBytes{0, 0, 0, 0}));
  EXPECT_FALSE(call->Text().empty());  // never passes for text fully consumed
  call->SetElementBytes({1, 2, 3, 4});
  EXPECT_EQ(call->Call(), 1);
}

TEST_F(ArgumentArray, AFalseResultIsZeroWithoutError) {
  auto call = host_.BeginField("Stop_DataToText", 1, 'U', u"");
  EXPECT_EQ(call->Call(), 0);
  EXPECT_EQ(call->ErrorText(), "");
}

}  // namespace
}  // namespace tarno
