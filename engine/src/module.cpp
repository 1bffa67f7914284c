// Byte form of a module, and the loader's checks: nothing in a module may
// make the VM read or write outside its slots, code or tables.
#include "module.h"

#include "heap.h"
#include "engine_limits.h"
#include "external.h"
#include "opcodes.h"

#include <pscript/pscript.h>

#include <cstring>

namespace pscript {

namespace {

class Writer {
 public:
  void u8(uint8_t v) { out.push_back(static_cast<char>(v)); }
  void u32(uint32_t v) { for (int i = 0; i < 4; ++i) u8(static_cast<uint8_t>(v >> (8 * i))); }
  void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
  void i64(int64_t v) { u32(static_cast<uint32_t>(v)); u32(static_cast<uint32_t>(static_cast<uint64_t>(v) >> 32)); }
  void str(std::string_view s) { u32(static_cast<uint32_t>(s.size())); out.append(s); }
  std::string out;
};

class Reader {
 public:
  explicit Reader(std::string_view b) : bytes(b) {}
  bool u8(uint8_t& v) {
    if (pos + 1 > bytes.size()) return fail();
    v = static_cast<uint8_t>(bytes[pos++]);
    return true;
  }
  bool u32(uint32_t& v) {
    if (pos + 4 > bytes.size()) return fail();
    v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[pos + i])) << (8 * i);
    pos += 4;
    return true;
  }
  bool i32(int32_t& v) { uint32_t u; if (!u32(u)) return false; v = static_cast<int32_t>(u); return true; }
  bool i64(int64_t& v) {
    uint32_t lo, hi;
    if (!u32(lo) || !u32(hi)) return false;
    v = static_cast<int64_t>((static_cast<uint64_t>(hi) << 32) | lo);
    return true;
  }
  bool count(uint32_t& n, size_t minItemBytes) {
    if (!u32(n)) return false;
    if (n > kMaxModuleItems || n * minItemBytes > bytes.size() - pos) return fail();
    return true;
  }
  bool str(std::string& s) {
    uint32_t n;
    if (!count(n, 1)) return false;
    s.assign(bytes.substr(pos, n));
    pos += n;
    return true;
  }
  bool fail() { ok = false; return false; }
  std::string_view bytes;
  size_t pos = 0;
  bool ok = true;
};

enum class ConstTag : uint8_t { Int, Real, String, Wide };

void writeConst(Writer& w, const ConstDesc& c) {
  w.i32(c.global);
  const Value& v = c.value;
  w.u32(v.type());
  if (v.type() == varString) { w.u8(static_cast<uint8_t>(ConstTag::String)); w.str(v.rawString()); }
  else if (v.type() == varOleStr) {
    w.u8(static_cast<uint8_t>(ConstTag::Wide));
    std::u16string_view s = v.rawWideString();
    w.u32(static_cast<uint32_t>(s.size()));
    for (char16_t ch : s) { w.u8(static_cast<uint8_t>(ch)); w.u8(static_cast<uint8_t>(ch >> 8)); }
  } else if (v.isReal()) {
    w.u8(static_cast<uint8_t>(ConstTag::Real));
    int64_t bits;
    double d = v.rawReal();
    std::memcpy(&bits, &d, 8);
    w.i64(bits);
  } else { w.u8(static_cast<uint8_t>(ConstTag::Int)); w.i64(v.rawInt()); }
}

