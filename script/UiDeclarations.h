// Compile-time declarations of the user-interface import libraries
// (graphics, controls, standard controls, forms, buttons, extra controls,
// menus) as the engine's import units declare them, as data: the run-time
// side (script/ui, Qt) binds the same members by name. Qt-free.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace pscript {
class Compiler;
}

namespace tarno::ui {

// One registration, in the import unit's order. A member whose types are not
// declared (yet) does not register, as in the reference, where such members
// drop out silently.
struct Step {
  enum class Kind : uint8_t { Type, Constant, Class, With, Member, Function };
  Kind kind;
  const char* text;               // Pascal text; the class name for Class and With
  const char* ancestor = nullptr; // Class: its ancestor (a root class when it is not declared)
};

constexpr Step Type(const char* text) { return {Step::Kind::Type, text}; }
constexpr Step Constant(const char* text) { return {Step::Kind::Constant, text}; }
constexpr Step Class(const char* name, const char* ancestor) { return {Step::Kind::Class, name, ancestor}; }
// Members that follow go to this (earlier) class.
constexpr Step With(const char* name) { return {Step::Kind::With, name}; }
constexpr Step Member(const char* text) { return {Step::Kind::Member, text}; }
constexpr Step Function(const char* text) { return {Step::Kind::Function, text}; }

std::span<const Step> GraphicsSteps();
std::span<const Step> ControlsSteps();
std::span<const Step> StdCtrlsSteps();
std::span<const Step> FormsSteps();
std::span<const Step> ButtonsSteps();
std::span<const Step> ExtCtrlsSteps();
std::span<const Step> MenusSteps();

// Hands the steps to the compiler in order.
void Declare(pscript::Compiler& compiler, std::span<const Step> steps);

// The member name a member declaration declares ("Caption" of "property
// Caption: string read write;"); "" when the text names none.
std::string MemberName(const char* declaration);
bool IsPropertyDeclaration(const char* declaration);

}  // namespace tarno::ui
