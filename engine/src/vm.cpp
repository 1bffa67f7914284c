// The interpreter loop and error unwinding.
#include "vm.h"

#include "heap.h"
#include "engine_limits.h"
#include "currency.h"
#include "opcodes.h"
#include "record_compare.h"
#include "text.h"
#include "text_values.h"
#include "variant_cast.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace pscript {

namespace {

// Raised when the host asked the script to stop: no script handler may catch it.
struct AbortSignal {};

[[noreturn]] void fail(ErrorKind k, std::string p = {}) { throw ScriptError(k, std::move(p)); }

bool isRef(const Value& v) { return v.type() == vtSlotRef || v.type() == vtElemRef; }

// Integer variant types whose value converts to an integer as it is (not Boolean: True is -1).
inline bool isWholeNumber(const Value& v) {
  const uint16_t t = v.type();
  return t == varInteger || t == varSmallInt || (t >= varShortInt && t <= varInt64);
}

// Empties slots [from, to): the variables of a frame that starts.
inline void clearSlots(Value* from, Value* to) {
  for (Value* v = from; v < to; ++v) v->clear();
}

// Drops what slots [from, to) hold and leaves them empty: the frame that
// ends. So every slot above the top frame is empty, and a frame that starts
// only clears the slots it shares with its caller's frame.
inline void releaseSlots(Value* from, Value* to) {
  for (Value* v = from; v < to; ++v) v->clear();
}

inline void copyValue(Value& dst, const Value& src) {
  if (isRef(src)) fail(ErrorKind::TypeMismatch);
  dst = src;
}

Value& deref(const Value& r) {
  if (r.type() == vtSlotRef) return *r.slotRef();
  if (r.type() == vtElemRef) {
    ArrObj* a = asArr(r);
    if (!a || r.aux() >= a->items.size()) fail(ErrorKind::OutOfRange);
    return a->items[r.aux()];
  }
  fail(ErrorKind::NullPointerException);
}

int64_t narrow(int64_t v, int32_t kind) {
  switch (static_cast<IntKind>(kind)) {
    case IntKind::I8: return static_cast<int8_t>(v);
    case IntKind::U8: return static_cast<uint8_t>(v);
    case IntKind::I16: return static_cast<int16_t>(v);
    case IntKind::U16: return static_cast<uint16_t>(v);
    case IntKind::I32: return static_cast<int32_t>(v);
    case IntKind::U32: return static_cast<uint32_t>(v);
    case IntKind::Bool: return v != 0;
    default: return v;
  }
}

int64_t wrapAdd(int64_t a, int64_t b) { return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b)); }
int64_t wrapSub(int64_t a, int64_t b) { return static_cast<int64_t>(static_cast<uint64_t>(a) - static_cast<uint64_t>(b)); }
int64_t wrapMul(int64_t a, int64_t b) { return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b)); }

int64_t intDiv(int64_t a, int64_t b) {
  if (b == 0) fail(ErrorKind::DivideByZero, "Division by zero");
  if (b == -1) return static_cast<int64_t>(0 - static_cast<uint64_t>(a));
  return a / b;
}

int64_t intMod(int64_t a, int64_t b) {
  if (b == 0) fail(ErrorKind::DivideByZero, "Division by zero");
  if (b == -1) return 0;
  return a % b;
}

Value elemRef(ArrObj* a, size_t index) {
  Value v;
  ++a->refs;
  v.setHeap(a, vtElemRef);
  v.setAux(static_cast<uint32_t>(index));
  return v;
}

ArrObj* writableAggregate(Value& base) {
  ArrObj* a = asArr(base);
  if (!a) fail(base.isEmpty() ? ErrorKind::OutOfRange : ErrorKind::NullPointerException);  // empty: no element to reach
  // Records, static arrays and variant arrays have copy semantics.
  return base.type() == vtDynArray ? a : uniqueArr(base);
}

size_t checkedIndex(const ArrObj* a, int64_t i) {
  int64_t k = i - a->low;
  if (k < 0 || k >= static_cast<int64_t>(a->items.size())) fail(ErrorKind::OutOfRange);
  return static_cast<size_t>(k);
}

std::string_view strOf(const Value& v) { return v.rawString(); }

Value concat(std::string_view a, std::string_view b) {
  if (a.size() + b.size() > static_cast<size_t>(kMaxStringLength)) fail(ErrorKind::OutOfMemory);
  if (a.size() + b.size() <= Value::kInlineTextBytes) {  // stays inside the value: no string object at all
    char joined[Value::kInlineTextBytes];
    std::copy(a.begin(), a.end(), joined);
    std::copy(b.begin(), b.end(), joined + a.size());
    return Value::string(std::string_view(joined, a.size() + b.size()));
  }
  std::string r;
  r.reserve(a.size() + b.size());
  r.append(a).append(b);
  return Value::string(std::move(r));
}

// A set's bits; an empty Value is the empty set.
std::string setBits(const Value& v) {
  StrObj* s = asStr(v);
  std::string bits(kSetBytes, '\0');
  if (s && s->s.size() == kSetBytes) bits = s->s;
  return bits;
}

bool inRange(int64_t e) { return e >= 0 && e < static_cast<int64_t>(kSetBytes * 8); }

void setEdit(Value& set, int64_t e, bool add) {
  if (!inRange(e)) fail(ErrorKind::OutOfRange);
  std::string bits = setBits(set);
  auto mask = static_cast<unsigned char>(1u << (e & 7));
  auto& byte = bits[static_cast<size_t>(e >> 3)];
  byte = static_cast<char>(add ? (static_cast<unsigned char>(byte) | mask) : (static_cast<unsigned char>(byte) & ~mask));
  set = Value::string(std::move(bits));
}

void setOp(Value& d, const Value& x, const Value& y, int32_t op) {
  std::string a = setBits(x), b = setBits(y);
  for (size_t i = 0; i < kSetBytes; ++i) {
    auto p = static_cast<unsigned char>(a[i]), q = static_cast<unsigned char>(b[i]);
    a[i] = static_cast<char>(op == 0 ? (p | q) : op == 1 ? (p & ~q) : (p & q));
  }
  d = Value::string(std::move(a));
}

