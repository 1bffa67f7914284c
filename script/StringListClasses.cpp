// TStrings and TStringList of the classes import library.
#include "AsciiText.h"
#include "ClassLibraries.h"
#include "ClassLibraryHelpers.h"
#include "StreamClasses.h"
#include "StringListClasses.h"

#include <algorithm>
#include <stdexcept>

namespace tarno {

using pscript::NativeCall;
using pscript::Value;
using namespace classlib;

namespace {
int CompareBytes(const std::string& a, const std::string& b) { return a < b ? -1 : a == b ? 0 : 1; }

std::runtime_error ListError(int64_t index) {
  return std::runtime_error("List index (" + std::to_string(index) + ") out of bounds");
}

std::string Quoted(const std::string& s, char quote) {
  std::string out(1, quote);
  for (char ch : s) {
    out += ch;
    if (ch == quote) out += ch;
  }
  return out + quote;
}
}  // namespace

// ------------------------------------------------------------------ list rules

bool StringListObject::AssignFrom(pscript::Exec& exec, const pscript::Value& source) {
  auto* other = exec.objectAs<StringListObject>(source);
  if (!other) return false;
  if (other == this) return true;
  other->Refresh();
  std::vector<Item> copy = other->items;
  const size_t copyBytes = other->charge.bytes();
  const pscript::Value me = self;
  BeginUpdate(exec);  // a handler may free the list: it is looked up again after each event
  if (auto* list = exec.objectAs<StringListObject>(me)) {
    list->charge.set(copyBytes);
    list->items = std::move(copy);
    list->ContentsChanged();
    list->EndUpdate(exec);
  }
  return true;
}

namespace {
void RunHandler(pscript::Exec& exec, const pscript::Value& handler, const pscript::Value& sender) {
  if (!exec.isProcValue(handler)) return;
  std::vector<pscript::ProcArg> args{pscript::ProcArg::byValue(sender)};
  exec.callProcValue(handler, args);
}
}  // namespace

void StringListObject::BeginUpdate(pscript::Exec& exec) {
  if (updateCount++ == 0) RunHandler(exec, onChanging, self);
}

void StringListObject::EndUpdate(pscript::Exec& exec) {
  if (updateCount > 0) --updateCount;
  if (updateCount == 0) RunHandler(exec, onChange, self);
}

namespace {
size_t ItemBytes(const std::string& text) { return sizeof(StringListObject::Item) + text.size(); }
}  // namespace

void StringListObject::InsertItem(size_t at, const std::string& s, const pscript::Value& object) {
  charge.set(charge.bytes() + ItemBytes(s));
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), {s, object});
}

void StringListObject::SetItemText(size_t at, const std::string& s) {
  charge.set(charge.bytes() - std::min(charge.bytes(), ItemBytes(items[at].text)) + ItemBytes(s));
  items[at].text = s;
}

void StringListObject::DeleteItem(size_t at) {
  charge.set(charge.bytes() - std::min(charge.bytes(), ItemBytes(items[at].text)));
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(at));
}

void StringListObject::ClearItems() {
  items.clear();
  charge.release();
}

void StringListObject::CheckIndex(int64_t index, bool allowEnd) const {
  int64_t limit = static_cast<int64_t>(items.size()) + (allowEnd ? 1 : 0);
  if (index < 0 || index >= limit) throw ListError(index);
}

int StringListObject::Compare(const std::string& a, const std::string& b) const {
  return caseSensitive ? CompareBytes(a, b) : CompareBytes(text::UpperAscii(a), text::UpperAscii(b));
}

bool StringListObject::Find(const std::string& s, int64_t& index) const {
  if (!sorted) throw std::runtime_error("Cannot use find on unsorted list");
  int64_t lo = 0, hi = static_cast<int64_t>(items.size()) - 1;
  bool found = false;
  while (lo <= hi) {
    int64_t mid = lo + (hi - lo) / 2;
    int c = Compare(s, items[static_cast<size_t>(mid)].text);
    if (c > 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (duplicates != Duplicates::Accept) lo = mid;  // stop at this match
      }
    }
  }
  index = lo;
  return found;
}

