// The engine's import libraries as scripts use them: classes, menus and library
// calls. The date and time library is tested with the host functions.
#include <gtest/gtest.h>

#include <unistd.h>

#include "ScriptTestSupport.h"

namespace tarno {
namespace {

using pscript::Value;

std::string RunText(TScriptObject& host, const std::string& name, const std::string& input) {
  Value v = Value::string(input);
  EXPECT_EQ(host.CallScriptFunction(name, v), 1) << host.ErrorText;
  return v.toString();
}

TEST(ImportLibraries, ClassesGiveTStringList) {
  TScriptObject host(test::TestScript("classes_stringlist.pas").string());
  ASSERT_EQ(host.ErrorText, "");
  EXPECT_EQ(RunText(host, "Sorted", "b,c,a"), "a,b,c/3");
}

TEST(ImportLibraries, MenusGiveTheShortCutFunctions) {
  TScriptObject host(test::TestScript("menu_shortcuts.pas").string());
  ASSERT_EQ(host.ErrorText, "");
  EXPECT_EQ(RunText(host, "Shortcuts", ""), "16467,Ctrl+S,16467,83,1");
}

TEST(ImportLibraries, LibraryCallsGiveExternalDeclarations) {
  TScriptObject host(test::TestScript("dll_external.pas").string());
  ASSERT_EQ(host.ErrorText, "");
  EXPECT_EQ(RunText(host, "Pid", ""), std::to_string(getpid()));
}

}  // namespace
}  // namespace tarno
