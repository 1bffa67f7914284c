// TObject, TPersistent and TComponent of the std import library.
#include "ClassLibraries.h"
#include "ClassLibraryHelpers.h"
#include "StdClasses.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace tarno {

using pscript::NativeCall;
using pscript::Value;
using namespace classlib;

void ComponentObject::freeing(pscript::Exec& exec) {
  std::vector<Value> owned = std::move(components);
  for (const Value& child : owned) exec.freeObject(child);
  if (auto* parent = exec.objectAs<ComponentObject>(owner)) parent->Remove(self);
}

void ComponentObject::Created(pscript::Exec& exec, const Value& handle, const Value& newOwner) {
  self = handle;
  if (auto* parent = exec.objectAs<ComponentObject>(newOwner)) {
    owner = newOwner;
    parent->components.push_back(handle);
  }
}

void ComponentObject::Remove(const Value& child) {
  auto it = std::find_if(components.begin(), components.end(),
                         [&](const Value& v) { return v.rawInt() == child.rawInt(); });
  if (it != components.end()) components.erase(it);
}

namespace {

void PersistentAssign(NativeCall& c) {
  auto* self = c.exec().objectAs<PersistentObject>(c.arg(0));
  if (self && self->AssignFrom(c.exec(), c.arg(1))) return;
  // the RTL's convert error for persistents that cannot copy each other
  throw std::runtime_error("Cannot assign a " + c.exec().objectClass(c.arg(1)) + " to a " +
                           c.exec().objectClass(c.arg(0)));
}

void ComponentCreate(NativeCall& c) { Self<ComponentObject>(c).Created(c.exec(), c.arg(0), c.arg(1)); }

void ComponentFindComponent(NativeCall& c) {
  std::string name = StrArg(c, 1);
  auto& self = Self<ComponentObject>(c);
  for (const Value& v : self.components) {
    auto* child = c.exec().objectAs<ComponentObject>(v);
    if (child && !name.empty() && EqualNames(child->name, name)) { c.result() = v; return; }
  }
}

void ComponentOwner(NativeCall& c) {
  auto& self = Self<ComponentObject>(c);
  if (c.exec().object(self.owner)) c.result() = self.owner;
}

void ComponentItem(NativeCall& c) {
  auto& self = Self<ComponentObject>(c);
  int64_t i = IntArg(c, 1);
  if (i < 0 || i >= static_cast<int64_t>(self.components.size()))
    throw std::runtime_error("List index (" + std::to_string(i) + ") out of bounds");
  c.result() = self.components[static_cast<size_t>(i)];
}

void ComponentCount(NativeCall& c) { ReturnInt(c, static_cast<int64_t>(Self<ComponentObject>(c).components.size())); }

void ComponentIndex(NativeCall& c) {
  auto& self = Self<ComponentObject>(c);
  int64_t index = -1;
  if (auto* owner = c.exec().objectAs<ComponentObject>(self.owner))
    for (size_t i = 0; i < owner->components.size(); ++i)
      if (owner->components[i].rawInt() == self.self.rawInt()) index = static_cast<int64_t>(i);
  ReturnInt(c, index);
}

// Moves the component within its owner's list (clamped, as the RTL does).
void ComponentSetIndex(NativeCall& c) {
  auto& self = Self<ComponentObject>(c);
  auto* owner = c.exec().objectAs<ComponentObject>(self.owner);
  if (!owner) return;
  auto& list = owner->components;
  owner->Remove(self.self);
  int64_t at = std::clamp<int64_t>(IntArg(c, 1), 0, static_cast<int64_t>(list.size()));
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), self.self);
}

void ComponentDestroyComponents(NativeCall& c) {
  auto& self = Self<ComponentObject>(c);
  std::vector<Value> owned = std::move(self.components);
  for (const Value& child : owned) c.exec().freeObject(child);
}

