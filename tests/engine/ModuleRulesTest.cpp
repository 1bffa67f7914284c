// Operand rules of single instructions, on hand-made modules: what the
// loader must refuse, and what the VM must turn into a run-time error
// because only a run-time value can break it.
#include "module.h"
#include "opcodes.h"

#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace pscript {
namespace {

int32_t op(Op o) { return static_cast<int32_t>(o); }

// procs[0] initialises nothing; procs[1] is MAIN(var V): Boolean with the
// given code; further procedures are added by the test.
Module moduleWithMain(std::vector<int32_t> code, int32_t frameSize) {
  Module m;
  ProcDesc init;
  init.name = "!INIT";
  init.code = {op(Op::Ret)};
  m.procs.push_back(init);
  ProcDesc main;
  main.name = "MAIN";
  main.exported = true;
  main.hostSignature = true;
  main.paramCount = 1;
  main.frameSize = frameSize;
  main.code = std::move(code);
  m.procs.push_back(main);
  return m;
}

ProcDesc procedureWithParams(int32_t params) {
  ProcDesc p;
  p.name = "TARGET";
  p.paramCount = params;
  p.frameSize = 1 + params;
  p.code = {op(Op::Ret)};
  return p;
}

std::string validationError(const Module& m) {
  std::string error;
  return validateModule(m, error) ? std::string() : error;
}

// Loads the module into e and calls MAIN with v; returns the error kind it raised.
ErrorKind runMainIn(Exec& e, const Module& m, Value& v) {
  EXPECT_TRUE(e.load(serializeModule(m))) << e.loadError();
  try {
    e.call(e.findFunction("MAIN"), v);
  } catch (const RuntimeError& err) {
    return err.kind;
  }
  return ErrorKind::NoError;
}

ErrorKind runMain(const Module& m) {
  Exec e;
  Value v;
  return runMainIn(e, m, v);
}

TEST(ModuleRules, CallPtrOperandsMustBeFrameSlots) {
  // slot 2 := procedure 2; call it with the argument base at slot 3
  auto callPtr = [](int32_t fnSlot, int32_t argBase) {
    Module m = moduleWithMain({op(Op::LoadInt), 2, 2, op(Op::CallPtr), fnSlot, argBase, op(Op::Ret)}, 5);
    m.procs.push_back(procedureWithParams(1));
    return m;
  };
  EXPECT_EQ(validationError(callPtr(2, 3)), "");
  EXPECT_NE(validationError(callPtr(5, 3)), "");   // function slot beyond the frame
  EXPECT_NE(validationError(callPtr(~0, 3)), "");  // a global that does not exist
  EXPECT_NE(validationError(callPtr(2, 5)), "");   // argument base beyond the frame
  EXPECT_NE(validationError(callPtr(2, -1)), "");  // argument base must be a local
}

TEST(ModuleRules, CallPtrChecksTheProcedureNumberWhenCalling) {
  auto callNumber = [](int32_t number) {
    Module m = moduleWithMain({op(Op::LoadInt), 2, number, op(Op::CallPtr), 2, 3, op(Op::Ret)}, 5);
    m.procs.push_back(procedureWithParams(1));
    return m;
  };
  EXPECT_EQ(runMain(callNumber(2)), ErrorKind::NoError);
  EXPECT_EQ(runMain(callNumber(0)), ErrorKind::OutOfProcRange);   // nil
  EXPECT_EQ(runMain(callNumber(3)), ErrorKind::OutOfProcRange);   // past the table
  EXPECT_EQ(runMain(callNumber(-7)), ErrorKind::OutOfProcRange);
}

TEST(ModuleRules, CallPtrRefusesACalleeWhoseArgumentsLeaveTheCallersFrame) {
  Module m = moduleWithMain({op(Op::LoadInt), 2, 2, op(Op::CallPtr), 2, 3, op(Op::Ret)}, 5);
  m.procs.push_back(procedureWithParams(4));  // slots 4..7: the frame has 5
  EXPECT_EQ(validationError(m), "");
  EXPECT_EQ(runMain(m), ErrorKind::TypeMismatch);
}

TEST(ModuleRules, RecCmpTakesOnlyEqualOrNotEqual) {
  auto recCmp = [](int32_t which) {
    return moduleWithMain({op(Op::LoadInt), 2, 5, op(Op::RecCmp), 3, 2, 2, which, op(Op::Ret)}, 4);
  };
  EXPECT_EQ(validationError(recCmp(0)), "");
  EXPECT_EQ(validationError(recCmp(1)), "");
  EXPECT_NE(validationError(recCmp(2)), "");
  EXPECT_NE(validationError(recCmp(-1)), "");
  EXPECT_EQ(runMain(recCmp(1)), ErrorKind::NoError);  // plain values compare by their bits
}

TEST(ModuleRules, FromVarListClassesAreCheckedAndNeedAVariantArray) {
  auto fromVar = [](int32_t cls) {
    return moduleWithMain({op(Op::LoadInt), 2, 5, op(Op::FromVar), 3, 2, cls, op(Op::Ret)}, 4);
  };
  int32_t count = static_cast<int32_t>(ValueClass::Count);
  EXPECT_EQ(validationError(fromVar(static_cast<int32_t>(ValueClass::VariantList))), "");
  EXPECT_EQ(validationError(fromVar(count - 1)), "");
  EXPECT_NE(validationError(fromVar(count)), "");
  EXPECT_EQ(runMain(fromVar(static_cast<int32_t>(ValueClass::VariantList))), ErrorKind::TypeMismatch);
  EXPECT_EQ(runMain(fromVar(static_cast<int32_t>(ValueClass::IntList))), ErrorKind::TypeMismatch);
}

// MAIN calls native 0 with one argument: V := Native(41).
Module moduleCallingExternal(const std::string& external, const std::string& signature) {
  Module m = moduleWithMain({op(Op::LoadInt), 3, 41, op(Op::CallNative), 0, 2, op(Op::StoreRef), 1, 2, op(Op::Ret)}, 4);
  m.natives.push_back({"TWICE", 1, external, signature});
  return m;
}

TEST(ModuleRules, ExternalTextAndKindsMustBeValid) {
  EXPECT_EQ(validationError(moduleCallingExternal("twice@lib.so cdecl", "FvF")), "");
  EXPECT_EQ(validationError(moduleCallingExternal("twice@lib.so", "GrF")), "");
  EXPECT_NE(validationError(moduleCallingExternal("twice", "FvF")), "");             // no @
  EXPECT_NE(validationError(moduleCallingExternal("twice@lib.so fastcall", "FvF")), "");
  EXPECT_NE(validationError(moduleCallingExternal("twice@lib.so cdecl", "FvFvF")), "");  // two kinds, one argument
  EXPECT_NE(validationError(moduleCallingExternal("twice@lib.so cdecl", "Fv")), "");     // no result kind
  EXPECT_NE(validationError(moduleCallingExternal("twice@lib.so cdecl", "ZvF")), "");    // unknown kind
  EXPECT_NE(validationError(moduleCallingExternal("twice@lib.so cdecl", "AvF")), "");    // a parameter of no kind
  EXPECT_NE(validationError(moduleCallingExternal("twice@lib.so cdecl", "FxF")), "");    // neither by value nor by reference
  EXPECT_NE(validationError(moduleCallingExternal("", "FvF")), "");                      // a plain native with kinds
}

ErrorKind runWithBinder(Exec& e, const Module& m) {
  Value v;
  const ErrorKind kind = runMainIn(e, m, v);
  if (kind != ErrorKind::NoError) return kind;
  return v.rawInt() == 82 ? ErrorKind::NoError : ErrorKind::InternalError;
}

TEST(ModuleRules, ExternalsAreBoundAtLoadOrAtTheFirstCall) {
  Exec unbound;
  EXPECT_FALSE(unbound.load(serializeModule(moduleCallingExternal("twice@lib.so cdecl", "FvF"))));
  EXPECT_EQ(unbound.loadError(), "Cannot Import dll:lib.so");
  EXPECT_EQ(runWithBinder(unbound, moduleCallingExternal("twice@lib.so cdecl delayload", "FvF")),
            ErrorKind::CouldNotCallProc);

  int binds = 0;
  Exec e;
  e.setExternalBinder([&binds](const ExternalDecl& d, std::string&) -> ExternalCall {
    ++binds;
    if (d.symbol != "twice" || d.library != "lib.so" || d.params.size() != 1) return {};
    return [](NativeCall& c) { c.result() = Value::integer(c.arg(0).rawInt() * 2); };
  });
  EXPECT_EQ(runWithBinder(e, moduleCallingExternal("twice@lib.so cdecl", "FvF")), ErrorKind::NoError);
  EXPECT_EQ(binds, 1);
  EXPECT_EQ(runWithBinder(e, moduleCallingExternal("twice@lib.so cdecl delayload", "FvF")), ErrorKind::NoError);
  EXPECT_EQ(binds, 2);
  e.unbindExternals("lib.so");
  Value v;
  e.call(e.findFunction("MAIN"), v);
  EXPECT_EQ(binds, 3);
}

// MAIN with code and one handler of kind over [tryStart, tryEnd) at handler.
Module moduleWithHandler(std::vector<int32_t> code, int32_t frameSize, Handler::Kind kind, int32_t tryStart,
                         int32_t tryEnd, int32_t handler) {
  Module m = moduleWithMain(std::move(code), frameSize);
  Handler h;
  h.kind = kind;
  h.tryStart = tryStart;
  h.tryEnd = tryEnd;
  h.handler = handler;
  m.procs[1].handlers.push_back(h);
  return m;
}

// MAIN runs with the abort flag raised; it must stop with "Script aborted".
void ExpectStopsOnAbort(const Module& m) {
  ASSERT_EQ(validationError(m), "");
  Exec e;
  ASSERT_TRUE(e.load(serializeModule(m))) << e.loadError();
  e.requestAbort();
  Value v;
  try {
    e.call(e.findFunction("MAIN"), v);
    ADD_FAILURE() << "the loop ended without an error";
  } catch (const RuntimeError& err) {
    EXPECT_STREQ(err.what(), "Script aborted");
  }
}

// An except handler placed before the instruction that fails makes a loop
// without a backward jump; the abort flag must still end it.
TEST(ModuleRules, AnErrorHandledBeforeItsInstructionStillStopsOnAbort) {
  ExpectStopsOnAbort(moduleWithHandler({op(Op::StrIndex), 2, 2, 2, op(Op::Ret)}, 3, Handler::Except, 0, 4, 0));
}

// A finally part placed before the Leave that runs it makes a loop without a
// backward jump, and each round leaves one more finally part under way.
TEST(ModuleRules, ALeaveIntoAFinallyPartBehindItStopsOnAbortAndAtTheLimit) {
  const Module m = moduleWithHandler({op(Op::Leave), 3, op(Op::Ret), op(Op::Ret)}, 2, Handler::Finally, 0, 2, 0);
  ExpectStopsOnAbort(m);
  // Unwatched, it ends at the limit of finally parts under way.
  EXPECT_EQ(runMain(m), ErrorKind::OutOfStackRange);
}

}  // namespace
}  // namespace pscript
