// tarno-cli stops a running script on SIGINT or SIGTERM and on
// --script-timeout: one line on standard error, exit 2, no output file, over
// the real cable map. Time in the script's own modal form does not count
// towards the timeout; a signal stops the script there too. The times from
// signal to exit and the timeout's overshoot are recorded.
#include <gtest/gtest.h>

#include <csignal>

#include "RunProgram.h"
#include "SpawnedProgram.h"

namespace tarno {
namespace {

using std::chrono::milliseconds;

const std::string kSettings = test::SourcePath("data/TarnoChannelEdit.ini");
constexpr milliseconds kScriptStartLimit{60000};  // a loaded machine may take long to start the program
constexpr milliseconds kStopLimit{20000};          // past this the stop counts as lost

// Each script leaves MARKER once its long call has begun, so that the signal
// comes while the call runs.
const char* const kLoopingInitialize =
    "function Initialize(var V: Variant): Boolean;\n"
    "begin FileClose(FileCreate('MARKER')); while True do ; end;\n";
const char* const kLoopingConversion =
    "function Initialize(var V: Variant): Boolean; begin Result := True; end;\n"
    "function NameBE_DataToText(var V: Variant): Boolean;\n"
    "begin FileClose(FileCreate('MARKER')); while True do ; end;\n"
    "function Signed_DataToText(var V: Variant): Boolean;\n"
    "begin FileClose(FileCreate('MARKER')); while True do ; end;\n";
const char* const kWaitingTakeBack =
    "function Initialize(var V: Variant): Boolean; begin Result := True; end;\n"
    "function NameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\n"
    "function FillNameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\n"
    "function Signed_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, '0'); Result := True; end;\n"
    "function NameBE_TextToData(var V: Variant): Boolean;\n"
    "begin FileClose(FileCreate('MARKER')); Delay(600000000); Result := True; end;\n"
    "function Signed_TextToData(var V: Variant): Boolean;\n"
    "begin FileClose(FileCreate('MARKER')); Delay(600000000); Result := True; end;\n";

const char* const kQuickConversions =
    "function Initialize(var V: Variant): Boolean; begin Result := True; end;\n"
    "function NameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\n"
    "function FillNameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\n"
    "function Signed_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, '0'); Result := True; end;\n"
    "function NameBE_TextToData(var V: Variant): Boolean; begin VarSetIndexed(V, 6, ''); Result := True; end;\n"
    "function Signed_TextToData(var V: Variant): Boolean; begin VarSetIndexed(V, 6, ''); Result := True; end;\n";

// Initialize waits in a modal form of its own: for ever, or until its timer
// closes it (a user's answer), or until the timer's handler loops for ever.
const char* const kOwnForm =
    "var F: TForm; T: TTimer;\n"
    "procedure Answer(Sender: TObject); begin T.Enabled := False; F.ModalResult := mrOk; end;\n"
    "procedure Spin(Sender: TObject); begin T.Enabled := False; FileClose(FileCreate('MARKER')); while True do ; end;\n"
    "function Initialize(var V: Variant): Boolean;\n"
    "begin\n"
    "  F := TForm.CreateNew(nil); F.Caption := 'Own form';\n"
    "  T := TTimer.Create(F); T.Interval := 1500; T.Enabled := HANDLER <> '';\n"
    "  if HANDLER = 'answer' then T.OnTimer := @Answer else T.OnTimer := @Spin;\n"
    "  if HANDLER = '' then FileClose(FileCreate('MARKER'));\n"
    "  F.ShowModal; F.Free; Result := True;\n"
    "end;\n"
    "function NameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\n"
    "function FillNameBE_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, 'n'); Result := True; end;\n"
    "function Signed_DataToText(var V: Variant): Boolean; begin VarSetIndexed(V, 6, '0'); Result := True; end;\n";

std::string OwnForm(const std::string& handler) {
  std::string text = kOwnForm;
  for (size_t at = text.find("HANDLER"); at != std::string::npos; at = text.find("HANDLER", at + 1))
    text.replace(at, 7, "'" + handler + "'");
  return text;
}

class CliScriptStop : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test::ExtractSample("channel_list_UE46F7000_1201.scm", dir.Path())); }

  std::string Script(std::string text) {
    for (size_t at = text.find("MARKER"); at != std::string::npos; at = text.find("MARKER", at + 1))
      text.replace(at, 6, Marker());
    test::WriteFile(dir.File("script.rops"), text);
    return dir.File("script.rops");
  }
  std::string Marker() const { return dir.File("running"); }
  std::string CableMap() const { return dir.File("map-CableD"); }
  std::string Output() const { return dir.File("out"); }

  // Starts tarno-cli, signals it once the script's long call runs, and
  // records how long it took from the signal to the exit.
  void RunAndSignal(const std::vector<std::string>& args, int signal, const std::string& expectedError) {
    test::SpawnedProgram program("tarno-cli", args);
    ASSERT_TRUE(program.started());
    ASSERT_TRUE(test::WaitForFile(Marker(), kScriptStartLimit)) << program.err();
    const auto signalled = std::chrono::steady_clock::now();
    program.Signal(signal);
    ASSERT_TRUE(program.WaitFor(kStopLimit)) << "still running after the signal";
    const auto stopped = std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - signalled);
    RecordProperty("signal_to_exit_ms", static_cast<int>(stopped.count()));
    std::cout << "signal " << signal << " to exit: " << stopped.count() << " ms\n";
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_EQ(program.err(), "tarno-cli: " + expectedError + "\n");
  }

  test::TempDir dir;
};

