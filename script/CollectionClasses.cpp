// TCollection, TCollectionItem and TOwnedCollection of the classes import
// library. The import declares no constructor taking an item class, so a
// collection made with TObject's Create holds TCollectionItems (the
// reference's such collection has no item class and fails on first use).
#include "ClassLibraries.h"
#include "ClassLibraryHelpers.h"
#include "StdClasses.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace tarno {

using pscript::NativeCall;
using pscript::Value;
using namespace classlib;

namespace {
constexpr const char* kItemClassName = "TCollectionItem";

bool SameObject(const Value& a, const Value& b) { return a.rawInt() == b.rawInt(); }

std::runtime_error ListIndexError(int64_t index) {
  return std::runtime_error("List index (" + std::to_string(index) + ") out of bounds");
}

struct CollectionObject : PersistentObject {
  std::vector<Value> items;
  int32_t nextId = 0;
  int32_t updateCount = 0;

  int64_t IndexOf(const Value& item) const {
    auto it = std::find_if(items.begin(), items.end(), [&](const Value& v) { return SameObject(v, item); });
    return it == items.end() ? -1 : it - items.begin();
  }
  const Value& At(int64_t index) const {
    if (index < 0 || index >= static_cast<int64_t>(items.size())) throw ListIndexError(index);
    return items[static_cast<size_t>(index)];
  }
  void Remove(const Value& item) {
    int64_t at = IndexOf(item);
    if (at >= 0) items.erase(items.begin() + at);
  }
  void freeing(pscript::Exec& exec) override {
    std::vector<Value> owned = std::move(items);
    for (const Value& item : owned) exec.freeObject(item);
  }
};

struct ItemObject : PersistentObject {
  Value self, collection;
  int32_t id = 0;