bool setHas(const Value& set, int64_t e) {
  StrObj* s = asStr(set);
  if (!inRange(e) || !s || s->s.size() != kSetBytes) return false;
  return (static_cast<unsigned char>(s->s[static_cast<size_t>(e >> 3)]) >> (e & 7)) & 1;
}

bool setCompare(const Value& x, const Value& y, int32_t op) {
  std::string a = setBits(x), b = setBits(y);
  bool r = true;
  for (size_t i = 0; i < kSetBytes; ++i) {
    auto p = static_cast<unsigned char>(a[i]), q = static_cast<unsigned char>(b[i]);
    if (op <= 1 ? p != q : op == 2 ? (p & ~q) != 0 : (q & ~p) != 0) r = false;
  }
  return op == 1 ? !r : r;
}

Value toVariant(const Value& s, int32_t code) {
  if (code == kVtChar) return Value::string(std::string(1, static_cast<char>(s.rawInt())));
  if (code == kVtVariantArgument) {
    if (isRef(s)) fail(ErrorKind::TypeMismatch);
    Value v = s;
    v.setAux(kVariantArgument);
    return v;
  }
  if (code == varString) { Value v = Value::string(""); if (s.isString()) copyValue(v, s); return v; }
  if (code == varOleStr) { Value v = Value::wideString(u""); if (s.isWideString()) copyValue(v, s); return v; }
  if ((code & 0xFFFF) == kVtArray) {
    if (s.type() == (varArray | varVariant)) return s;
    ArrObj* src = asArr(s);
    Value r = Value::newVarArray(0, src ? static_cast<int64_t>(src->items.size()) - 1 : -1);
    int32_t elem = arrayElementCode(code);
    if (src)
      for (size_t i = 0; i < src->items.size(); ++i) {
        Value item = elem < 0 ? src->items[i] : toVariant(src->items[i], elem);
        if (elem == kVtChar) item = Value::wideString(item.toWideString());
        r.arraySet(static_cast<int64_t>(i), item);
      }
    return r;
  }
  if (code == varDouble || code == varSingle) return Value::real(s.rawReal(), varDouble);
  if (code == varCurrency) return Value::real(s.rawReal(), varCurrency);
  if (code == varBoolean) return Value::boolean(s.rawInt() != 0);
  if (code == varEmpty) { if (isRef(s)) fail(ErrorKind::TypeMismatch); return s; }
  if (isRef(s) || s.isHeap() || s.isInlineText()) fail(ErrorKind::TypeMismatch);
  return Value::integer(s.rawInt(), static_cast<VarType>(code));
}

void fromVariant(Value& d, const Value& s, int32_t cls);

// A variant array's elements in a fresh dynamic array, each converted to
// elementClass (-1: kept as Variants).
Value variantArrayToList(const Value& s, int32_t elementClass) {
  if (!s.isArray()) fail(ErrorKind::TypeMismatch);
  const ArrObj* src = asArr(s);
  auto* list = new ArrObj();
  list->typeId = 0;  // any type id: only variant arrays carry -1
  Value r;
  r.setHeap(list, vtDynArray);
  list->assign(src->items);
  if (elementClass < 0) return r;
  try {
    for (Value& item : list->items) fromVariant(item, Value(item), elementClass);
  } catch (const ScriptError&) {
    fail(ErrorKind::TypeMismatch);  // whichever element does not convert
  }
  return r;
}

void fromVariant(Value& d, const Value& s, int32_t cls) {
  switch (static_cast<ValueClass>(cls)) {
    case ValueClass::Int: d.setInt(s.toInt()); return;
    case ValueClass::Real: d.setReal(s.toReal()); return;
    case ValueClass::String: {
      if (s.type() == varString) { d = s; return; }
      Value v = s.type() == varOleStr ? ansiValueOfWide(s.rawWideString()) : Value::string(s.toString());
      d = std::move(v);
      return;
    }
    case ValueClass::Wide: {
      if (s.type() == varOleStr) { d = s; return; }
      Value v = s.type() == varString ? wideValueOfAnsi(s.rawString()) : Value::wideString(s.toWideString());
      d = std::move(v);
      return;
    }
    case ValueClass::Bool: d.setInt(s.toBool()); return;
    case ValueClass::SmallUnsigned: d.setInt(variantToSmallUnsigned(s)); return;
    case ValueClass::Char:
    case ValueClass::WideChar: {
      // A number is taken as a character code, a text must be one character.
      bool wide = static_cast<ValueClass>(cls) == ValueClass::WideChar;
      if (s.isInteger()) { d.setInt(wide ? static_cast<uint16_t>(s.rawInt()) : static_cast<uint8_t>(s.rawInt())); return; }
      if (wide) {
        std::u16string t = s.toWideString();
        if (t.size() != 1) fail(ErrorKind::TypeMismatch);
        d.setInt(t[0]);
        return;
      }
      std::string t = s.toString();
      if (t.size() != 1) fail(ErrorKind::TypeMismatch);
      d.setInt(static_cast<uint8_t>(t[0]));
      return;
    }
    case ValueClass::VariantList: d = variantArrayToList(s, -1); return;
    case ValueClass::IntList: case ValueClass::RealList: case ValueClass::StringList: case ValueClass::WideList:
    case ValueClass::BoolList: case ValueClass::CharList: case ValueClass::WideCharList:
      d = variantArrayToList(s, cls - kFirstElementList);
      return;
    default: fail(ErrorKind::TypeMismatch);
  }
}

bool isStringVar(const Value& v) { return v.type() == varString || v.type() == varOleStr; }

