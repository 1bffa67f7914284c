// The host functions called from a script, as the user's script calls them:
// declarations, argument passing and results through the engine.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <vector>

#include <pscript/pscript.h>

#include "MessageBoxHook.h"
#include "ScriptFunctions.h"
#include "ScriptTestSupport.h"
#include "Timing.h"

namespace tarno {
namespace {

using pscript::Value;

class HostFunctionScript : public ::testing::Test {
 protected:
  HostFunctionScript() : host_(test::TestScript("host_functions.pas").string()) {}

  Value Run(const std::string& name, Value v = Value()) {
    EXPECT_EQ(host_.CallScriptFunction(name, v), 1) << host_.ErrorText;
    return v;
  }
  std::string RunText(const std::string& name, const std::string& input = "") {
    return Run(name, Value::string(input)).toString();
  }
  std::string Failure(const std::string& name, Value v = Value()) {
    EXPECT_EQ(host_.CallScriptFunction(name, v), -1);
    return host_.ErrorText;
  }
  static Value SevenElements() {
    Value array = Value::newVarArray(0, 6);
    for (int i = 0; i < 7; ++i) array.arraySet(i, Value::integer(10 + i));
    return array;
  }

  TScriptObject host_;
  test::TempFolder folder_;
};

TEST_F(HostFunctionScript, AllDeclarationsCompile) { EXPECT_EQ(host_.ErrorText, ""); }

TEST_F(HostFunctionScript, IntToHexStrIsUpperCaseWithoutLeadingZeros) { EXPECT_EQ(RunText("Hex"), "FF,0,FFFFFFFF"); }

TEST_F(HostFunctionScript, ValIntGivesValueAndErrorPosition) {
  EXPECT_EQ(RunText("ValIntOf", "  $1F"), "31/0");
  EXPECT_EQ(RunText("ValIntOf", "12a").substr(RunText("ValIntOf", "12a").find('/')), "/3");
  EXPECT_EQ(RunText("ValIntOf", "").substr(1), "/1");
  EXPECT_EQ(RunText("ValIntOf", "$FFFFFFFF"), "-1/0");
}

TEST_F(HostFunctionScript, ValExtReadsWithAFullStop) {
  EXPECT_EQ(RunText("ValExtOf", " -2.5E3"), "-2500.000/0");
  EXPECT_EQ(RunText("ValExtOf", "1,5").substr(RunText("ValExtOf", "1,5").find('/')), "/2");
}

TEST_F(HostFunctionScript, PosCopyAndDeleteKeepTheirBounds) {
  // Delete at 0, past the end or with a negative count changes nothing.
  EXPECT_EQ(RunText("Strings"), "5,0,freq,,,freq");
}

TEST_F(HostFunctionScript, CharactersAndWideStringsAreConverted) {
  EXPECT_EQ(RunText("CharArguments"), "2,x,5,wide,;b");
}

TEST_F(HostFunctionScript, FormatFillsPlaceholders) {
  EXPECT_EQ(RunText("Formats"), "-42|  -42|-42  |-00042|FFFFFFD6|4294967254|abc|1234567.89|1,234,567.89|-42|%");
}

TEST_F(HostFunctionScript, AFaultyFormatEndsTheFunctionWithARunTimeError) {
  EXPECT_EQ(Failure("FormatWrongType"),
            "Error in execution of function FormatWrongType -> Exception: Invalid argument index in format \"%d\"");
  EXPECT_EQ(Failure("FormatMissingArgument"),
            "Error in execution of function FormatMissingArgument -> Exception: Invalid argument index in format "
            "\"%d %d\"");
}

TEST_F(HostFunctionScript, VarGetIndexedOutsideTheBoundsGivesByteZero) {
  Value array = SevenElements();
  array.arraySet(0, Value::integer(7));
  const Value outside = Run("ArrayElement", array);
  EXPECT_EQ(outside.type(), pscript::varByte);
  EXPECT_EQ(outside.toInt(), 0);
  array.arraySet(0, Value::integer(3));
  EXPECT_EQ(Run("ArrayElement", array).toInt(), 13);
  EXPECT_EQ(Run("NonArrayElement", Value::string("itself")).toString(), "itself");
}

TEST_F(HostFunctionScript, VarSetIndexedOutsideTheBoundsChangesNothing) {
  const Value after = Run("SetOutside", SevenElements());
  ASSERT_TRUE(after.isArray());
  EXPECT_EQ(after.arrayLow(), 0);
  EXPECT_EQ(after.arrayHigh(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(after.arrayAt(i).toInt(), 10 + i);
  EXPECT_EQ(after.arrayAt(6).toString(), "inside");
}

TEST_F(HostFunctionScript, VarArraySizeAndVarIsArray) {
  EXPECT_EQ(Run("SizeOf_", SevenElements()).toString(), "7,1");
  EXPECT_EQ(Run("SizeOf_", Value::integer(5)).toString(), "0,0");
}

TEST_F(HostFunctionScript, FileWriteWritesByTheVariantsType) {
  const std::string path = folder_.File("out.bin");
  EXPECT_EQ(RunText("WriteFile", path), "3,2,3,0,0");
  EXPECT_EQ(test::ReadText(path), "abcxyabc");
}

TEST_F(HostFunctionScript, FileReadReadsByTheVariantsType) {
  const std::string path = folder_.File("in.bin");
  test::WriteText(path, std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A", 10));
  // Count 2 into an integer reads 2 bytes; Count 10 only 4; a Byte nothing;
  // a string the 3 bytes left.
  EXPECT_EQ(RunText("ReadFile", path), "2,201,4,4030201,0,7,3,3,10");
}

TEST_F(HostFunctionScript, FileOpenRefusesBadModesWithoutTouchingTheFile) {
  const std::string path = folder_.File("keep.txt");
  test::WriteText(path, "keep");
  EXPECT_EQ(RunText("OpenRefused", path), "-1,-1,-1,1");
  EXPECT_EQ(test::ReadText(path), "keep");
}

TEST_F(HostFunctionScript, MemoryBlocksHoldTheirBytes) { EXPECT_EQ(RunText("Memory"), "200,7,9,0,1"); }

TEST_F(HostFunctionScript, MemoryMisuseIsARunTimeErrorOfTheScript) {
  EXPECT_NE(Failure("ReadPastBlock").find("Error in execution of function ReadPastBlock -> Exception: ReadMem outside"),
            std::string::npos);
  EXPECT_NE(Failure("ReadAfterFree").find("-> Exception: ReadMem outside"), std::string::npos);
  EXPECT_NE(Failure("DoubleFree").find("-> Exception: FreeMem of an invalid block"), std::string::npos);
  EXPECT_NE(Failure("WriteToBadHandle").find("-> Exception: WriteMem outside"), std::string::npos);
  // The host stays usable.
  EXPECT_EQ(RunText("Memory"), "200,7,9,0,1");
}

TEST_F(HostFunctionScript, GetTickCountFollowsTheMonotonicClock) {
  const int32_t before = TickCount();
  const auto ticks = static_cast<int32_t>(Run("Ticks").toInt());
  const int32_t after = TickCount();
  EXPECT_GE(ticks - before, 0);
  EXPECT_GE(after - ticks, 0);
}

TEST_F(HostFunctionScript, DelayWaitsAtLeastItsMicroseconds) {
  const auto start = std::chrono::steady_clock::now();
  Run("Wait1500");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(1500));
}

TEST_F(HostFunctionScript, MessageBoxGoesThroughTheHook) {
  std::string seen;
  SetMessageBoxHook([&](const std::string& msg, const std::string& caption, int mode) {
    seen = caption + "|" + msg + "|" + std::to_string(mode);
    return 6;
  });
  EXPECT_EQ(Run("Ask").toInt(), 6);
  EXPECT_EQ(seen, "Tarno|Overwrite?|260");
  SetMessageBoxHook(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(Run("Ask").toInt(), 7);  // headless: the default button, No
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Tarno: Overwrite?\n");
}

TEST_F(HostFunctionScript, DateAndTimeFunctions) {
  EXPECT_EQ(RunText("Dates"),
            "45351.000000000000,5,2024-3-1,12:30:15.500,946684800,1970-1-2,00,2050-12-31 23:59:58,9-2-24,45331."
            "000000000000");
  EXPECT_EQ(RunText("Clock"), "111");
  EXPECT_EQ(Failure("BadDate"),
            "Error in execution of function BadDate -> Exception: Invalid argument to date encode");
}

TEST(HostFunctionDeclarations, TheCompilerAcceptsEveryDeclaration) {
  pscript::Compiler compiler;
  std::vector<std::string> refused;
  compiler.onUses = [&](pscript::Compiler& c, const std::string&) {
    for (const ScriptFunctionDeclaration& function : ScriptFunctionDeclarations())
      if (!c.addFunction(function.declaration)) refused.emplace_back(function.declaration);
    return true;
  };
  compiler.allowNoBegin = true;
  compiler.allowNoEnd = true;
  EXPECT_TRUE(compiler.compile(""));
  EXPECT_EQ(refused, std::vector<std::string>{});
}

TEST(HostFunctionDeclarations, GetMemAndFreeMemAreProceduresToScripts) {
  TScriptObject host(test::TestScript("freemem_as_function.pas").string());
  EXPECT_EQ(host.ErrorText.rfind("Could not compile script: Error: ", 0), 0u) << host.ErrorText;
}

size_t OpenDescriptors() {
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

TEST(HostFunctionLifetime, FilesAScriptLeftOpenAreClosedWithTheScriptHost) {
  test::TempFolder folder;
  const std::string path = folder.File("held.txt");
  test::WriteText(path, "x");
  const size_t before = OpenDescriptors();
  {
    TScriptObject host(test::TestScript("host_functions.pas").string());
    for (int i = 0; i < 3; ++i) {
      Value v = Value::string(path);
      ASSERT_EQ(host.CallScriptFunction("OpenAndKeep", v), 1);
    }
    EXPECT_EQ(OpenDescriptors(), before + 3);
  }
  EXPECT_EQ(OpenDescriptors(), before);
}

TEST(HostFunctionLifetime, AScriptCannotUseOrCloseTheEditorsOwnFiles) {
  test::TempFolder folder;
  const std::string path = folder.File("editor.txt");
  test::WriteText(path, "editor");
  const int descriptor = ::open(path.c_str(), O_RDONLY);
  ASSERT_GE(descriptor, 0);
  TScriptObject host(test::TestScript("host_functions.pas").string());
  Value v = Value::integer(descriptor);
  ASSERT_EQ(host.CallScriptFunction("CloseForeign", v), 1);
  EXPECT_EQ(v.toString(), "-1,-1");
  char byte = 0;
  EXPECT_EQ(::read(descriptor, &byte, 1), 1);  // still open
  ::close(descriptor);
}

}  // namespace
}  // namespace tarno
