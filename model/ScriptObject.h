// The script host: one compiled and loaded user script whose functions the
// editor calls by name. Script faults never escape as exceptions; they leave
// their reason in ErrorText.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ScriptConversionHost.h"
#include "ScriptWatcher.h"
#include "UserWait.h"

namespace pscript {
class ClassImporter;
class Compiler;
class Exec;
class PreProcessor;
class Value;
}  // namespace pscript

namespace tarno {

class AttentionTicker;
struct ScriptFunctionState;

// Left by the callbacks for the creation that is running; cleared at the
// start of every creation. Only one creation may run at a time.
extern std::string NeedFileError;
extern std::string UsesError;

// Supplies the text of the script and of its include files: the file named
// exactly as given (a relative include name is taken from the current
// directory), each line ended by CR LF.
bool ScriptOnNeedFile(pscript::PreProcessor& sender, const std::string& callingFile, std::string& fileName,
                      std::string& output);
// Accepts unit SYSTEM (and registers everything scripts get), refuses any other.
bool ScriptOnUses(pscript::Compiler& sender, const std::string& unitName);

class TScriptObject : public ScriptConversionHost, private UserWaitListener {
 public:
  // Preprocesses, compiles and loads the script at that full path and runs its
  // "Initialize". ErrorText is empty when all of it succeeded. A watcher (it
  // must outlive the host) sees every call that runs, "Initialize" and
  // "Finalize" included, and may stop it.
  explicit TScriptObject(const std::string& scriptFileName, ScriptWatcher* watcher = nullptr);
  // Runs "Finalize", then releases the executor and the class importer.
  ~TScriptObject() override;
  TScriptObject(const TScriptObject&) = delete;
  TScriptObject& operator=(const TScriptObject&) = delete;

  // 1: the function returned True; 0: False; -1: it is missing or failed, and
  // ErrorText says why. Names are matched without regard to case.
  int CallScriptFunction(const std::string& name, pscript::Value& argument);

  // The seven-element argument array of one field conversion, called once per element.
  std::unique_ptr<ScriptFieldCall> BeginField(const std::string& functionName, int elementSize, char typeChar,
                                              const std::u16string& text) override;

  bool IsLoaded() const { return exec_ != nullptr; }

  std::string ErrorText;

 private:
  class FieldCall;

  bool Preprocess(const std::string& scriptFileName, std::string& text);
  bool Compile(const std::string& text, std::string& code);
  void Load(const std::string& code);
  int FindProcIndex(const std::string& name);  // -1 when the script has no such function
  int CallFound(const std::string& name, int procIndex, pscript::Value& argument);
  void StartWatching();
  void WatchRunningCall();  // the executor's attention handler
  void EndWatching();
  bool WaitsForUser() const;

  // The script's own modal windows and their handlers.
  void UserWaitBegins() override;
  void UserWaitEnds() override;
  void HandlerBegins() override;
  void HandlerEnds() override;

  // Owned by the script: its memory blocks and open files. Declared first so
  // that it outlives the executor whose native functions use it.
  std::unique_ptr<ScriptFunctionState> state_;
  std::unique_ptr<pscript::ClassImporter> classImporter_;
  std::unique_ptr<pscript::Exec> exec_;
  // Function indexes by name as spelled, so each spelling is looked up once.
  std::unordered_map<std::string, int> procIndexes_;

  // The watch of running calls: each call has a new serial number; the clock
  // of a call starts when the watch first sees it.
  ScriptWatcher* watcher_ = nullptr;
  std::unique_ptr<AttentionTicker> ticker_;
  uint64_t callSerial_ = 0;
  uint64_t watchedSerial_ = 0;
  std::chrono::steady_clock::time_point watchedSince_;
  bool watching_ = false;
  bool clockRestarts_ = false;  // the next look starts the clock again
  int runningCalls_ = 0;
  // What the script does now, innermost last: it waits for the user, runs a
  // handler on the clock of what runs around it, or a handler on its own clock.
  enum class Activity { UserWait, Handler, TimedHandler };
  std::vector<Activity> activities_;
};

}  // namespace tarno
