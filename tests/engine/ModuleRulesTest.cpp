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

// Loads the module and calls MAIN; returns the error kind it raised.
ErrorKind runMain(const Module& m) {
  Exec e;
  EXPECT_TRUE(e.load(serializeModule(m))) << e.loadError();
  Value v;
  try {
    e.call(e.findFunction("MAIN"), v);
  } catch (const RuntimeError& err) {
    return err.kind;
  }
  return ErrorKind::NoError;
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

}  // namespace
}  // namespace pscript
