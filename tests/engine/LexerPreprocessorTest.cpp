// The preprocessor's directives and the compiler's view of tokens.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace pscript {
namespace {

std::string preprocess(const std::map<std::string, std::string>& files, const std::string& main = "main.pas") {
  PreProcessor pp;
  pp.onNeedFile = [&files](PreProcessor&, const std::string&, std::string& name, std::string& out) {
    auto it = files.find(name);
    if (it == files.end()) return false;
    out = it->second;
    return true;
  };
  return pp.preprocess(main);
}

TEST(Preprocessor, ReadsMainFileThroughCallbackAndSplicesIncludes) {
  std::string out = preprocess({{"main.pas", "a{$I inc.inc}b"}, {"inc.inc", "XY"}});
  EXPECT_EQ(out, "aXY" + std::string(12, ' ') + "b");
}

TEST(Preprocessor, ConditionalsKeepPositionsWithSpaces) {
  std::string out = preprocess({{"main.pas", "{$DEFINE A}{$IFDEF A}x{$ELSE}y{$ENDIF}{$IFNDEF A}z{$ENDIF}"}});
  EXPECT_EQ(out.find_first_not_of(' '), out.find('x'));
  EXPECT_EQ(out.find('y'), std::string::npos);
  EXPECT_EQ(out.find('z'), std::string::npos);
  EXPECT_EQ(out.size(), std::string("{$DEFINE A}{$IFDEF A}x{$ELSE}y{$ENDIF}{$IFNDEF A}z{$ENDIF}").size());
}

TEST(Preprocessor, PredefinesVer23AndLinux) {
  std::string out = preprocess({{"main.pas", "{$IFDEF VER23}a{$ENDIF}{$IFDEF LINUX}b{$ENDIF}"}});
  EXPECT_NE(out.find('a'), std::string::npos);
  EXPECT_NE(out.find('b'), std::string::npos);
}

TEST(Preprocessor, FaultyDirectivesRaiseWithTheDialectsTexts) {
  auto message = [](const std::string& text) {
    try {
      preprocess({{"main.pas", text}});
    } catch (const PreProcessorError& e) {
      return std::string(e.what());
    }
    return std::string("<no error>");
  };
  EXPECT_EQ(message("{$R+}"), "Unknown compiler directives at 1:1");
  EXPECT_EQ(message("{$ENDIF}"), "No IFDEF for ENDIF at 1:1");
  EXPECT_EQ(message("{$IFDEF X}"), "Define not closed");
  EXPECT_EQ(message("{$IFDEF X}{$ELSE}{$ELSE}{$ENDIF}"), "Can't use ELSE twice at 1:18");
  EXPECT_EQ(message("{$I missing.inc}"), "Unable to find file 'missing.inc' used from 'main.pas'");
  EXPECT_EQ(message("'{$R+}'"), "<no error>");  // inside a string it is text
}

TEST(Preprocessor, IncludeNestingIsLimited) {
  try {
    preprocess({{"main.pas", "{$I main.pas}"}});
    FAIL() << "self-include must stop";
  } catch (const PreProcessorError& e) {
    EXPECT_NE(std::string(e.what()).find("Too many nested include files"), std::string::npos);
  }
}

TEST(Lexer, LiteralsOfAllFormsReachTheScript) {
  test::Script s(
      "function Main(var V: Variant): Boolean;\n"
      "begin\n"
      "  WriteLn(IntToStr($FF) + ' ' + 'it''s' + #65#$42 + 'c'#67);\n"
      "  { brace } (* paren *) // line\n"
      "  Result := True;\n"
      "end;\n");
  ASSERT_TRUE(s.loaded);
  EXPECT_EQ(s.run(), "255 it'sABcC\n");
}

}  // namespace
}  // namespace pscript