  // Leaves the old collection and joins the new one with a fresh ID.
  void MoveTo(pscript::Exec& exec, const Value& me, const Value& target) {
    self = me;
    auto* to = exec.objectAs<CollectionObject>(target);
    auto* from = exec.objectAs<CollectionObject>(collection);
    if (from == to) return;
    if (from) from->Remove(self);
    collection = to ? target : Value();
    if (!to) return;
    to->items.push_back(self);
    id = to->nextId;
    to->nextId = static_cast<int32_t>(static_cast<uint32_t>(id) + 1);  // wraps like the RTL's counter
  }
  void freeing(pscript::Exec& exec) override {
    if (auto* from = exec.objectAs<CollectionObject>(collection)) from->Remove(self);
  }
};

CollectionObject& Collection(NativeCall& c) { return Self<CollectionObject>(c); }
ItemObject& Item(NativeCall& c) { return Self<ItemObject>(c); }

Value NewItemIn(NativeCall& c) {
  Value item = c.exec().newObject(std::make_unique<ItemObject>(), kItemClassName);
  c.exec().objectAs<ItemObject>(item)->MoveTo(c.exec(), item, c.arg(0));
  return item;
}

// Moves an item within its list, with the list's range check on the target.
void MoveItem(CollectionObject& list, int64_t from, int64_t to) {
  if (to < 0 || to >= static_cast<int64_t>(list.items.size())) throw ListIndexError(to);
  Value item = list.items[static_cast<size_t>(from)];
  list.items.erase(list.items.begin() + from);
  list.items.insert(list.items.begin() + to, item);
}

void Add(NativeCall& c) { c.result() = NewItemIn(c); }

// The RTL adds at the end first, so a bad index leaves the new item there.
void Insert(NativeCall& c) {
  Value item = NewItemIn(c);
  auto& list = Collection(c);
  MoveItem(list, list.IndexOf(item), IntArg(c, 1));
  c.result() = item;
}

void Clear(NativeCall& c) {
  auto& list = Collection(c);
  while (!list.items.empty()) {
    Value last = list.items.back();
    list.items.pop_back();
    c.exec().freeObject(last);
  }
}

void BeginUpdate(NativeCall& c) { ++Collection(c).updateCount; }
void EndUpdate(NativeCall& c) {
  auto& list = Collection(c);
  if (list.updateCount > 0) --list.updateCount;
}

void FindItemID(NativeCall& c) {
  for (const Value& v : Collection(c).items) {
    auto* item = c.exec().objectAs<ItemObject>(v);
    if (item && item->id == IntArg(c, 1)) { c.result() = v; return; }
  }
}

void Count(NativeCall& c) { ReturnInt(c, static_cast<int64_t>(Collection(c).items.size())); }
void GetItem(NativeCall& c) { c.result() = Collection(c).At(IntArg(c, 1)); }

// Items[I] := X assigns X to the item; items have nothing to copy.
void SetItem(NativeCall& c) {
  (void)Collection(c).At(IntArg(c, 1));
  std::string source = c.exec().objectAs<ItemObject>(c.arg(2)) ? kItemClassName
                       : c.exec().object(c.arg(2))             ? c.exec().objectClass(c.arg(2))
                                                               : "nil";
  throw std::runtime_error("Cannot assign a " + source + " to a " + kItemClassName);
}

void ItemCreate(NativeCall& c) { Item(c).MoveTo(c.exec(), c.arg(0), c.arg(1)); }

void ItemCollection(NativeCall& c) {
  auto& item = Item(c);
  if (c.exec().object(item.collection)) c.result() = item.collection;
}
void SetItemCollection(NativeCall& c) { Item(c).MoveTo(c.exec(), c.arg(0), c.arg(1)); }
void ItemID(NativeCall& c) { ReturnInt(c, Item(c).id); }

void ItemIndex(NativeCall& c) {
  auto* list = c.exec().objectAs<CollectionObject>(Item(c).collection);
  ReturnInt(c, list ? list->IndexOf(c.arg(0)) : -1);
}

void SetItemIndex(NativeCall& c) {
  auto* list = c.exec().objectAs<CollectionObject>(Item(c).collection);
  if (!list) return;
  int64_t from = list->IndexOf(c.arg(0));
  if (from >= 0 && from != IntArg(c, 1)) MoveItem(*list, from, IntArg(c, 1));
}

// The RTL's display name is the class name; setting it changes nothing.
void DisplayName(NativeCall& c) { ReturnStr(c, kItemClassName); }
void SetDisplayName(NativeCall& c) { (void)Item(c); }

const Member kCollectionMethods[] = {
    // Declared but not bound, as in the reference: a script using it does not load.
    {"function Owner: TPersistent;", "Owner", nullptr},
    {"function Add: TCollectionItem;", "Add", Add},
    {"procedure BeginUpdate;", "BeginUpdate", BeginUpdate},
    {"procedure Clear;", "Clear", Clear},
    {"procedure EndUpdate;", "EndUpdate", EndUpdate},
    {"function FindItemID(ID: Integer): TCollectionItem;", "FindItemID", FindItemID},
    {"function Insert(Index: Integer): TCollectionItem;", "Insert", Insert},
};
const Property kCollectionProperties[] = {
    {"property Count: Integer read;", "Count", Count, nullptr},
    {"property Items[Index: Integer]: TCollectionItem read write;", "Items", GetItem, SetItem},
};

const Member kItemMethods[] = {{"constructor Create(Collection: TCollection);", "Create", ItemCreate}};
const Property kItemProperties[] = {
    {"property Collection: TCollection read write;", "Collection", ItemCollection, SetItemCollection},
    {"property ID: Integer read;", "ID", ItemID, nullptr},
    {"property Index: Integer read write;", "Index", ItemIndex, SetItemIndex},
    {"property DisplayName: string read write;", "DisplayName", DisplayName, SetDisplayName},
};

std::unique_ptr<pscript::ScriptObject> NewCollection() { return std::make_unique<CollectionObject>(); }
std::unique_ptr<pscript::ScriptObject> NewItem() { return std::make_unique<ItemObject>(); }
}  // namespace

void DeclareCollectionClasses(pscript::Compiler& compiler) {
  compiler.addClass("TCollection", "TPersistent");
  compiler.addClass("TCollectionItem", "TPersistent");
  DeclareMembers(compiler, "TCollectionItem", kItemMethods, kItemProperties);
  DeclareMembers(compiler, "TCollection", kCollectionMethods, kCollectionProperties);
  compiler.addClass("TOwnedCollection", "TCollection");
}

void BindCollectionClasses(pscript::ClassImporter& importer) {
  importer.registerClass("TCollection", "TPersistent", NewCollection);
  importer.registerClass("TCollectionItem", "TPersistent", NewItem);
  BindMembers(importer, "TCollectionItem", kItemMethods, kItemProperties);
  BindMembers(importer, "TCollection", kCollectionMethods, kCollectionProperties);
  importer.registerClass("TOwnedCollection", "TCollection", NewCollection);
}

}  // namespace tarno
