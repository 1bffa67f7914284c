// The natives of members with a widget side, by class and member: the
// binder takes them over the stored-value defaults (UiBindings.cpp).
#pragma once

#include <pscript/pscript.h>

#include <span>
#include <string>

namespace tarno::ui {

struct Specific {
  const char* cls;
  const char* member;
  pscript::NativeFn fn;     // method, or property reader
  pscript::NativeFn write;  // property writer
};

// What every UI native gets as its user data.
struct Entry {
  pscript::NativeFn fn;
  std::string upperName;  // of the member, for the stored properties
};
inline const Entry& EntryOf(const pscript::NativeCall& c) { return *static_cast<const Entry*>(c.user()); }

// Pens, brushes, fonts, canvases, bitmaps, pictures and the controls that draw.
std::span<const Specific> GraphicsMembers();
// Radio groups, speed buttons, bit buttons, menus on forms, key preview.
std::span<const Specific> ControlKindMembers();

}  // namespace tarno::ui
