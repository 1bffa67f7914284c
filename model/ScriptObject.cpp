// The script host: creation in fixed steps, calls by name, and the argument
// array of the field conversions.
#include "ScriptObject.h"

#include <pscript/pscript.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <optional>

#include "AttentionTicker.h"
#include "ScriptFunctions.h"
#include "StandardScriptFunctions.h"

namespace tarno {

std::string NeedFileError;
std::string UsesError;

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr int kArgumentCount = 7;
constexpr int kTextIndex = 6;

// No script or include file comes near this; the engine takes no larger source.
constexpr size_t kMaxScriptFileBytes = size_t{64} << 20;

// Only a regular file of bounded size: a pipe or a device would never end.
bool ReadScriptFile(const std::string& fileName, std::string& bytes) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info {};
  bool read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<uint64_t>(info.st_size) <= kMaxScriptFileBytes;
  if (read) {
    bytes.assign(static_cast<size_t>(info.st_size), '\0');
    size_t at = 0;
    while (read && at < bytes.size()) {
      const ssize_t got = ::pread(fd, bytes.data() + at, bytes.size() - at, static_cast<off_t>(at));
      if (got < 0 && errno == EINTR) continue;
      read = got > 0;
      if (read) at += static_cast<size_t>(got);
    }
  }
  ::close(fd);
  return read;
}

// The text as lines (ended by CR LF, CR or LF, the last one perhaps by nothing),
// each ended by CR LF.
std::string WithCrLfLines(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 16);
  size_t at = 0;
  while (at < bytes.size()) {
    const size_t end = bytes.find_first_of("\r\n", at);
    out.append(bytes, at, end == std::string::npos ? std::string::npos : end - at);
    out += kCrLf;
    if (end == std::string::npos) break;
    at = end + 1;
    if (bytes[end] == '\r' && at < bytes.size() && bytes[at] == '\n') ++at;
  }
  return out;
}

// "Error: %s at [%d, %d]" for every message, errors, warnings and hints alike.
std::string CompilerMessageLines(const pscript::Compiler& compiler) {
  std::string lines;
  for (const pscript::Message& message : compiler.messages())
    lines += "Error: " + message.param + " at [" + std::to_string(message.row) + ", " + std::to_string(message.col) +
             "]" + kCrLf;
  return lines;
}

// The engine reports its faults through results; anything it throws still
// only fails the creation.
bool CompiledWithoutException(pscript::Compiler& compiler, const std::string& text) {
  try {
    return compiler.compile(text);
  } catch (const std::exception&) {
    return false;
  }
}

