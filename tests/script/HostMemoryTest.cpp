#include <gtest/gtest.h>

#include <pscript/errors.h>

#include "HostMemory.h"

namespace tarno {
namespace {

TEST(HostMemory, BlocksAreSeparateAndZeroFilled) {
  HostMemory memory;
  const int32_t a = memory.Allocate(3);
  const int32_t b = memory.Allocate(5);
  ASSERT_GT(a, 0);
  ASSERT_GT(b, 0);
  EXPECT_EQ(memory.Read(a + 2), 0);
  memory.Write(a + 2, 0xAB);
  memory.Write(b, 0xCD);
  EXPECT_EQ(memory.Read(a + 2), 0xAB);
  EXPECT_EQ(memory.Read(b), 0xCD);
  EXPECT_EQ(memory.LiveBlocks(), 2u);
  EXPECT_EQ(memory.LiveBytes(), 8u);
}

TEST(HostMemory, EveryAccessOutsideALiveBlockIsAScriptError) {
  HostMemory memory;
  const int32_t a = memory.Allocate(4);
  const int32_t b = memory.Allocate(4);
  EXPECT_THROW(memory.Read(a + 4), pscript::ScriptError);  // one past the end, not the next block
  EXPECT_THROW(memory.Read(a - 1), pscript::ScriptError);
  EXPECT_THROW(memory.Write(0, 1), pscript::ScriptError);
  EXPECT_THROW(memory.Write(-1, 1), pscript::ScriptError);
  memory.Release(a);
  EXPECT_THROW(memory.Read(a), pscript::ScriptError);
  EXPECT_THROW(memory.Release(a), pscript::ScriptError);  // double free
  EXPECT_THROW(memory.Release(b + 1), pscript::ScriptError);  // not a block's start
  EXPECT_EQ(memory.Read(b + 3), 0);
}

TEST(HostMemory, SizeZeroGivesHandleZeroWhichFreesAsNothing) {
  HostMemory memory;
  EXPECT_EQ(memory.Allocate(0), 0);
  EXPECT_NO_THROW(memory.Release(0));
  EXPECT_THROW(memory.Allocate(-1), pscript::ScriptError);
}

TEST(HostMemory, TheBudgetBoundsWhatAScriptMayHold) {
  HostMemory memory(1000);
  const int32_t half = memory.Allocate(500);
  EXPECT_THROW(memory.Allocate(501), pscript::ScriptError);
  memory.Release(half);
  EXPECT_NO_THROW(memory.Allocate(501));
}

TEST(HostMemory, HandlesStayUsableAfterTheHandleSpaceIsUsedUp) {
  HostMemory memory(HostMemory::kDefaultByteBudget, HostMemory::kFirstAddress + 4096);
  const int32_t kept = memory.Allocate(16);
  for (int i = 0; i < 100; ++i) {
    const int32_t block = memory.Allocate(1000);
    ASSERT_GT(block, 0);
    EXPECT_THROW(memory.Read(block + 1000), pscript::ScriptError);
    EXPECT_THROW(memory.Read(kept + 16), pscript::ScriptError);
    memory.Write(block + 999, 1);
    memory.Release(block);
  }
  memory.Write(kept + 15, 5);
  EXPECT_EQ(memory.Read(kept + 15), 5);
  // Full: three blocks of 1000 bytes do not fit into 4096 handles with gaps.
  memory.Allocate(1000);
  memory.Allocate(1000);
  memory.Allocate(1000);
  EXPECT_THROW(memory.Allocate(1000), pscript::ScriptError);
}

}  // namespace
}  // namespace tarno
