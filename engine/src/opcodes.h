// Every VM instruction, declared once. The compiler emits them, the loader
// validates their operands, the disassembler prints them and the VM runs them.
//
// Operand kinds: d = slot written, s = slot read, r = local slot holding a
// reference, j = jump target, p = script procedure, n = native function,
// t = type (-1 allowed where noted by the op), i = immediate integer,
// a = argument base (a local slot where a call's result and arguments start).
// A slot operand >= 0 is a local of the frame; < 0 is global ~operand.
#pragma once

#include <cstdint>

#define PSCRIPT_OPCODES(X)                                                          \
  X(Move, "ds")     /* d := s (no references)                                */    \
  X(MoveRef, "rr")  /* copy a reference upwards: d > s                       */    \
  X(Ref, "rs")      /* d := reference to variable s                          */    \
  X(RefIndex, "rrs") /* d := reference to element s of the aggregate at ref r */  \
  X(RefField, "rri") /* d := reference to field i of the record at ref r     */    \
  X(LoadRef, "dr")  /* d := value at ref                                     */    \
  X(StoreRef, "rs") /* value at ref := s                                     */    \
  X(LoadInt, "di")  /* d := immediate integer                                */    \
  X(Clear, "d")     /* d := empty                                            */    \
  X(Init, "dt")     /* d := fresh record or static array of type t           */    \
  X(Add, "dss") X(Sub, "dss") X(Mul, "dss") X(IDiv, "dss") X(IMod, "dss")          \
  X(And, "dss") X(Or, "dss") X(Xor, "dss") X(Shl, "dss") X(Shr, "dss")             \
  X(Add32, "dss") X(Sub32, "dss") X(Mul32, "dss") X(Shl32, "dss") X(Shr32, "dss")   \
  X(Neg, "ds") X(BitNot, "ds") X(BoolNot, "ds")                                     \
  X(Narrow, "di")   /* wrap d to integer kind i (see IntKind)                 */    \
  X(Eq, "dss") X(Ne, "dss") X(Lt, "dss") X(Le, "dss") X(Gt, "dss") X(Ge, "dss")     \
  X(RAdd, "dss") X(RSub, "dss") X(RMul, "dss") X(RDiv, "dss") X(RNeg, "ds")         \
  X(IntToReal, "ds") X(RealNarrow, "di") /* round d to Single (0) or Currency (1) */ \
  X(REq, "dss") X(RNe, "dss") X(RLt, "dss") X(RLe, "dss") X(RGt, "dss") X(RGe, "dss") \
  X(Concat, "dss")  /* strings; d may equal the left operand: appends        */    \
  X(SEq, "dss") X(SNe, "dss") X(SLt, "dss") X(SLe, "dss") X(SGt, "dss") X(SGe, "dss") \
  X(CharToStr, "ds")                                                                \
  X(StrIndex, "dss") /* d := character s2 (1-based) of string s1             */    \
  X(StrLen, "ds")                                                                   \
  X(StrSetChar, "rss") /* string at ref: character s1 := s2                   */   \
  X(StrToWide, "ds") X(WideToStr, "ds")                                             \
  X(WCharToWide, "ds") X(WStrIndex, "dss") X(WStrLen, "ds") X(WStrSetChar, "rss") X(WStrSetLen, "rs")    \
  X(WConcat, "dss")                                                                 \
  X(ToVar, "dsi")   /* d := variant of s with var type i                      */    \
  X(FromVar, "dsi") /* d := s converted to ValueClass i                      */    \
  X(VarOp, "dssi")  /* variant operator i (see VarOperator)                  */    \
  X(VarNot, "ds")                                                                   \
  X(ArrLen, "ds") X(ArrHigh, "ds") X(ArrLow, "ds")                                  \
  X(Index, "dss")   /* d := element s2 of aggregate s1                        */    \
  X(Field, "dsi")   /* d := field i of record s                              */    \
  X(SetLen, "rst")  /* dynamic array at ref: length s, array type t           */   \
  X(StrSetLen, "rs")                                                                \
  X(NewArr, "dti")  /* d := array of type t (-1: variant array) with i items  */   \
  X(PutItem, "dis") /* element i of the fresh array d := s                    */   \
  X(SetAdd, "ds") X(SetRemove, "ds") /* d := d with / without element s          */ \
  X(SetOp, "dssi")  /* i: 0 union, 1 difference, 2 intersection             */    \
  X(SetIn, "dss")   /* d := element s1 in set s2                             */    \
  X(SetCmp, "dssi") /* i: 0 =, 1 <>, 2 subset (<=), 3 superset (>=)          */    \
  X(Jmp, "j") X(JTrue, "sj") X(JFalse, "sj")                                        \
  X(Call, "pa") X(CallNative, "na")                                                 \
  X(Ret, "")                                                                        \
  X(Leave, "j")     /* jump out of try blocks, running finally parts         */    \
  X(EndFinally, "j") /* end of the finally part that starts at j   */                                                                 \
  X(EndExcept, "")                                                                  \
  X(Raise, "ss")    /* error kind, parameter text                             */   \
  X(Reraise, "")                                                                    \
  X(ExcType, "d") X(ExcParam, "d")                                                 \
  X(CallPtr, "sa")  /* call the script procedure whose number s holds (0: nil) */ \
  X(RecCmp, "dssi") /* records: i 0 =, 1 <>                                  */

