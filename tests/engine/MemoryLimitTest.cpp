// The scripts' memory as a whole: however a script spreads its data over
// strings, arrays and records, it stops with "Out Of Memory" at the limit,
// can go on after catching it, and gives every byte back when it lets go.
#include <gtest/gtest.h>

#include <pscript/memory.h>

#include "EngineTestSupport.h"

namespace pscript {
namespace {

// A megabyte string built by doubling, held many times over by different containers.
const char* const kMegabyte =
    "function Megabyte: string;\n"
    "var i: Integer;\n"
    "begin\n"
    "  Result := 'x';\n"
    "  for i := 1 to 20 do Result := Result + Result;\n"
    "end;\n";

std::string RunUntilOutOfMemory(const std::string& body) {
  test::Script script(std::string(kMegabyte) + body);
  if (!script.compiled)
    for (const Message& message : script.messages) ADD_FAILURE() << message.toString();
  EXPECT_TRUE(script.compiled && script.loaded) << script.exec.loadError();
  return script.run();
}

TEST(ScriptMemory, EveryWayOfHoldingDataStopsAtTheLimitAndGivesItAllBack) {
  const size_t before = scriptMemoryInUse();
  const char* const attacks[] = {
      // Arrays of arrays: 16 bytes a value, nothing but elements.
      "function Main(var V: Variant): Boolean;\n"
      "var a: array of array of Integer; i: Integer;\n"
      "begin\n"
      "  SetLength(a, 100000);\n"
      "  for i := 0 to 99999 do SetLength(a[i], 100000);\n"
      "end;\n",
      // Records holding strings, in a static array copied on write.
      "type TBox = record Name: string; Items: array of string; end;\n"
      "function Main(var V: Variant): Boolean;\n"
      "var boxes: array[0..999] of TBox; i, j: Integer; s: string;\n"
      "begin\n"
      "  s := Megabyte;\n"
      "  for i := 0 to 999 do begin\n"
      "    SetLength(boxes[i].Items, 10);\n"
      "    for j := 0 to 9 do boxes[i].Items[j] := s + IntToStr(j);\n"
      "  end;\n"
      "end;\n",
      // Strings grown in place, each below the length limit of one string.
      "function Main(var V: Variant): Boolean;\n"
      "var a: array of string; s, t: string; i, j: Integer;\n"
      "begin\n"
      "  s := Megabyte; SetLength(a, 100);\n"
      "  for i := 0 to 99 do begin\n"
      "    t := '';\n"
      "    for j := 1 to 200 do t := t + s;\n"
      "    a[i] := t;\n"
      "  end;\n"
      "end;\n",
      // Wide strings held as Variants.
      "function Main(var V: Variant): Boolean;\n"
      "var items: array of Variant; w: WideString; i: Integer;\n"
      "begin\n"
      "  w := Megabyte; SetLength(items, 1000);\n"
      "  for i := 0 to 999 do items[i] := w + IntToStr(i);\n"
      "end;\n",
  };
  for (const char* attack : attacks) {
    EXPECT_EQ(RunUntilOutOfMemory(attack), "error: Out Of Memory") << attack;
    EXPECT_EQ(scriptMemoryInUse(), before) << attack;
  }
}

TEST(ScriptMemory, AScriptThatCatchesItGoesOnOnceItLetsGo) {
  test::Script script(std::string(kMegabyte) +
                      "procedure Fill;\n"
                      "var a: array of string; s: string; i: Integer;\n"
                      "begin\n"
                      "  s := Megabyte; SetLength(a, 5000);\n"
                      "  for i := 0 to 4999 do a[i] := s + IntToStr(i);\n"
                      "end;\n"
                      "function Main(var V: Variant): Boolean;\n"
                      "var s: string;\n"
                      "begin\n"
                      "  try Fill; except WriteLn('caught'); end;\n"
                      "  s := Megabyte;\n"
                      "  WriteLn(IntToStr(Length(s + s)));\n"
                      "end;\n");
  ASSERT_TRUE(script.compiled && script.loaded);
  EXPECT_EQ(script.run(), "caught\n2097152\n");
}

TEST(ScriptMemory, AHostCanLowerTheLimitButNeverRaiseIt) {
  const size_t engineLimit = scriptMemoryLimit();
  setScriptMemoryLimit(engineLimit * 2);
  EXPECT_EQ(scriptMemoryLimit(), engineLimit);

  setScriptMemoryLimit(size_t{4} << 20);
  // Eight megabyte strings fit the engine's limit, not four megabytes.
  const std::string result = RunUntilOutOfMemory(
      "function Main(var V: Variant): Boolean;\n"
      "var a: array of string; i: Integer;\n"
      "begin\n"
      "  SetLength(a, 8);\n"
      "  for i := 0 to 7 do a[i] := Megabyte + IntToStr(i);\n"
      "end;\n");
  setScriptMemoryLimit(engineLimit);
  EXPECT_EQ(result, "error: Out Of Memory");
  EXPECT_EQ(scriptMemoryLimit(), engineLimit);
}

}  // namespace
}  // namespace pscript
