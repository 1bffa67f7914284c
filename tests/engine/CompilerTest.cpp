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

namespace pscript {
namespace {

TEST(CompilerMessages, PositionsFollowWhereTheReferenceChecks) {
  // operator mismatches: at the token after the right operand
  EXPECT_EQ(firstMessage("function Main(var V: Variant): Boolean;\nvar S: string;\nbegin\n  S := 'a' - 'b';\nend;\n").toString(),
            "[Error] (4:17): Type mismatch");
  // call argument mismatches: at the end of the statement
  EXPECT_EQ(firstMessage("function F(I: Integer): Integer; begin Result := I; end;\n"
                         "function Main(var V: Variant): Boolean;\nbegin\n  Result := F('text') = 1;\nend;\n").toString(),
            "[Error] (4:26): Type mismatch");
  // surplus arguments: after the closing parenthesis
  EXPECT_EQ(firstMessage("function F(I: Integer): Integer; begin Result := I; end;\n"
                         "function Main(var V: Variant): Boolean;\nbegin\n  Result := F(1, 2) = 1;\nend;\n").toString(),
            "[Error] (4:21): Invalid number of parameters");
}

TEST(CompilerMessages, UnusedVariablesAndResultEarnHints) {
  test::CompileResult r = test::compileText("function F(var V: Variant): Boolean;\nvar Unused: Integer;\nbegin\nend;\n");
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.messages.size(), 2u);
  EXPECT_EQ(r.messages[0].toString(), "[Hint] (2:5): Variable 'UNUSED' never used");
  EXPECT_EQ(r.messages[1].toString(), "[Hint] (1:10): Variable 'Result' never used");
}

TEST(CompilerMessages, LexerErrorsEndTheText) {
  test::CompileResult r = test::compileText("function Main(var V: Variant): Boolean;\nbegin\n  WriteLn('never closed);\nend;\n");
  ASSERT_EQ(r.messages.size(), 2u);
  EXPECT_EQ(r.messages[0].toString(), "[Error] (3:11): String error");
  EXPECT_EQ(r.messages[1].toString(), "[Error] (3:11): Syntax error");
}

}  // namespace
}  // namespace pscript
