// pscript-run: runs scripts through the engine with the command line and
// output of the reference runner, so the two can be compared line by line.
#include "host_functions.h"

#include <StandardScriptFunctions.h>

#include <pscript/pscript.h>

#include <cctype>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

using namespace pscript;

namespace {

bool gVerbose = false;
bool gAdjust = false;
bool gUiUnits = false;       // -u: the user-interface libraries' declarations too
bool gDumpClasses = false;   // declarations mode

bool readWholeFile(const std::string& name, std::string& out) {
  std::error_code ec;
  // Only a regular file of bounded size: a pipe or a device would never end.
  constexpr uintmax_t kMaxScriptFileBytes = uintmax_t{64} << 20;
  if (!std::filesystem::is_regular_file(name, ec) || std::filesystem::file_size(name, ec) > kMaxScriptFileBytes)
    return false;
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return true;
}

void printMessages(const Compiler& c) {
  for (const Message& m : c.messages()) {
    std::printf("Error: %s at [%d, %d]\n", m.param.c_str(), m.row, m.col);
    std::printf("%s\n", m.toString().c_str());
  }
}

struct Host {
  Exec exec;
  ClassImporter classes;

  // compileOnly: stop after compiling (scripts whose UI classes have no
  // run-time half in this runner).
  bool load(const std::string& script, bool compileOnly = false) {
    PreProcessor pp;
    pp.mainFileName = "";
    pp.onNeedFile = [](PreProcessor&, const std::string&, std::string& fileName, std::string& output) {
      return readWholeFile(fileName, output);
    };
    std::string source;
    try {
      source = pp.preprocess(std::filesystem::absolute(script).lexically_normal().string());
    } catch (const PreProcessorError& e) {
      std::printf("Preprocessor error: EPSPreProcessor: %s\n", e.what());
      return false;
    }
    Compiler comp;
    comp.allowNoBegin = true;
    comp.allowNoEnd = true;
    comp.onUses = [](Compiler& c, const std::string& unit) {
      if (unit != "SYSTEM") return false;
      run::registerHostCompileTime(c);
      if (gUiUnits) tarno::RegisterUiRunnerLibrariesCompiletime(c);
      else tarno::RegisterRunnerLibrariesCompiletime(c);
      if (gDumpClasses) std::printf("%s", c.describeClasses().c_str());
      return true;
    };
    if (!comp.compile(source)) {
      if (gAdjust) pp.adjustMessages(comp);
      std::printf("Compile failed (%zu message(s))\n", comp.messages().size());
      printMessages(comp);
      return false;
    }
    if (gAdjust) pp.adjustMessages(comp);
    if (gVerbose && !comp.messages().empty()) {
      std::printf("Compiled with %zu message(s):\n", comp.messages().size());
      printMessages(comp);
    }
    if (compileOnly) {
      std::printf("Compiled\n");
      return true;
    }
    // Debugging aids: a listing on stderr, or the compiled code in a file.
    if (std::getenv("PSCRIPT_DISASM")) std::fprintf(stderr, "%s", disassembleModule(comp.output()).c_str());
    if (const char* out = std::getenv("PSCRIPT_MODULE_OUT")) std::ofstream(out, std::ios::binary) << comp.output();
    exec.setClassImporter(&classes);
    tarno::RegisterRunnerLibrariesRuntime(exec, classes);
    if (gUiUnits) tarno::RegisterUiRunnerLibrariesRuntime(exec);
    run::registerHostRunTime(exec);
    if (!exec.load(comp.output())) {
      std::printf("Load failed: %s\n", exec.loadError().c_str());
      return false;
    }
    return true;
  }
};

std::string typeText(uint16_t vt) {
  switch (vt) {
    case varLongWord: return "DWord";
    default: return varTypeName(vt);
  }
}

std::string varDesc(const Value& v) {
  if (v.isArray()) return "array[" + std::to_string(v.arrayLow()) + ".." + std::to_string(v.arrayHigh()) + "]";
  switch (v.type()) {
    case varEmpty: return "varEmpty";
    case varNull: return "varNull";
    case varOleStr: case varString: return typeText(v.type()) + " '" + v.toString() + "'";
    default: break;
  }
  try {
    return typeText(v.type()) + " " + v.toString();
  } catch (const std::exception&) {
    return typeText(v.type()) + " <unprintable>";
  }
}

// Texts may hold NUL characters: printed whole, as the reference prints them.
void printLine(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

void printVar(const std::string& prefix, const Value& v) {
  printLine(prefix + varDesc(v));
  if (v.isArray())
    for (int64_t i = v.arrayLow(); i <= v.arrayHigh(); ++i)
      printLine(std::string(prefix.size(), ' ') + "[" + std::to_string(i) + "] " + varDesc(v.arrayAt(i)));
}

std::string errorLine(const std::string& name, const std::string& msg) {
  return "Error in execution of function " + name + " -> " + msg;
}

bool callNamed(Host& h, const std::string& name, Value& v, bool required) {
  ProcHandle p = h.exec.findFunction(name);
  if (!p) {
    if (required) { std::printf("%s\n", errorLine(name, "function not found").c_str()); return false; }
    std::printf("%s: not defined, skipped\n", name.c_str());
    return true;
  }
  try {
    bool r = h.exec.call(p, v);
    std::printf("%s -> %s\n", name.c_str(), r ? "True" : "False");
    printVar("  V = ", v);
    return true;
  } catch (const RuntimeError& e) {
    if (e.kind == ErrorKind::CouldNotCallProc && e.offset == 0 && e.param.empty()) {
      std::printf("%s\n", errorLine(name, "signature is not function(var V: Variant): Boolean").c_str());
      return false;
    }
    std::printf("%s\n", errorLine(name, e.what()).c_str());
    std::printf("  (engine: code=%d procno=%d pos=%d)\n", static_cast<int>(e.kind), e.proc, e.offset);
    return false;
  }
}

int modeCompile(const std::string& script) {
  Host h;
  return h.load(script, true) ? 0 : 1;
}

int modeRun(const std::string& script) {
  Host h;
  if (!h.load(script)) return 1;
  bool ok = true;
  for (const char* name : {"Initialize", "Main", "Finalize"}) {
    Value v;
    if (!callNamed(h, name, v, false)) ok = false;
  }
  return ok ? 0 : 2;
}

// The runner's StrToInt: leading blanks, a sign, then decimal digits or
// $/0x hexadecimal, &octal or %binary digits. Decimal text must fit an
// Integer; the other bases may use all 32 bits (0xFFFFFFFF is -1).
int parseInt(const std::string& s) {
  auto invalid = [&]() { return std::runtime_error("EConvertError: \"" + s + "\" is an invalid integer"); };
  size_t i = s.find_first_not_of(" \t");
  if (i == std::string::npos) throw invalid();
  bool negative = s[i] == '-';
  if (s[i] == '-' || s[i] == '+') ++i;
  int base = 10;
  if (s.compare(i, 1, "$") == 0) { base = 16; i += 1; }
  else if (s.compare(i, 2, "0x") == 0 || s.compare(i, 2, "0X") == 0) { base = 16; i += 2; }
  else if (s.compare(i, 1, "&") == 0) { base = 8; i += 1; }
  else if (s.compare(i, 1, "%") == 0) { base = 2; i += 1; }
  if (i >= s.size()) throw invalid();
  const uint64_t limit = base == 10 ? static_cast<uint64_t>(INT_MAX) + (negative ? 1 : 0) : 0xFFFFFFFFull;
  uint64_t v = 0;
  for (; i < s.size(); ++i) {
    int digit = std::isdigit(static_cast<unsigned char>(s[i])) ? s[i] - '0'
              : std::isxdigit(static_cast<unsigned char>(s[i])) ? std::toupper(static_cast<unsigned char>(s[i])) - 'A' + 10
              : base;
    if (digit >= base) throw invalid();
    v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (v > limit) throw invalid();
  }
  int32_t value = static_cast<int32_t>(static_cast<uint32_t>(v));
  return negative ? static_cast<int>(0 - static_cast<uint32_t>(value)) : value;
}

int parseByte(const std::string& s) {
  int v = parseInt(s);
  if (v < 0 || v > 255) throw std::runtime_error("Exception: byte out of range: " + s);
  return v;
}

Value buildArray(const std::vector<std::string>& a) {
  Value v = Value::newVarArray(0, 6);
  for (int i = 0; i < 4; ++i) v.arraySet(i, Value::integer(parseByte(a[static_cast<size_t>(i)]), varByte));
  v.arraySet(4, Value::integer(parseInt(a[4]), varInteger));
  int typeChar = a[5].size() == 1 ? static_cast<unsigned char>(a[5][0]) : parseByte(a[5]);
  v.arraySet(5, Value::integer(typeChar, varByte));
  v.arraySet(6, Value::wideFromUtf8(a[6]));
  return v;
}

int modeConvert(const std::string& script, const std::string& func, const std::vector<std::string>& a) {
  Host h;
  if (!h.load(script)) return 1;
  Value v = buildArray(a);
  return callNamed(h, func, v, true) ? 0 : 2;
}

int64_t nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

int modeBench(const std::string& script, const std::string& func, int64_t n, std::vector<std::string> a) {
  Host h;
  if (!h.load(script)) return 1;
  ProcHandle p = h.exec.findFunction(func);
  if (!p) { std::printf("%s\n", errorLine(func, "function not found").c_str()); return 1; }
  if (a.empty()) a = {"0", "100", "0", "0", "2", "N", ""};
  Value orig = buildArray(a);
  Value v = orig;
  bool ret = false;
  try {
    ret = h.exec.call(p, v);
    int64_t t0 = nowNs();
    int64_t sink = 0;
    for (int i = 0; i < 100000; ++i) sink += nowNs() - nowNs();
    (void)sink;
    int64_t cal = (nowNs() - t0) / 100000;
    int64_t calls = 0, loop0 = nowNs();
    for (int64_t i = 0; i < n; ++i) {
      v = orig;
      v.arraySet(0, v.arrayAt(0));  // an unshared copy, as the reference's array reset gives
      int64_t s = nowNs();
      ret = h.exec.call(p, v);
      calls += nowNs() - s;
    }
    int64_t loop = nowNs() - loop0;
    double perCall = static_cast<double>(calls - cal * n) / static_cast<double>(n);
    std::printf("bench %s: %lld calls, last result %s\n", func.c_str(), static_cast<long long>(n), ret ? "True" : "False");
    std::printf("  calls only : %.1f ns/call, %.0f calls/s (timer pair %lld ns subtracted)\n", perCall, 1e9 / perCall, static_cast<long long>(cal));
    std::printf("  whole loop : %.1f ns/iteration incl. array reset and timers\n", static_cast<double>(loop) / static_cast<double>(n));
    printVar("  last V = ", v);
    return 0;
  } catch (const RuntimeError& e) {
    std::printf("%s\n", errorLine(func, e.what()).c_str());
    return 2;
  }
}

void usage() {
  std::printf("usage: psoracle [-v] [-a] [-u] run SCRIPT\n");
  std::printf("       psoracle [-v] [-a] [-u] compile SCRIPT\n");
  std::printf("       psoracle [-u] declarations SCRIPT  # the classes and members it declares\n");
  std::printf("       psoracle [-v] [-a] convert SCRIPT FUNC b0 b1 b2 b3 elemsize typechar text\n");
  std::printf("       psoracle bench SCRIPT FUNC N [b0 b1 b2 b3 elemsize typechar text]\n");
  std::printf("       psoracle methodprobe SCRIPT FUNC\n");
  std::printf("-u: also the compile-time user-interface units (controls, forms, ...)\n");
  std::printf("env: PSORACLE_TRACE=1 log host calls to stderr; PSORACLE_NODUP=1 set\n");
  std::printf("     AllowDuplicateRegister := False; PSORACLE_CALL=ref|copy|pvar how V is passed;\n");
  std::printf("     PSORACLE_STACK=BYTES pre-size the VM stack (works around deep-recursion bug)\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "-v") gVerbose = true;
    else if (a == "-a") gAdjust = true;
    else if (a == "-u") gUiUnits = true;
    else args.push_back(a);
  }
  if (args.size() < 2) { usage(); return 64; }
  const std::string& mode = args[0];
  int code = 64;
  try {
    if (mode == "run" && args.size() == 2) code = modeRun(args[1]);
    else if (mode == "compile" && args.size() == 2) code = modeCompile(args[1]);
    else if (mode == "declarations" && args.size() == 2) {
      gDumpClasses = true;
      code = modeCompile(args[1]);
    }
    else if (mode == "convert" && args.size() == 10) code = modeConvert(args[1], args[2], {args.begin() + 3, args.end()});
    else if (mode == "bench" && (args.size() == 4 || args.size() == 11))
      code = modeBench(args[1], args[2], std::stoll(args[3]), {args.begin() + 4, args.end()});
    else { usage(); code = 64; }
  } catch (const std::exception& e) {
    std::printf("psoracle: %s\n", e.what());
    code = 3;
  }
  std::fflush(stdout);
  return code;
}