int64_t StringListObject::Add(const std::string& s, const pscript::Value& object) {
  if (!sorted) {
    InsertItem(items.size(), s, object);
    return static_cast<int64_t>(items.size()) - 1;
  }
  int64_t at = 0;
  if (Find(s, at)) {
    if (duplicates == Duplicates::Ignore) return at;
    if (duplicates == Duplicates::Error) throw std::runtime_error("String list does not allow duplicates");
  }
  InsertItem(static_cast<size_t>(at), s, object);
  return at;
}

void StringListObject::CheckInsert(int64_t index) const {
  if (sorted) throw std::runtime_error("Operation not allowed on sorted list");
  CheckIndex(index, true);
}

void StringListObject::Insert(int64_t index, const std::string& s, const pscript::Value& object) {
  CheckInsert(index);
  InsertItem(static_cast<size_t>(index), s, object);
}

int64_t StringListObject::IndexOf(const std::string& s) const {
  if (sorted) {
    int64_t at = 0;
    return Find(s, at) ? at : -1;
  }
  for (size_t i = 0; i < items.size(); ++i)
    if (Compare(items[i].text, s) == 0) return static_cast<int64_t>(i);
  return -1;
}

std::string StringListObject::Name(size_t i) const {
  const std::string& s = items[i].text;
  size_t sep = s.find(nameValueSeparator);
  return sep == std::string::npos ? std::string() : s.substr(0, sep);
}

std::string StringListObject::ValueFromIndex(size_t i) const {
  const std::string& s = items[i].text;
  size_t sep = s.find(nameValueSeparator);
  return sep == std::string::npos ? s : s.substr(sep + 1);
}

int64_t StringListObject::IndexOfName(const std::string& name) const {
  for (size_t i = 0; i < items.size(); ++i) {
    size_t sep = items[i].text.find(nameValueSeparator);
    if (sep != std::string::npos && Compare(items[i].text.substr(0, sep), name) == 0) return static_cast<int64_t>(i);
  }
  return -1;
}

std::string StringListObject::Value(const std::string& name) const {
  int64_t i = IndexOfName(name);
  return i < 0 ? std::string() : items[static_cast<size_t>(i)].text.substr(name.size() + 1);
}

void StringListObject::SetValue(const std::string& name, const std::string& value) {
  int64_t i = IndexOfName(name);
  std::string line = name + nameValueSeparator + value;
  if (i < 0) Add(line);
  else SetItemText(static_cast<size_t>(i), line);
}

void StringListObject::Sort() {
  std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; });
}

// Lines joined by LF, with no break after the last one.
std::string StringListObject::Text() const {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += '\n';
    out += items[i].text;
  }
  return out;
}

void StringListObject::SetText(const std::string& text) {
  ClearItems();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      InsertItem(items.size(), text.substr(start));
      break;
    }
    InsertItem(items.size(), text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
}

std::string StringListObject::DelimitedText(char delim, char quote, bool strict) const {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    const std::string& s = items[i].text;
    bool quoteIt = std::any_of(s.begin(), s.end(), [&](char ch) {
      return ch == '\0' || ch == quote || ch == delim || (!strict && static_cast<unsigned char>(ch) <= ' ');
    });
    out += quoteIt && quote != '\0' ? Quoted(s, quote) : s;
    if (i + 1 < items.size()) out += delim;
  }
  if (out.empty() && items.size() == 1) out = std::string(2, quote);
  return out;
}