bool readConst(Reader& r, ConstDesc& c) {
  uint32_t vt;
  uint8_t tag;
  if (!r.i32(c.global) || !r.u32(vt) || !r.u8(tag)) return false;
  switch (static_cast<ConstTag>(tag)) {
    case ConstTag::String: { std::string s; if (!r.str(s)) return false; c.value = Value::string(s); return true; }
    case ConstTag::Wide: {
      uint32_t n;
      if (!r.count(n, 2)) return false;
      std::u16string s(n, u'\0');
      for (auto& ch : s) {
        uint8_t lo = 0, hi = 0;
        if (!r.u8(lo) || !r.u8(hi)) return false;
        ch = static_cast<char16_t>(lo | (hi << 8));
      }
      c.value = Value::wideString(s);
      return true;
    }
    case ConstTag::Real: {
      int64_t bits; double d;
      if (!r.i64(bits)) return false;
      std::memcpy(&d, &bits, 8);
      c.value = Value::real(d, varDouble);
      return true;
    }
    case ConstTag::Int: {
      int64_t i;
      if (!r.i64(i)) return false;
      if (vt > 0xFFFF || (vt & 0xF000) != 0) return r.fail();  // no internal codes in constants
      c.value = Value::integer(i, static_cast<VarType>(vt));
      if (!c.value.isInteger() && vt != varEmpty && vt != varNull) return r.fail();
      return true;
    }
  }
  return r.fail();
}

}  // namespace

std::string serializeModule(const Module& m) {
  Writer w;
  w.u32(kModuleMagic);
  w.u32(kModuleVersion);
  w.i32(m.globalCount);
  w.u32(static_cast<uint32_t>(m.constants.size()));
  for (const auto& c : m.constants) writeConst(w, c);
  w.u32(static_cast<uint32_t>(m.types.size()));
  for (const auto& t : m.types) {
    w.u8(static_cast<uint8_t>(t.kind));
    w.i64(t.low);
    w.i64(t.count);
    w.u32(static_cast<uint32_t>(t.elems.size()));
    for (int32_t e : t.elems) w.i32(e);
  }
  w.u32(static_cast<uint32_t>(m.natives.size()));
  for (const auto& n : m.natives) { w.str(n.name); w.i32(n.argCount); w.str(n.external); w.str(n.signature); }
  w.u32(static_cast<uint32_t>(m.procs.size()));
  for (const auto& p : m.procs) {
    w.str(p.name);
    w.u8(p.exported);
    w.u8(p.hostSignature);
    w.i32(p.paramCount);
    w.i32(p.frameSize);
    w.u32(static_cast<uint32_t>(p.code.size()));
    for (int32_t c : p.code) w.i32(c);
    w.u32(static_cast<uint32_t>(p.handlers.size()));
    for (const auto& h : p.handlers) { w.i32(h.tryStart); w.i32(h.tryEnd); w.i32(h.handler); w.u8(h.kind); }
  }
  return std::move(w.out);
}

bool deserializeModule(std::string_view bytes, Module& m, std::string& error) {
  Reader r(bytes);
  uint32_t magic = 0, version = 0, n = 0;
  error = "Invalid Header";
  if (!r.u32(magic) || magic != kModuleMagic) return false;
  if (!r.u32(version) || version != kModuleVersion) { error = "Version error"; return false; }
  error = "Unexpected End Of File";
  if (!r.i32(m.globalCount) || !r.count(n, 9)) return false;
  m.constants.resize(n);
  for (auto& c : m.constants) if (!readConst(r, c)) return false;
  if (!r.count(n, 21)) return false;
  m.types.resize(n);
  for (auto& t : m.types) {
    uint8_t kind; uint32_t ne;
    if (!r.u8(kind) || !r.i64(t.low) || !r.i64(t.count) || !r.count(ne, 4)) return false;
    if (kind > static_cast<uint8_t>(AggKind::DynArray)) return false;
    t.kind = static_cast<AggKind>(kind);
    t.elems.resize(ne);
    for (auto& e : t.elems) if (!r.i32(e)) return false;
  }
  if (!r.count(n, 16)) return false;
  m.natives.resize(n);
  for (auto& nd : m.natives)
    if (!r.str(nd.name) || !r.i32(nd.argCount) || !r.str(nd.external) || !r.str(nd.signature)) return false;
  if (!r.count(n, 18)) return false;
  m.procs.resize(n);
  for (auto& p : m.procs) {
    uint8_t ex, hs; uint32_t nc, nh;
    if (!r.str(p.name) || !r.u8(ex) || !r.u8(hs) || !r.i32(p.paramCount) || !r.i32(p.frameSize)) return false;
    p.exported = ex != 0;
    p.hostSignature = hs != 0;
    if (!r.count(nc, 4)) return false;
    p.code.resize(nc);
    for (auto& c : p.code) if (!r.i32(c)) return false;
    if (!r.count(nh, 13)) return false;
    p.handlers.resize(nh);
    for (auto& h : p.handlers) {
      uint8_t k;
      if (!r.i32(h.tryStart) || !r.i32(h.tryEnd) || !r.i32(h.handler) || !r.u8(k) || k > 1) return false;
      h.kind = static_cast<Handler::Kind>(k);
    }
  }
  if (r.pos != bytes.size()) { error = "Invalid Header"; return false; }
  return validateModule(m, error);
}