TEST_F(CliScriptStop, AnInterruptEndsALoopingInitialize) {
  RunAndSignal({"roundtrip", "--ini", kSettings, "--script", Script(kLoopingInitialize), CableMap(), Output()}, SIGINT,
               "Error in execution of function Initialize -> Script stopped by the user");
  EXPECT_FALSE(std::filesystem::exists(Output()));
}

TEST_F(CliScriptStop, ATerminationEndsALoopingConversionOfTheLoad) {
  RunAndSignal({"show", "--ini", kSettings, "--script", Script(kLoopingConversion), CableMap()}, SIGTERM,
               "Script error: Error in execution of function NameBE_DataToText -> Script stopped by the user");
}

TEST_F(CliScriptStop, AnInterruptEndsADelayOfTheSaveAndLeavesTheOldOutputWhole) {
  test::WriteFile(Output(), "earlier output");
  RunAndSignal({"edit", "--ini", kSettings, "--script", Script(kWaitingTakeBack), CableMap(), Output(), "select=2,1",
                "type=Edited"},
               SIGINT, "Error in data: Error in execution of function NameBE_TextToData -> Script stopped by the user");
  EXPECT_EQ(test::ReadFile(Output()), "earlier output");
}

TEST_F(CliScriptStop, ATimeoutStopsALongCallAndLeavesShortOnesAlone) {
  const auto stopped = test::RunProgram("tarno-cli", {"roundtrip", "--ini", kSettings, "--script",
                                                      Script(kLoopingInitialize), "--script-timeout", "0.5",
                                                      CableMap(), Output()});
  EXPECT_EQ(stopped.exitCode, 2);
  EXPECT_EQ(stopped.err,
            "tarno-cli: Error in execution of function Initialize -> Script stopped: it ran longer than 0.5 s\n");
  EXPECT_FALSE(std::filesystem::exists(Output()));

  const auto waiting = test::RunProgram("tarno-cli", {"edit", "--ini", kSettings, "--script", Script(kWaitingTakeBack),
                                                      "--script-timeout", "1", CableMap(), Output(), "select=2,1",
                                                      "type=Edited"});
  EXPECT_EQ(waiting.exitCode, 2);
  EXPECT_NE(waiting.err.find("Script stopped: it ran longer than 1 s"), std::string::npos) << waiting.err;
  EXPECT_FALSE(std::filesystem::exists(Output()));

  const auto quick = test::RunProgram("tarno-cli", {"roundtrip", "--ini", kSettings, "--script",
                                                    Script(kQuickConversions), "--script-timeout", "30", CableMap(),
                                                    Output()});
  EXPECT_EQ(quick.exitCode, 0) << quick.err;
  EXPECT_TRUE(std::filesystem::exists(Output()));
}

TEST_F(CliScriptStop, AnInterruptEndsAScriptWaitingInItsOwnModalForm) {
  RunAndSignal({"show", "--ini", kSettings, "--script", Script(OwnForm("")), CableMap()}, SIGINT,
               "Error in execution of function Initialize -> Script stopped by the user");
}

TEST_F(CliScriptStop, ATimeoutLeavesTheScriptsOwnModalFormAloneButStopsAHandlerThatLoopsInIt) {
  const auto answered = test::RunProgram("tarno-cli", {"show", "--ini", kSettings, "--script", Script(OwnForm("answer")),
                                                       "--script-timeout", "1", CableMap()});
  EXPECT_EQ(answered.exitCode, 0) << answered.err;
  EXPECT_EQ(answered.err, "");

  test::SpawnedProgram spinning("tarno-cli", {"show", "--ini", kSettings, "--script", Script(OwnForm("spin")),
                                              "--script-timeout", "1", CableMap()});
  ASSERT_TRUE(spinning.started());
  ASSERT_TRUE(test::WaitForFile(Marker(), kScriptStartLimit)) << spinning.err();
  const auto handlerStarted = std::chrono::steady_clock::now();
  ASSERT_TRUE(spinning.WaitFor(kStopLimit)) << "the timeout did not stop the handler";
  const auto ran = std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - handlerStarted);
  std::cout << "timeout 1 s: the handler ended after " << ran.count() << " ms\n";
  RecordProperty("timeout_1s_handler_ran_ms", static_cast<int>(ran.count()));
  EXPECT_GE(ran, milliseconds(1000));
  EXPECT_EQ(spinning.exitCode(), 2);
  EXPECT_EQ(spinning.err(), "tarno-cli: Error in execution of function Initialize -> Script stopped: it ran longer than 1 s\n");
}

TEST_F(CliScriptStop, ATimeoutMustBeAPositiveNumberOfSeconds) {
  for (const char* bad : {"soon", "0", "-1", "2s"}) {
    const auto result = test::RunProgram("tarno-cli", {"show", "--ini", kSettings, "--script",
                                                       Script(kLoopingInitialize), "--script-timeout", bad, CableMap()});
    EXPECT_EQ(result.exitCode, 2) << bad;
    EXPECT_NE(result.err.find("--script-timeout needs a positive number of seconds"), std::string::npos) << result.err;
  }
}

}  // namespace
}  // namespace tarno