void StringListObject::SetDelimitedText(const std::string& text, char delim, char quote, bool strict) {
  ClearItems();
  size_t i = 0, n = text.size();
  bool notFirst = false;
  auto blank = [&](size_t k) { return !strict && k < n && static_cast<unsigned char>(text[k]) <= ' '; };
  while (i < n) {
    if (notFirst && i < n && text[i] == delim) ++i;
    while (blank(i)) ++i;
    if (i < n) {
      if (text[i] == quote) {
        std::string item;
        size_t j = i + 1;
        while (j < n && (text[j] != quote || (j + 1 < n && text[j + 1] == quote))) {
          item += text[j];
          j += text[j] == quote ? 2 : 1;
        }
        InsertItem(items.size(), item);
        i = j + 1;
      } else {
        size_t j = i;
        while (j < n && text[j] != delim && !(!strict && static_cast<unsigned char>(text[j]) <= ' ')) ++j;
        InsertItem(items.size(), text.substr(i, j - i));
        i = j;
      }
    } else if (notFirst) {
      InsertItem(items.size(), std::string());
    }
    while (blank(i)) ++i;
    notFirst = true;
  }
}

// ------------------------------------------------------------------ natives

namespace {
StringListObject& List(NativeCall& c) {
  StringListObject& list = Self<StringListObject>(c);
  if (list.self.isEmpty()) list.self = c.arg(0);
  list.Refresh();
  return list;
}

// A change with OnChanging before and OnChange after it. The handlers may
// free the list, so it is looked up again after each of them.
template <class Action>
void Change(NativeCall& c, Action action) {
  List(c).BeginUpdate(c.exec());
  StringListObject& list = List(c);
  action(list);
  list.ContentsChanged();
  List(c).EndUpdate(c.exec());
}
size_t Checked(NativeCall& c, int arg) {
  int64_t i = IntArg(c, arg);
  List(c).CheckIndex(i);
  return static_cast<size_t>(i);
}

void Add(NativeCall& c) {
  int64_t at = 0;
  Change(c, [&](StringListObject& l) { at = l.Add(StrArg(c, 1)); });
  ReturnInt(c, at);
}
void Append(NativeCall& c) { Change(c, [&](StringListObject& l) { l.Add(StrArg(c, 1)); }); }
void AddObject(NativeCall& c) {
  int64_t at = 0;
  Change(c, [&](StringListObject& l) { at = l.Add(StrArg(c, 1), c.arg(2)); });
  ReturnInt(c, at);
}
void AddStrings(NativeCall& c) {
  auto* from = c.exec().objectAs<StringListObject>(c.arg(1));
  if (!from) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  from->Refresh();
  std::vector<StringListObject::Item> copy = from->items;
  Change(c, [&](StringListObject& l) {
    for (const auto& item : copy) l.Add(item.text, item.object);
  });
}
void Clear(NativeCall& c) {
  if (!List(c).items.empty()) Change(c, [](StringListObject& l) { l.ClearItems(); });
}
void Delete(NativeCall& c) {
  const size_t at = Checked(c, 1);
  Change(c, [&](StringListObject& l) { l.DeleteItem(at); });
}
void IndexOf(NativeCall& c) { ReturnInt(c, List(c).IndexOf(StrArg(c, 1))); }
void IndexOfName(NativeCall& c) { ReturnInt(c, List(c).IndexOfName(StrArg(c, 1))); }
void IndexOfObject(NativeCall& c) {
  const auto& items = List(c).items;
  int64_t found = -1;
  for (size_t i = 0; i < items.size() && found < 0; ++i)
    if (items[i].object.rawInt() == c.arg(1).rawInt()) found = static_cast<int64_t>(i);
  ReturnInt(c, found);
}
// A refused insert runs no handler: the checks come first.
void Insert(NativeCall& c) {
  List(c).CheckInsert(IntArg(c, 1));
  Change(c, [&](StringListObject& l) { l.Insert(IntArg(c, 1), StrArg(c, 2)); });
}
void InsertObject(NativeCall& c) {
  List(c).CheckInsert(IntArg(c, 1));
  Change(c, [&](StringListObject& l) { l.Insert(IntArg(c, 1), StrArg(c, 2), c.arg(3)); });
}
void BeginUpdate(NativeCall& c) { List(c).BeginUpdate(c.exec()); }
void EndUpdate(NativeCall& c) { List(c).EndUpdate(c.exec()); }
void Equals(NativeCall& c) {
  auto* other = c.exec().objectAs<StringListObject>(c.arg(1));
  if (!other) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  const auto& a = List(c).items;
  const auto& b = other->items;
  c.result().setInt(a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
                      return x.text == y.text;
                    }));
}
void Exchange(NativeCall& c) {
  size_t a = Checked(c, 1), b = Checked(c, 2);
  Change(c, [&](StringListObject& l) { std::swap(l.items[a], l.items[b]); });
}
void Move(NativeCall& c) {
  size_t from = Checked(c, 1), to = Checked(c, 2);
  Change(c, [&](StringListObject& l) {
    StringListObject::Item item = l.items[from];
    l.items.erase(l.items.begin() + static_cast<std::ptrdiff_t>(from));
    l.items.insert(l.items.begin() + static_cast<std::ptrdiff_t>(to), item);
  });
}
void LoadFromFile(NativeCall& c) {
  const std::string text = ReadFileForStream(StrArg(c, 1));
  Change(c, [&](StringListObject& l) { l.SetText(text); });
}
// The RTL writes every line with its break, the last one too.
std::string FileText(const StringListObject& list) { return list.items.empty() ? std::string() : list.Text() + '\n'; }
void SaveToFile(NativeCall& c) { WriteFileForStream(StrArg(c, 1), FileText(List(c))); }
void LoadFromStream(NativeCall& c) {
  auto* stream = c.exec().objectAs<StreamObject>(c.arg(1));
  if (!stream) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  const std::string text = stream->ReadRest();
  Change(c, [&](StringListObject& l) { l.SetText(text); });
}
void SaveToStream(NativeCall& c) {
  auto* stream = c.exec().objectAs<StreamObject>(c.arg(1));
  if (!stream) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  std::string text = FileText(List(c));
  stream->WriteAll(text);
}
// The RTL sorts (and reports a change) only lists of two or more items
// that do not keep themselves sorted.
void SortIfNeeded(NativeCall& c, bool forced) {
  const StringListObject& l = List(c);
  if (l.items.size() > 1 && (forced || !l.sorted)) Change(c, [](StringListObject& list) { list.Sort(); });
}
void Sort(NativeCall& c) { SortIfNeeded(c, false); }
void Find(NativeCall& c) {
  int64_t at = 0;
  bool found = List(c).Find(StrArg(c, 1), at);
  c.arg(2).setInt(at);
  c.result().setInt(found);
}

