// What the grid conversion needs of the script host: calls of the script's
// conversion functions with the seven-element argument array.
#pragma once

#include <memory>
#include <string>

#include "TarnoChannelEditUnit003.h"

namespace tarno {

// The argument array of one field conversion: indices 0-3 the element's bytes,
// 4 the element size, 5 the type character, 6 the text. One call object serves
// every element of a field, so what a script leaves in the array stays there for
// the next element.
class ScriptFieldCall {
 public:
  virtual ~ScriptFieldCall() = default;
  // Refreshes indices 0 to 3.
  virtual void SetElementBytes(const ElementBytes& bytes) = 0;
  // 1: the function returned True; 0: False; -1: missing or failed (see ErrorText).
  virtual int Call() = 0;
  // Indices 0 to 3, each converted to an integer and cut to its low 8 bits.
  virtual ElementBytes ElementBytesResult() const = 0;
  virtual std::u16string Text() const = 0;  // index 6
  virtual std::string ErrorText() const = 0;
};

class ScriptConversionHost {
 public:
  virtual ~ScriptConversionHost() = default;
  virtual std::unique_ptr<ScriptFieldCall> BeginField(const std::string& functionName, int elementSize,
                                                      char typeChar, const std::u16string& text) = 0;
};

// The current script host; none when no script is loaded. Set only by the main
// window (and the command-line tool), read by the conversions.
extern ScriptConversionHost* ScriptObject;

}  // namespace tarno
