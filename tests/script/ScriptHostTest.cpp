// Creation, release and calls by name of the script host, with the exact
// texts the main window and the data model show.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ScriptTestSupport.h"

namespace tarno {
namespace {

using test::CurrentDirectory;
using test::ReadText;
using test::TempFolder;
using test::TestScript;

pscript::Value Empty() { return pscript::Value(); }

TEST(ScriptHostCreation, AScriptOfOnlyFunctionsLoadsAndIsCallable) {
  TScriptObject host(TestScript("minimal.pas").string());
  EXPECT_EQ(host.ErrorText, "");
  EXPECT_TRUE(host.IsLoaded());
  auto call = host.BeginField("Double_DataToText", 1, 'U', u"");
  call->SetElementBytes({21, 0, 0, 0});
  EXPECT_EQ(call->Call(), 1);
  EXPECT_EQ(call->Text(), u"42");
}

TEST(ScriptHostCreation, AMainBlockIsNeverRun) {
  TScriptObject host(TestScript("main_block.pas").string());
  EXPECT_EQ(host.ErrorText, "");
  pscript::Value v;
  EXPECT_EQ(host.CallScriptFunction("Run", v), 1);
  EXPECT_EQ(v.toString(), "ok");
}

TEST(ScriptHostCreation, InitializeReturningFalseStillLoads) {
  TScriptObject host(TestScript("initialize_false.pas").string());
  EXPECT_EQ(host.ErrorText, "");
  EXPECT_TRUE(host.IsLoaded());
}

TEST(ScriptHostCreation, AMissingScriptNamesItsFullPathAndIsNotCompiled) {
  TempFolder folder;
  const std::string path = folder.File("absent.rops");
  TScriptObject host(path);
  EXPECT_EQ(host.ErrorText, "File " + path + " not handled");
  EXPECT_EQ(NeedFileError, host.ErrorText);
  EXPECT_EQ(UsesError, "");
  EXPECT_FALSE(host.IsLoaded());
}

TEST(ScriptHostCreation, AFolderInsteadOfAScriptFileIsNotHandled) {
  TempFolder folder;
  TScriptObject host(folder.Path().string());
  EXPECT_EQ(host.ErrorText, "File " + folder.Path().string() + " not handled");
}

TEST(ScriptHostCreation, IncludesAreReadRelativeToTheCurrentDirectory) {
  TempFolder folder;
  std::filesystem::create_directories(folder.Path() / "inc");
  std::filesystem::copy_file(TestScript("helper.inc"), folder.Path() / "inc" / "helper.inc");
  std::filesystem::create_directories(folder.Path() / "scripts");
  const std::string script = folder.Script("with_include.pas", {{"INCLUDE", "inc/helper.inc"}}, "scripts/main.pas");
  {
    CurrentDirectory here(folder.Path());
    TScriptObject host(script);
    EXPECT_EQ(host.ErrorText, "");
    pscript::Value v = pscript::Value::integer(4);
    EXPECT_EQ(host.CallScriptFunction("Twice", v), 1);
    EXPECT_EQ(v.toInt(), 10);
  }
  {
    // From the script's own folder the same relative name is not found.
    CurrentDirectory there(folder.Path() / "scripts");
    TScriptObject host(script);
    EXPECT_EQ(host.ErrorText, "File inc/helper.inc not handled");
    EXPECT_FALSE(host.IsLoaded());
  }
}

// A pipe would wait for a writer, a device never end, a huge file fill memory:
// an include reads only a regular file of bounded size.
TEST(ScriptHostCreation, IncludesOfPipesDevicesAndHugeFilesAreNotHandled) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo(folder.File("pipe.inc").c_str(), 0666), 0);
  test::WriteText(folder.File("huge.inc"), "");
  std::filesystem::resize_file(folder.File("huge.inc"), uintmax_t{65} << 20);  // sparse: no disk used
  for (const std::string& include : {folder.File("pipe.inc"), std::string("/dev/zero"), folder.File("huge.inc")}) {
    const std::string script = folder.Script("with_include.pas", {{"INCLUDE", include}}, "main.pas");
    TScriptObject host(script);
    EXPECT_EQ(host.ErrorText, "File " + include + " not handled");
    EXPECT_FALSE(host.IsLoaded());
  }
}

TEST(ScriptHostCreation, AUsesClauseIsRefusedWithTheUnitInUpperCase) {
  TScriptObject host(TestScript("uses_classes.pas").string());
  // The refusal has no compiler message of its own, so nothing follows.
  EXPECT_EQ(host.ErrorText, "Uses CLASSES not handled\r\nCould not compile script: ");
  EXPECT_EQ(UsesError, "Uses CLASSES not handled");
  EXPECT_FALSE(host.IsLoaded());

  // SYSTEM is the one unit there is; naming it registers everything once more.
  TScriptObject system(TestScript("uses_system.pas").string());
  EXPECT_EQ(system.ErrorText, "");
  EXPECT_EQ(UsesError, "");
}

TEST(ScriptHostCreation, EveryCompilerMessageGivesOneLineWithParamRowAndColumn) {
  TScriptObject unknown(TestScript("unknown_identifier.pas").string());
  EXPECT_EQ(unknown.ErrorText, "Could not compile script: Error: Frobnicate at [3, 13]\r\n");
  EXPECT_FALSE(unknown.IsLoaded());

  // A syntax error carries no parameter text: nothing between "Error: " and "at".
  TScriptObject syntax(TestScript("missing_semicolon.pas").string());
  EXPECT_EQ(syntax.ErrorText, "Could not compile script: Error:  at [4, 1]\r\n");

  // Warnings and hints get a line too, in the compiler's order.
  TScriptObject warned(TestScript("hint_and_error.pas").string());
  EXPECT_EQ(warned.ErrorText, "Could not compile script: Error: \"True and\" at [7, 18]\r\nError: Missing at [12, 13]\r\n");
}

