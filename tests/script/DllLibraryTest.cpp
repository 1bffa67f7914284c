// External routines in real shared libraries (libc, libm and a fixture built
// beside the tests). The reference engine cannot load a real library in this
// 64-bit build, so these calls are checked here rather than as conformance cases.
#include <gtest/gtest.h>

#include <pscript/pscript.h>

#include "DllLibrary.h"

#include <string>

namespace tarno {
namespace {

struct RunResult {
  std::string compileError;  // first compiler message, if compilation failed
  std::string loadError;
  std::string runError;
  pscript::Value v;
};

// Compiles a script with the dll library, loads it and calls Main(V).
RunResult runMain(const std::string& source) {
  RunResult r;
  pscript::Compiler compiler;
  compiler.allowNoBegin = true;
  compiler.allowNoEnd = true;
  compiler.onUses = [](pscript::Compiler& c, const std::string& unit) {
    if (unit != "SYSTEM") return false;
    RegisterDll_C(c);
    return true;
  };
  if (!compiler.compile(source)) {
    r.compileError = compiler.messages().empty() ? "?" : compiler.messages().front().text;
    return r;
  }
  pscript::Exec exec;
  RegisterDll_Functions(exec);
  if (!exec.load(compiler.output())) {
    r.loadError = exec.loadError();
    return r;
  }
  try {
    exec.call(exec.findFunction("Main"), r.v);
  } catch (const pscript::RuntimeError& e) {
    r.runError = e.what();
  }
  return r;
}

std::string fixture() { return TARNO_DLL_FIXTURE; }

std::string mainReturning(const std::string& declarations, const std::string& expression) {
  return declarations + "\nfunction Main(var V: Variant): Boolean;\nbegin\n  V := " + expression +
         ";\n  Result := True;\nend;\n";
}

TEST(DllLibrary, CallsLibcAndLibm) {
  std::string decls =
      "function CAbs(X: Integer): Integer; external 'abs@libc.so.6 cdecl';\n"
      "function StrLen(S: PChar): Cardinal; external 'strlen@libc.so.6 cdecl';\n"
      "function LLAbs(X: Int64): Int64; external 'llabs@libc.so.6';\n"
      "function Pow(X, Y: Double): Double; external 'pow@libm.so.6 stdcall delayload';";
  RunResult r = runMain(mainReturning(
      decls, "IntToStr(CAbs(-42)) + ' ' + IntToStr(StrLen('hello')) + ' ' + IntToStr(LLAbs(-5000000000)) + ' ' + "
             "FloatToStr(Pow(2, 10))"));
  ASSERT_EQ(r.compileError + r.loadError + r.runError, "");
  EXPECT_EQ(r.v.toString(), "42 5 5000000000 1024.000000000000");
}

TEST(DllLibrary, PassesEveryArgumentAndResultKind) {
  std::string lib = "@" + fixture() + " cdecl';\n";
  std::string decls =
      "function Neg8(V: ShortInt): ShortInt; external 'fixture_neg8" + lib +
      "function NextByte(V: Byte): Byte; external 'fixture_next_byte" + lib +
      "function Neg16(V: SmallInt): SmallInt; external 'fixture_neg16" + lib +
      "function Add16(A, B: Word): Word; external 'fixture_add16" + lib +
      "function MaxCardinal: Cardinal; external 'fixture_max_cardinal" + lib +
      "function Mul64(A, B: Int64): Int64; external 'fixture_mul64" + lib +
      "function Half(V: Single): Single; external 'fixture_half" + lib +
      "function IsEven(V: Integer): Boolean; external 'fixture_is_even" + lib +
      "function Upper(C: Char): Char; external 'fixture_upper" + lib +
      "function WideNext(C: WideChar): WideChar; external 'fixture_wide_next" + lib +
      "function Greeting: PChar; external 'fixture_greeting" + lib +
      "function CountChar(S: string; C: Char): Integer; external 'fixture_count_char" + lib +
      "function Mix(A: Integer; B: Double; C: Byte; D: Int64; E: Single; F, G, H, I: Integer;"
      " J, K, L, M, N, O, P: Double): Double; external 'fixture_mix" + lib;
  RunResult r = runMain(mainReturning(
      decls,
      "IntToStr(Neg8(100)) + ' ' + IntToStr(NextByte(255)) + ' ' + IntToStr(Neg16(-300)) + ' ' + "
      "IntToStr(Add16(65535, 2)) + ' ' + IntToStr(MaxCardinal) + ' ' + IntToStr(Mul64(3000000000, 3)) + ' ' + "
      "FloatToStr(Half(5)) + ' ' + IntToStr(Ord(IsEven(4))) + IntToStr(Ord(IsEven(3))) + ' ' + Upper('q') + ' ' + "
      "IntToStr(Ord(WideNext(#$263A))) + ' ' + Greeting + ' ' + IntToStr(CountChar('banana', 'a')) + ' ' + "
      "FloatToStr(Mix(1, 0.5, 2, 3, 0.25, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14))"));
  ASSERT_EQ(r.compileError + r.loadError + r.runError, "");
  EXPECT_EQ(r.v.toString(),
            "-100 0 300 1 4294967295 9000000000 2.500000000000 10 Q 9787 hello from the fixture 3 "
            "105.750000000000");
}

TEST(DllLibrary, VarParametersAreWrittenBack) {
  std::string lib = "@" + fixture() + " cdecl';\n";
  std::string decls = "procedure AddTo(var X: Integer; D: Integer); external 'fixture_add_to" + lib +
                      "procedure Scale(var V: Double; F: Double); external 'fixture_scale" + lib;
  RunResult r = runMain(decls +
                        "function Main(var V: Variant): Boolean;\nvar I: Integer; D: Double;\nbegin\n"
                        "  I := 40; AddTo(I, 2); D := 1.5; Scale(D, 4);\n"
                        "  V := IntToStr(I) + ' ' + FloatToStr(D);\n  Result := True;\nend;\n");
  ASSERT_EQ(r.compileError + r.loadError + r.runError, "");
  EXPECT_EQ(r.v.toString(), "42 6.000000000000");
}

TEST(DllLibrary, DllGetLastErrorReportsErrnoOfTheLastCall) {
  std::string decls = "function FailWith(E: Integer): Integer; external 'fixture_fail_with@" + fixture() + " cdecl';";
  RunResult r = runMain(mainReturning(decls, "IntToStr(FailWith(7)) + ' ' + IntToStr(DllGetLastError)"));
  ASSERT_EQ(r.compileError + r.loadError + r.runError, "");
  EXPECT_EQ(r.v.toString(), "-1 7");
}

TEST(DllLibrary, UnloadDllLetsTheNextCallLoadAgain) {
  std::string decls = "function Neg8(V: ShortInt): ShortInt; external 'fixture_neg8@" + fixture() + " cdecl';";
  RunResult r = runMain(decls +
                        "\nfunction Main(var V: Variant): Boolean;\nvar A: Integer;\nbegin\n"
                        "  A := Neg8(5);\n  UnloadDll('" + fixture() + "');\n"
                        "  V := IntToStr(A) + ' ' + IntToStr(Neg8(6));\n  UnloadDll('not loaded at all');\n"
                        "  Result := True;\nend;\n");
  ASSERT_EQ(r.compileError + r.loadError + r.runError, "");
  EXPECT_EQ(r.v.toString(), "-5 -6");
}

TEST(DllLibrary, MissingSymbolsAndUnsupportedTypesFailLikeMissingLibraries) {
  std::string lib = fixture();
  RunResult missing = runMain(mainReturning(
      "function Nope(V: Integer): Integer; external 'no_such_symbol@" + lib + " cdecl';", "Nope(1)"));
  EXPECT_EQ(missing.loadError, "Cannot Import dll:" + lib);
  RunResult delayed = runMain(mainReturning(
      "function Nope(V: Integer): Integer; external 'no_such_symbol@" + lib + " cdecl delayload';", "Nope(1)"));
  EXPECT_EQ(delayed.loadError, "");
  EXPECT_EQ(delayed.runError, "Could not call proc");
  RunResult variant = runMain(mainReturning(
      "function Neg8(V: Variant): Integer; external 'fixture_neg8@" + lib + " cdecl';", "Neg8(1)"));
  EXPECT_EQ(variant.loadError, "Cannot Import dll:" + lib);
  RunResult varString = runMain(mainReturning(
      "procedure P(var S: string); external 'fixture_neg8@" + lib + " cdecl';", "1"));
  EXPECT_EQ(varString.loadError, "Cannot Import dll:" + lib);
  RunResult empty = runMain(mainReturning("function Abs2(V: Integer): Integer; external 'abs@';", "Abs2(1)"));
  EXPECT_EQ(empty.loadError, "Cannot Import dll:");
}

TEST(DllLibrary, ExternalDeclarationsNeedTheLibrary) {
  pscript::Compiler compiler;
  compiler.onUses = [](pscript::Compiler&, const std::string& unit) { return unit == "SYSTEM"; };
  EXPECT_FALSE(compiler.compile("function F: Integer; external 'abs@libc.so.6';\nbegin end."));
  ASSERT_FALSE(compiler.messages().empty());
  EXPECT_EQ(compiler.messages().front().text, "Syntax error");
}

}  // namespace
}  // namespace tarno