Value variantOp(const Value& a, const Value& b, VarOperator op) {
  bool cmp = op >= VarOperator::Eq;
  bool aNone = a.isNull() || a.isEmpty(), bNone = b.isNull() || b.isEmpty();
  if (!cmp && (a.isEmpty() || b.isEmpty())) return Value();  // Unassigned stays so in arithmetic, even beside Null
  if (a.isNull() || b.isNull()) {
    if (!cmp) return Value::null();
  }
  if (cmp && (aNone || bNone)) {
    // Null and Unassigned equal only themselves and sort below everything.
    bool eq = aNone && bNone && a.type() == b.type();
    int order = eq ? 0 : (aNone && !bNone) ? -1 : (!aNone && bNone) ? 1 : (a.type() < b.type() ? -1 : 1);
    switch (op) {
      case VarOperator::Eq: return Value::boolean(eq);
      case VarOperator::Ne: return Value::boolean(!eq);
      case VarOperator::Lt: return Value::boolean(order < 0);
      case VarOperator::Le: return Value::boolean(order <= 0);
      case VarOperator::Gt: return Value::boolean(order > 0);
      default: return Value::boolean(order >= 0);
    }
  }
  bool textAndBoolean = (isStringVar(a) && b.type() == varBoolean) || (a.type() == varBoolean && isStringVar(b));
  if ((isStringVar(a) && isStringVar(b) && (cmp || op == VarOperator::Add)) || (cmp && textAndBoolean)) {
    if (!cmp) {
      if (a.type() == varOleStr || b.type() == varOleStr) return Value::wideString(a.toWideString() + b.toWideString());
      return concat(a.toString(), b.toString());
    }
    int c = a.toString().compare(b.toString());
    switch (op) {
      case VarOperator::Eq: return Value::boolean(c == 0);
      case VarOperator::Ne: return Value::boolean(c != 0);
      case VarOperator::Lt: return Value::boolean(c < 0);
      case VarOperator::Le: return Value::boolean(c <= 0);
      case VarOperator::Gt: return Value::boolean(c > 0);
      default: return Value::boolean(c >= 0);
    }
  }
  // '/' divides reals only when the left side is one; anything else divides as integers.
  if (op == VarOperator::Div && !a.isReal()) {
    int64_t x = a.toInt(), y = b.toInt();
    if (y == 0) fail(ErrorKind::DivideByZero, "Division by zero");
    bool wide = a.type() == varInt64 || b.type() == varInt64;
    return Value::integer(intDiv(x, y), wide ? varInt64 : varInteger);
  }
  if (cmp && a.isInteger() && a.type() != varBoolean && a.type() != varInt64 && b.type() == varBoolean) {
    // A number (up to 32 bits) compared with a Boolean is taken as one.
    return variantOp(Value::boolean(a.rawInt() != 0), b, op);
  }
  bool realish = a.isReal() || b.isReal() || isStringVar(a) || isStringVar(b);
  bool currency = a.type() == varCurrency || b.type() == varCurrency;
  if (op == VarOperator::Div || realish) {
    double x = a.toReal(), y = b.toReal();
    VarType rt = currency ? varCurrency : varDouble;
    switch (op) {
      case VarOperator::Add: return Value::real(x + y, rt);
      case VarOperator::Sub: return Value::real(x - y, rt);
      case VarOperator::Mul: return Value::real(x * y, rt);
      case VarOperator::Div: if (y == 0) fail(ErrorKind::DivideByZero, "Division by zero"); return Value::real(x / y, rt);
      case VarOperator::Eq: return Value::boolean(x == y);
      case VarOperator::Ne: return Value::boolean(x != y);
      case VarOperator::Lt: return Value::boolean(x < y);
      case VarOperator::Le: return Value::boolean(x <= y);
      case VarOperator::Gt: return Value::boolean(x > y);
      case VarOperator::Ge: return Value::boolean(x >= y);
      default: break;
    }
  }
  bool boolean = a.type() == varBoolean && b.type() == varBoolean;
  int64_t x = boolean ? a.rawInt() : a.toInt(), y = boolean ? b.rawInt() : b.toInt();
  int64_t r = 0;
  switch (op) {
    case VarOperator::Add: r = wrapAdd(x, y); break;
    case VarOperator::Sub: r = wrapSub(x, y); break;
    case VarOperator::Mul: r = wrapMul(x, y); break;
    case VarOperator::IntDiv: r = intDiv(x, y); break;
    case VarOperator::Mod: r = intMod(x, y); break;
    case VarOperator::And: r = x & y; break;
    case VarOperator::Or: r = x | y; break;
    case VarOperator::Xor: r = x ^ y; break;
    case VarOperator::Shl: r = static_cast<int64_t>(static_cast<uint64_t>(x) << (y & 63)); break;
    case VarOperator::Shr: r = static_cast<int64_t>(static_cast<uint64_t>(x) >> (y & 63)); break;
    case VarOperator::Eq: return Value::boolean(x == y);
    case VarOperator::Ne: return Value::boolean(x != y);
    case VarOperator::Lt: return Value::boolean(x < y);
    case VarOperator::Le: return Value::boolean(x <= y);
    case VarOperator::Gt: return Value::boolean(x > y);
    case VarOperator::Ge: return Value::boolean(x >= y);
    default: fail(ErrorKind::TypeMismatch);
  }
  if (boolean) return Value::boolean(r != 0);
  if (r >= INT32_MIN && r <= INT32_MAX && a.type() != varInt64 && b.type() != varInt64) return Value::integer(r, varInteger);
  return Value::integer(r, varInt64);
}

}  // namespace

Value& NativeCall::argOutOfRange() { fail(ErrorKind::OutOfRange); }
Value& NativeCall::element(const Value& ref) { return deref(ref); }

int64_t Vm::elementValues(int32_t arrayType) const {
  if (arrayType < 0 || static_cast<size_t>(arrayType) >= m_.module.types.size()) fail(ErrorKind::InvalidType);
  const TypeDesc& t = m_.module.types[static_cast<size_t>(arrayType)];
  const int32_t e = t.elems.empty() ? -1 : t.elems[0];
  if (e < 0 || static_cast<size_t>(e) >= m_.typeValues.size()) return 1;
  return std::max<int64_t>(1, m_.typeValues[static_cast<size_t>(e)]);
}

