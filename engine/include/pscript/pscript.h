// The Pascal Script engine: preprocessor, compiler, class importer and
// executor. A host plugs in through callbacks and native functions; the
// engine knows nothing of the host's data.
#pragma once

#include <pscript/errors.h>
#include <pscript/value.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pscript {

class Compiler;

// ---------------------------------------------------------------- preprocessor

// Raised by PreProcessor::preprocess; what() is the message.
class PreProcessorError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PreProcessor {
 public:
  // Supplies the text of a file; false when it cannot.
  using NeedFile = std::function<bool(PreProcessor&, const std::string& callingFile,
                                      std::string& fileName, std::string& output)>;
  NeedFile onNeedFile;
  std::string mainFileName;  // empty: the main file too is read through onNeedFile
  std::string mainFile;      // text of the main file when mainFileName is set
  std::vector<std::string> defines{"VER23", "LINUX"};

  // Throws PreProcessorError.
  std::string preprocess(const std::string& fileName);
  // Maps compiler message positions from the combined text back into files.
  void adjustMessages(Compiler& compiler) const;

 private:
  // A stretch of the output that comes from one file; the file's text is shared by its spans.
  struct Span { size_t start, end; std::string file; size_t fileOffset; std::shared_ptr<const std::string> text; };
  std::vector<Span> spans_;
  friend struct PreProcessRun;
};

// ---------------------------------------------------------------- compiler

struct Message {
  enum class Kind { Error, Warning, Hint };
  Kind kind = Kind::Error;
  std::string text;    // the whole message text
  std::string param;   // the variable part (identifier, type name), often empty
  std::string module;  // file name after PreProcessor::adjustMessages
  int row = 0, col = 0;
  size_t pos = 0;      // offset in the compiled text
  std::string toString() const; // "[Error] (3:13): Unknown identifier 'X'"
};

class Compiler {
 public:
  Compiler();
  ~Compiler();
  Compiler(const Compiler&) = delete;
  Compiler& operator=(const Compiler&) = delete;

  // Called with "SYSTEM" before parsing, then with each unit of a uses clause.
  std::function<bool(Compiler&, const std::string& unitName)> onUses;
  bool allowNoBegin = false;
  bool allowNoEnd = false;

  // Declares a host function from its Pascal declaration; false if it cannot be parsed.
  bool addFunction(std::string_view declaration);
  // Lets the script declare external routines (the dll library); call from onUses.
  void allowExternalDeclarations();
  // Type and const sections in Pascal text ("type TDuplicates = (dupIgnore,
  // dupAccept); const fmCreate = $FFFF;"); false if they cannot be parsed.
  bool addDeclarations(std::string_view text);
  // Declares an imported class; ancestor "" for a root class. An abstract
  // class may be constructed, with a warning.
  bool addClass(std::string_view name, std::string_view ancestor, bool isAbstract = false);
  // One member of a declared class, as Pascal text: "function Add(S: string):
  // Integer;", "constructor Create(AOwner: TComponent); virtual;",
  // "property Strings[Index: Integer]: string read write; default;",
  // "property Count: Integer read;". Without read/write a property is both.
  bool addClassMember(std::string_view className, std::string_view declaration);
  // The declared classes with their members' kinds and parameter and result
  // types, one member a line, sorted; call from onUses (after registering).
  // The form of the reference runner's declarations mode, for comparison.
  std::string describeClasses() const;
  bool compile(std::string_view source);
  const std::vector<Message>& messages() const;
  std::vector<Message>& messages();
  // The compiled module (empty after a failed compilation).
  const std::string& output() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// ---------------------------------------------------------------- run time

class Exec;

// The arguments of one native call. arg(i) is the parameter's storage: for
// a var parameter it is the caller's variable itself.
class NativeCall {
 public:
  Value& arg(int i) const {
    if (i < 0 || i >= count_) return argOutOfRange();
    Value& v = args_[i];
    return v.type() == vtSlotRef ? *v.slotRef() : v.type() == vtElemRef ? element(v) : v;
  }
  int count() const { return count_; }
  Value& result() const { return *result_; }
  Exec& exec() const { return *exec_; }
  void* user() const { return user_; }

