// Watching a running script: the attention handler runs on the script's
// thread at loop iterations and calls, the script goes on unharmed unless the
// handler stops it, and a stop ends it with the host's reason.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>


namespace pscript {
namespace {

// A script compiled with the test host and one more host procedure.
struct ScriptWithHostProcedure {
  ScriptWithHostProcedure(const std::string& declaration, const std::string& name, NativeFn fn, void* user,
                          const std::string& text) {
    Compiler compiler;
    compiler.allowNoBegin = true;
    compiler.allowNoEnd = true;
    compiler.onUses = [&declaration](Compiler& c, const std::string& unit) {
      test::registerTestHost(c);
      return unit == "SYSTEM" && c.addFunction(declaration);
    };
    compiled = compiler.compile(text);
    test::bindTestHost(exec);
    exec.registerFunction(name, fn, user);
    loaded = compiled && exec.load(compiler.output());
  }
  bool compiled = false;
  bool loaded = false;
  Exec exec;
};

// Poke asks for attention, which the next loop iteration or call answers.
const char* const kBusyScript =
    "function Twice(X: Integer): Integer; begin Result := X * 2; end;\n"
    "function Main(var V: Variant): Boolean;\n"
    "var i, s: Integer; t: string;\n"
    "begin\n"
    "  s := 0; t := '';\n"
    "  for i := 1 to 2000 do begin\n"
    "    Poke;\n"
    "    try s := s + Twice(i) mod 7; finally t := 'f'; end;\n"
    "    if i mod 500 = 0 then t := t + IntToStr(s);\n"
    "  end;\n"
    "  i := 0; repeat Poke; i := i + 1; until i = 1000;\n"
    "  while i > 0 do begin Poke; i := i - 1; end;\n"
    "  WriteLn(IntToStr(s) + ' ' + t + ' ' + IntToStr(i));\n"
    "  Result := True;\n"
    "end;\n";

void Poke(NativeCall& c) {
  if (c.user()) c.exec().requestAttention();
}

TEST(Attention, AScriptLookedAtAllTheTimeComputesWhatItComputesAlone) {
  ScriptWithHostProcedure quiet("procedure Poke", "POKE", Poke, nullptr, kBusyScript);
  ASSERT_TRUE(quiet.loaded);
  test::printed().clear();
  Value v;
  quiet.exec.call(quiet.exec.findFunction("Main"), v);
  const std::string alone = test::printed();
  ASSERT_EQ(alone, "6001 f6001 0\n");

  int looks = 0;
  ScriptWithHostProcedure watched("procedure Poke", "POKE", Poke, &looks, kBusyScript);
  ASSERT_TRUE(watched.loaded);
  watched.exec.setAttentionHandler([&looks] { ++looks; });
  test::printed().clear();
  watched.exec.call(watched.exec.findFunction("Main"), v);
  EXPECT_EQ(test::printed(), alone);
  EXPECT_EQ(looks, 2000 + 1000 + 1000);  // one look after each Poke
}

TEST(Attention, TheHandlerStopsAnEndlessLoopWithItsReasonPastTheScriptsHandlers) {
  test::Script s(
      "function Main(var V: Variant): Boolean;\n"
      "begin\n"
      "  while True do try while True do ; except WriteLn('caught'); end;\n"
      "end;\n"
      "function Other(var V: Variant): Boolean; begin WriteLn('again'); Result := True; end;\n");
  ASSERT_TRUE(s.loaded);
  int looks = 0;
  s.exec.setAttentionHandler([&] {
    if (++looks == 1) s.exec.stop("Script stopped by the user");
  });
  s.exec.requestAttention();
  EXPECT_EQ(s.run(), "error: Script stopped by the user");
  EXPECT_EQ(looks, 1);
  EXPECT_TRUE(s.exec.abortRequested());

  // The abort holds for later calls until the host clears it, reason and all.
  EXPECT_EQ(s.run("Other"), "error: Script stopped by the user");
  s.exec.clearAbort();
  EXPECT_EQ(s.run("Other"), "again\n");
  s.exec.requestAbort();
  EXPECT_EQ(s.run("Other"), "error: Script aborted");
}

TEST(Attention, AHostFunctionThatWaitsServesTheHandlerAndGivesUpOnAStop) {
  int waited = 0;
  const NativeFn wait = [](NativeCall& c) {
    int& rounds = *static_cast<int*>(c.user());
    for (;; ++rounds) {
      c.exec().requestAttention();
      if (c.exec().attend()) throw std::runtime_error("wait given up");
    }
  };
  ScriptWithHostProcedure s("procedure Wait", "WAIT", wait, &waited,
                            "function Main(var V: Variant): Boolean;\n"
                            "begin try Wait; except WriteLn('caught'); end; WriteLn('after'); Result := True; end;\n");
  ASSERT_TRUE(s.loaded);
  int looks = 0;
  s.exec.setAttentionHandler([&] {
    if (++looks == 5) s.exec.stop("Script stopped: it ran longer than 1 s");
  });
  test::printed().clear();
  Value v;
  try {
    s.exec.call(s.exec.findFunction("Main"), v);
    ADD_FAILURE() << "the stopped host function did not end the script";
  } catch (const RuntimeError& error) {
    EXPECT_STREQ(error.what(), "Script stopped: it ran longer than 1 s");
  }
  EXPECT_EQ(test::printed(), "");  // neither the except part nor what follows ran
  EXPECT_EQ(waited, 4);
}

TEST(Attention, AHandlerThatThrowsStopsTheScript) {
  test::Script s("function Main(var V: Variant): Boolean; begin while True do ; end;");
  ASSERT_TRUE(s.loaded);
  s.exec.setAttentionHandler([] { throw std::runtime_error("watch failed"); });
  s.exec.requestAttention();
  EXPECT_EQ(s.run(), "error: Script aborted");
}

}  // namespace
}  // namespace pscript