void GetCount(NativeCall& c) { ReturnInt(c, static_cast<int64_t>(List(c).items.size())); }
void GetCapacity(NativeCall& c) { ReturnInt(c, std::max<int64_t>(List(c).capacity, static_cast<int64_t>(List(c).items.size()))); }
void SetCapacity(NativeCall& c) { List(c).capacity = IntArg(c, 1); }
void GetString(NativeCall& c) { ReturnStr(c, List(c).items[Checked(c, 1)].text); }
void SetString(NativeCall& c) {
  const size_t at = Checked(c, 1);
  Change(c, [&](StringListObject& l) { l.SetItemText(at, StrArg(c, 2)); });
}
void GetObject(NativeCall& c) {
  const Value& v = List(c).items[Checked(c, 1)].object;
  if (c.exec().object(v)) c.result() = v;
}
void SetObject(NativeCall& c) {
  const size_t at = Checked(c, 1);
  Change(c, [&](StringListObject& l) { l.items[at].object = c.arg(2); });
}
void GetName(NativeCall& c) { ReturnStr(c, List(c).Name(Checked(c, 1))); }
void GetValue(NativeCall& c) { ReturnStr(c, List(c).Value(StrArg(c, 1))); }
void SetValue(NativeCall& c) { Change(c, [&](StringListObject& l) { l.SetValue(StrArg(c, 1), StrArg(c, 2)); }); }
void GetValueFromIndex(NativeCall& c) { ReturnStr(c, List(c).ValueFromIndex(Checked(c, 1))); }
void SetValueFromIndex(NativeCall& c) {
  size_t i = Checked(c, 1);
  Change(c, [&](StringListObject& l) { l.SetItemText(i, l.Name(i) + l.nameValueSeparator + StrArg(c, 2)); });
}
void GetText(NativeCall& c) { ReturnStr(c, List(c).Text()); }
void SetText(NativeCall& c) { Change(c, [&](StringListObject& l) { l.SetText(StrArg(c, 1)); }); }
void GetCommaText(NativeCall& c) { ReturnStr(c, List(c).DelimitedText(',', '"', false)); }
void SetCommaText(NativeCall& c) {
  Change(c, [&](StringListObject& l) { l.SetDelimitedText(StrArg(c, 1), ',', '"', false); });
}
void GetDelimitedText(NativeCall& c) {
  auto& l = List(c);
  ReturnStr(c, l.DelimitedText(l.delimiter, l.quoteChar, l.strictDelimiter));
}
void SetDelimitedText(NativeCall& c) {
  Change(c, [&](StringListObject& l) { l.SetDelimitedText(StrArg(c, 1), l.delimiter, l.quoteChar, l.strictDelimiter); });
}
char CharArg(NativeCall& c) { return static_cast<char>(IntArg(c, 1)); }
void GetDelimiter(NativeCall& c) { ReturnInt(c, static_cast<unsigned char>(List(c).delimiter)); }
void SetDelimiter(NativeCall& c) { List(c).delimiter = CharArg(c); }
void GetQuoteChar(NativeCall& c) { ReturnInt(c, static_cast<unsigned char>(List(c).quoteChar)); }
void SetQuoteChar(NativeCall& c) { List(c).quoteChar = CharArg(c); }
void GetSeparator(NativeCall& c) { ReturnInt(c, static_cast<unsigned char>(List(c).nameValueSeparator)); }
void SetSeparator(NativeCall& c) { List(c).nameValueSeparator = CharArg(c); }
void GetSorted(NativeCall& c) { ReturnInt(c, List(c).sorted); }
void SetSorted(NativeCall& c) {
  bool on = BoolArg(c, 1);
  if (on && !List(c).sorted) SortIfNeeded(c, false);
  List(c).sorted = on;
}
void GetCaseSensitive(NativeCall& c) { ReturnInt(c, List(c).caseSensitive); }
void SetCaseSensitive(NativeCall& c) {
  bool on = BoolArg(c, 1);
  bool changed = on != List(c).caseSensitive;
  List(c).caseSensitive = on;
  if (changed && List(c).sorted) SortIfNeeded(c, true);
}
void GetOnChange(NativeCall& c) { c.result() = List(c).onChange; }
void SetOnChange(NativeCall& c) { List(c).onChange = c.arg(1); }
void GetOnChanging(NativeCall& c) { c.result() = List(c).onChanging; }
void SetOnChanging(NativeCall& c) { List(c).onChanging = c.arg(1); }
void GetDuplicates(NativeCall& c) { ReturnInt(c, static_cast<int>(List(c).duplicates)); }
void SetDuplicates(NativeCall& c) {
  int64_t d = IntArg(c, 1);
  List(c).duplicates = d == 1 ? Duplicates::Accept : d == 2 ? Duplicates::Error : Duplicates::Ignore;
}

