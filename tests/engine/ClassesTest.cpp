// Imported classes through the host API: object handles after Free and
// reload, misuse of the declaration API, and the loader's checks of the
// natives behind members.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace pscript {
namespace {

// A host class with a live-instance count, so tests see what was destroyed.
struct Counter : ScriptObject {
  static inline int alive = 0;
  static inline int freedByScript = 0;
  int64_t value = 0;
  Counter() { ++alive; }
  ~Counter() override { --alive; }
  void freeing(Exec&) override { ++freedByScript; }
};

void declareCounter(Compiler& c) {
  test::registerTestHost(c);
  c.addClass("TCounter", "");
  c.addClassMember("TCounter", "constructor Create(Start: Integer);");
  c.addClassMember("TCounter", "procedure Free;");
  c.addClassMember("TCounter", "procedure Bump;");
  c.addClassMember("TCounter", "property Value: Integer read;");
}

void bindCounter(ClassImporter& importer) {
  importer.registerClass("TCounter", "", [] { return std::unique_ptr<ScriptObject>(std::make_unique<Counter>()); });
  importer.registerMethod("TCounter", "Create", [](NativeCall& c) {
    c.exec().objectAs<Counter>(c.arg(0))->value = c.arg(1).rawInt();
  });
  importer.registerMethod("TCounter", "Bump", [](NativeCall& c) { ++c.exec().objectAs<Counter>(c.arg(0))->value; });
  importer.registerProperty("TCounter", "Value",
                            [](NativeCall& c) { c.result().setInt(c.exec().objectAs<Counter>(c.arg(0))->value); }, nullptr);
}

std::string compileWithCounter(const std::string& text, std::vector<Message>* messages = nullptr) {
  Compiler c;
  c.allowNoBegin = true;
  c.allowNoEnd = true;
  c.onUses = [](Compiler& comp, const std::string& unit) {
    if (unit != "SYSTEM") return false;
    declareCounter(comp);
    return true;
  };
  bool ok = c.compile(text);
  if (messages) *messages = c.messages();
  return ok ? c.output() : std::string();
}

struct CounterScript {
  explicit CounterScript(const std::string& text) {
    code = compileWithCounter(text);
    bindCounter(importer);
    exec.setClassImporter(&importer);
    test::bindTestHost(exec);
    loaded = !code.empty() && exec.load(code);
  }
  std::string run(const std::string& name = "Main") {
    test::printed().clear();
    Value v;
    try {
      exec.call(exec.findFunction(name), v);
    } catch (const RuntimeError& e) {
      return std::string("error: ") + e.what();
    }
    return test::printed();
  }
  ClassImporter importer;
  std::string code;
  Exec exec;
  bool loaded = false;
};

const char* const kUseAfterFree =
    "var Kept: TCounter;\n"
    "function Make(var V: Variant): Boolean;\n"
    "begin Kept := TCounter.Create(5); Kept.Bump; WriteLn(IntToStr(Kept.Value)); Result := True; end;\n"
    "function Drop(var V: Variant): Boolean;\n"
    "begin Kept.Free; Result := True; end;\n"
    "function Touch(var V: Variant): Boolean;\n"
    "begin Kept.Bump; Result := True; end;\n"
    "function Peek(var V: Variant): Boolean;\n"
    "begin WriteLn(IntToStr(Kept.Value)); Result := True; end;\n";

TEST(ObjectHandles, FreedObjectIsGoneAndItsHandleStaysStale) {
  Counter::alive = 0;
  Counter::freedByScript = 0;
  CounterScript s(kUseAfterFree);
  ASSERT_TRUE(s.loaded) << s.exec.loadError();
  EXPECT_EQ(s.run("Make"), "6\n");
  EXPECT_EQ(Counter::alive, 1);
  EXPECT_EQ(s.exec.objectCount(), 1u);
  EXPECT_EQ(s.run("Drop"), "");
  EXPECT_EQ(Counter::alive, 0);
  EXPECT_EQ(Counter::freedByScript, 1);
  EXPECT_EQ(s.run("Touch"), "error: Null Pointer Exception");
  EXPECT_EQ(s.run("Peek"), "error: Could not call proc");
  EXPECT_EQ(s.run("Drop"), "error: Null Pointer Exception");  // a second Free
}

TEST(ObjectHandles, SlotReusedByANewObjectIsNotReachedThroughTheOldHandle) {
  Counter::alive = 0;
  Exec e;
  Value first = e.newObject(std::make_unique<Counter>(), "TCounter");
  e.freeObject(first);
  Value second = e.newObject(std::make_unique<Counter>(), "TCounter");
  EXPECT_EQ(first.rawInt() & 0xFFFFFFFF, second.rawInt() & 0xFFFFFFFF);  // same slot
  EXPECT_NE(first.rawInt(), second.rawInt());
  EXPECT_EQ(e.object(first), nullptr);
  EXPECT_NE(e.object(second), nullptr);
  e.freeObject(first);  // stale: ignored
  EXPECT_EQ(e.objectCount(), 1u);
  EXPECT_EQ(e.objectClass(second), "TCOUNTER");
  EXPECT_EQ(e.objectClass(first), "");
  EXPECT_EQ(e.object(Value::integer(second.rawInt())), nullptr);  // an Integer is no handle
  EXPECT_THROW(e.newObject(nullptr, "TCounter"), ScriptError);
}

TEST(ObjectHandles, ReloadAndDestructionReleaseLiveObjects) {
  Counter::alive = 0;
  {
    CounterScript s(kUseAfterFree);
    ASSERT_TRUE(s.loaded);
    s.run("Make");
    EXPECT_EQ(Counter::alive, 1);
    ASSERT_TRUE(s.exec.load(s.code));
    EXPECT_EQ(Counter::alive, 0);
    EXPECT_EQ(s.exec.objectCount(), 0u);
    EXPECT_EQ(s.run("Peek"), "error: Could not call proc");  // the global is nil again
    s.run("Make");
    EXPECT_EQ(Counter::alive, 1);
  }
  EXPECT_EQ(Counter::alive, 0);
}

TEST(ClassDeclarations, MisuseIsRefusedWithoutBreakingTheCompilation) {
  Compiler c;
  c.allowNoBegin = true;
  c.allowNoEnd = true;
  EXPECT_FALSE(c.addClass("TLate", ""));  // only during a compilation
  std::vector<bool> results;
  c.onUses = [&](Compiler& comp, const std::string& unit) {
    if (unit != "SYSTEM") return false;
    test::registerTestHost(comp);
    results.push_back(comp.addClass("TBase", ""));
    results.push_back(!comp.addClass("TBase", ""));             // twice
    results.push_back(!comp.addClass("TOrphan", "TNoSuch"));     // unknown ancestor
    results.push_back(!comp.addClass("TFromInt", "Integer"));    // ancestor not a class
    results.push_back(!comp.addClassMember("TNoSuch", "procedure X;"));
    results.push_back(!comp.addClassMember("TBase", "procedure ;"));
    results.push_back(!comp.addClassMember("TBase", "property P: TNoType read;"));
    results.push_back(!comp.addClassMember("TBase", "property Q: Integer; default;"));  // default needs an index
    results.push_back(!comp.addDeclarations("type = ;"));
    results.push_back(comp.addDeclarations("type TKind = (kOne, kTwo); TSet = set of TKind; const kMax = $FF00;"));
    results.push_back(comp.addClassMember("TBase", "function Kind: TKind;"));
    return true;
  };
  ASSERT_TRUE(c.compile("function Main(var V: Variant): Boolean; begin Result := kMax = $FF00; end;"));
  for (size_t i = 0; i < results.size(); ++i) EXPECT_TRUE(results[i]) << "step " << i;
  EXPECT_TRUE(c.messages().empty());
}

TEST(ClassDeclarations, MembersAreCheckedWhereTheScriptUsesThem) {
  std::vector<Message> m;
  EXPECT_EQ(compileWithCounter("function Main(var V: Variant): Boolean; var C: TCounter;\n"
                               "begin C := TCounter.Create; Result := True; end;", &m), "");
  ASSERT_FALSE(m.empty());
  EXPECT_EQ(m[0].text, "Invalid number of parameters");
  EXPECT_EQ(compileWithCounter("function Main(var V: Variant): Boolean; var C: TCounter;\n"
                               "begin C := TCounter.Create(1); C.Value := 2; Result := True; end;", &m), "");
  EXPECT_EQ(m[0].text, "Read-only property");
  EXPECT_EQ(compileWithCounter("function Main(var V: Variant): Boolean; var C: TCounter; I: Integer;\n"
                               "begin I := C; Result := True; end;", &m), "");
  EXPECT_EQ(m[0].text, "Type mismatch");
}

TEST(ClassImporterMisuse, CyclicOrMissingAncestryEndsLookups) {
  ClassImporter importer;
  importer.registerClass("TA", "TB");
  importer.registerClass("TB", "TA");  // a cycle a host should never make
  EXPECT_TRUE(importer.inherits("TA", "TB"));
  EXPECT_FALSE(importer.inherits("TA", "TC"));  // ends instead of looping
  importer.registerMethod("TNeverRegistered", "M", [](NativeCall&) {});
  const ClassImporter::ClassEntry* e = importer.find("TNEVERREGISTERED");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->factory, nullptr);  // bound members alone make nothing constructible
  EXPECT_EQ(importer.find("TA")->ancestor, "TB");
  importer.registerClass("TA", "");  // registering again replaces the ancestry
  EXPECT_FALSE(importer.inherits("TA", "TB"));
}

