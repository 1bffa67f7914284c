// Run-time semantics of the dialect, including its surprising rules.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

namespace pscript {
namespace {

std::string runMain(const std::string& body, const std::string& decls = "") {
  test::Script s(decls + "function Main(var V: Variant): Boolean;\n" + body + "\n");
  if (!s.compiled) return "<compile error: " + (s.messages.empty() ? std::string() : s.messages[0].toString()) + ">";
  if (!s.loaded) return "<load error: " + s.exec.loadError() + ">";
  return s.run();
}

TEST(VmIntegers, OperatorsTakeTheLeftOperandsType) {
  EXPECT_EQ(runMain("var b: Byte; i: Integer; begin b := 200; i := b + 100; WriteLn(IntToStr(i));"
                    " i := 100 + b; WriteLn(IntToStr(i)); end;"), "44\n300\n");
  EXPECT_EQ(runMain("var b: Byte; i: Integer; begin b := 255; i := -1; if b > i then WriteLn('gt') else WriteLn('le'); end;"),
            "le\n");
  EXPECT_EQ(runMain("var i: Integer; begin i := 2147483647; i := i + 1; WriteLn(IntToStr(i)); end;"), "-2147483648\n");
  EXPECT_EQ(runMain("begin WriteLn(IntToStr(7 / 2) + ' ' + IntToStr(-7 div 2) + ' ' + IntToStr(-7 mod 2)); end;"), "3 -3 -1\n");
  EXPECT_EQ(runMain("var x, y: Integer; begin x := 7; y := 2; WriteLn(IntToStr(x / y)); end;"), "3\n");
}

TEST(VmBooleans, AndOrEvaluateBothSides) {
  EXPECT_EQ(runMain("var A: array of Integer; j: Integer; begin SetLength(A, 1); j := -1;"
                    " if (j >= 0) and (A[j] > 0) then WriteLn('x'); end;"),
            "error: Out Of Range");
}

TEST(VmLoops, ForReevaluatesItsEndAndLeavesEndPlusOne) {
  EXPECT_EQ(runMain("var i, n, c: Integer; begin n := 5; c := 0; for i := 1 to n - 1 do begin c := c + 1; if i = 2 then n := 3; end;"
                    " WriteLn(IntToStr(c) + ' ' + IntToStr(i)); end;"),
            "2 3\n");
  EXPECT_EQ(runMain("var i, s: Integer; begin s := 0; for i := 10 downto 1 do begin if i = 5 then Continue; if i = 2 then Break; s := s + i; end;"
                    " WriteLn(IntToStr(s)); end;"),
            "47\n");
}

TEST(VmStrings, IndexingConcatenationAndBuiltins) {
  EXPECT_EQ(runMain("var s: string; begin s := 'abc'; s[2] := 'X'; s := s + 'd' + #33; WriteLn(s + IntToStr(Length(s))); end;"),
            "aXcd!5\n");
  EXPECT_EQ(runMain("begin WriteLn(Copy('hello', 2, 3) + IntToStr(Pos('l', 'hello')) + UpperCase('ab') + Trim('  x  ')); end;"),
            "ell3ABx\n");
  EXPECT_EQ(runMain("begin WriteLn(IntToStr(StrToInt('x')) + ' ' + IntToStr(StrToInt(' $1F')) + ' ' + IntToStr(Round(2.5)) + IntToStr(Round(3.5))); end;"),
            "-1 31 24\n");
  EXPECT_EQ(runMain("begin WriteLn(FloatToStr(2.5)); end;"), "2.500000000000\n");
}

// Texts of up to 12 bytes live inside the value; longer ones on the heap. The
// cases cross that boundary in both directions and change shared texts.
TEST(VmStrings, TextsAcrossTheInlineBoundaryKeepValueSemantics) {
  EXPECT_EQ(runMain("var a, b: string; i: Integer; begin a := 'abcdefghijk'; b := a; for i := 1 to 3 do begin"
                    " a := a + IntToStr(i); WriteLn(a + ' ' + b); end; b[1] := 'X'; a[1] := 'Y'; WriteLn(a + ' ' + b);"
                    " SetLength(a, 12); WriteLn(a + IntToStr(Length(a))); SetLength(b, 14); WriteLn(b + '|'); end;"),
            "abcdefghijk1 abcdefghijk\nabcdefghijk12 abcdefghijk\nabcdefghijk123 abcdefghijk\n"
            "Ybcdefghijk123 Xbcdefghijk\nYbcdefghijk112\nXbcdefghijk   |\n");
  EXPECT_EQ(runMain("var w, u: WideString; begin w := 'abcde'; u := w; w := w + 'f'; u[1] := 'X'; w := w + 'g';"
                    " WriteLn(w + ' ' + u + ' ' + IntToStr(Length(w))); end;"),
            "abcdefg Xbcde 7\n");

  for (const std::string& text : {std::string("short"), std::string(12, 'x'), std::string(13, 'y'), std::string(40, 'z')}) {
    Value v = Value::string(text);
    Value copy = v;
    Value moved = std::move(copy);
    EXPECT_EQ(moved.rawString(), text);
    EXPECT_EQ(Value::wideFromUtf8(text).toString(), text);
    moved.setAux(kVariantArgument);
    EXPECT_EQ(moved.aux(), kVariantArgument);
    EXPECT_EQ(moved.rawString(), text);  // the mark leaves the text alone
    EXPECT_EQ(v.aux(), 0u);
  }
}

TEST(VmAggregates, RecordsCopyDynamicArraysShare) {
  const char* decls = "type TR = record A: Integer; end;\n";
  EXPECT_EQ(runMain("var r1, r2: TR; begin r1.A := 1; r2 := r1; r2.A := 2; WriteLn(IntToStr(r1.A) + IntToStr(r2.A)); end;", decls),
            "12\n");
  EXPECT_EQ(runMain("var a, b: array of Integer; begin SetLength(a, 1); b := a; b[0] := 2; WriteLn(IntToStr(a[0])); end;"), "2\n");
  EXPECT_EQ(runMain("var a: array[1..3] of Integer; begin a[3] := 7; WriteLn(IntToStr(a[3]) + IntToStr(Low(a)) + IntToStr(High(a))); end;"),
            "713\n");
}

TEST(VmVariants, ConversionsAndArraysPassedByReference) {
  EXPECT_EQ(runMain("var x: Variant; i: Integer; begin x := 5; x := x + '7'; i := x; WriteLn(IntToStr(i)); end;"), "12\n");
  test::Script s("function F(var V: Variant): Boolean; begin VarSetIndexed(V, 1, 'x' + VarGetIndexed(V, 0)); Result := True; end;");
  ASSERT_TRUE(s.loaded);
  Value v = Value::newVarArray(0, 1);
  v.arraySet(0, Value::string("a"));
  s.call("F", v);
  EXPECT_EQ(v.arrayAt(1).toString(), "xa");
  EXPECT_EQ(v.arrayAt(1).type(), varOleStr);  // a variant array stores strings as OleStr
}

// The host's refresh of its argument bytes between calls: a copy the script
// kept must not change with it, and a range past the array's end changes nothing.
TEST(VmVariants, ByteRefreshOfAnArgumentArrayCopiesASharedArrayAndChecksBounds) {
  Value v = Value::newVarArray(0, 6);
  v.arraySet(0, Value::string("a long text that lives on the heap"));
  Value kept = v;
  const uint8_t bytes[] = {1, 200, 3};
  v.arraySetBytes(0, bytes, 3);
  EXPECT_EQ(v.arrayAt(0).type(), varByte);
  EXPECT_EQ(v.arrayAt(1).toInt(), 200);
  EXPECT_EQ(v.arrayAt(2).toInt(), 3);
  EXPECT_EQ(kept.arrayAt(0).toString(), "a long text that lives on the heap");
  EXPECT_TRUE(kept.arrayAt(1).isEmpty());
  EXPECT_THROW(v.arraySetBytes(5, bytes, 3), ScriptError);
  EXPECT_THROW(v.arraySetBytes(-1, bytes, 1), ScriptError);
  EXPECT_EQ(v.arrayAt(5).type(), varEmpty);
  v.arraySetBytes(4, bytes, 3);
  EXPECT_EQ(v.arrayAt(6).toInt(), 3);
}

TEST(VmErrors, ExceptionsUnwindToHandlersAndFinallyRuns) {
  EXPECT_EQ(runMain("var i: Integer; begin i := 0; try i := 1 div i; except WriteLn(ExceptionParam); end;"
                    " try try RaiseException(erCustomError, 'boom'); finally WriteLn('fin'); end; except WriteLn('caught ' + ExceptionParam); end; end;"),
            "Division by zero\nfin\ncaught boom\n");
  EXPECT_EQ(runMain("begin try Exit; finally WriteLn('fin'); end; end;"), "fin\n");
  EXPECT_EQ(runMain("begin RaiseException(erCustomError, 'bad channel data'); end;"), "error: bad channel data");
}

// Slots are reused by every call that follows: whatever an earlier frame left
// there (a finished call, one an error unwound, the caller's own temporaries),
// a routine's variables start empty. Exit leaves a try..except as a jump and
// still runs a finally part.
TEST(VmFrames, VariablesStartEmptyWhateverEarlierFramesLeft) {
  const std::string decls =
      "function Fresh(N: Integer): string; var S: string; I: Integer;"
      " begin Result := S + IntToStr(I); S := 'stale text longer than twelve'; I := 7;"
      " if N > 0 then Result := Result + Fresh(N - 1); end;\n"
      "procedure Boom; var S: string; begin S := 'left behind by an error'; RaiseException(erCustomError, 'x'); end;\n"
      "function Quit(N: Integer): Integer; begin Result := 1; try if N > 0 then Exit; Result := 2; except Result := 3; end;"
      " Result := 4; end;\n"
      "function QuitFinally(N: Integer): Integer; begin Result := 1; try if N > 0 then Exit; Result := 2;"
      " finally WriteLn('finally'); end; Result := 4; end;\n";
  EXPECT_EQ(runMain("var T: string; begin WriteLn(Fresh(2)); T := 'caller text ' + Fresh(0); WriteLn(Fresh(2));"
                    " try Boom; except end; WriteLn(Fresh(1) + T);"
                    " WriteLn(IntToStr(Quit(1)) + IntToStr(Quit(0)) + IntToStr(QuitFinally(1))); end;",
                    decls),
            "000\n000\n00caller text 0\nfinally\n141\n");
}

TEST(VmLimits, DeepRecursionAndHugeAllocationsFailCleanly) {
  const char* down = "function Down(N: Integer): Integer; begin if N = 0 then Result := 0 else Result := Down(N - 1) + 1; end;\n";
  EXPECT_EQ(runMain("begin WriteLn(IntToStr(Down(2000))); end;", down), "2000\n");
  EXPECT_EQ(runMain("begin WriteLn(IntToStr(Down(100000000))); end;", down), "error: Out Of Stack Range");
  EXPECT_EQ(runMain("var a: array of Integer; begin SetLength(a, 2000000000); end;"), "error: Out Of Memory");
  // Elements that are records or static arrays count with everything inside them.
  const char* records = "type TRec = record A, B, C: Integer; S: string; end;\n";
  EXPECT_EQ(runMain("var a: array of TRec; begin SetLength(a, 5000000); end;", records), "error: Out Of Memory");
  EXPECT_EQ(runMain("var a: array of TRec; begin SetLength(a, 1000); WriteLn(IntToStr(Length(a))); end;", records),
            "1000\n");
  EXPECT_EQ(runMain("var a: array of array[0..9999] of Byte; begin SetLength(a, 2000); end;"), "error: Out Of Memory");
}

TEST(VmLimits, StaticArraysTooBigForMemoryDoNotCompile) {
  test::Script nested("var A: array[0..60000000] of array[0..60000000] of Integer;\n"
                      "function Main(var V: Variant): Boolean; begin Result := True; end;");
  EXPECT_FALSE(nested.compiled);
  test::Script fits("var A: array[0..999] of array[0..999] of Integer;\n"
                    "function Main(var V: Variant): Boolean; begin A[999][999] := 1; Result := True; end;");
  EXPECT_TRUE(fits.loaded);
}

TEST(VmLimits, AbortStopsAnEndlessLoop) {
  test::Script s("function Main(var V: Variant): Boolean; begin while True do ; end;");
  ASSERT_TRUE(s.loaded);
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    s.exec.requestAbort();
  });
  Value v;
  EXPECT_THROW(s.exec.call(s.exec.findFunction("Main"), v), RuntimeError);
  stopper.join();
}