Value Vm::makeAggregate(int32_t type, size_t depth) {
  if (type < 0 || static_cast<size_t>(type) >= m_.module.types.size() || depth > kMaxTypeNesting) fail(ErrorKind::InvalidType);
  const TypeDesc& t = m_.module.types[static_cast<size_t>(type)];
  auto* a = new ArrObj();
  Value r;
  r.setHeap(a, t.kind == AggKind::DynArray ? vtDynArray : vtAggregate);
  a->typeId = type;
  a->low = t.low;
  if (t.kind == AggKind::DynArray) return r;
  a->resize(static_cast<size_t>(t.count));
  for (size_t i = 0; i < a->items.size(); ++i) {
    int32_t e = t.kind == AggKind::Record ? t.elems[i] : t.elems[0];
    if (e >= 0) a->items[i] = makeAggregate(e, depth + 1);
  }
  return r;
}

void Vm::releaseFrame(const Frame& f) { releaseSlots(f.fp + 1, f.fp + f.proc->frameSize); }

void Vm::callNative(int32_t index, Value* base) {
  const BoundNative& n = m_.bound[static_cast<size_t>(index)];
  NativeCall c;
  c.args_ = base + 1;
  c.result_ = base;
  c.exec_ = &exec_;
  c.user_ = n.user;
  c.count_ = n.argCount;
  base[0].clear();
  n.fn(c);
}

// The innermost finally part that a jump from pc to target leaves, if any.
const Handler* Vm::finallyLeft(size_t pc, int32_t target) const {
  for (const Handler& h : m_.frames.back().proc->handlers) {
    auto in = [&](int64_t p) { return p >= h.tryStart && p < h.tryEnd; };
    if (h.kind == Handler::Finally && in(static_cast<int64_t>(pc)) && !in(target)) return &h;
  }
  return nullptr;
}

// Where a jump towards target goes first: the finally part h it leaves, or
// the target itself.
namespace {
size_t leaveDestination(const Handler* h, int32_t target) { return static_cast<size_t>(h ? h->handler : target); }
}  // namespace

// Jumps towards target through h, the finally part left on the way (if any):
// h is entered with the target kept for its end.
size_t Vm::leave(const Handler* h, int32_t target) {
  if (!h) return static_cast<size_t>(target);
  // Compiled code nests finally parts only as deep as its try blocks; a
  // damaged module could otherwise grow the list without end.
  if (m_.pending.size() >= kMaxPendingFinally) fail(ErrorKind::OutOfStackRange);
  m_.pending.push_back({m_.frames.size(), h->handler, false, target, ErrorKind::NoError, {}});
  return static_cast<size_t>(h->handler);
}

bool Vm::unwind(ErrorKind kind, const std::string& param, size_t baseDepth) {
  bool top = true;
  while (m_.frames.size() > baseDepth) {
    Frame& f = m_.frames.back();
    int64_t at = top ? static_cast<int64_t>(f.pc) : static_cast<int64_t>(f.pc) - 1;
    top = false;
    while (!m_.pending.empty() && m_.pending.back().depth > m_.frames.size()) m_.pending.pop_back();
    for (const Handler& h : f.proc->handlers) {
      if (at < h.tryStart || at >= h.tryEnd) continue;
      if (h.kind == Handler::Except) {
        exec_.lastKind_ = kind;
        exec_.lastParam_ = param;
        exec_.lastProc_ = static_cast<int>(f.proc - m_.module.procs.data());
        exec_.lastPos_ = static_cast<int>(at);
      } else {
        // Past the limit, which only a damaged module reaches, the error
        // goes on without this finally part.
        if (m_.pending.size() >= kMaxPendingFinally) continue;
        m_.pending.push_back({m_.frames.size(), h.handler, true, 0, kind, param});
      }
      f.pc = static_cast<size_t>(h.handler);
      return true;
    }
    releaseFrame(f);
    m_.frames.pop_back();
  }
  while (!m_.pending.empty() && m_.pending.back().depth > m_.frames.size()) m_.pending.pop_back();
  return false;
}

void Vm::run(int proc, Value* fp) {
  const ProcDesc& p = m_.module.procs[static_cast<size_t>(proc)];
  if (fp + p.frameSize > m_.stackEnd || m_.frames.size() >= m_.frames.capacity()) fail(ErrorKind::OutOfStackRange);
  clearSlots(fp + 1 + p.paramCount, fp + p.frameSize);
  size_t base = m_.frames.size();
  m_.frames.push_back({&p, 0, fp});
  for (bool first = true;; first = false) {
    try {
      // The first entry gets its frame from here rather than through the
      // frame stack just written: the shorter chain of loads is what a short
      // host call spends most of its time on.
      if (first) execute(base, &p, 0, fp);
      else execute(base, m_.frames.back().proc, m_.frames.back().pc, m_.frames.back().fp);
      return;
    } catch (const AbortSignal&) {
      // Attention only: the interrupted instruction runs again.
      if (exec_.attend()) stopAborted(base, proc);
    } catch (const ScriptError& e) {
      handleError(e.kind, e.param, base, proc);
    } catch (const RuntimeError& e) {  // from a script routine the host called back into
      handleError(e.kind, e.param, base, proc);
    } catch (const std::bad_alloc&) {
      handleError(ErrorKind::OutOfMemory, "", base, proc);
    } catch (const std::exception& e) {
      handleError(ErrorKind::Exception, e.what(), base, proc);
    }
  }
}

void Vm::stopAborted(size_t base, int proc) {
  while (m_.frames.size() > base) { releaseFrame(m_.frames.back()); m_.frames.pop_back(); }
  while (!m_.pending.empty() && m_.pending.back().depth > base) m_.pending.pop_back();
  throw RuntimeError(ErrorKind::CustomError, m_.stopReason.empty() ? "Script aborted" : m_.stopReason, proc, 0);
}

// Hands an error to the nearest handler, or to the host. A handler may lie
// before the failing instruction, so reaching one counts as a backward jump
// for the attention flag.
void Vm::handleError(ErrorKind kind, const std::string& param, size_t base, int proc) {
  // A host function that gave up because of an abort ends the script, whatever it raised.
  if (exec_.abort_.load(std::memory_order_relaxed)) stopAborted(base, proc);
  int where = static_cast<int>(m_.frames.back().pc);
  int procNo = static_cast<int>(m_.frames.back().proc - m_.module.procs.data());
  if (!unwind(kind, param, base)) throw RuntimeError(kind, param, procNo, where);
  if (exec_.attention_.load(std::memory_order_relaxed) && exec_.attend()) stopAborted(base, proc);
}