const Member kStringsMethods[] = {
    {"function Add(S: string): Integer;", "Add", Add},
    {"procedure Append(S: string);", "Append", Append},
    {"procedure AddStrings(Strings: TStrings);", "AddStrings", AddStrings},
    {"procedure Clear;", "Clear", Clear},
    {"procedure Delete(Index: Integer);", "Delete", Delete},
    {"function IndexOf(const S: string): Integer;", "IndexOf", IndexOf},
    {"procedure Insert(Index: Integer; S: string);", "Insert", Insert},
    {"procedure LoadFromFile(FileName: string);", "LoadFromFile", LoadFromFile},
    {"procedure SaveToFile(FileName: string);", "SaveToFile", SaveToFile},
    {"procedure BeginUpdate;", "BeginUpdate", BeginUpdate},
    {"procedure EndUpdate;", "EndUpdate", EndUpdate},
    {"function Equals(Strings: TStrings): Boolean;", "Equals", Equals},
    {"procedure Exchange(Index1, Index2: Integer);", "Exchange", Exchange},
    {"function IndexOfName(Name: string): Integer;", "IndexOfName", IndexOfName},
    {"procedure LoadFromStream(Stream: TStream);", "LoadFromStream", LoadFromStream},
    {"procedure Move(CurIndex, NewIndex: Integer);", "Move", Move},
    {"procedure SaveToStream(Stream: TStream);", "SaveToStream", SaveToStream},
    {"function AddObject(S: string; AObject: TObject): Integer;", "AddObject", AddObject},
    {"function IndexOfObject(AObject: TObject): Integer;", "IndexOfObject", IndexOfObject},
    {"procedure InsertObject(Index: Integer; S: string; AObject: TObject);", "InsertObject", InsertObject},
    {"procedure SetText(Text: PChar);", "SetText", SetText},
    {"function GetText: PChar;", "GetText", GetText},
};
const Property kStringsProperties[] = {
    {"property Capacity: Integer read write;", "Capacity", GetCapacity, SetCapacity},
    {"property Delimiter: Char read write;", "Delimiter", GetDelimiter, SetDelimiter},
    {"property DelimitedText: string read write;", "DelimitedText", GetDelimitedText, SetDelimitedText},
    {"property NameValueSeparator: Char read write;", "NameValueSeparator", GetSeparator, SetSeparator},
    {"property QuoteChar: Char read write;", "QuoteChar", GetQuoteChar, SetQuoteChar},
    {"property Count: Integer read;", "Count", GetCount, nullptr},
    {"property Text: string read write;", "Text", GetText, SetText},
    {"property CommaText: string read write;", "CommaText", GetCommaText, SetCommaText},
    {"property Strings[Index: Integer]: string read write; default;", "Strings", GetString, SetString},
    {"property Objects[Index: Integer]: TObject read write;", "Objects", GetObject, SetObject},
    {"property Names[Index: Integer]: string read;", "Names", GetName, nullptr},
    {"property Values[Name: string]: string read write;", "Values", GetValue, SetValue},
    {"property ValueFromIndex[Index: Integer]: string read write;", "ValueFromIndex", GetValueFromIndex, SetValueFromIndex},
};