bool LoadedWithoutException(pscript::Exec& exec, const std::string& code) {
  try {
    return exec.load(code);
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

bool ScriptOnNeedFile(pscript::PreProcessor& /*sender*/, const std::string& /*callingFile*/, std::string& fileName,
                      std::string& output) {
  std::string bytes;
  if (!ReadScriptFile(fileName, bytes)) {
    NeedFileError = "File " + fileName + " not handled";
    return false;
  }
  output = WithCrLfLines(bytes);
  return true;
}

bool ScriptOnUses(pscript::Compiler& sender, const std::string& unitName) {
  if (unitName == "SYSTEM") {
    RegisterScriptFunctionsCompiletime(sender);
    RegisterImportsCompiletime(sender);
    return true;
  }
  UsesError = "Uses " + unitName + " not handled";
  return false;
}

// ---------------------------------------------------------------- creation

TScriptObject::TScriptObject(const std::string& scriptFileName, ScriptWatcher* watcher)
    : state_(std::make_unique<ScriptFunctionState>()), watcher_(watcher) {
  UsesError.clear();
  NeedFileError.clear();
  ErrorText.clear();
  std::string text;
  if (!Preprocess(scriptFileName, text)) return;
  std::string code;
  if (!Compile(text, code)) return;
  Load(code);
  if (!exec_) return;
  StartWatching();
  pscript::Value empty;
  CallScriptFunction("Initialize", empty);  // on -1 ErrorText holds the reason
}

// Every file comes through ScriptOnNeedFile, the main file too. Preprocessing
// errors other than a file that could not be read are dropped: what was
// delivered until then (nothing) is compiled.
bool TScriptObject::Preprocess(const std::string& scriptFileName, std::string& text) {
  pscript::PreProcessor preprocessor;
  preprocessor.mainFileName.clear();
  preprocessor.onNeedFile = ScriptOnNeedFile;
  try {
    text = preprocessor.preprocess(scriptFileName);
  } catch (const std::exception&) {
    // Both kinds of failure are judged by NeedFileError below.
  }
  if (!NeedFileError.empty()) {
    ErrorText = NeedFileError;
    return false;
  }
  return true;
}

bool TScriptObject::Compile(const std::string& text, std::string& code) {
  pscript::Compiler compiler;
  compiler.onUses = ScriptOnUses;
  compiler.allowNoBegin = true;
  compiler.allowNoEnd = true;
  if (!CompiledWithoutException(compiler, text)) {
    if (!UsesError.empty()) ErrorText = UsesError + kCrLf;
    ErrorText += "Could not compile script: ";
    ErrorText += CompilerMessageLines(compiler);
    return false;
  }
  code = compiler.output();
  return true;
}

void TScriptObject::Load(const std::string& code) {
  classImporter_ = std::make_unique<pscript::ClassImporter>();
  RegisterScriptClassesRuntime(*classImporter_);
  RegisterImportClassesRuntime(*classImporter_);
  exec_ = std::make_unique<pscript::Exec>();
  exec_->setClassImporter(classImporter_.get());
  RegisterScriptFunctionsRuntime(*exec_, *state_);
  RegisterImportFunctionsRuntime(*exec_);
  if (!LoadedWithoutException(*exec_, code)) {
    ErrorText = "Could not execute the script";
    exec_.reset();
    classImporter_.reset();
  }
}

TScriptObject::~TScriptObject() {
  pscript::Value empty;
  CallScriptFunction("Finalize", empty);
  UnregisterUserWaitListener(this);
  ticker_.reset();  // before the executor it ticks on
  exec_.reset();
  classImporter_.reset();
}

// ---------------------------------------------------------------- calls

// Cached by the name as the caller spells it (the executor matches it without
// regard to case), so the conversion of a field costs one hash look-up.
int TScriptObject::FindProcIndex(const std::string& name) {
  const auto cached = procIndexes_.find(name);
  if (cached != procIndexes_.end()) return cached->second;
  const pscript::ProcHandle proc = exec_->findFunction(name);
  const int index = proc ? proc.index : -1;
  procIndexes_.emplace(name, index);
  return index;
}

int TScriptObject::CallScriptFunction(const std::string& name, pscript::Value& argument) {
  if (!exec_) {
    ErrorText = "No script executioner";
    return -1;
  }
  return CallFound(name, FindProcIndex(name), argument);
}

int TScriptObject::CallFound(const std::string& name, int procIndex, pscript::Value& argument) {
  if (procIndex < 0) {
    ErrorText = "Could not execute function " + name;
    return -1;
  }
  // Built only when a call fails: this runs once per converted cell.
  auto failure = [&name](const std::string& why) { return "Error in execution of function " + name + " -> " + why; };
  if (const std::optional<std::string> stop = watcher_ ? watcher_->StandingStop() : std::nullopt) {
    ErrorText = failure(*stop);
    return -1;
  }
  ++callSerial_;
  struct Running {
    int& calls;
    explicit Running(int& count) : calls(++count) {}
    ~Running() { --calls; }
  } running(runningCalls_);
  int result = -1;
  try {
    result = exec_->call(pscript::ProcHandle{procIndex}, argument) ? 1 : 0;
  } catch (const std::exception& error) {
    ErrorText = failure(error.what());
    exec_->clearAbort();  // a stopped script takes its next call afresh
  }
  if (watching_) EndWatching();
  return result;
}

// ---------------------------------------------------------------- watching running calls

void TScriptObject::StartWatching() {
  if (!watcher_) return;
  SetUserWaitListener(this);
  exec_->setAttentionHandler([this] { WatchRunningCall(); });
  pscript::Exec* exec = exec_.get();
  ticker_ = std::make_unique<AttentionTicker>([exec] { exec->requestAttention(); }, kScriptWatchInterval);
}

void TScriptObject::WatchRunningCall() {
  const auto now = std::chrono::steady_clock::now();
  if (!watching_ || watchedSerial_ != callSerial_ || clockRestarts_) {
    watchedSerial_ = callSerial_;
    watchedSince_ = now;
    clockRestarts_ = false;
  }
  watching_ = true;
  const auto running = WaitsForUser() ? std::chrono::milliseconds(0)
                                      : std::chrono::duration_cast<std::chrono::milliseconds>(now - watchedSince_);
  if (const std::optional<std::string> reason = watcher_->Watch(running)) exec_->stop(*reason);
  ticker_->Served();
}

void TScriptObject::EndWatching() {
  watching_ = false;
  watcher_->CallEnded();
}

bool TScriptObject::WaitsForUser() const { return !activities_.empty() && activities_.back() == Activity::UserWait; }

void TScriptObject::UserWaitBegins() {
  activities_.push_back(Activity::UserWait);
  clockRestarts_ = true;
  watcher_->WaitingForUser();
}

void TScriptObject::UserWaitEnds() {
  if (!activities_.empty()) activities_.pop_back();
  clockRestarts_ = true;  // the user has answered: the script runs again from now
}

// A handler the user starts in a waiting window, or one that runs between
// calls (a timer's), is timed on its own; one that runs inside a running call
// (an event the call itself caused) is part of that call.
void TScriptObject::HandlerBegins() {
  const bool ownClock = activities_.empty() ? runningCalls_ == 0 : activities_.back() == Activity::UserWait;
  activities_.push_back(ownClock ? Activity::TimedHandler : Activity::Handler);
  if (ownClock) clockRestarts_ = true;
}

void TScriptObject::HandlerEnds() {
  if (activities_.empty()) return;
  const Activity ended = activities_.back();
  activities_.pop_back();
  if (ended != Activity::TimedHandler) return;
  clockRestarts_ = true;
  if (!activities_.empty()) {
    watcher_->WaitingForUser();  // back in the waiting window
  } else if (runningCalls_ == 0) {
    // A handler between calls was a call of its own: so ends its watch and its stop.
    if (watching_) EndWatching();
    exec_->clearAbort();
  }
}

// ---------------------------------------------------------------- field conversions

// Holds the argument array for all elements of one field; each call passes
// the same array by reference, so what the script leaves in it stays.
class TScriptObject::FieldCall : public ScriptFieldCall {
 public:
  FieldCall(TScriptObject& host, std::string functionName, int elementSize, char typeChar, const std::u16string& text)
      : host_(host), name_(std::move(functionName)), args_(pscript::Value::newVarArray(0, kArgumentCount - 1)) {
    for (int i = 0; i < kMaxElementSize; ++i) args_.arraySet(i, Byte(0));
    args_.arraySet(4, pscript::Value::integer(elementSize, pscript::varInteger));
    args_.arraySet(5, Byte(static_cast<unsigned char>(typeChar)));
    args_.arraySet(kTextIndex, pscript::Value::wideString(text));
  }

  // A script that replaced the whole array with something else gets it back
  // unchanged; only an array has element bytes to refresh.
  void SetElementBytes(const ElementBytes& bytes) override {
    if (!HasElements()) return;
    args_.arraySetBytes(0, bytes.data(), bytes.size());
  }

  // The function is looked up on the first call only.
  int Call() override {
    int result = -1;
    if (!host_.exec_) {
      result = host_.CallScriptFunction(name_, args_);
    } else {
      if (!procIndex_) procIndex_ = host_.FindProcIndex(name_);
      result = host_.CallFound(name_, *procIndex_, args_);
    }
    if (result < 0) error_ = host_.ErrorText;
    return result;
  }

  // What a script left in indices 0 to 3, cut to 8 bits; 0 where it left
  // something that is no number.
  ElementBytes ElementBytesResult() const override {
    ElementBytes bytes{};
    if (!HasElements()) return bytes;
    for (int i = 0; i < kMaxElementSize; ++i) bytes[static_cast<size_t>(i)] = LowByte(args_.arrayAt(i));
    return bytes;
  }

  // Index 6 as text. Something that is no text (an array, say) gives U+FFFD,
  // so that it never passes for text fully consumed.
  std::u16string Text() const override {
    if (!HasElements()) return kNotText;
    try {
      return args_.arrayAt(kTextIndex).toWideString();
    } catch (const std::exception&) {
      return kNotText;
    }
  }

  std::string ErrorText() const override { return error_; }

 private:
  static pscript::Value Byte(unsigned value) { return pscript::Value::integer(value & 0xFF, pscript::varByte); }

  static uint8_t LowByte(const pscript::Value& value) {
    try {
      return static_cast<uint8_t>(value.toInt() & 0xFF);
    } catch (const std::exception&) {
      return 0;
    }
  }

  bool HasElements() const {
    return args_.isArray() && args_.arrayLow() == 0 && args_.arrayHigh() >= kArgumentCount - 1;
  }

  static inline const std::u16string kNotText{u"\uFFFD"};

  TScriptObject& host_;
  std::string name_;
  std::optional<int> procIndex_;
  pscript::Value args_;
  std::string error_;
};

std::unique_ptr<ScriptFieldCall> TScriptObject::BeginField(const std::string& functionName, int elementSize,
                                                           char typeChar, const std::u16string& text) {
  return std::make_unique<FieldCall>(*this, functionName, elementSize, typeChar, text);
}

}  // namespace tarno