TEST(ScriptHostCreation, OtherPreprocessorErrorsAreDroppedAndNothingIsCompiled) {
  // The unknown directive stops the preprocessor before it delivers any text,
  // so the empty text compiles and has no Initialize.
  TScriptObject host(TestScript("unknown_directive.pas").string());
  EXPECT_EQ(host.ErrorText, "Could not execute function Initialize");
  EXPECT_TRUE(host.IsLoaded());
}

TEST(ScriptHostCreation, AScriptWithoutInitializeFailsButFinalizeRunsOnRelease) {
  TempFolder folder;
  const std::string marker = folder.File("finalized.txt");
  auto host = std::make_unique<TScriptObject>(folder.Script("no_initialize.pas", {{"MARKER", marker}}));
  EXPECT_EQ(host->ErrorText, "Could not execute function Initialize");
  EXPECT_TRUE(host->IsLoaded());
  EXPECT_FALSE(std::filesystem::exists(marker));
  host.reset();
  EXPECT_EQ(ReadText(marker), "finalized");
}

TEST(ScriptHostCreation, ARunTimeErrorInInitializeIsReported) {
  TScriptObject host(TestScript("initialize_fails.pas").string());
  EXPECT_EQ(host.ErrorText, "Error in execution of function Initialize -> divide by Zero");
  EXPECT_TRUE(host.IsLoaded());
}

TEST(ScriptHostCreation, NamesAreFoundWhateverTheirCase) {
  TempFolder folder;
  const std::string marker = folder.File("initialized.txt");
  TScriptObject host(folder.Script("lower_case_names.pas", {{"MARKER", marker}}));
  EXPECT_EQ(host.ErrorText, "");
  EXPECT_EQ(ReadText(marker), "initialized");
  pscript::Value v;
  EXPECT_EQ(host.CallScriptFunction("mixed_CASE", v), 1);
  EXPECT_EQ(host.CallScriptFunction("MIXED_CASE", v), 1);
}

TEST(ScriptHostCreation, AReloadRunsTheFirstFinalizeBeforeTheSecondInitialize) {
  TempFolder folder;
  const std::string log = folder.File("log.txt");
  test::WriteText(log, "");
  const std::string first = folder.Script("reload_log.pas", {{"LOG", log}, {"NAME", "1"}}, "first.pas");
  const std::string second = folder.Script("reload_log.pas", {{"LOG", log}, {"NAME", "2"}}, "second.pas");
  // What the main window's "Reload script" does with the current host.
  auto current = std::make_unique<TScriptObject>(first);
  current.reset();
  current = std::make_unique<TScriptObject>(second);
  current.reset();
  EXPECT_EQ(ReadText(log), "I1 F1 I2 F2 ");
}

TEST(ScriptHostCalls, AHostWhoseLoadingFailedHasNoExecutioner) {
  TScriptObject host(TestScript("unknown_identifier.pas").string());
  pscript::Value v = Empty();
  EXPECT_EQ(host.CallScriptFunction("Initialize", v), -1);
  EXPECT_EQ(host.ErrorText, "No script executioner");
  auto call = host.BeginField("X_DataToText", 1, 'U', u"");
  EXPECT_EQ(call->Call(), -1);
  EXPECT_EQ(call->ErrorText(), "No script executioner");
}

TEST(ScriptHostCalls, AnUnknownNameIsReportedAsWrittenAndRaisesNothing) {
  TScriptObject host(TestScript("runtime_error.pas").string());
  pscript::Value v;
  EXPECT_EQ(host.CallScriptFunction("NoSuch_DataToText", v), -1);
  EXPECT_EQ(host.ErrorText, "Could not execute function NoSuch_DataToText");
  // A function without the host's signature cannot be called either.
  EXPECT_EQ(host.CallScriptFunction("Plain", v), -1);
  EXPECT_NE(host.ErrorText.find("Plain"), std::string::npos);
}

TEST(ScriptHostCalls, ARunTimeErrorFailsOneCallAndTheNextCallWorks) {
  TScriptObject host(TestScript("runtime_error.pas").string());
  auto call = host.BeginField("Div_DataToText", 1, 'U', u"");
  call->SetElementBytes({0, 0, 0, 0});
  EXPECT_EQ(call->Call(), -1);
  EXPECT_EQ(call->ErrorText(), "Error in execution of function Div_DataToText -> divide by Zero");
  EXPECT_EQ(host.ErrorText, call->ErrorText());
  call->SetElementBytes({4, 0, 0, 0});
  EXPECT_EQ(call->Call(), 1);
  EXPECT_EQ(call->Text(), u"25");
  // A successful call leaves the last failure text in place.
  EXPECT_EQ(host.ErrorText, "Error in execution of function Div_DataToText -> divide by Zero");

  auto custom = host.BeginField("Custom_DataToText", 1, 'U', u"");
  EXPECT_EQ(custom->Call(), -1);
  EXPECT_EQ(custom->ErrorText(), "Error in execution of function Custom_DataToText -> bad channel data");
}

}  // namespace
}  // namespace tarno