 private:
  friend class Vm;
  friend struct ObjectCalls;
  [[noreturn]] static Value& argOutOfRange();
  static Value& element(const Value& ref);
  Value* args_ = nullptr;
  Value* result_ = nullptr;
  Exec* exec_ = nullptr;
  void* user_ = nullptr;
  int count_ = 0;
};

// A native function; raise errors by throwing ScriptError or std::exception.
using NativeFn = void (*)(NativeCall&);

// An external routine: "function F(...): T; external 'symbol@library [cc]
// [delayload]'". The host binds it to native code (Exec::setExternalBinder).
struct ExternalDecl {
  // How a parameter or the result is passed; Other: no native form.
  enum class Kind : uint8_t {
    None, Int8, UInt8, Int16, UInt16, Int32, UInt32, Int64, Boolean, Char, WideChar, Single, Double, String, Other
  };
  struct Param {
    Kind kind = Kind::Other;
    bool byRef = false;  // var / out
  };
  std::string symbol;
  std::string library;
  std::string callingConvention;  // upper case: REGISTER (the default), STDCALL, CDECL or PASCAL
  bool delayLoad = false;
  std::vector<Param> params;
  Kind result = Kind::None;
};

// Binds an external routine to a callable that reads the call's arguments and
// sets its result; returns an empty callable (and sets error) when it cannot.
using ExternalCall = std::function<void(NativeCall&)>;
using ExternalBinder = std::function<ExternalCall(const ExternalDecl&, std::string& error)>;
// An instance of an imported class. The Exec owns it behind a handle;
// scripts free it with Free, and whatever is left goes with the Exec.
class ScriptObject {
 public:
  virtual ~ScriptObject() = default;
  // Called by Free before the object goes: frees what it owns (through exec).
  virtual void freeing(Exec& exec) { (void)exec; }
};

// Run-time side of imported classes: ancestry, how to make an instance, and
// the natives behind methods and properties. A method's or property
// accessor's NativeCall has Self as arg(0), then the parameters (for a
// property: its indexes, then the new value of a write). A constructor gets
// the fresh instance as arg(0). The compile-time side is Compiler::addClass.
// Free is the engine's own: it runs ScriptObject::freeing and drops the
// handle (Free on nil or on a freed object is a Null Pointer Exception).
// The importer must outlive every load and call of the Exec that uses it.
class ClassImporter {
 public:
  using Factory = std::unique_ptr<ScriptObject> (*)();
  // Names are matched in upper case; factory may be null for classes that
  // only their descendants instantiate.
  void registerClass(const std::string& name, const std::string& ancestor, Factory factory = nullptr);
  void registerMethod(const std::string& className, const std::string& method, NativeFn fn, void* user = nullptr);
  void registerProperty(const std::string& className, const std::string& property, NativeFn read, NativeFn write,
                        void* user = nullptr);

  struct Binding { NativeFn fn = nullptr; void* user = nullptr; };
  struct ClassEntry {
    std::string spelled, ancestor;  // ancestor in upper case, "" for a root
    Factory factory = nullptr;
    std::vector<std::pair<std::string, Binding>> methods, readers, writers;
  };
  const ClassEntry* find(const std::string& upperName) const;
  // Whether class upperName is upperAncestor or descends from it.
  bool inherits(const std::string& upperName, const std::string& upperAncestor) const;

 private:
  ClassEntry& entry(const std::string& name);
  std::vector<std::pair<std::string, ClassEntry>> classes_;
};

// A script function found by name; valid while its Exec holds the module.
struct ProcHandle {
  int index = -1;
  explicit operator bool() const { return index >= 0; }
};

// One argument of a call from the host into a script procedure: a value, or
// a host variable for a var parameter (the procedure works on it in place).
struct ProcArg {
  Value value;
  Value* ref = nullptr;
  static ProcArg byValue(Value v) { ProcArg a; a.value = std::move(v); return a; }
  static ProcArg byRef(Value& v) { ProcArg a; a.ref = &v; return a; }
};

class Exec {
 public:
  Exec();
  ~Exec();
  Exec(const Exec&) = delete;
  Exec& operator=(const Exec&) = delete;

