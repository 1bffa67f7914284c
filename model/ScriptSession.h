// The current user script: "Reload script" and the release at exit, as the
// main window and the command-line tool run them.
#pragma once

#include <memory>
#include <string>

#include "LogSink.h"
#include "ScriptObject.h"

namespace tarno {

class ScriptSession {
 public:
  ScriptSession() = default;
  ~ScriptSession() { Release(); }
  ScriptSession(const ScriptSession&) = delete;
  ScriptSession& operator=(const ScriptSession&) = delete;

  // Releases the current script (running its "Finalize"), then compiles and
  // initialises the script at path. Logs "Script loaded without errors" and makes
  // it the current script, or logs its error text and leaves no script current.
  // The watcher, when given, sees every call of the new script that runs
  // (see TScriptObject) and must outlive it.
  bool Reload(const std::string& scriptFileName, const LogSink& log, ScriptWatcher* watcher = nullptr);
  // Releases the current script, if any; no script is current afterwards.
  void Release();
  bool HasScript() const { return script_ != nullptr; }

 private:
  std::unique_ptr<TScriptObject> script_;
};

}  // namespace tarno
