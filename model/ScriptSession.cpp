#include "ScriptSession.h"

namespace tarno {

void ScriptSession::Release() {
  if (ScriptObject == script_.get()) ScriptObject = nullptr;
  script_.reset();
}

bool ScriptSession::Reload(const std::string& scriptFileName, const LogSink& log, ScriptWatcher* watcher) {
  Release();
  auto script = std::make_unique<TScriptObject>(scriptFileName, watcher);
  if (!script->ErrorText.empty()) {
    log(script->ErrorText);
    return false;  // releasing it runs its "Finalize"
  }
  log("Script loaded without errors");
  script_ = std::move(script);
  ScriptObject = script_.get();
  return true;
}

}  // namespace tarno