void ComponentState(NativeCall& c) { ReturnInt(c, 0); }
void ComponentName(NativeCall& c) { ReturnStr(c, Self<ComponentObject>(c).name); }
void ComponentSetName(NativeCall& c) { Self<ComponentObject>(c).name = StrArg(c, 1); }
void ComponentTag(NativeCall& c) { ReturnInt(c, Self<ComponentObject>(c).tag); }
void ComponentSetTag(NativeCall& c) { Self<ComponentObject>(c).tag = static_cast<int32_t>(IntArg(c, 1)); }
void ComponentDesignInfo(NativeCall& c) { ReturnInt(c, Self<ComponentObject>(c).designInfo); }
void ComponentSetDesignInfo(NativeCall& c) { Self<ComponentObject>(c).designInfo = static_cast<int32_t>(IntArg(c, 1)); }

const Member kComponentMethods[] = {
    {"function FindComponent(AName: string): TComponent;", "FindComponent", ComponentFindComponent},
    {"constructor Create(AOwner: TComponent); virtual;", "Create", ComponentCreate},
    {"procedure DestroyComponents;", "DestroyComponents", ComponentDestroyComponents},
    // Declared but not bound, as in the reference: a script using them does not load.
    {"procedure Destroying;", "Destroying", nullptr},
    {"procedure FreeNotification(AComponent: TComponent);", "FreeNotification", nullptr},
    {"procedure InsertComponent(AComponent: TComponent);", "InsertComponent", nullptr},
    {"procedure RemoveComponent(AComponent: TComponent);", "RemoveComponent", nullptr},
};
const Property kComponentProperties[] = {
    // Writable as declared; with no writer bound, a script that sets it does not load.
    {"property Owner: TComponent read write;", "Owner", ComponentOwner, nullptr},
    {"property Components[Index: Integer]: TComponent read;", "Components", ComponentItem, nullptr},
    {"property ComponentCount: Integer read;", "ComponentCount", ComponentCount, nullptr},
    {"property ComponentIndex: Integer read write;", "ComponentIndex", ComponentIndex, ComponentSetIndex},
    {"property ComponentState: Byte read;", "ComponentState", ComponentState, nullptr},
    {"property DesignInfo: LongInt read write;", "DesignInfo", ComponentDesignInfo, ComponentSetDesignInfo},
    {"property Name: string read write;", "Name", ComponentName, ComponentSetName},
    {"property Tag: LongInt read write;", "Tag", ComponentTag, ComponentSetTag},
};

std::unique_ptr<pscript::ScriptObject> NewPlainObject() { return std::make_unique<PlainObject>(); }
std::unique_ptr<pscript::ScriptObject> NewComponent() { return std::make_unique<ComponentObject>(); }

}  // namespace

bool EqualNames(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

void DeclareStdClasses(pscript::Compiler& compiler) {
  compiler.addDeclarations(
      "type TComponentStateE = (csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, "
      "csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance);"
      "TComponentState = set of TComponentStateE;"
      "TRect = record Left, Top, Right, Bottom: Integer; end;");
  compiler.addClass("TObject", "");
  compiler.addClassMember("TObject", "constructor Create;");
  compiler.addClassMember("TObject", "procedure Free;");
  compiler.addClass("TPersistent", "TObject");
  compiler.addClassMember("TPersistent", "procedure Assign(Source: TPersistent);");
  compiler.addClass("TComponent", "TPersistent");
  DeclareMembers(compiler, "TComponent", kComponentMethods, kComponentProperties);
}

void BindStdClasses(pscript::ClassImporter& importer) {
  importer.registerClass("TObject", "", NewPlainObject);
  importer.registerClass("TPersistent", "TObject", NewPlainObject);
  importer.registerMethod("TPersistent", "Assign", PersistentAssign);
  importer.registerClass("TComponent", "TPersistent", NewComponent);
  BindMembers(importer, "TComponent", kComponentMethods, kComponentProperties);
}

}  // namespace tarno
