// A script host whose conversion functions are C++ lambdas, for testing the
// conversions without the script engine.
#pragma once

#include <array>
#include <functional>
#include <map>

#include "ScriptConversionHost.h"

namespace tarno::test {

struct FakeArgs {
  std::array<int64_t, 4> bytes{};
  int elementSize = 0;
  int typeChar = 0;
  std::u16string text;
};

using FakeFunction = std::function<int(FakeArgs&)>;  // 1 True, 0 False, -1 error

class FakeScriptHost : public ScriptConversionHost {
 public:
  std::map<std::string, FakeFunction> functions;
  int calls = 0;

  std::unique_ptr<ScriptFieldCall> BeginField(const std::string& name, int elementSize, char typeChar,
                                              const std::u16string& text) override {
    auto call = std::make_unique<FieldCall>(*this, name);
    call->args.elementSize = elementSize;
    call->args.typeChar = static_cast<unsigned char>(typeChar);
    call->args.text = text;
    return call;
  }

 private:
  struct FieldCall : ScriptFieldCall {
    FieldCall(FakeScriptHost& owner, std::string functionName) : host(owner), name(std::move(functionName)) {}
    void SetElementBytes(const ElementBytes& b) override {
      for (size_t i = 0; i < 4; ++i) args.bytes[i] = b[i];
    }
    int Call() override {
      ++host.calls;
      const auto found = host.functions.find(name);
      if (found == host.functions.end()) {
        error = "Could not execute function " + name;
        return -1;
      }
      const int result = found->second(args);
      if (result < 0) error = "Error in execution of function " + name + " -> boom";
      return result;
    }
    ElementBytes ElementBytesResult() const override {
      ElementBytes b{};
      for (size_t i = 0; i < 4; ++i) b[i] = static_cast<uint8_t>(args.bytes[i] & 0xFF);
      return b;
    }
    std::u16string Text() const override { return args.text; }
    std::string ErrorText() const override { return error; }

    FakeScriptHost& host;
    std::string name;
    FakeArgs args;
    std::string error;
  };
};

// Installs a host as the current script for the lifetime of the object.
class ScopedScript {
 public:
  explicit ScopedScript(ScriptConversionHost* host) : previous_(ScriptObject) { ScriptObject = host; }
  ~ScopedScript() { ScriptObject = previous_; }
  ScopedScript(const ScopedScript&) = delete;
  ScopedScript& operator=(const ScopedScript&) = delete;

 private:
  ScriptConversionHost* previous_;
};

}  // namespace tarno::test