namespace {

struct ProcChecker {
  const Module& m;
  const ProcDesc& p;
  std::vector<bool> starts;
  std::string& error;

  bool fail(const std::string& why) { error = "Invalid Opcode Parameter (" + p.name + ": " + why + ")"; return false; }

  bool slot(int32_t v) {
    if (v >= 0) return v < p.frameSize || fail("slot");
    return ~v < m.globalCount || fail("global");
  }
  bool local(int32_t v) { return (v >= 0 && v < p.frameSize) || fail("local"); }

  bool operand(char kind, int32_t v, size_t at) {
    switch (kind) {
      case 'd': case 's': return slot(v);
      case 'r': return local(v);
      case 'j': return (v >= 0 && static_cast<size_t>(v) < p.code.size()) || fail("jump");
      case 'p': return (v > 0 && static_cast<size_t>(v) < m.procs.size()) || fail("proc");
      case 'n': return (v >= 0 && static_cast<size_t>(v) < m.natives.size()) || fail("native");
      case 't': return (v >= -1 && static_cast<int64_t>(v) < static_cast<int64_t>(m.types.size())) || fail("type");
      case 'i': return true;
      case 'a': return local(v);
      default: (void)at; return fail("operand kind");
    }
  }

  // Rules that tie operands together.
  bool opRules(Op op, const int32_t* a) {
    switch (op) {
      case Op::Ref: return a[1] < 0 || a[0] > a[1] || fail("reference stored below its target");
      case Op::Init: return a[1] >= 0 || fail("init type");
      case Op::SetOp: return (a[3] >= 0 && a[3] <= 2) || fail("set operator");
      case Op::SetCmp: return (a[3] >= 0 && a[3] <= 3) || fail("set comparison");
      case Op::RecCmp: return (a[3] == 0 || a[3] == 1) || fail("record comparison");
      case Op::RealNarrow: return (a[1] == 0 || a[1] == 1) || fail("real kind");
      case Op::Narrow: return (a[1] >= 0 && a[1] < static_cast<int32_t>(IntKind::Count)) || fail("int kind");
      case Op::FromVar: return (a[2] >= 0 && a[2] < static_cast<int32_t>(ValueClass::Count)) || fail("class");
      case Op::VarOp: return (a[3] >= 0 && a[3] < static_cast<int32_t>(VarOperator::Count)) || fail("operator");
      case Op::ToVar: return (a[2] >= 0 && (a[2] <= 0xFFF || (a[2] & 0xFFFF) == kVtArray) && arrayElementCode(a[2]) <= 0xFFF) || fail("var type");
      case Op::NewArr: return (a[2] >= 0 && a[2] <= kMaxAggregateValues) || fail("length");
      case Op::SetLen: return (a[2] >= 0 && m.types[static_cast<size_t>(a[2])].kind == AggKind::DynArray) || fail("array type");
      case Op::Call: {
        const ProcDesc& callee = m.procs[static_cast<size_t>(a[0])];
        return a[1] + 1 + callee.paramCount <= p.frameSize || fail("call arguments");
      }
      case Op::CallNative:
        return a[1] + 1 + m.natives[static_cast<size_t>(a[0])].argCount <= p.frameSize || fail("native arguments");
      default: return true;
    }
  }