// The native of a member is found at load time; a missing binding or a
// corrupted name or argument count stops the load.
class ObjectNativeLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    code = compileWithCounter(
        "function Main(var V: Variant): Boolean; var C: TCounter;\n"
        "begin C := TCounter.Create(1); C.Bump; Result := C is TCounter; C.Free; end;");
    ASSERT_FALSE(code.empty());
    bindCounter(importer);
    exec.setClassImporter(&importer);
  }
  // Replaces the native name `from` (same length) in the byte form.
  std::string renamed(const std::string& from, const std::string& to) const {
    std::string bytes = code;
    size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos);
    EXPECT_EQ(from.size(), to.size());
    if (at != std::string::npos) bytes.replace(at, from.size(), to);
    return bytes;
  }
  // Sets the argument count stored right after a native's name.
  std::string withArgCount(const std::string& name, int32_t count) const {
    std::string bytes = code;
    size_t at = bytes.find(name);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) std::memcpy(&bytes[at + name.size()], &count, sizeof count);
    return bytes;
  }
  std::string code;
  ClassImporter importer;
  Exec exec;
};

TEST_F(ObjectNativeLoading, IntactModuleLoadsAndRuns) {
  ASSERT_TRUE(exec.load(code)) << exec.loadError();
  Value v;
  EXPECT_TRUE(exec.call(exec.findFunction("Main"), v));
  EXPECT_EQ(exec.objectCount(), 0u);
}

