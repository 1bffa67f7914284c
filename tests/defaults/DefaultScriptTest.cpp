// The default script under our engine (pscript-run) and the reference engine
// (psoracle): the same conversions, and every shown value stored back as the
// same bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>

#include "DefaultsTestSupport.h"

namespace tarno {
namespace {

struct Call {
  const char* function;
  std::vector<std::string> bytes;  // b0 b1 b2 b3
  int size;
  std::string text;
  bool usesUtf16;  // needs UTF-16 units built or read one by one
};

// What a runner printed: the result line and the seven array lines.
struct Outcome {
  bool ran = false;
  std::string result;
  std::vector<std::string> items;
  std::string all;
};

Outcome Parse(const test::ProgramResult& run) {
  Outcome o;
  o.all = run.out + run.err;
  std::istringstream in(run.out);
  for (std::string line; std::getline(in, line);) {
    if (line.find(" -> ") != std::string::npos && line.rfind("Error", 0) != 0) {
      o.ran = true;
      o.result = line;
    }
    const size_t open = line.find('[');
    if (line.rfind("      [", 0) == 0 && open != std::string::npos) o.items.push_back(line.substr(open));
  }
  return o;
}

std::vector<std::string> Arguments(const Call& c) {
  std::vector<std::string> args = {"convert", test::kDefaultScript, c.function};
  args.insert(args.end(), c.bytes.begin(), c.bytes.end());
  args.push_back(std::to_string(c.size));
  args.push_back("35");
  args.push_back(c.text);
  return args;
}

// The reference runner, built once into the build tree; empty when it cannot
// be built. Tests run as parallel processes, so each builds in a folder of its
// own and renames the program into place: nobody runs a half-written file.
std::string ReferenceRunner() {
  static const std::string path = [] {
    const std::string out = std::string(TARNO_BIN_DIR) + "/../psoracle";
    const std::string program = out + "/psoracle";
    if (std::filesystem::exists(program)) return program;
    const std::string work = out + "/build-" + std::to_string(::getpid());
    const std::string command = "OUT='" + work + "' sh '" + std::string(TARNO_PSORACLE_DIR) + "/build.sh' >/dev/null 2>&1";
    std::error_code ec;
    if (std::system(command.c_str()) == 0) std::filesystem::rename(work + "/psoracle", program, ec);
    std::filesystem::remove_all(work, ec);
    return std::filesystem::exists(program) ? program : std::string();
  }();
  return path;
}

test::ProgramResult RunReference(const std::vector<std::string>& args) {
  test::TempDir capture;
  std::string command = test::ShellQuote(ReferenceRunner());
  for (const std::string& arg : args) command += " " + test::ShellQuote(arg);
  command += " >" + test::ShellQuote(capture.File("out")) + " 2>" + test::ShellQuote(capture.File("err"));
  const int status = std::system(command.c_str());
  test::ProgramResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = test::ReadFile(capture.File("out"));
  result.err = test::ReadFile(capture.File("err"));
  return result;
}

const std::vector<Call>& Table() {
  static const std::vector<Call> table = {
      // single precision little-endian, shortest decimal that stores back the same bits
      {"Float_DataToText", {"0", "0", "0", "0"}, 4, "", false},
      {"Float_DataToText", {"0", "0", "0", "128"}, 4, "", false},       // -0
      {"Float_DataToText", {"0", "0", "67", "68"}, 4, "", false},       // 780
      {"Float_DataToText", {"213", "56", "94", "67"}, 4, "", false},    // 222.222
      {"Float_DataToText", {"0", "230", "170", "71"}, 4, "", false},    // 87500
      {"Float_DataToText", {"205", "204", "204", "61"}, 4, "", false},  // 0.1
      {"Float_DataToText", {"1", "0", "0", "0"}, 4, "", false},         // smallest denormal
      {"Float_DataToText", {"255", "255", "127", "127"}, 4, "", false}, // largest finite
      {"Float_DataToText", {"0", "0", "192", "127"}, 4, "", false},     // NaN
      {"Float_DataToText", {"0", "0", "128", "255"}, 4, "", false},     // -infinity
      {"Float_DataToText", {"0", "0", "128", "63"}, 4, "12.5", false},  // appends to what is there
      {"Float_TextToData", {"0", "0", "0", "0"}, 4, "474", false},
      {"Float_TextToData", {"0", "0", "0", "0"}, 4, "-1.5e3", false},
      {"Float_TextToData", {"0", "0", "0", "0"}, 4, "$7FC00000", false},
      {"Float_TextToData", {"0", "0", "0", "0"}, 4, "1e-46", false},
      {"Float_TextToData", {"0", "0", "0", "0"}, 4, "3.5e38", false},   // too large: False
      {"Float_TextToData", {"0", "0", "0", "0"}, 4, "12MHz", false},    // not a number: False
      {"Float_TextToData", {"0", "0", "0", "0"}, 4, "0.1 474", false},  // takes the first number
      {"Float_TextToData", {"0", "0", "0", "0"}, 2, "1", false},        // wrong element size: False
      // signed little-endian
      {"Signed_DataToText", {"255", "255", "255", "255"}, 4, "", false},
      {"Signed_DataToText", {"0", "0", "0", "128"}, 4, "", false},
      {"Signed_DataToText", {"255", "127", "0", "0"}, 2, "", false},
      {"Signed_DataToText", {"128", "0", "0", "0"}, 1, "", false},
      {"Signed_TextToData", {"0", "0", "0", "0"}, 4, "-1", false},
      {"Signed_TextToData", {"0", "0", "0", "0"}, 4, "2147483648", false},  // out of range: False
      {"Signed_TextToData", {"0", "0", "0", "0"}, 2, "-32768", false},
      {"Signed_TextToData", {"0", "0", "0", "0"}, 1, "128", false},         // out of range: False
      // UTF-16 names: one unit per call, state kept in V[5]
      {"NameBE_DataToText", {"0", "65", "0", "0"}, 2, "", true},
      {"NameBE_DataToText", {"38", "58", "0", "0"}, 2, "x", true},   // U+263A
      {"NameBE_DataToText", {"0", "32", "0", "0"}, 2, "", true},     // a blank at the start
      {"NameBE_DataToText", {"0", "0", "0", "0"}, 2, "ab", true},    // the zero unit ends the name
      {"NameLE_DataToText", {"48", "4", "0", "0"}, 2, "", true},     // U+0430, low byte first
      {"NameBE_TextToData", {"0", "0", "0", "0"}, 2, "\u263Ab", true},
      {"NameBE_TextToData", {"0", "0", "0", "0"}, 2, "\u00A0x", true},  // leading no-break space: a blank
      {"NameBE_TextToData", {"0", "0", "0", "0"}, 2, "x", true},        // kept until a zero unit follows
      {"FillNameBE_TextToData", {"0", "0", "0", "0"}, 2, "x", true},    // the last unit empties the text
      {"NameBE_TextToData", {"0", "0", "0", "0"}, 2, "", true},         // nothing left: a zero unit
      {"NameLE_TextToData", {"0", "0", "0", "0"}, 2, "\u0430", true},
      // a name behind its byte count: the field's first call is the count
      {"AnalogName_DataToText", {"12", "0", "0", "0"}, 2, "", false},
      {"AnalogName_TextToData", {"0", "0", "0", "0"}, 2, "ARD", false},  // 12 for any name
      {"AnalogName_TextToData", {"0", "0", "0", "0"}, 2, "", false},     // 0 without one
      {"CountedName_DataToText", {"10", "0", "0", "0"}, 2, "", false},
      {"CountedName_TextToData", {"0", "0", "0", "0"}, 2, "ZDF 1", false},  // two bytes a unit
  };
  return table;
}

// The name conversions the harness calls, by the number it passes for each.
const std::vector<std::string> kNameConversions = {"NameBE", "FillNameBE", "NameLE"};

int ConversionNumber(const std::string& conversion) {
  return static_cast<int>(std::find(kNameConversions.begin(), kNameConversions.end(), conversion) -
                          kNameConversions.begin());
}

// A script that runs the name conversions over fields the way the grid does:
// one call per element with the bytes refreshed, the finished text trimmed of
// blanks and control characters, then stored back. A field passes when it
// comes back with its units up to the first zero unit and zeros behind them,
// and the whole text was taken.
std::string NameHarness(const std::vector<std::pair<std::string, std::string>>& fields) {
  std::string source = "{$I " + test::kDefaultScript + "}\n" + R"(
function Trimmed(const T: WideString): WideString;
var First, Last, I: Integer; Holder: Variant;
begin
  First := 1;
  while First <= Length(T) do begin if Ord(T[First]) > 32 then Break; First := First + 1; end;
  Last := Length(T);
  while Last >= First do begin if Ord(T[Last]) > 32 then Break; Last := Last - 1; end;
  Result := '';
  for I := First to Last do Result := Result + T[I];
end;

function Check(const Bytes: array of Integer; Conversion: Integer): Boolean;
var V: Variant; A: TVariantArray; I, N, Lo, Hi: Integer; W: WideString; B: Byte; Ended: Boolean;
begin
  N := Length(Bytes) div 2;
  SetArrayLength(A, 7); A[0] := 0; A[1] := 0; A[2] := 0; A[3] := 0; A[4] := 2; A[5] := 47; W := ''; A[6] := W; V := A;
  for I := 0 to N - 1 do
  begin
    B := Bytes[2 * I]; VarSetIndexed(V, 0, B); B := Bytes[2 * I + 1]; VarSetIndexed(V, 1, B);
    if Conversion = 0 then NameBE_DataToText(V)
    else if Conversion = 1 then FillNameBE_DataToText(V)
    else NameLE_DataToText(V);
  end;
  W := VarGetIndexed(V, 6);
  W := Trimmed(W);
  SetArrayLength(A, 7); A[0] := 0; A[1] := 0; A[2] := 0; A[3] := 0; A[4] := 2; A[5] := 47; A[6] := W; V := A;
  Result := True; Ended := False;
  for I := 0 to N - 1 do
  begin
    if (Bytes[2 * I] = 0) and (Bytes[2 * I + 1] = 0) then Ended := True;
    if Conversion = 0 then NameBE_TextToData(V)
    else if Conversion = 1 then FillNameBE_TextToData(V)
    else NameLE_TextToData(V);
    Lo := VarGetIndexed(V, 0); Hi := VarGetIndexed(V, 1);
    if Ended then
    begin
      if (Lo <> 0) or (Hi <> 0) then Result := False;
    end
    else if (Lo <> Bytes[2 * I]) or (Hi <> Bytes[2 * I + 1]) then Result := False;
  end;
  W := VarGetIndexed(V, 6);
  if Length(W) <> 0 then Result := False;
end;

function Main(var V: Variant): Boolean;
var F, Total: Integer;
begin
  F := 0; Total := 0;
)";
  for (const auto& [bytes, conversion] : fields) {
    source += "  Total := Total + 1; if not Check([";
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (i) source += ',';
      source += std::to_string(static_cast<unsigned char>(bytes[i]));
    }
    source += "], " + std::to_string(ConversionNumber(conversion)) + ") then F := F + 1;\n";
  }
  source += "  WriteLn('names ' + IntToStr(Total) + ' failures ' + IntToStr(F));\n  Result := True;\nend;\n";
  return source;
}