  void setClassImporter(ClassImporter* importer) { classes_ = importer; }
  // Binds a native function; the name is matched in upper case.
  void registerFunction(const std::string& name, NativeFn fn, void* user = nullptr);

  // Binds the module's external routines at load time, or at their first
  // call with delayload. Without a binder, a module with externals fails to load.
  void setExternalBinder(ExternalBinder binder);
  // Drops the bindings of one library's routines: their next call binds again.
  void unbindExternals(std::string_view library);
  bool load(std::string_view module);
  const std::string& loadError() const;

  ProcHandle findFunction(std::string_view name) const;
  // Calls function F(var V: Variant): Boolean. Throws RuntimeError.
  bool call(ProcHandle proc, Value& v);
  // Runs a procedure without parameters (Main-style); throws RuntimeError.
  void run(ProcHandle proc);

  // Procedural values (@Routine, an event handler a script stored in a host
  // object). Whether v names a routine of the loaded module (nil does not).
  bool isProcValue(const Value& v) const;
  // Calls the routine v names with args, which must match its parameters
  // (the declared event type says which are var). Works between calls and
  // from inside a native function: the routine then runs above the caller's
  // frame, and the caller's exception state is kept. Returns the function's
  // result (empty for a procedure). Throws RuntimeError: the routine's own
  // error, Could Not Call Proc for a value that names no routine or a wrong
  // argument count, Out Of Stack Range past kMaxHostCallNesting.
  Value callProcValue(const Value& v, std::vector<ProcArg>& args);

  // Set from any thread: a running script stops with a run-time error at its
  // next loop iteration or call; later calls stop likewise until clearAbort().
  void requestAbort() {
    abort_.store(true, std::memory_order_relaxed);
    attention_.store(true, std::memory_order_relaxed);
  }
  // Also forgets the reason given to stop().
  void clearAbort();
  bool abortRequested() const { return abort_.load(std::memory_order_relaxed); }

  // Watching a running script. The VM tests one flag where it tests for an
  // abort (loop iterations and calls); requestAttention() raises it from any
  // thread, for example a timer's, and the script's thread then runs the
  // handler there; requests raised while it runs are dropped, so that the
  // script goes on between two looks. The handler may call stop().
  void setAttentionHandler(std::function<void()> handler);
  void requestAttention() { attention_.store(true, std::memory_order_relaxed); }
  // On the script's thread: aborts the running script with reason as the
  // message of its run-time error.
  void stop(const std::string& reason);
  // On the script's thread, for host functions that wait long: runs the
  // handler when attention was asked for; true when the script is to stop
  // (the host function then raises any error and the abort ends the script).
  bool attend();

  // Exception state visible to ExceptionType / ExceptionParam.
  ErrorKind lastErrorKind() const { return lastKind_; }
  const std::string& lastErrorParam() const { return lastParam_; }
  int lastErrorProc() const { return lastProc_; }
  int lastErrorPos() const { return lastPos_; }

  // Objects of imported classes, reached by scripts through handles.
  Value newObject(std::unique_ptr<ScriptObject> object, const std::string& className);
  ScriptObject* object(const Value& v) const;  // nullptr for nil or a freed object
  template <class T> T* objectAs(const Value& v) const { return dynamic_cast<T*>(object(v)); }
  // Runs the object's freeing hook and destroys it; nil and freed objects are ignored.
  void freeObject(const Value& v);
  size_t objectCount() const;
  // The upper-case class name of a live object ("" otherwise).
  const std::string& objectClass(const Value& v) const;
  const ClassImporter* classImporter() const { return classes_; }

  struct Impl;  // engine internals

 private:
  friend class Vm;
  friend class HostCallScope;
  std::unique_ptr<Impl> impl_;
  ClassImporter* classes_ = nullptr;
  std::atomic<bool> abort_{false};
  int hostCallNesting_ = 0;
  std::atomic<bool> attention_{false};  // raised by every abort request too
  ErrorKind lastKind_ = ErrorKind::NoError;
  std::string lastParam_;
  int lastProc_ = 0, lastPos_ = 0;
};

// A readable listing of a compiled module, for debugging ("" if it does not load).
std::string disassembleModule(std::string_view module);

}  // namespace pscript