TEST(VmLimits, AbortStopsALoopMadeWithGoto) {
  test::Script s("function Main(var V: Variant): Boolean; label L; begin L: goto L; end;");
  ASSERT_TRUE(s.loaded);
  s.exec.requestAbort();
  Value v;
  EXPECT_THROW(s.exec.call(s.exec.findFunction("Main"), v), RuntimeError);
}

}  // namespace
}  // namespace pscript

namespace pscript {
namespace {

TEST(VmQuirks, CastsReinterpretUntilStoredAndComparisonsFollowTheLeftSide) {
  EXPECT_EQ(runMain("var i: Integer; b: Byte; begin i := 300; WriteLn(IntToStr(Byte(i))); b := Byte(i); WriteLn(IntToStr(b));"
                    " WriteLn(IntToStr(0 + Byte(i))); end;"),
            "300\n44\n44\n");
  EXPECT_EQ(runMain("var b: Byte; i: Integer; begin b := 255; i := -1; if b = i then WriteLn('eq') else WriteLn('ne');"
                    " if b >= i then WriteLn('ge') else WriteLn('lt'); end;"),
            "ne\nlt\n");
  EXPECT_EQ(runMain("var i: Integer; begin i := -16; WriteLn(IntToStr(i shr 2) + ' ' + IntToStr(1 shl 32)); end;"),
            "1073741820 1\n");
}

TEST(VmQuirks, OrdOfACharGoesIntoAVariantAsTheCharacter) {
  EXPECT_EQ(runMain("var x: Variant; c: Char; begin c := 'O'; x := Ord(c); WriteLn(IntToStr(VarType(x)) + ' ' + x);"
                    " x := Ord(c) + 0; WriteLn(IntToStr(VarType(x))); end;"),
            "256 O\n19\n");
}

TEST(VmStatements, WithExitValueAndArrayLiterals) {
  const char* decls =
      "type TP = record X, Y: Integer; end;\n"
      "function Pick(N: Integer): Integer; begin if N > 0 then Exit(N * 10); Result := -1; end;\n";
  EXPECT_EQ(runMain("var p: TP; a: array of Integer; begin with p do begin X := 2; Y := 3; end; a := [4, 5, 6];"
                    " WriteLn(IntToStr(p.X * p.Y) + ' ' + IntToStr(Pick(1)) + ' ' + IntToStr(Pick(0)) + ' ' + IntToStr(a[2] + Length(a))); end;",
                    decls),
            "6 10 -1 9\n");
}

TEST(VmVariants, OperatorResultTypesAndNullOrdering) {
  EXPECT_EQ(runMain("var x: Variant; begin x := 10; x := x / 4; WriteLn(IntToStr(VarType(x)) + ' ' + IntToStr(x));"
                    " x := 5; x := x + '7'; WriteLn(IntToStr(VarType(x)));"
                    " x := Null; if x < 5 then WriteLn('null lowest'); end;"),
            "3 2\n5\nnull lowest\n");
}

}  // namespace
}  // namespace pscript

namespace pscript {
namespace {

TEST(VmSets, OperatorsMembershipAndIncludeExclude) {
  const char* decls = "type TDay = (dMon, dTue, dWed); TDays = set of TDay;\n";
  EXPECT_EQ(runMain("var a, b: TDays; c: set of Char; begin a := [dMon, dWed]; b := [dWed]; Include(b, dTue); Exclude(a, dMon);"
                    " if (dWed in a) and not (dMon in a) then WriteLn('in'); if a * b = [dWed] then WriteLn('inter');"
                    " if a <= b then WriteLn('subset'); c := ['x', 'y']; if 'y' in c then WriteLn('char'); end;",
                    decls),
            "in\ninter\nsubset\nchar\n");
}

}  // namespace
}  // namespace pscript

namespace pscript {
namespace {

TEST(VmLimits, DeeplyNestedVariantArraysAreFreedWithoutRecursion) {
  EXPECT_EQ(runMain("var x: Variant; a: array of Variant; i: Integer; begin SetLength(a, 1);"
                    " for i := 1 to 300000 do begin a[0] := x; x := a; end; WriteLn('built'); end;"),
            "built\n");
}

}  // namespace
}  // namespace pscript
