// Calls from the host into procedural values a script stored in host objects
// (event handlers): from inside native functions while a script runs, nested
// in each other, with var parameters, errors and the nesting limit.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pscript {
namespace {

// A host control with two events; Click and Press fire them from native code.
struct Control : ScriptObject {
  static inline Control* lastMade = nullptr;
  Control() { lastMade = this; }
  Value self, onClick, onKey;
};

Control& self(NativeCall& c) { return *c.exec().objectAs<Control>(c.arg(0)); }

// Fires OnClick(Sender) when assigned.
void fireClick(NativeCall& c) {
  Control& control = self(c);
  if (!c.exec().isProcValue(control.onClick)) return;
  std::vector<ProcArg> args{ProcArg::byValue(control.self)};
  c.exec().callProcValue(control.onClick, args);
}

// Fires OnKey(Sender, var Key) and returns the key the handler left.
void firePress(NativeCall& c) {
  Control& control = self(c);
  Value key = Value::integer(c.arg(1).rawInt(), varWord);
  std::vector<ProcArg> args{ProcArg::byValue(control.self), ProcArg::byRef(key)};
  c.exec().callProcValue(control.onKey, args);
  c.result().setInt(key.toInt());
}

// A handler error that a native swallows, as an event loop would.
void fireClickQuietly(NativeCall& c) {
  try {
    fireClick(c);
  } catch (const RuntimeError& e) {
    test::printed() += std::string("host caught: ") + e.what() + "\n";
  }
}

void declareControl(Compiler& c) {
  test::registerTestHost(c);
  c.addClass("TObject", "");
  c.addClassMember("TObject", "procedure Free;");
  c.addDeclarations(
      "type TNotifyEvent = procedure(Sender: TObject);"
      "TKeyEvent = procedure(Sender: TObject; var Key: Word);");
  c.addClass("TControl", "TObject");
  c.addClassMember("TControl", "constructor Create;");
  c.addClassMember("TControl", "procedure Click;");
  c.addClassMember("TControl", "procedure ClickQuietly;");
  c.addClassMember("TControl", "function Press(Key: Word): Word;");
  c.addClassMember("TControl", "property OnClick: TNotifyEvent read write;");
  c.addClassMember("TControl", "property OnKey: TKeyEvent read write;");
}

void bindControl(ClassImporter& importer) {
  importer.registerClass("TObject", "");
  importer.registerClass("TControl", "TObject", [] { return std::unique_ptr<ScriptObject>(std::make_unique<Control>()); });
  importer.registerMethod("TControl", "Create", [](NativeCall& c) { self(c).self = c.arg(0); });
  importer.registerMethod("TControl", "Click", fireClick);
  importer.registerMethod("TControl", "ClickQuietly", fireClickQuietly);
  importer.registerMethod("TControl", "Press", firePress);
  importer.registerProperty(
      "TControl", "OnClick", [](NativeCall& c) { c.result() = self(c).onClick; },
      [](NativeCall& c) { self(c).onClick = c.arg(1); });
  importer.registerProperty(
      "TControl", "OnKey", [](NativeCall& c) { c.result() = self(c).onKey; },
      [](NativeCall& c) { self(c).onKey = c.arg(1); });
}

struct EventScript {
  explicit EventScript(const std::string& text) {
    Compiler c;
    c.allowNoBegin = true;
    c.allowNoEnd = true;
    c.onUses = [](Compiler& comp, const std::string& unit) {
      if (unit != "SYSTEM") return false;
      declareControl(comp);
      return true;
    };
    compiled = c.compile(text);
    messages = c.messages();
    bindControl(importer);
    exec.setClassImporter(&importer);
    test::bindTestHost(exec);
    loaded = compiled && exec.load(c.output());
  }
  std::string run(const std::string& name = "Main") {
    test::printed().clear();
    Value v;
    try {
      exec.call(exec.findFunction(name), v);
    } catch (const RuntimeError& e) {
      return test::printed() + "error: " + e.what();
    }
    return test::printed();
  }
  bool compiled = false, loaded = false;
  std::vector<Message> messages;
  ClassImporter importer;
  Exec exec;
};

const char* const kNestedHandlers =
    "var A, B: TControl; Depth: Integer;\n"
    "procedure InnerClick(Sender: TObject);\n"
    "begin WriteLn('inner'); Depth := Depth + 1; end;\n"
    "procedure OuterClick(Sender: TObject);\n"
    "begin\n"
    "  WriteLn('outer before'); if Sender = A then WriteLn('sender is A');\n"
    "  B.Click; WriteLn('outer after, depth ' + IntToStr(Depth));\n"
    "end;\n"
    "function Main(var V: Variant): Boolean;\n"
    "var I: Integer;\n"
    "begin\n"
    "  A := TControl.Create; B := TControl.Create; I := 7;\n"
    "  A.OnClick := @OuterClick; B.OnClick := @InnerClick;\n"
    "  A.Click; A.Click;\n"
    "  WriteLn('local kept ' + IntToStr(I) + ', depth ' + IntToStr(Depth)); Result := True;\n"
    "end;\n";

TEST(EventCalls, HandlersRunNestedInsideNativeCallsOfARunningScript) {
  EventScript s(kNestedHandlers);
  ASSERT_TRUE(s.loaded) << s.exec.loadError();
  EXPECT_EQ(s.run(),
            "outer before\nsender is A\ninner\nouter after, depth 1\n"
            "outer before\nsender is A\ninner\nouter after, depth 2\n"
            "local kept 7, depth 2\n");
}

TEST(EventCalls, VarParametersReachTheHostAndPropertiesHoldTheRoutine) {
  EventScript s(
      "var C: TControl;\n"
      "procedure Upper(Sender: TObject; var Key: Word);\n"
      "begin if Key = 97 then Key := 65; end;\n"
      "procedure Said(Sender: TObject); begin WriteLn('said'); end;\n"
      "function Main(var V: Variant): Boolean;\n"
      "var E: TNotifyEvent;\n"
      "begin\n"
      "  C := TControl.Create; C.OnKey := @Upper;\n"
      "  WriteLn(IntToStr(C.Press(97)) + ' ' + IntToStr(C.Press(98)));\n"
      "  if C.OnClick = nil then WriteLn('no click handler');\n"
      "  C.OnClick := @Said; E := C.OnClick; E(C); C.OnClick(C);\n"
      "  C.OnClick := nil; C.Click; if C.OnClick = nil then WriteLn('cleared');\n"
      "  Result := True;\n"
      "end;\n");
  ASSERT_TRUE(s.loaded) << s.exec.loadError();
  EXPECT_EQ(s.run(), "65 98\nno click handler\nsaid\nsaid\ncleared\n");
}

TEST(EventCalls, HandlerErrorsReachTheScriptOrTheHostAndKeepTheCallersExceptionState) {
  EventScript s(
      "var C: TControl;\n"
      "procedure Fails(Sender: TObject);\n"
      "begin RaiseException(erCustomError, 'handler broke'); end;\n"
      "procedure CatchesItself(Sender: TObject);\n"
      "begin try RaiseException(erCustomError, 'inner'); except WriteLn('handled ' + ExceptionParam); end; end;\n"
      "function Main(var V: Variant): Boolean;\n"
      "begin\n"
      "  C := TControl.Create; C.OnClick := @Fails;\n"
      "  try C.Click; except WriteLn('script caught ' + ExceptionParam); end;\n"
      "  C.ClickQuietly;\n"
      "  C.OnClick := @CatchesItself;\n"
      "  try RaiseException(erCustomError, 'outer'); except C.Click; WriteLn('still ' + ExceptionParam); end;\n"
      "  C.OnClick := @Fails; C.Click; WriteLn('not reached'); Result := True;\n"
      "end;\n");
  ASSERT_TRUE(s.loaded) << s.exec.loadError();
  EXPECT_EQ(s.run(),
            "script caught handler broke\nhost caught: handler broke\nhandled inner\nstill outer\n"
            "error: handler broke");
}

TEST(EventCalls, HostCallsBetweenScriptCallsAndBadValuesAreCheckedAtTheBoundary) {
  EventScript s(
      "var C: TControl;\n"
      "procedure Said(Sender: TObject); begin if Sender = C then WriteLn('from host'); end;\n"
      "function Main(var V: Variant): Boolean;\n"
      "begin C := TControl.Create; C.OnClick := @Said; V := 1; Result := True; end;\n");
  ASSERT_TRUE(s.loaded) << s.exec.loadError();
  s.run();
  // The script left its control with a handler; an "event loop" fires it later.
  Control* control = Control::lastMade;
  ASSERT_EQ(s.exec.objectAs<Control>(control->self), control);
  ASSERT_TRUE(s.exec.isProcValue(control->onClick));
  test::printed().clear();
  std::vector<ProcArg> args{ProcArg::byValue(control->self)};
  s.exec.callProcValue(control->onClick, args);
  EXPECT_EQ(test::printed(), "from host\n");

  std::vector<ProcArg> none;
  EXPECT_THROW(s.exec.callProcValue(control->onClick, none), RuntimeError);  // wrong count
  EXPECT_FALSE(s.exec.isProcValue(Value()));
  EXPECT_FALSE(s.exec.isProcValue(Value::integer(1 << 20)));
  EXPECT_THROW(s.exec.callProcValue(Value::integer(-3), args), RuntimeError);
  EXPECT_THROW(s.exec.callProcValue(Value::string("x"), args), RuntimeError);
  EXPECT_EQ(s.run(), "");  // the Exec is intact
}

TEST(EventCalls, EndlessNestingStopsWithOutOfStackRangeAndLeavesTheExecUsable) {
  EventScript s(
      "var C: TControl; Depth: Integer;\n"
      "procedure Again(Sender: TObject); begin Depth := Depth + 1; C.Click; end;\n"
      "function Main(var V: Variant): Boolean;\n"
      "begin C := TControl.Create; C.OnClick := @Again; Depth := 0;\n"
      "  try C.Click; except WriteLn(ExceptionToString(ExceptionType, ExceptionParam)); end;\n"
      "  WriteLn('depth ' + IntToStr(Depth)); Result := True; end;\n");
  ASSERT_TRUE(s.loaded) << s.exec.loadError();
  const std::string out = s.run();
  EXPECT_NE(out.find("Out Of Stack Range"), std::string::npos) << out;
  EXPECT_NE(out.find("depth 63\n"), std::string::npos) << out;
  EXPECT_EQ(s.run(), out);  // the nesting count went back to zero
}

TEST(EventCalls, OnlyRoutinesOfTheEventsSignatureFitTheProperty) {
  EventScript wrong(
      "var C: TControl;\n"
      "procedure TwoArgs(Sender: TObject; X: Integer); begin end;\n"
      "function Main(var V: Variant): Boolean;\n"
      "begin C := TControl.Create; C.OnClick := @TwoArgs; Result := True; end;\n");
  EXPECT_FALSE(wrong.compiled);
  ASSERT_FALSE(wrong.messages.empty());
  EXPECT_EQ(wrong.messages[0].text, "Type mismatch");

  EventScript key(
      "var C: TControl;\n"
      "procedure ByValue(Sender: TObject; Key: Word); begin end;\n"
      "function Main(var V: Variant): Boolean;\n"
      "begin C := TControl.Create; C.OnKey := @ByValue; Result := True; end;\n");
  EXPECT_FALSE(key.compiled);
}

}  // namespace
}  // namespace pscript
