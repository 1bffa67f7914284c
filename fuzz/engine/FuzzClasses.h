// Two small imported classes for the engine's fuzz targets, so that member
// calls, properties, constructors, is/as and handles get exercised.
#pragma once

#include <pscript/pscript.h>

#include <memory>
#include <string>
#include <vector>

namespace fuzzclasses {

struct Items : pscript::ScriptObject {
  std::vector<std::string> items;
  pscript::Value owner;
};

inline Items* self(pscript::NativeCall& c) {
  Items* p = c.exec().objectAs<Items>(c.arg(0));
  if (!p) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  return p;
}

inline size_t checkedIndex(pscript::NativeCall& c, Items* p) {
  int64_t i = c.arg(1).rawInt();
  if (i < 0 || i >= static_cast<int64_t>(p->items.size())) throw pscript::ScriptError(pscript::ErrorKind::OutOfRange, "");
  return static_cast<size_t>(i);
}

inline void declare(pscript::Compiler& c) {
  c.addDeclarations("type TFuzzKind = (fkOne, fkTwo); const fzMax = 10;");
  c.addClass("TFuzzBase", "");
  c.addClassMember("TFuzzBase", "constructor Create;");
  c.addClassMember("TFuzzBase", "procedure Free;");
  c.addClass("TFuzzList", "TFuzzBase");
  c.addClassMember("TFuzzList", "constructor Create(Owner: TFuzzBase);");
  c.addClassMember("TFuzzList", "function Add(const S: string): Integer;");
  c.addClassMember("TFuzzList", "procedure Swap(var A: Integer; B: Integer);");
  c.addClassMember("TFuzzList", "property Items[Index: Integer]: string read write; default;");
  c.addClassMember("TFuzzList", "property Count: Integer read;");
  c.addClassMember("TFuzzList", "property Owner: TFuzzBase read;");
  c.addClass("TFuzzAbstract", "TFuzzList", true);
}

inline void bind(pscript::ClassImporter& importer) {
  auto make = [] { return std::unique_ptr<pscript::ScriptObject>(std::make_unique<Items>()); };
  importer.registerClass("TFuzzBase", "", make);
  importer.registerClass("TFuzzList", "TFuzzBase", make);
  importer.registerClass("TFuzzAbstract", "TFuzzList", make);
  importer.registerMethod("TFuzzList", "Create", [](pscript::NativeCall& c) { self(c)->owner = c.arg(1); });
  importer.registerMethod("TFuzzList", "Add", [](pscript::NativeCall& c) {
    Items* p = self(c);
    if (p->items.size() >= 1000) throw pscript::ScriptError(pscript::ErrorKind::OutOfMemory, "");
    p->items.emplace_back(c.arg(1).rawString());
    c.result().setInt(static_cast<int64_t>(p->items.size()) - 1);
  });
  importer.registerMethod("TFuzzList", "Swap", [](pscript::NativeCall& c) { c.arg(1).setInt(c.arg(2).rawInt()); });
  importer.registerProperty(
      "TFuzzList", "Items",
      [](pscript::NativeCall& c) { Items* p = self(c); c.result() = pscript::Value::string(p->items[checkedIndex(c, p)]); },
      [](pscript::NativeCall& c) { Items* p = self(c); p->items[checkedIndex(c, p)] = std::string(c.arg(2).rawString()); });
  importer.registerProperty(
      "TFuzzList", "Count",
      [](pscript::NativeCall& c) { c.result().setInt(static_cast<int64_t>(self(c)->items.size())); }, nullptr);
  importer.registerProperty(
      "TFuzzList", "Owner",
      [](pscript::NativeCall& c) { Items* p = self(c); if (c.exec().object(p->owner)) c.result() = p->owner; }, nullptr);
}

}  // namespace fuzzclasses

namespace fuzzexec {

inline void noop(pscript::NativeCall& c) {
  for (int i = 0; i < c.count(); ++i) (void)c.arg(i);
}

// One Exec for every input, ready for the next load. A fresh Exec per input
// spent most of the fuzzer's time making and zeroing its 64 MB value stack;
// a reload drops everything of the previous module (its globals, objects and
// bindings), so inputs still meet a clean Exec, as a reload in the editor does.
inline pscript::Exec& reloaded() {
  static pscript::ClassImporter classes;  // made first, so it outlives the Exec
  static pscript::Exec exec;
  static const bool ready = [] {
    fuzzclasses::bind(classes);
    exec.setClassImporter(&classes);
    for (const char* n : {"WRITELN", "VARGETINDEXED", "VARSETINDEXED", "INTTOHEXSTR", "VALINT"})
      exec.registerFunction(n, noop);
    return true;
  }();
  (void)ready;
  exec.clearAbort();  // the previous input's calls ran with it set
  return exec;
}

}  // namespace fuzzexec