TEST_F(ObjectNativeLoading, MissingImporterOrBindingFailsTheLoad) {
  Exec bare;
  EXPECT_FALSE(bare.load(code));
  EXPECT_EQ(bare.loadError(), "Cannot Import new:TCOUNTER.CREATE");
  ClassImporter partial;
  partial.registerClass("TCounter", "");  // no factory: nothing can be constructed
  bare.setClassImporter(&partial);
  EXPECT_FALSE(bare.load(code));
}

TEST_F(ObjectNativeLoading, CorruptedNamesAndCountsAreRejected) {
  EXPECT_FALSE(exec.load(renamed("call:TCOUNTER.BUMP", "call:TCOUNTER.BUMX")));
  EXPECT_FALSE(exec.load(renamed("call:TCOUNTER.BUMP", "xxxx:TCOUNTER.BUMP")));
  EXPECT_FALSE(exec.load(renamed("call:TCOUNTER.BUMP", "call:TCOUNTERXBUMP")));
  EXPECT_FALSE(exec.load(renamed("call:TCOUNTER.BUMP", "call:TNOSUCHC.BUMP")));
  EXPECT_FALSE(exec.load(renamed("obj:IS", "obj:IX")));
  EXPECT_FALSE(exec.load(withArgCount("call:TCOUNTER.BUMP", 0)));
  EXPECT_FALSE(exec.load(withArgCount("obj:IS", 1)));
  EXPECT_TRUE(exec.load(code));
}

TEST_F(ObjectNativeLoading, ForgedArgumentCountsFailAtRunTimeNotInMemory) {
  // The constructor told it has no Start argument: reading it is an error.
  std::string bytes = withArgCount("new:TCOUNTER.CREATE", 1);
  ASSERT_TRUE(exec.load(bytes));
  Value v;
  EXPECT_THROW(exec.call(exec.findFunction("Main"), v), RuntimeError);
  EXPECT_EQ(exec.objectCount(), 0u);  // the half-made object went with the error
}

}  // namespace
}  // namespace pscript
