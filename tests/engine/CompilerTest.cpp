// Compiler messages: their texts, parameters and positions as the dialect
// reports them.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace pscript {
namespace {

Message firstMessage(const std::string& text) {
  test::CompileResult r = test::compileText(text);
  EXPECT_FALSE(r.ok);
  return r.messages.empty() ? Message{} : r.messages.front();
}

TEST(CompilerMessages, SyntaxErrorsPointAtTheOffendingToken) {
  Message m = firstMessage("function Main(var V: Variant): Boolean;\nvar\n  I: Integer\nbegin\n  I := 1;\nend;\n");
  EXPECT_EQ(m.toString(), "[Error] (4:1): Semicolon (';') expected");
  EXPECT_EQ(m.param, "");
}

TEST(CompilerMessages, UnknownIdentifierCarriesItsName) {
  Message m = firstMessage("function Main(var V: Variant): Boolean;\nbegin\n  Result := Frobnicate(V);\nend;\n");
  EXPECT_EQ(m.toString(), "[Error] (3:13): Unknown identifier 'Frobnicate'");
  EXPECT_EQ(m.param, "Frobnicate");
}

TEST(CompilerMessages, TypeMismatchIsReportedAfterTheExpression) {
  Message m = firstMessage("function Main(var V: Variant): Boolean;\nvar\n  I: Integer;\nbegin\n  I := 'text';\n  Result := True;\nend;\n");
  EXPECT_EQ(m.toString(), "[Error] (5:14): Type mismatch");
}

TEST(CompilerMessages, UnitsOtherThanSystemFailWithoutMessage) {
  test::CompileResult r = test::compileText("uses Windows;\nfunction Main(var V: Variant): Boolean;\nbegin\nend;\n");
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.messages.empty());
}

TEST(CompilerMessages, RejectedConstructs) {
  EXPECT_EQ(firstMessage("unit X;").text, "'BEGIN' expected");
  EXPECT_EQ(firstMessage("const C: Integer = 5;").text, "is ('=') expected");
  EXPECT_EQ(firstMessage("procedure P; begin Break; end;").text, "Not in a loop");
  EXPECT_EQ(firstMessage("procedure P; begin Inc(X, 2); end;").text, "Unknown identifier 'X'");
  EXPECT_EQ(firstMessage("procedure P; var I: Integer; begin Inc(I, 2); end;").text, "Invalid number of parameters");
  EXPECT_EQ(firstMessage("procedure P; begin").text, "Unexpected end of file");
}

TEST(CompilerMessages, ConstantBooleanOperandEarnsAWarning) {
  test::CompileResult r = test::compileText("function Main(var V: Variant): Boolean;\nbegin\n  Result := True and True;\nend;\n");
  ASSERT_TRUE(r.ok);
  ASSERT_FALSE(r.messages.empty());
  EXPECT_EQ(r.messages[0].toString(), "[Warning] (3:18): \"True and\" is not needed");
  EXPECT_EQ(r.messages[0].param, "\"True and\"");
}

TEST(CompilerOutput, ScriptsWithoutMainBlockOrClosingEndCompile) {
  EXPECT_TRUE(test::compileText("function F(var V: Variant): Boolean; begin Result := True; end;").ok);
  EXPECT_TRUE(test::compileText("begin end.").ok);
}

}  // namespace
}  // namespace pscript
