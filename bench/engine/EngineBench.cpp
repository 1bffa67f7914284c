// Host-to-script call speed on the reference runner's samples. Reference
// engine figures (same machine, psoracle bench): Freq_DataToText 7.5 us,
// Nop 136 ns, compute.pas Bench 35 ms.
#include "host_functions.h"
#include "ScriptFunctions.h"
#include "StandardScriptFunctions.h"

#include <pscript/pscript.h>

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

using namespace pscript;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string readSample(const std::string& name) { return readFile(std::string(TARNO_PSORACLE_SAMPLES) + "/" + name); }

// One compiled and loaded sample script, as the editor holds it.
struct LoadedScript {
  explicit LoadedScript(const std::string& file) : LoadedScript(readSample(file), file) {}
  LoadedScript(const std::string& text, const std::string& file) {
    Compiler c;
    c.allowNoBegin = c.allowNoEnd = true;
    c.onUses = [](Compiler& comp, const std::string& unit) {
      run::registerHostCompileTime(comp);
      return unit == "SYSTEM";
    };
    if (!c.compile(text)) throw std::runtime_error("compile failed: " + file);
    run::registerHostRunTime(exec);
    if (!exec.load(c.output())) throw std::runtime_error("load failed: " + exec.loadError());
  }
  Exec exec;
};

// The editor's argument array: four data bytes, element size, type char, text.
Value fieldArgs(char typeChar) {
  Value v = Value::newVarArray(0, 6);
  v.arraySet(0, Value::integer(0, varByte));
  v.arraySet(1, Value::integer(100, varByte));
  v.arraySet(2, Value::integer(0, varByte));
  v.arraySet(3, Value::integer(0, varByte));
  v.arraySet(4, Value::integer(2, varInteger));
  v.arraySet(5, Value::integer(typeChar, varByte));
  v.arraySet(6, Value::wideString(u""));
  return v;
}

// Calls func with the field arguments, the text element reset before each
// call (DataToText appends to it, TextToData reads it).
void callRepeatedly(benchmark::State& state, const char* file, const char* func, char typeChar = 'N',
                    std::u16string_view text = u"") {
  LoadedScript s(file);
  ProcHandle h = s.exec.findFunction(func);
  Value v = fieldArgs(typeChar);
  const Value startText = Value::wideString(text);
  for (auto _ : state) {
    if (!v.isArray()) v = fieldArgs(typeChar);  // Bench leaves a number in V
    v.arraySet(6, startText);
    benchmark::DoNotOptimize(s.exec.call(h, v));
  }
}

// The reset of the argument array alone: the reference runner's "calls only"
// figure leaves it out, so compare_with_reference.sh subtracts it.
void BM_ArgumentReset(benchmark::State& state) {
  Value v = fieldArgs('N');
  const Value startText = Value::wideString(u"");
  for (auto _ : state) {
    if (!v.isArray()) v = fieldArgs('N');
    v.arraySet(6, startText);
    benchmark::DoNotOptimize(v);
  }
}

void BM_FreqDataToText(benchmark::State& state) { callRepeatedly(state, "fieldconv.pas", "Freq_DataToText"); }
void BM_FreqTextToData(benchmark::State& state) {
  callRepeatedly(state, "fieldconv.pas", "Freq_TextToData", 'U', u"11778;rest");
}
void BM_Nop(benchmark::State& state) { callRepeatedly(state, "compute.pas", "Nop"); }
void BM_ComputeBench(benchmark::State& state) { callRepeatedly(state, "compute.pas", "Bench"); }

// The default script's name conversion, one UTF-16 unit per call: a unit of
// the name, and a unit behind its end (most calls of a channel map's load).
void callNameUnit(benchmark::State& state, int typeState, uint8_t high, uint8_t low) {
  LoadedScript s(readFile(TARNO_DEFAULT_SCRIPT), "TarnoChannelEdit.rops");
  ProcHandle h = s.exec.findFunction("NameBE_DataToText");
  Value v = fieldArgs('N');
  v.arraySet(0, Value::integer(high, varByte));
  v.arraySet(1, Value::integer(low, varByte));
  const Value startState = Value::integer(typeState, varInteger);
  const Value startText = Value::wideString(u"Das Erste");
  for (auto _ : state) {
    v.arraySet(5, startState);
    v.arraySet(6, startText);
    benchmark::DoNotOptimize(s.exec.call(h, v));
  }
}
void BM_NameUnit(benchmark::State& state) { callNameUnit(state, 1048576 + 9 * 512, 0, 'D'); }
void BM_NameTail(benchmark::State& state) { callNameUnit(state, 512, 0, 0); }

void BM_CompileFieldconv(benchmark::State& state) {
  std::string text = readSample("fieldconv.pas");
  for (auto _ : state) {
    Compiler c;
    c.allowNoBegin = c.allowNoEnd = true;
    c.onUses = [](Compiler& comp, const std::string&) { run::registerHostCompileTime(comp); return true; };
    benchmark::DoNotOptimize(c.compile(text));
  }
}

// The editor's compile of its default script: the 24 host functions and every
// import library declared for the compile (as "uses SYSTEM" has it), then the
// script; and the declarations alone, which every compile pays again.
void compileWithEditorDeclarations(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    Compiler c;
    c.allowNoBegin = c.allowNoEnd = true;
    c.onUses = [](Compiler& comp, const std::string&) {
      tarno::RegisterScriptFunctionsCompiletime(comp);
      tarno::RegisterImportsCompiletime(comp);
      return true;
    };
    if (!c.compile(text)) state.SkipWithError("compile failed");
  }
}
void BM_CompileDefaultScript(benchmark::State& state) {
  compileWithEditorDeclarations(state, readFile(TARNO_DEFAULT_SCRIPT));
}
void BM_CompileEditorDeclarations(benchmark::State& state) {
  compileWithEditorDeclarations(state, "function F(var V: Variant): Boolean; begin Result := True; end;");
}

BENCHMARK(BM_ArgumentReset);
BENCHMARK(BM_FreqDataToText);
BENCHMARK(BM_FreqTextToData);
BENCHMARK(BM_Nop);
BENCHMARK(BM_NameUnit);
BENCHMARK(BM_NameTail);
BENCHMARK(BM_ComputeBench)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompileFieldconv)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompileDefaultScript)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompileEditorDeclarations)->Unit(benchmark::kMillisecond);

}  // namespace