// Whether the field holds a zero unit: a name of a field that must end at one
// and fills it instead (seven analog names of one set run on into the
// frequency) cannot be stored back; typing it is refused.
bool HasZeroUnit(const std::string& field) {
  for (size_t at = 0; at + 1 < field.size(); at += 2)
    if (field[at] == '\0' && field[at + 1] == '\0') return true;
  return false;
}

// Every distinct name of every real archive, under the reference engine (our
// engine cannot build UTF-16 text yet; the round-trip tests of the channel maps
// cover it through tarno-cli once it can).
TEST(DefaultScript, RealNamesComeBackUnderTheReference) {
  if (ReferenceRunner().empty()) GTEST_SKIP() << "the reference runner psoracle cannot be built here";
  std::set<std::pair<std::string, std::string>> fields;
  for (const std::string& archive : test::SampleArchives()) {
    test::TempDir dir;
    ASSERT_TRUE(test::ExtractSample(archive, dir.Path()));
    for (const test::NamedEntry& entry : test::NamedEntries(test::FamilyOf(dir.Path()))) {
      if (entry.lengthAt != 0) continue;  // provider names need their length cell
      const std::string bytes = test::ReadFile(dir.File(entry.name));
      for (size_t at = entry.header; at + entry.record <= bytes.size(); at += entry.record)
        for (const auto& [offset, size, conversion] : entry.names) {
          const std::string field = bytes.substr(at + offset, size);
          const bool fills = std::string(conversion) == "FillNameBE";
          if (field.find_first_not_of('\0') != std::string::npos && (fills || HasZeroUnit(field)))
            fields.insert({field, conversion});
        }
    }
  }
  ASSERT_GT(fields.size(), 4000u);
  // Every 16th field keeps the run short; the set is ordered by content, so the pick is fixed.
  std::vector<std::pair<std::string, std::string>> picked;
  size_t n = 0;
  for (const auto& field : fields)
    if (n++ % 16 == 0) picked.push_back(field);
  test::TempDir dir;
  test::WriteFile(dir.File("names.pas"), NameHarness(picked));
  const auto run = RunReference({"run", dir.File("names.pas")});
  EXPECT_NE(run.out.find("names " + std::to_string(picked.size()) + " failures 0\n"), std::string::npos)
      << run.out.substr(0, 2000);
}