namespace pscript {

enum class Op : uint8_t {
#define PSCRIPT_OP_ENUM(name, operands) name,
  PSCRIPT_OPCODES(PSCRIPT_OP_ENUM)
#undef PSCRIPT_OP_ENUM
      Count
};

struct OpInfo {
  const char* name;
  const char* operands;
};

inline constexpr OpInfo kOpInfo[] = {
#define PSCRIPT_OP_INFO(name, operands) {#name, operands},
    PSCRIPT_OPCODES(PSCRIPT_OP_INFO)
#undef PSCRIPT_OP_INFO
};

inline constexpr int kOpCount = static_cast<int>(Op::Count);

constexpr int operandCount(Op op) {
  int n = 0;
  for (const char* p = kOpInfo[static_cast<int>(op)].operands; *p; ++p) ++n;
  return n;
}

// ToVar's code for a Char value: the VM turns it into a one-character string.
inline constexpr int32_t kVtChar = 0x0F00;
// ToVar's code for a Variant going into an array of const: the value, marked kVariantArgument.
inline constexpr int32_t kVtVariantArgument = 0x0F01;

// ToVar's code for a dynamic array (varArray | varVariant) whose ordinal
// elements turn into Variants of var type elem (Char elements into OleStr).
inline constexpr int32_t kVtArray = 0x200C;
constexpr int32_t arrayToVariantCode(int32_t elem) { return kVtArray | ((elem + 1) << 16); }
constexpr int32_t arrayElementCode(int32_t code) { return (code >> 16) - 1; }

// Narrow's integer kinds.
enum class IntKind : int32_t { I8, U8, I16, U16, I32, U32, Bool, Count };

// FromVar's target classes. The lists are dynamic arrays made from a variant
// array: of Variant, or of the element class in the same order as the first seven.
enum class ValueClass : int32_t {
  Int, Real, String, Wide, Bool, Char, WideChar,
  VariantList, IntList, RealList, StringList, WideList, BoolList, CharList, WideCharList,
  SmallUnsigned,  // Byte, Word, Char, WideChar, Boolean, enums: a one-character text gives its code
  Count
};
inline constexpr int32_t kFirstElementList = static_cast<int32_t>(ValueClass::IntList);

// VarOp's operators.
enum class VarOperator : int32_t {
  Add, Sub, Mul, Div, IntDiv, Mod, And, Or, Xor, Shl, Shr, Eq, Ne, Lt, Le, Gt, Ge, Count
};

}  // namespace pscript