const Member kStringListMethods[] = {
    {"function Find(S: string; var Index: Integer): Boolean;", "Find", Find},
    {"procedure Sort;", "Sort", Sort},
};
const Property kStringListProperties[] = {
    {"property CaseSensitive: Boolean read write;", "CaseSensitive", GetCaseSensitive, SetCaseSensitive},
    {"property Duplicates: TDuplicates read write;", "Duplicates", GetDuplicates, SetDuplicates},
    {"property Sorted: Boolean read write;", "Sorted", GetSorted, SetSorted},
    {"property OnChange: TNotifyEvent read write;", "OnChange", GetOnChange, SetOnChange},
    {"property OnChanging: TNotifyEvent read write;", "OnChanging", GetOnChanging, SetOnChanging},
};

std::unique_ptr<pscript::ScriptObject> NewStringList() { return std::make_unique<StringListObject>(); }
}  // namespace

void DeclareStringListClasses(pscript::Compiler& compiler) {
  compiler.addClass("TStrings", "TPersistent", true);
  DeclareMembers(compiler, "TStrings", kStringsMethods, kStringsProperties);
  compiler.addClass("TStringList", "TStrings");
  DeclareMembers(compiler, "TStringList", kStringListMethods, kStringListProperties);
}

void BindStringListClasses(pscript::ClassImporter& importer) {
  // TStrings is abstract, but the reference lets scripts make one anyway.
  importer.registerClass("TStrings", "TPersistent", NewStringList);
  BindMembers(importer, "TStrings", kStringsMethods, kStringsProperties);
  importer.registerClass("TStringList", "TStrings", NewStringList);
  BindMembers(importer, "TStringList", kStringListMethods, kStringListProperties);
}

}  // namespace tarno