TEST(DefaultScript, CompilesAndStartsUnderOurEngine) {
  const auto run = test::RunProgram("pscript-run", {"run", test::kDefaultScript});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("Initialize -> True"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Finalize -> True"), std::string::npos) << run.out;
}

TEST(DefaultScript, BothEnginesGiveTheSameConversions) {
  if (ReferenceRunner().empty()) GTEST_SKIP() << "the reference runner psoracle cannot be built here";
  const bool utf16 = test::EngineBuildsUtf16Text();
  int skipped = 0;
  for (const Call& call : Table()) {
    SCOPED_TRACE(std::string(call.function) + " '" + call.text + "'");
    const Outcome reference = Parse(RunReference(Arguments(call)));
    ASSERT_TRUE(reference.ran) << reference.all;
    if (call.usesUtf16 && !utf16) {
      ++skipped;
      continue;
    }
    const Outcome ours = Parse(test::RunProgram("pscript-run", Arguments(call)));
    ASSERT_TRUE(ours.ran) << ours.all;
    EXPECT_EQ(ours.result, reference.result);
    EXPECT_EQ(ours.items, reference.items);
  }
  if (skipped) GTEST_SKIP() << skipped << " UTF-16 cases not compared: " << test::kUtf16EngineFault;
}

// The byte at index i of a runner's array lines ("[i] Byte 213").
std::string ByteOf(const Outcome& o, size_t i) {
  const std::string& line = o.items.at(i);
  return line.substr(line.rfind(' ') + 1);
}

std::string TextOf(const Outcome& o) {
  const std::string& line = o.items.at(6);
  const size_t open = line.find('\'');
  return line.substr(open + 1, line.size() - open - 2);
}

// Every value a field can hold is shown as a text that stores back the same
// bytes: spread over the whole single-precision range, NaN and denormals too.
void ExpectNumbersRoundTrip(const std::function<test::ProgramResult(const std::vector<std::string>&)>& run) {
  uint32_t bits = 0x12345u;
  for (int i = 0; i < 24; ++i) {
    bits = bits * 1103515245u + 12345u;
    std::vector<std::string> bytes;
    for (int b = 0; b < 4; ++b) bytes.push_back(std::to_string(bits >> (8 * b) & 0xFF));
    for (const char* type : {"Float", "Signed"}) {
      Call show{nullptr, bytes, 4, "", false};
      const std::string toText = std::string(type) + "_DataToText";
      const std::string toData = std::string(type) + "_TextToData";
      show.function = toText.c_str();
      const Outcome shown = Parse(run(Arguments(show)));
      ASSERT_TRUE(shown.ran) << shown.all;
      Call store{toData.c_str(), {"0", "0", "0", "0"}, 4, TextOf(shown), false};
      const Outcome stored = Parse(run(Arguments(store)));
      ASSERT_NE(stored.result.find("True"), std::string::npos) << type << " " << TextOf(shown) << stored.all;
      for (size_t b = 0; b < 4; ++b) EXPECT_EQ(ByteOf(stored, b), bytes[b]) << type << " " << TextOf(shown);
    }
  }
}

TEST(DefaultScript, ShownNumbersStoreBackTheSameBytesUnderOurEngine) {
  ExpectNumbersRoundTrip([](const std::vector<std::string>& args) { return test::RunProgram("pscript-run", args); });
}

TEST(DefaultScript, ShownNumbersStoreBackTheSameBytesUnderTheReference) {
  if (ReferenceRunner().empty()) GTEST_SKIP() << "the reference runner psoracle cannot be built here";
  ExpectNumbersRoundTrip(RunReference);
}

}  // namespace
}  // namespace tarno