  bool run() {
    if (p.frameSize < 1 + p.paramCount || p.paramCount < 0 || static_cast<size_t>(p.frameSize) > kMaxFrameSlots)
      return fail("frame");
    if (p.code.empty()) return fail("empty code");
    starts.assign(p.code.size(), false);
    size_t pc = 0;
    while (pc < p.code.size()) {
      starts[pc] = true;
      int32_t raw = p.code[pc];
      if (raw < 0 || raw >= kOpCount) { error = "Invalid Opcode"; return false; }
      Op op = static_cast<Op>(raw);
      const char* kinds = kOpInfo[raw].operands;
      size_t n = std::strlen(kinds);
      if (pc + 1 + n > p.code.size()) return fail("truncated instruction");
      for (size_t k = 0; k < n; ++k)
        if (!operand(kinds[k], p.code[pc + 1 + k], pc)) return false;
      if (!opRules(op, &p.code[pc + 1])) return false;
      pc += 1 + n;
    }
    // The last instruction must not fall off the end.
    if (!endsWithJumpOrReturn()) return fail("code falls off its end");
    return jumpsLandOnInstructions() && handlersValid();
  }

  bool endsWithJumpOrReturn() {
    size_t pc = 0, last = 0;
    while (pc < p.code.size()) { last = pc; pc += 1 + std::strlen(kOpInfo[p.code[pc]].operands); }
    Op op = static_cast<Op>(p.code[last]);
    return op == Op::Ret || op == Op::Jmp || op == Op::Reraise || op == Op::Leave || op == Op::EndFinally;
  }

  bool jumpsLandOnInstructions() {
    size_t pc = 0;
    while (pc < p.code.size()) {
      const char* kinds = kOpInfo[p.code[pc]].operands;
      for (size_t k = 0; kinds[k]; ++k)
        if (kinds[k] == 'j' && !starts[static_cast<size_t>(p.code[pc + 1 + k])]) return fail("jump target");
      pc += 1 + std::strlen(kinds);
    }
    return true;
  }

  bool handlersValid() {
    for (const auto& h : p.handlers) {
      auto inCode = [&](int32_t v) { return v >= 0 && static_cast<size_t>(v) < p.code.size() && starts[static_cast<size_t>(v)]; };
      if (!inCode(h.tryStart) || !inCode(h.handler) || h.tryEnd < h.tryStart ||
          static_cast<size_t>(h.tryEnd) > p.code.size())
        return fail("handler");
    }
    return true;
  }
};

bool typesValid(const Module& m, std::string& error) {
  std::vector<size_t> depth(m.types.size(), 0);
  std::vector<int64_t> values;
  for (size_t i = 0; i < m.types.size(); ++i) {
    const TypeDesc& t = m.types[i];
    size_t want = t.kind == AggKind::Record ? static_cast<size_t>(t.count) : 1;
    if (t.count < 0 || t.count > kMaxArrayLength || t.elems.size() != want) { error = "Invalid Type"; return false; }
    for (int32_t e : t.elems) {
      if (e < -1 || e >= static_cast<int32_t>(i)) { error = "Invalid Type"; return false; }
      if (e >= 0) depth[i] = std::max(depth[i], depth[static_cast<size_t>(e)] + 1);
    }
    if (depth[i] > kMaxTypeNesting) { error = "Invalid Type"; return false; }
    values.push_back(typeValueCount(t, values));
    if (values.back() > kMaxAggregateValues) { error = "Out Of Memory"; return false; }
  }
  return true;
}

// The globals' initialiser runs while loading: it may only set up values,
// so that no byte string can make loading loop or call anything.
bool initProcIsStraight(const ProcDesc& p) {
  size_t pc = 0;
  while (pc < p.code.size()) {
    int32_t raw = p.code[pc];
    if (raw < 0 || raw >= kOpCount) return false;
    Op op = static_cast<Op>(raw);
    if (op != Op::Init && op != Op::Move && op != Op::Clear && op != Op::LoadInt && op != Op::Ret) return false;
    pc += 1 + std::strlen(kOpInfo[raw].operands);
  }
  return true;
}

// An external routine's text must parse and its kinds must match its arity;
// a plain native carries neither.
bool externalValid(const NativeDesc& n) {
  if (n.external.empty()) return n.signature.empty();
  ExternalDecl d;
  return parseExternalText(n.external, d).empty() && decodeExternalSignature(n.signature, d) &&
         d.params.size() == static_cast<size_t>(n.argCount);
}

}  // namespace

