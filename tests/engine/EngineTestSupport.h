// Helpers for the engine's unit tests: compile a script text, load it and
// call its functions.
#pragma once

#include <pscript/pscript.h>

#include <string>
#include <vector>

namespace pscript::test {

// Output of the test's WriteLn calls.
inline std::string& printed() {
  static std::string out;
  return out;
}

inline void registerTestHost(Compiler& c) {
  c.addFunction("procedure WriteLn(S: string)");
  c.addFunction("function VarGetIndexed(VarIn: Variant; Index: Integer): Variant");
  c.addFunction("procedure VarSetIndexed(var VarIn: Variant; Index: Integer; Value: Variant)");
}

inline void bindTestHost(Exec& e) {
  e.registerFunction("WRITELN", [](NativeCall& c) {
    printed() += std::string(c.arg(0).rawString()) + "\n";
  });
  e.registerFunction("VARGETINDEXED", [](NativeCall& c) {
    const Value& v = c.arg(0);
    int64_t i = c.arg(1).rawInt();
    if (!v.isArray()) c.result() = v;
    else if (i < v.arrayLow() || i > v.arrayHigh()) c.result() = Value::integer(0, varByte);
    else c.result() = v.arrayAt(i);
  });
  e.registerFunction("VARSETINDEXED", [](NativeCall& c) {
    Value& v = c.arg(0);
    int64_t i = c.arg(1).rawInt();
    if (v.isArray() && i >= v.arrayLow() && i <= v.arrayHigh()) v.arraySet(i, c.arg(2));
  });
}

struct CompileResult {
  bool ok = false;
  std::string code;
  std::vector<Message> messages;
};

inline CompileResult compileText(const std::string& text) {
  Compiler c;
  c.allowNoBegin = true;
  c.allowNoEnd = true;
  c.onUses = [](Compiler& comp, const std::string& unit) {
    if (unit != "SYSTEM") return false;
    registerTestHost(comp);
    return true;
  };
  CompileResult r;
  r.ok = c.compile(text);
  r.code = c.output();
  r.messages = c.messages();
  return r;
}

// A compiled and loaded script.
struct Script {
  explicit Script(const std::string& text) {
    CompileResult r = compileText(text);
    compiled = r.ok;
    messages = r.messages;
    if (!compiled) return;
    bindTestHost(exec);
    loaded = exec.load(r.code);
  }
  // Calls F(var V): Boolean; returns V's text form after the call or the error text.
  std::string call(const std::string& name, Value& v) {
    printed().clear();
    ProcHandle h = exec.findFunction(name);
    if (!h) return "<not found>";
    try {
      exec.call(h, v);
    } catch (const RuntimeError& e) {
      return std::string("error: ") + e.what();
    }
    return printed();
  }
  std::string run(const std::string& name = "Main") {
    Value v;
    return call(name, v);
  }
  bool compiled = false;
  bool loaded = false;
  std::vector<Message> messages;
  Exec exec;
};

}  // namespace pscript::test