// Labels as values are a GNU extension, used here for dispatch speed.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wgnu-label-as-value"
#else
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#endif
// proc, code and fp always describe the innermost frame f, in registers.
void Vm::execute(size_t baseDepth, const ProcDesc* proc, size_t pc, Value* fp) {
  Frame* f = &m_.frames.back();
  const int32_t* code = proc->code.data();
  Value* g = m_.globals.data();
  const std::atomic<bool>& abort = exec_.attention_;  // raised by every abort request
  const ProcDesc* callee = nullptr;  // set by Call and CallPtr
  // Threaded dispatch: every handler jumps straight to the next one.
  static void* const kLabels[] = {
#define PSCRIPT_OP_LABEL(name, operands) &&L_##name,
      PSCRIPT_OPCODES(PSCRIPT_OP_LABEL)
#undef PSCRIPT_OP_LABEL
  };
  const int32_t* ip = code + pc;
#define NEXT              \
  do {                    \
    ip = code + pc;       \
    goto* kLabels[ip[0]]; \
  } while (0)
// A computed goto must not skip destructors: handlers with such values close
// their scope before NEXT, each with its own jump (shared jumps predict worse);
// NEXT_SCOPED leaves from inside such a scope through the one dispatch point.
#define NEXT_SCOPED goto dispatch

#define R(x) ((x) >= 0 ? fp[(x)] : g[~(x)])
#define A1 ip[1]
#define A2 ip[2]
#define A3 ip[3]
  try {
  dispatch:
    NEXT;
    {
      L_Move: copyValue(R(A1), R(A2)); pc += 3; NEXT;
      L_MoveRef: {
        Value& d = R(A1);
        const Value& s = R(A2);
        if (!isRef(s)) fail(ErrorKind::TypeMismatch);
        if (s.type() == vtSlotRef) {
          const Value* target = s.slotRef();
          if (target >= m_.stack && target < m_.stackEnd && target >= &d) fail(ErrorKind::TypeMismatch);
        }
        d = s;
        pc += 3;
        NEXT;
      }
      L_Ref: R(A1).setSlotRef(&R(A2)); pc += 3; NEXT;
      L_RefIndex: {
        Value& base = deref(R(A2));
        ArrObj* a = writableAggregate(base);
        Value r = elemRef(a, checkedIndex(a, R(A3).rawInt()));
        R(A1) = std::move(r);
        pc += 4;
      }
      NEXT;
      L_RefField: {
        Value& base = deref(R(A2));
        ArrObj* a = writableAggregate(base);
        if (A3 < 0 || static_cast<size_t>(A3) >= a->items.size()) fail(ErrorKind::OutOfRecordRange);
        Value r = elemRef(a, static_cast<size_t>(A3));
        R(A1) = std::move(r);
        pc += 4;
      }
      NEXT;
      L_LoadRef: {
        copyValue(R(A1), deref(R(A2)));  // safe when A1 holds the only reference to the container
        pc += 3;
        NEXT;
      }
      L_StoreRef: { Value v = R(A2); copyValue(deref(R(A1)), v); pc += 3; }
      NEXT;
      L_LoadInt: R(A1).setInt(A2); pc += 3; NEXT;
      L_Clear: R(A1).clear(); pc += 2; NEXT;
      L_Init: { Value v = makeAggregate(A2); R(A1) = std::move(v); pc += 3; }
      NEXT;
      L_Add: R(A1).setInt(wrapAdd(R(A2).rawInt(), R(A3).rawInt())); pc += 4; NEXT;
      L_Sub: R(A1).setInt(wrapSub(R(A2).rawInt(), R(A3).rawInt())); pc += 4; NEXT;
      L_Mul: R(A1).setInt(wrapMul(R(A2).rawInt(), R(A3).rawInt())); pc += 4; NEXT;
      L_IDiv: R(A1).setInt(intDiv(R(A2).rawInt(), R(A3).rawInt())); pc += 4; NEXT;
      L_IMod: R(A1).setInt(intMod(R(A2).rawInt(), R(A3).rawInt())); pc += 4; NEXT;
      L_And: R(A1).setInt(R(A2).rawInt() & R(A3).rawInt()); pc += 4; NEXT;
      L_Or: R(A1).setInt(R(A2).rawInt() | R(A3).rawInt()); pc += 4; NEXT;
      L_Xor: R(A1).setInt(R(A2).rawInt() ^ R(A3).rawInt()); pc += 4; NEXT;
      L_Shl: R(A1).setInt(static_cast<int64_t>(static_cast<uint64_t>(R(A2).rawInt()) << (R(A3).rawInt() & 63))); pc += 4; NEXT;
      L_Shr: R(A1).setInt(static_cast<int64_t>(static_cast<uint64_t>(R(A2).rawInt()) >> (R(A3).rawInt() & 63))); pc += 4; NEXT;
      L_Add32: R(A1).setInt(static_cast<int32_t>(static_cast<uint32_t>(R(A2).rawInt()) + static_cast<uint32_t>(R(A3).rawInt()))); pc += 4; NEXT;
      L_Sub32: R(A1).setInt(static_cast<int32_t>(static_cast<uint32_t>(R(A2).rawInt()) - static_cast<uint32_t>(R(A3).rawInt()))); pc += 4; NEXT;
      L_Mul32: R(A1).setInt(static_cast<int32_t>(static_cast<uint32_t>(R(A2).rawInt()) * static_cast<uint32_t>(R(A3).rawInt()))); pc += 4; NEXT;
      L_Shl32: R(A1).setInt(static_cast<int32_t>(static_cast<uint32_t>(R(A2).rawInt()) << (R(A3).rawInt() & 31))); pc += 4; NEXT;
      L_Shr32: R(A1).setInt(static_cast<int32_t>(static_cast<uint32_t>(R(A2).rawInt()) >> (R(A3).rawInt() & 31))); pc += 4; NEXT;
      L_RealNarrow: {
        double d = R(A1).rawReal();
        R(A1).setReal(A2 == 0 ? static_cast<double>(static_cast<float>(d)) : std::nearbyint(d * kCurrencyScale) / kCurrencyScale);
        pc += 3;
        NEXT;
      }
      L_Neg: R(A1).setInt(wrapSub(0, R(A2).rawInt())); pc += 3; NEXT;
      L_BitNot: R(A1).setInt(~R(A2).rawInt()); pc += 3; NEXT;
      L_BoolNot: R(A1).setInt(R(A2).rawInt() == 0); pc += 3; NEXT;
      L_Narrow: R(A1).setInt(narrow(R(A1).rawInt(), A2)); pc += 3; NEXT;
      L_Eq: R(A1).setInt(R(A2).rawInt() == R(A3).rawInt()); pc += 4; NEXT;
      L_Ne: R(A1).setInt(R(A2).rawInt() != R(A3).rawInt()); pc += 4; NEXT;
      L_Lt: R(A1).setInt(R(A2).rawInt() < R(A3).rawInt()); pc += 4; NEXT;
      L_Le: R(A1).setInt(R(A2).rawInt() <= R(A3).rawInt()); pc += 4; NEXT;
      L_Gt: R(A1).setInt(R(A2).rawInt() > R(A3).rawInt()); pc += 4; NEXT;
      L_Ge: R(A1).setInt(R(A2).rawInt() >= R(A3).rawInt()); pc += 4; NEXT;
      L_RAdd: R(A1).setReal(R(A2).rawReal() + R(A3).rawReal()); pc += 4; NEXT;
      L_RSub: R(A1).setReal(R(A2).rawReal() - R(A3).rawReal()); pc += 4; NEXT;
      L_RMul: R(A1).setReal(R(A2).rawReal() * R(A3).rawReal()); pc += 4; NEXT;
      L_RDiv: {
        double y = R(A3).rawReal();
        if (y == 0.0) {
          if (R(A2).rawReal() == 0.0 || std::isnan(R(A2).rawReal())) fail(ErrorKind::MathError, "Invalid floating point operation");
          fail(ErrorKind::DivideByZero, "Division by zero");
        }
        R(A1).setReal(R(A2).rawReal() / y);
        pc += 4;
        NEXT;
      }
      L_RNeg: R(A1).setReal(-R(A2).rawReal()); pc += 3; NEXT;
      L_IntToReal: R(A1).setReal(static_cast<double>(R(A2).rawInt())); pc += 3; NEXT;
      L_REq: R(A1).setInt(R(A2).rawReal() == R(A3).rawReal()); pc += 4; NEXT;
      L_RNe: R(A1).setInt(R(A2).rawReal() != R(A3).rawReal()); pc += 4; NEXT;
      L_RLt: R(A1).setInt(R(A2).rawReal() < R(A3).rawReal()); pc += 4; NEXT;
      L_RLe: R(A1).setInt(R(A2).rawReal() <= R(A3).rawReal()); pc += 4; NEXT;
      L_RGt: R(A1).setInt(R(A2).rawReal() > R(A3).rawReal()); pc += 4; NEXT;
      L_RGe: R(A1).setInt(R(A2).rawReal() >= R(A3).rawReal()); pc += 4; NEXT;
      L_Concat: {
        Value& d = R(A1);
        const Value& a = R(A2);
        const Value& b = R(A3);
        StrObj* s = asStr(d);
        if (&d == &a && s && s->refs == 1 && &b != &d) {
          std::string_view add = strOf(b);
          if (s->s.size() + add.size() > static_cast<size_t>(kMaxStringLength)) fail(ErrorKind::OutOfMemory);
          s->reserveFor(s->s.size() + add.size());
          s->s.append(add);
        } else {
          Value r = concat(strOf(a), strOf(b));
          d = std::move(r);
        }
        pc += 4;
        NEXT;
      }
      L_SEq: R(A1).setInt(strOf(R(A2)) == strOf(R(A3))); pc += 4; NEXT;
      L_SNe: R(A1).setInt(strOf(R(A2)) != strOf(R(A3))); pc += 4; NEXT;
      L_SLt: R(A1).setInt(strOf(R(A2)) < strOf(R(A3))); pc += 4; NEXT;
      L_SLe: R(A1).setInt(strOf(R(A2)) <= strOf(R(A3))); pc += 4; NEXT;
      L_SGt: R(A1).setInt(strOf(R(A2)) > strOf(R(A3))); pc += 4; NEXT;
      L_SGe: R(A1).setInt(strOf(R(A2)) >= strOf(R(A3))); pc += 4; NEXT;
      L_CharToStr: { char c = static_cast<char>(R(A2).rawInt()); R(A1) = Value::string(std::string_view(&c, 1)); pc += 3; NEXT; }
      L_StrIndex: {
        std::string_view s = strOf(R(A2));
        int64_t i = R(A3).rawInt();
        if (i < 1 || i > static_cast<int64_t>(s.size())) fail(ErrorKind::CustomError, "Out of string range");
        R(A1).setInt(static_cast<uint8_t>(s[static_cast<size_t>(i - 1)]));
        pc += 4;
        NEXT;
      }
      L_StrLen: R(A1).setInt(static_cast<int64_t>(strOf(R(A2)).size())); pc += 3; NEXT;
      L_StrSetChar: {
        Value& t = deref(R(A1));
        int64_t i = R(A2).rawInt();
        char c = static_cast<char>(R(A3).rawInt());
        if (i < 1 || i > static_cast<int64_t>(strOf(t).size())) fail(ErrorKind::CustomError, "Out of string range");
        uniqueStr(t)->s[static_cast<size_t>(i - 1)] = c;
        pc += 4;
        NEXT;
      }
      L_StrToWide: { Value v = wideValueOfAnsi(strOf(R(A2))); R(A1) = std::move(v); pc += 3; }
      NEXT;
      L_WideToStr: { Value v = ansiValueOfWide(R(A2).rawWideString()); R(A1) = std::move(v); pc += 3; }
      NEXT;
      L_WConcat: {
        std::u16string r(R(A2).rawWideString());
        r.append(R(A3).rawWideString());
        R(A1) = Value::wideString(r);
        pc += 4;
      }
      NEXT;
      L_ToVar: { Value v = toVariant(R(A2), A3); R(A1) = std::move(v); pc += 4; }
      NEXT;
      L_FromVar: {
        if (A3 == static_cast<int32_t>(ValueClass::Int) && isWholeNumber(R(A2))) {
          R(A1).setInt(R(A2).rawInt());
          pc += 4;
          NEXT;
        }
        if (A1 != A2) {
          fromVariant(R(A1), R(A2), A3);
        } else {
          Value s = R(A2);
          fromVariant(R(A1), s, A3);
        }
        pc += 4;
      }
      NEXT;
      L_VarOp: {
        Value r = variantOp(R(A2), R(A3), static_cast<VarOperator>(ip[4]));
        if (static_cast<VarOperator>(ip[4]) >= VarOperator::Eq) R(A1).setInt(r.rawInt());
        else R(A1) = std::move(r);
        pc += 5;
      }
      NEXT;
      L_VarNot: {
        const Value& s = R(A2);
        Value r = s.type() == varBoolean ? Value::boolean(s.rawInt() == 0) : Value::integer(~s.toInt(), varInt64);
        R(A1) = std::move(r);
        pc += 3;
      }
      NEXT;
      L_ArrLen: { ArrObj* a = asArr(R(A2)); R(A1).setInt(a ? static_cast<int64_t>(a->items.size()) : 0); pc += 3; NEXT; }
      L_ArrHigh: { ArrObj* a = asArr(R(A2)); R(A1).setInt(a ? a->low + static_cast<int64_t>(a->items.size()) - 1 : -1); pc += 3; NEXT; }
      L_ArrLow: { ArrObj* a = asArr(R(A2)); R(A1).setInt(a ? a->low : 0); pc += 3; NEXT; }
      L_Index: {
        ArrObj* a = asArr(R(A2));
        if (!a) fail(ErrorKind::OutOfRange);
        Value v = a->items[checkedIndex(a, R(A3).rawInt())];
        R(A1) = std::move(v);
        pc += 4;
      }
      NEXT;
      L_Field: {
        ArrObj* a = asArr(R(A2));
        if (!a || A3 < 0 || static_cast<size_t>(A3) >= a->items.size()) fail(ErrorKind::OutOfRecordRange);
        Value v = a->items[static_cast<size_t>(A3)];
        R(A1) = std::move(v);
        pc += 4;
      }
      NEXT;
      L_SetLen: {
        Value& t = deref(R(A1));
        int64_t n = R(A2).rawInt();
        if (n > kMaxAggregateValues / elementValues(A3)) fail(ErrorKind::OutOfMemory);
        if (n <= 0) { t.clear(); pc += 4; NEXT; }
        if (!asArr(t)) t = makeAggregate(A3);
        ArrObj* a = uniqueArr(t);
        size_t old = a->items.size();
        a->resize(static_cast<size_t>(n));
        int32_t e = m_.module.types[static_cast<size_t>(A3)].elems[0];
        if (e >= 0)
          for (size_t i = old; i < a->items.size(); ++i) a->items[i] = makeAggregate(e);
        pc += 4;
        NEXT;
      }
      L_WStrIndex: {
        std::u16string_view s = R(A2).rawWideString();
        int64_t i = R(A3).rawInt();
        if (i < 1 || i > static_cast<int64_t>(s.size())) fail(ErrorKind::CustomError, "Out of string range");
        R(A1).setInt(s[static_cast<size_t>(i - 1)]);
        pc += 4;
        NEXT;
      }
      L_WCharToWide: { char16_t c = static_cast<char16_t>(R(A2).rawInt()); R(A1) = Value::wideString(std::u16string_view(&c, 1)); pc += 3; NEXT; }
      L_WStrLen: R(A1).setInt(static_cast<int64_t>(R(A2).rawWideString().size())); pc += 3; NEXT;
      L_WStrSetChar: {
        Value& t = deref(R(A1));
        int64_t i = R(A2).rawInt();
        auto c = static_cast<char16_t>(R(A3).rawInt());
        if (i < 1 || i > static_cast<int64_t>(t.rawWideString().size())) fail(ErrorKind::CustomError, "Out of string range");
        uniqueWStr(t)->s[static_cast<size_t>(i - 1)] = c;
        pc += 4;
        NEXT;
      }
      L_WStrSetLen: {
        Value& t = deref(R(A1));
        int64_t n = R(A2).rawInt();
        if (n > kMaxStringLength / 2) fail(ErrorKind::OutOfMemory);
        if (n <= 0) { t = Value::wideString(u""); pc += 3; NEXT; }
        WStrObj* w = uniqueWStr(t);
        w->reserveFor(static_cast<size_t>(n));
        w->s.resize(static_cast<size_t>(n), u' ');
        pc += 3;
        NEXT;
      }
      L_StrSetLen: {
        Value& t = deref(R(A1));
        int64_t n = R(A2).rawInt();
        if (n > kMaxStringLength) fail(ErrorKind::OutOfMemory);
        if (n <= 0) { t = Value::string(""); pc += 3; NEXT; }
        StrObj* o = uniqueStr(t);
        o->reserveFor(static_cast<size_t>(n));
        o->s.resize(static_cast<size_t>(n), ' ');
        pc += 3;
        NEXT;
      }
      L_NewArr: {
        Value v;
        if (A2 < 0) v = Value::newVarArray(0, static_cast<int64_t>(A3) - 1);
        else { v = makeAggregate(A2); if (ArrObj* a = asArr(v)) a->resize(static_cast<size_t>(A3)); }
        R(A1) = std::move(v);
        pc += 4;
      }
      NEXT;
      L_PutItem: {
        Value& d = R(A1);
        if (d.type() == (varArray | varVariant)) d.arraySet(A2 + d.arrayLow(), R(A3));
        else {
          ArrObj* a = asArr(d);
          if (!a || A2 < 0 || static_cast<size_t>(A2) >= a->items.size()) fail(ErrorKind::OutOfRange);
          copyValue(a->items[static_cast<size_t>(A2)], R(A3));
        }
        pc += 4;
        NEXT;
      }
      L_SetAdd: setEdit(R(A1), R(A2).rawInt(), true); pc += 3; NEXT;
      L_SetRemove: setEdit(R(A1), R(A2).rawInt(), false); pc += 3; NEXT;
      L_SetOp: setOp(R(A1), R(A2), R(A3), ip[4]); pc += 5; NEXT;
      L_SetIn: R(A1).setInt(setHas(R(A3), R(A2).rawInt())); pc += 4; NEXT;
      L_SetCmp: R(A1).setInt(setCompare(R(A2), R(A3), ip[4])); pc += 5; NEXT;
      L_RecCmp: R(A1).setInt(sameRecordContents(R(A2), R(A3)) != (ip[4] == 1)); pc += 5; NEXT;
      L_Jmp:
        if (A1 <= static_cast<int32_t>(pc) && abort.load(std::memory_order_relaxed)) throw AbortSignal{};
        pc = static_cast<size_t>(A1);
        NEXT;
      L_JTrue:
        if (R(A1).rawInt() != 0) {
          if (A2 <= static_cast<int32_t>(pc) && abort.load(std::memory_order_relaxed)) throw AbortSignal{};
          pc = static_cast<size_t>(A2);
        } else pc += 3;
        NEXT;
      L_JFalse:
        if (R(A1).rawInt() == 0) {
          if (A2 <= static_cast<int32_t>(pc) && abort.load(std::memory_order_relaxed)) throw AbortSignal{};
          pc = static_cast<size_t>(A2);
        } else pc += 3;
        NEXT;
      L_CallPtr: {
        // The number comes from a run-time value: checked here, not by the loader.
        int64_t n = R(A1).rawInt();
        if (n <= 0 || static_cast<uint64_t>(n) >= m_.module.procs.size()) fail(ErrorKind::OutOfProcRange);
        const ProcDesc& target = m_.module.procs[static_cast<size_t>(n)];
        if (A2 + 1 + target.paramCount > proc->frameSize) fail(ErrorKind::TypeMismatch);
        callee = &target;
        goto enter_call;
      }
      L_Call:
        callee = &m_.module.procs[static_cast<size_t>(A1)];
      enter_call: {
        Value* nfp = fp + A2;
        if (abort.load(std::memory_order_relaxed)) throw AbortSignal{};
        if (nfp + callee->frameSize > m_.stackEnd || m_.frames.size() >= m_.frames.capacity()) fail(ErrorKind::OutOfStackRange);
        nfp[0].clear();
        clearSlots(nfp + 1 + callee->paramCount, std::min(nfp + callee->frameSize, fp + proc->frameSize));
        f->pc = pc + 3;
        m_.frames.push_back({callee, 0, nfp});
        f = &m_.frames.back();
        proc = callee;
        code = callee->code.data();
        fp = nfp;
        pc = 0;
        NEXT;
      }
      L_CallNative:
        if (abort.load(std::memory_order_relaxed)) throw AbortSignal{};
        callNative(A1, fp + A2);
        pc += 3;
        NEXT;
      L_Ret: {
        releaseSlots(fp + 1, fp + proc->frameSize);
        m_.frames.pop_back();
        while (!m_.pending.empty() && m_.pending.back().depth > m_.frames.size()) m_.pending.pop_back();
        if (m_.frames.size() <= baseDepth) return;
        f = &m_.frames.back();
        proc = f->proc;
        code = proc->code.data();
        fp = f->fp;
        pc = f->pc;
        NEXT;
      }
      // A jump out of a try block checks for an abort whenever its next
      // instruction lies behind it, the finally part run on the way included;
      // it checks before it changes anything, so that it can run again.
      L_Leave: {
        const Handler* h = finallyLeft(pc, A1);
        if (leaveDestination(h, A1) <= pc && abort.load(std::memory_order_relaxed)) throw AbortSignal{};
        pc = leave(h, A1);
        NEXT;
      }
      L_EndFinally: {
        if (!m_.pending.empty() && m_.pending.back().depth == m_.frames.size() && m_.pending.back().handler == A1) {
          const Pending& top = m_.pending.back();
          const Handler* h = top.isError ? nullptr : finallyLeft(pc, top.target);
          if (!top.isError && leaveDestination(h, top.target) <= pc && abort.load(std::memory_order_relaxed))
            throw AbortSignal{};
          Pending p = std::move(m_.pending.back());
          m_.pending.pop_back();
          if (p.isError) throw ScriptError(p.kind, p.param);
          pc = leave(h, p.target);
          NEXT_SCOPED;
        }
        pc += 2;
        NEXT;
      }
      L_EndExcept: exec_.lastKind_ = ErrorKind::NoError; pc += 1; NEXT;  // the param stays readable
      L_Raise: {
        int64_t k = R(A1).rawInt();
        if (k < 0 || k >= kErrorKindCount) k = static_cast<int64_t>(ErrorKind::CustomError);
        fail(static_cast<ErrorKind>(k), std::string(strOf(R(A2))));
      }
      L_Reraise: fail(exec_.lastKind_, exec_.lastParam_);
      L_ExcType: R(A1).setInt(static_cast<int64_t>(exec_.lastKind_)); pc += 2; NEXT;
      L_ExcParam: R(A1) = Value::string(exec_.lastParam_); pc += 2; NEXT;
    }
  } catch (...) {
    f->pc = pc;  // the unwinder starts from the faulting instruction
    throw;
  }
#undef NEXT
#undef NEXT_SCOPED
#undef R
#undef A1
#undef A2
#undef A3
}
#if defined(__clang__)
#pragma clang diagnostic pop
#else
#pragma GCC diagnostic pop
#endif

}  // namespace pscript