int64_t typeValueCount(const TypeDesc& t, const std::vector<int64_t>& earlier) {
  constexpr int64_t kBeyond = kMaxAggregateValues + 1;
  if (t.kind == AggKind::DynArray) return 1;  // the elements come with SetLength
  auto valuesOf = [&](int32_t e) {
    return e >= 0 && static_cast<size_t>(e) < earlier.size() ? earlier[static_cast<size_t>(e)] : 1;
  };
  int64_t total = 1;
  if (t.kind == AggKind::Record) {
    for (int32_t e : t.elems) total = std::min(kBeyond, total + valuesOf(e));
  } else if (!t.elems.empty() && t.count > 0) {
    const int64_t each = valuesOf(t.elems[0]);
    total = t.count > (kBeyond - 1) / each ? kBeyond : std::min(kBeyond, 1 + t.count * each);
  }
  return total;
}

bool validateModule(const Module& m, std::string& error) {
  if (m.globalCount < 0 || static_cast<size_t>(m.globalCount) > kMaxGlobals) { error = "Out of Global Vars range"; return false; }
  if (m.procs.empty() || m.procs[0].paramCount != 0) { error = "no Main Proc"; return false; }
  for (const auto& c : m.constants)
    if (c.global < 0 || c.global >= m.globalCount) { error = "Out of Global Vars range"; return false; }
  if (!typesValid(m, error)) return false;
  for (const auto& n : m.natives) {
    if (n.argCount < 0 || static_cast<size_t>(n.argCount) > kMaxFrameSlots) { error = "Invalid Opcode Parameter"; return false; }
    if (!externalValid(n)) { error = "Invalid Opcode Parameter"; return false; }
  }
  if (!initProcIsStraight(m.procs[0])) { error = "Invalid Opcode"; return false; }
  for (const auto& p : m.procs) {
    ProcChecker c{m, p, {}, error};
    if (!c.run()) return false;
    if (p.hostSignature && p.paramCount != 1) { error = "Invalid Opcode Parameter"; return false; }
  }
  return true;
}

std::string disassemble(const Module& m) {
  std::string out;
  for (size_t i = 0; i < m.procs.size(); ++i) {
    const ProcDesc& p = m.procs[i];
    out += "proc " + std::to_string(i) + " " + p.name + " params=" + std::to_string(p.paramCount) +
           " frame=" + std::to_string(p.frameSize) + "\n";
    size_t pc = 0;
    while (pc < p.code.size()) {
      int32_t raw = p.code[pc];
      if (raw < 0 || raw >= kOpCount) { out += "  ??\n"; break; }
      out += "  " + std::to_string(pc) + ": " + kOpInfo[raw].name;
      size_t n = std::strlen(kOpInfo[raw].operands);
      for (size_t k = 0; k < n && pc + 1 + k < p.code.size(); ++k) {
        int32_t v = p.code[pc + 1 + k];
        char kind = kOpInfo[raw].operands[k];
        bool isSlot = kind == 'd' || kind == 's';
        out += (isSlot && v < 0) ? " g" + std::to_string(~v) : " " + std::to_string(v);
      }
      out += "\n";
      pc += 1 + n;
    }
  }
  return out;
}

}  // namespace pscript

namespace pscript {

std::string disassembleModule(std::string_view module) {
  Module m;
  std::string error;
  if (!deserializeModule(module, m, error)) return {};
  return disassemble(m);
}

}  // namespace pscript
