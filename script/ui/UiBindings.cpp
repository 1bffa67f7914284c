// Binds every class and member the UI libraries declare. Members with a
// widget side have natives of their own (the tables below); every other
// property keeps what the script stores in it (events too), every other
// method does nothing, so that each declared member is usable.
#include <QApplication>

#include <algorithm>
#include <map>
#include <unordered_map>

#include "AsciiText.h"
#include "ClassLibraryHelpers.h"
#include "ControlClasses.h"
#include "MessageBoxHook.h"
#include "UiBindingTable.h"
#include "UiDeclarations.h"

namespace tarno::ui {

using pscript::NativeCall;
using pscript::NativeFn;
using pscript::Value;
using classlib::IntArg;
using classlib::Self;
using classlib::StrArg;

namespace {

// ------------------------------------------------------------------ the trampoline

// Every UI native runs through here: a handler error raised while it ran
// (inside a modal loop, or an event its change caused) ends it afterwards.

void Trampoline(NativeCall& c) {
  struct Depth {
    Depth() { ++UiNativeDepth(); }
    ~Depth() { --UiNativeDepth(); }
  } depth;
  EntryOf(c).fn(c);
  PendingEventError& pending = PendingError();
  if (pending.kind == pscript::ErrorKind::NoError) return;
  const PendingEventError error = std::exchange(pending, {});
  throw pscript::ScriptError(error.kind, error.param);
}

void* Interned(NativeFn fn, const std::string& upperName) {
  static std::map<std::pair<NativeFn, std::string>, Entry> entries;
  auto [it, made] = entries.try_emplace({fn, upperName}, Entry{fn, upperName});
  return &it->second;
}

std::string Upper(std::string_view s) { return text::UpperAscii(s); }

// ------------------------------------------------------------------ generic members

void StoredGet(NativeCall& c) { c.result() = Self<UiObject>(c).Stored(EntryOf(c).upperName); }
void StoredSet(NativeCall& c) { Self<UiObject>(c).stored[EntryOf(c).upperName] = c.arg(c.count() - 1); }
void NoOperation(NativeCall&) {}
void Construct(NativeCall& c) { Self<UiObject>(c).Init(c); }

// ------------------------------------------------------------------ controls

ControlObject& Control(NativeCall& c) { return Self<ControlObject>(c); }
QWidget& WidgetOf(NativeCall& c) {
  QWidget* w = Control(c).Widget();
  if (!w) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  return *w;
}
bool BoolArg(const NativeCall& c, int i) { return c.arg(i).toInt() != 0; }
void ReturnBool(NativeCall& c, bool b) { c.result() = Value::boolean(b); }
int IntOf(const NativeCall& c, int i) { return static_cast<int>(c.arg(i).toInt()); }

// Bounds without a window's frame, as SetBounds sets them.
QRect Bounds(NativeCall& c) { return WidgetOf(c).geometry(); }
void SetLeft(NativeCall& c) { WidgetOf(c).setGeometry(Bounds(c).translated(IntOf(c, 1) - Bounds(c).x(), 0)); }
void GetLeft(NativeCall& c) { c.result().setInt(Bounds(c).x()); }
void GetTop(NativeCall& c) { c.result().setInt(Bounds(c).y()); }
void SetTop(NativeCall& c) { WidgetOf(c).setGeometry(Bounds(c).translated(0, IntOf(c, 1) - Bounds(c).y())); }
void GetWidth(NativeCall& c) { c.result().setInt(WidgetOf(c).width()); }
void SetWidth(NativeCall& c) { WidgetOf(c).resize(IntOf(c, 1), WidgetOf(c).height()); }
void GetHeight(NativeCall& c) { c.result().setInt(WidgetOf(c).height()); }
void SetHeight(NativeCall& c) { WidgetOf(c).resize(WidgetOf(c).width(), IntOf(c, 1)); }
void SetBounds(NativeCall& c) { WidgetOf(c).setGeometry(IntOf(c, 1), IntOf(c, 2), IntOf(c, 3), IntOf(c, 4)); }
void GetVisible(NativeCall& c) { ReturnBool(c, !WidgetOf(c).isHidden()); }
void SetVisible(NativeCall& c) {
  if (auto* form = dynamic_cast<FormObject*>(&Control(c)); form && BoolArg(c, 1)) form->Show();
  else WidgetOf(c).setVisible(BoolArg(c, 1));
}
void ShowControl(NativeCall& c) {
  if (auto* form = dynamic_cast<FormObject*>(&Control(c))) form->Show();
  else WidgetOf(c).show();
}
void HideControl(NativeCall& c) { WidgetOf(c).hide(); }
void GetEnabled(NativeCall& c) { ReturnBool(c, WidgetOf(c).isEnabled()); }
void SetEnabled(NativeCall& c) { WidgetOf(c).setEnabled(BoolArg(c, 1)); }
void GetHint(NativeCall& c) { c.result() = Value::string(FromQt(WidgetOf(c).toolTip())); }
void SetHint(NativeCall& c) { WidgetOf(c).setToolTip(ToQt(StrArg(c, 1))); }
void GetParent(NativeCall& c) {
  if (c.exec().object(Control(c).parent)) c.result() = Control(c).parent;
}
void SetParent(NativeCall& c) { Control(c).SetParent(c.arg(1)); }
void BringToFront(NativeCall& c) { WidgetOf(c).raise(); }
void SendToBack(NativeCall& c) { WidgetOf(c).lower(); }
void Repaint(NativeCall& c) { WidgetOf(c).update(); }
// The client area: a form's below its menu bar, another control's inside its frame.
QSize ClientSize(NativeCall& c) {
  QWidget* host = Control(c).ChildHost();
  return host && host != &WidgetOf(c) ? host->size() : WidgetOf(c).contentsRect().size();
}
void GetClientWidth(NativeCall& c) { c.result().setInt(ClientSize(c).width()); }
void SetClientWidth(NativeCall& c) {
  QWidget& w = WidgetOf(c);
  w.resize(IntOf(c, 1) + w.width() - ClientSize(c).width(), w.height());
}
void GetClientHeight(NativeCall& c) { c.result().setInt(ClientSize(c).height()); }
void SetClientHeight(NativeCall& c) {
  QWidget& w = WidgetOf(c);
  w.resize(w.width(), IntOf(c, 1) + w.height() - ClientSize(c).height());
}
void ControlCount(NativeCall& c) { c.result().setInt(static_cast<int64_t>(Control(c).children.size())); }
void ControlAt(NativeCall& c) {
  const auto& list = Control(c).children;
  const int64_t i = IntArg(c, 1);
  if (i < 0 || i >= static_cast<int64_t>(list.size()))
    throw std::runtime_error("List index (" + std::to_string(i) + ") out of bounds");
  c.result() = list[static_cast<size_t>(i)];
}
void SetFocus(NativeCall& c) { WidgetOf(c).setFocus(); }
void Focused(NativeCall& c) { ReturnBool(c, WidgetOf(c).hasFocus()); }
void CanFocus(NativeCall& c) { ReturnBool(c, WidgetOf(c).isEnabled() && WidgetOf(c).isVisible()); }
void Showing(NativeCall& c) { ReturnBool(c, WidgetOf(c).isVisible()); }
void GetCaption(NativeCall& c) { c.result() = Value::string(Control(c).Caption()); }
void SetCaption(NativeCall& c) { Control(c).SetCaption(StrArg(c, 1)); }

// ------------------------------------------------------------------ fonts

FontObject& FontSelf(NativeCall& c) { return Self<FontObject>(c); }

Value FontOf(NativeCall& c) {
  ControlObject& control = Control(c);
  Value& handle = control.stored["FONT"];
  if (!c.exec().object(handle)) {
    auto font = std::make_unique<FontObject>();
    font->exec = &c.exec();
    font->target = control.Widget();
    handle = c.exec().newObject(std::move(font), "TFont");
    c.exec().objectAs<FontObject>(handle)->self = handle;
    control.components.push_back(handle);  // freed with the control
  }
  return handle;
}
void GetFont(NativeCall& c) { c.result() = FontOf(c); }
void SetFont(NativeCall& c) {
  auto* from = c.exec().objectAs<FontObject>(c.arg(1));
  auto* mine = c.exec().objectAs<FontObject>(FontOf(c));
  if (!from || !mine) return;
  for (const char* key : {"NAME", "SIZE", "STYLE", "COLOR"})
    if (from->stored.count(key)) mine->stored[key] = from->stored.at(key);
  mine->Apply();
}
void FontStore(NativeCall& c) {
  FontSelf(c).stored[EntryOf(c).upperName] = c.arg(1);
  FontSelf(c).Apply();
}
void FontCreate(NativeCall& c) {
  FontSelf(c).exec = &c.exec();
  FontSelf(c).self = c.arg(0);
}

// ------------------------------------------------------------------ edits, check boxes, buttons

QLineEdit* LineEdit(NativeCall& c) { return qobject_cast<QLineEdit*>(&WidgetOf(c)); }
void ClearText(NativeCall& c) { Control(c).SetCaption(""); }
void SelectAll(NativeCall& c) {
  if (QLineEdit* edit = LineEdit(c)) edit->selectAll();
  else if (auto* memo = qobject_cast<QPlainTextEdit*>(&WidgetOf(c))) memo->selectAll();
}
void GetReadOnly(NativeCall& c) {
  if (QLineEdit* edit = LineEdit(c)) ReturnBool(c, edit->isReadOnly());
  else if (auto* memo = qobject_cast<QPlainTextEdit*>(&WidgetOf(c))) ReturnBool(c, memo->isReadOnly());
}
void SetReadOnly(NativeCall& c) {
  if (QLineEdit* edit = LineEdit(c)) edit->setReadOnly(BoolArg(c, 1));
  else if (auto* memo = qobject_cast<QPlainTextEdit*>(&WidgetOf(c))) memo->setReadOnly(BoolArg(c, 1));
}
void GetMaxLength(NativeCall& c) {
  QLineEdit* edit = LineEdit(c);
  c.result().setInt(edit && edit->maxLength() != 32767 ? edit->maxLength() : 0);
}
void SetMaxLength(NativeCall& c) {
  if (QLineEdit* edit = LineEdit(c)) edit->setMaxLength(IntOf(c, 1) > 0 ? IntOf(c, 1) : 32767);
}
void GetPasswordChar(NativeCall& c) { c.result().setInt(static_cast<unsigned char>(Control(c).Stored("PASSWORDCHAR").rawInt())); }
void SetPasswordChar(NativeCall& c) {
  Control(c).stored["PASSWORDCHAR"] = c.arg(1);
  if (QLineEdit* edit = LineEdit(c)) edit->setEchoMode(c.arg(1).rawInt() != 0 ? QLineEdit::Password : QLineEdit::Normal);
}
void GetModified(NativeCall& c) { ReturnBool(c, LineEdit(c) && LineEdit(c)->isModified()); }
void SetModified(NativeCall& c) {
  if (QLineEdit* edit = LineEdit(c)) edit->setModified(BoolArg(c, 1));
}

QAbstractButton& Button(NativeCall& c) {
  auto* b = qobject_cast<QAbstractButton*>(&WidgetOf(c));
  if (!b) throw pscript::ScriptError(pscript::ErrorKind::TypeMismatch, "");
  return *b;
}
void GetChecked(NativeCall& c) { ReturnBool(c, Button(c).isChecked()); }
void SetChecked(NativeCall& c) { Button(c).setChecked(BoolArg(c, 1)); }
// TCheckBoxState: cbUnchecked, cbChecked, cbGrayed.
void GetState(NativeCall& c) {
  auto* box = qobject_cast<QCheckBox*>(&WidgetOf(c));
  const Qt::CheckState s = box ? box->checkState() : Qt::Unchecked;
  c.result().setInt(s == Qt::Checked ? 1 : s == Qt::PartiallyChecked ? 2 : 0);
}
void SetState(NativeCall& c) {
  auto* box = qobject_cast<QCheckBox*>(&WidgetOf(c));
  if (!box) return;
  const int64_t s = c.arg(1).toInt();
  if (s == 2) box->setTristate(true);
  box->setCheckState(s == 1 ? Qt::Checked : s == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}
void GetAllowGrayed(NativeCall& c) {
  auto* box = qobject_cast<QCheckBox*>(&WidgetOf(c));
  ReturnBool(c, box && box->isTristate());
}
void SetAllowGrayed(NativeCall& c) {
  if (auto* box = qobject_cast<QCheckBox*>(&WidgetOf(c))) box->setTristate(BoolArg(c, 1));
}

ButtonObject& PushButton(NativeCall& c) { return Self<ButtonObject>(c); }
void GetModalResult(NativeCall& c) {
  if (auto* form = dynamic_cast<FormObject*>(&Control(c))) c.result().setInt(form->modalResult);
  else c.result().setInt(PushButton(c).modalResult);
}
void SetModalResult(NativeCall& c) {
  if (auto* form = dynamic_cast<FormObject*>(&Control(c))) form->SetModalResult(c.arg(1).toInt());
  else PushButton(c).modalResult = c.arg(1).toInt();
}
void GetDefault(NativeCall& c) {
  auto* b = qobject_cast<QPushButton*>(&WidgetOf(c));
  ReturnBool(c, b && b->isDefault());
}
void SetDefault(NativeCall& c) {
  if (auto* b = qobject_cast<QPushButton*>(&WidgetOf(c))) b->setDefault(BoolArg(c, 1));
}
void GetCancel(NativeCall& c) {
  auto* b = qobject_cast<QPushButton*>(&WidgetOf(c));
  ReturnBool(c, b && b->property(kCancelButtonProperty).toBool());
}
void SetCancel(NativeCall& c) {
  if (auto* b = qobject_cast<QPushButton*>(&WidgetOf(c))) b->setProperty(kCancelButtonProperty, BoolArg(c, 1));
}

// ------------------------------------------------------------------ lists

StringsControl& Lists(NativeCall& c) { return Self<StringsControl>(c); }
void GetStrings(NativeCall& c) { c.result() = Lists(c).Strings(); }
void SetStrings(NativeCall& c) {
  auto* mine = c.exec().objectAs<StringListObject>(Lists(c).Strings());
  if (mine && !mine->AssignFrom(c.exec(), c.arg(1)))
    throw std::runtime_error("Cannot assign a " + c.exec().objectClass(c.arg(1)) + " to a TStrings");
}
void ClearStrings(NativeCall& c) {
  if (auto* strings = c.exec().objectAs<StringListObject>(Lists(c).Strings())) {
    strings->items.clear();
    strings->ContentsChanged();
  }
}
void GetItemIndex(NativeCall& c) {
  if (auto* list = qobject_cast<QListWidget*>(&WidgetOf(c))) c.result().setInt(list->currentRow());
  else if (auto* combo = qobject_cast<QComboBox*>(&WidgetOf(c))) c.result().setInt(combo->currentIndex());
}
void SetItemIndex(NativeCall& c) {
  const int index = IntOf(c, 1);
  if (auto* list = dynamic_cast<ListBoxObject*>(&Control(c))) {
    list->settingIndex = true;
    list->List()->setCurrentRow(index);
    if (index < 0) list->List()->clearSelection();
    list->settingIndex = false;
  } else if (auto* combo = qobject_cast<QComboBox*>(&WidgetOf(c))) {
    combo->setCurrentIndex(index);
  }
}
QListWidget& ListWidget(NativeCall& c) {
  auto* list = qobject_cast<QListWidget*>(&WidgetOf(c));
  if (!list) throw pscript::ScriptError(pscript::ErrorKind::TypeMismatch, "");
  return *list;
}
void SelCount(NativeCall& c) { c.result().setInt(ListWidget(c).selectedItems().size()); }
void GetSelected(NativeCall& c) {
  QListWidgetItem* item = ListWidget(c).item(IntOf(c, 1));
  if (!item) throw std::runtime_error("List index (" + std::to_string(IntArg(c, 1)) + ") out of bounds");
  ReturnBool(c, item->isSelected());
}
void SetSelected(NativeCall& c) {
  QListWidgetItem* item = ListWidget(c).item(IntOf(c, 1));
  if (!item) throw std::runtime_error("List index (" + std::to_string(IntArg(c, 1)) + ") out of bounds");
  auto& list = Self<ListBoxObject>(c);
  list.settingIndex = true;
  item->setSelected(BoolArg(c, 2));
  list.settingIndex = false;
}
void GetMultiSelect(NativeCall& c) { ReturnBool(c, ListWidget(c).selectionMode() == QAbstractItemView::MultiSelection); }
void SetMultiSelect(NativeCall& c) {
  ListWidget(c).setSelectionMode(BoolArg(c, 1) ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}
// TComboBoxStyle: csDropDown, csSimple, csDropDownList, ...: only csDropDownList takes no typing.
void GetComboStyle(NativeCall& c) { c.result().setInt(Self<ComboBoxObject>(c).Stored("STYLE").rawInt()); }
void SetComboStyle(NativeCall& c) {
  auto& combo = Self<ComboBoxObject>(c);
  combo.stored["STYLE"] = c.arg(1);
  combo.Combo()->setEditable(c.arg(1).toInt() != 2);
}

// ------------------------------------------------------------------ scroll bar

QScrollBar& Bar(NativeCall& c) { return *Self<ScrollBarObject>(c).Bar(); }
void GetMin(NativeCall& c) { c.result().setInt(Bar(c).minimum()); }
void SetMin(NativeCall& c) { Bar(c).setMinimum(IntOf(c, 1)); }
void GetMax(NativeCall& c) { c.result().setInt(Bar(c).maximum()); }
void SetMax(NativeCall& c) { Bar(c).setMaximum(IntOf(c, 1)); }
void GetPosition(NativeCall& c) { c.result().setInt(Bar(c).value()); }
void SetPosition(NativeCall& c) { Bar(c).setValue(IntOf(c, 1)); }
void SetParams(NativeCall& c) {
  Bar(c).setRange(IntOf(c, 2), IntOf(c, 3));
  Bar(c).setValue(IntOf(c, 1));
}

// ------------------------------------------------------------------ forms

FormObject& Form(NativeCall& c) { return Self<FormObject>(c); }
void FormShowModal(NativeCall& c) { c.result().setInt(Form(c).ShowModal()); }
void FormClose(NativeCall& c) { Form(c).Close(); }
void FormRelease(NativeCall& c) { Form(c).Release(); }
void FormActive(NativeCall& c) { ReturnBool(c, WidgetOf(c).isActiveWindow()); }
void FormCaption(NativeCall& c) { c.result() = Value::string(FromQt(WidgetOf(c).windowTitle())); }
void FormSetCaption(NativeCall& c) { WidgetOf(c).setWindowTitle(ToQt(StrArg(c, 1))); }

// ------------------------------------------------------------------ timer

TimerObject& Timer(NativeCall& c) { return Self<TimerObject>(c); }
void TimerEnabled(NativeCall& c) { ReturnBool(c, Timer(c).enabled); }
void TimerSetEnabled(NativeCall& c) {
  Timer(c).enabled = BoolArg(c, 1);
  Timer(c).Update();
}
void TimerInterval(NativeCall& c) { c.result() = Value::integer(Timer(c).interval, pscript::varLongWord); }
void TimerSetInterval(NativeCall& c) {
  Timer(c).interval = c.arg(1).toInt();
  Timer(c).Update();
}
void TimerSetOnTimer(NativeCall& c) {
  Timer(c).stored["ONTIMER"] = c.arg(1);
  Timer(c).Update();
}

// ------------------------------------------------------------------ application

void ProcessMessages(NativeCall&) { QCoreApplication::processEvents(); }
void ApplicationMessageBox(NativeCall& c) {
  c.result().setInt(ShowScriptMessageBox(StrArg(c, 1), StrArg(c, 2), IntOf(c, 3)));
}

// ------------------------------------------------------------------ menus

// A menu item keeps its sub-items; a menu keeps its root item. Every change
// shows the menu anew (Menus.cpp).
MenuItemObject& Item(NativeCall& c) { return Self<MenuItemObject>(c); }
MenuItemObject* ItemOf(NativeCall& c, const Value& v) { return c.exec().objectAs<MenuItemObject>(v); }

void MenuInsertAt(NativeCall& c, MenuItemObject& into, int64_t at, const Value& item) {
  MenuItemObject* child = ItemOf(c, item);
  if (!child) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  if (c.exec().object(child->parentItem)) throw std::runtime_error("Menu inserted twice");
  if (at < 0 || at > static_cast<int64_t>(into.items.size())) throw std::runtime_error("Menu index out of range");
  into.items.insert(into.items.begin() + at, item);
  child->parentItem = into.self;
  into.Changed();
}
void MenuAdd(NativeCall& c) { MenuInsertAt(c, Item(c), static_cast<int64_t>(Item(c).items.size()), c.arg(1)); }
void MenuInsert(NativeCall& c) { MenuInsertAt(c, Item(c), IntArg(c, 1), c.arg(2)); }
size_t CheckedItem(NativeCall& c, int arg) {
  const int64_t i = IntArg(c, arg);
  if (i < 0 || i >= static_cast<int64_t>(Item(c).items.size())) throw std::runtime_error("Menu index out of range");
  return static_cast<size_t>(i);
}
void MenuDelete(NativeCall& c) {
  auto& items = Item(c).items;
  const size_t i = CheckedItem(c, 1);
  if (MenuItemObject* child = ItemOf(c, items[i])) child->parentItem.clear();
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
  Item(c).Changed();
}
void MenuRemove(NativeCall& c) {
  auto& items = Item(c).items;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].rawInt() == c.arg(1).rawInt()) {
      if (MenuItemObject* child = ItemOf(c, items[i])) child->parentItem.clear();
      items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
      Item(c).Changed();
      return;
    }
  throw std::runtime_error("Sub-menu is not in menu");
}
void MenuClear(NativeCall& c) {
  std::vector<Value> items = std::move(Item(c).items);
  for (const Value& v : items) c.exec().freeObject(v);
  Item(c).Changed();
}
void MenuCount(NativeCall& c) { c.result().setInt(static_cast<int64_t>(Item(c).items.size())); }
void MenuItemAt(NativeCall& c) { c.result() = Item(c).items[CheckedItem(c, 1)]; }
void MenuIndexOf(NativeCall& c) {
  const auto& items = Item(c).items;
  int64_t found = -1;
  for (size_t i = 0; i < items.size() && found < 0; ++i)
    if (items[i].rawInt() == c.arg(1).rawInt()) found = static_cast<int64_t>(i);
  c.result().setInt(found);
}
// Captions compare without the & of the accelerator and without regard to case.
void MenuFind(NativeCall& c) {
  auto plain = [](std::string s) {
    s.erase(std::remove(s.begin(), s.end(), '&'), s.end());
    return Upper(s);
  };
  const std::string wanted = plain(StrArg(c, 1));
  for (const Value& v : Item(c).items)
    if (MenuItemObject* child = ItemOf(c, v); child && plain(std::string(child->Stored("CAPTION").rawString())) == wanted) {
      c.result() = v;
      return;
    }
}
void MenuClick(NativeCall& c) { Item(c).Fire(kOnClick); }
void MenuIsLine(NativeCall& c) { ReturnBool(c, Item(c).Stored("CAPTION").rawString() == "-"); }
void MenuParent(NativeCall& c) {
  if (c.exec().object(Item(c).parentItem)) c.result() = Item(c).parentItem;
}
void MenuIndex(NativeCall& c) {
  int64_t index = -1;
  if (MenuItemObject* parent = ItemOf(c, Item(c).parentItem))
    for (size_t i = 0; i < parent->items.size(); ++i)
      if (parent->items[i].rawInt() == c.arg(0).rawInt()) index = static_cast<int64_t>(i);
  c.result().setInt(index);
}
void MenuRootItems(NativeCall& c) { c.result() = Self<MenuObject>(c).Root(c.exec()); }
void MenuStore(NativeCall& c) {
  Item(c).stored[EntryOf(c).upperName] = c.arg(1);
  Item(c).Changed();
}
void MenuPopup(NativeCall& c) { Self<MenuObject>(c).Popup(QPoint(IntOf(c, 1), IntOf(c, 2))); }

// ------------------------------------------------------------------ the tables


const char* const kFontClasses[] = {"TGroupBox", "TLabel", "TEdit", "TMemo", "TComboBox", "TButton", "TCheckBox",
                                    "TRadioButton", "TListBox", "TScrollBox", "TForm", "TPaintBox", "TPanel",
                                    "TNotebook", "THeader", "TRadioGroup", "TSpeedButton"};
const char* const kCaptionClasses[] = {"TGroupBox", "TLabel", "TButton", "TCheckBox", "TRadioButton", "TPanel",
                                       "TSpeedButton", "TRadioGroup", "TPage"};

const Specific kSpecific[] = {
    {"TControl", "Left", GetLeft, SetLeft},
    {"TControl", "Top", GetTop, SetTop},
    {"TControl", "Width", GetWidth, SetWidth},
    {"TControl", "Height", GetHeight, SetHeight},
    {"TControl", "SetBounds", SetBounds, nullptr},
    {"TControl", "Visible", GetVisible, SetVisible},
    {"TControl", "Show", ShowControl, nullptr},
    {"TControl", "Hide", HideControl, nullptr},
    {"TControl", "Enabled", GetEnabled, SetEnabled},
    {"TControl", "Hint", GetHint, SetHint},
    {"TControl", "Parent", GetParent, SetParent},
    {"TControl", "BringToFront", BringToFront, nullptr},
    {"TControl", "SendToBack", SendToBack, nullptr},
    {"TControl", "Invalidate", Repaint, nullptr},
    {"TControl", "Repaint", Repaint, nullptr},
    {"TControl", "Refresh", Repaint, nullptr},
    {"TControl", "Update", Repaint, nullptr},
    {"TControl", "ClientWidth", GetClientWidth, SetClientWidth},
    {"TControl", "ClientHeight", GetClientHeight, SetClientHeight},
    {"TWinControl", "ControlCount", ControlCount, nullptr},
    {"TWinControl", "Controls", ControlAt, nullptr},
    {"TWinControl", "SetFocus", SetFocus, nullptr},
    {"TWinControl", "Focused", Focused, nullptr},
    {"TWinControl", "CanFocus", CanFocus, nullptr},
    {"TWinControl", "Showing", Showing, nullptr},
    {"TCustomEdit", "Text", GetCaption, SetCaption},
    {"TEdit", "Text", GetCaption, SetCaption},
    {"TComboBox", "Text", GetCaption, SetCaption},
    {"TCustomEdit", "Clear", ClearText, nullptr},
    {"TCustomEdit", "SelectAll", SelectAll, nullptr},
    {"TCustomEdit", "Modified", GetModified, SetModified},
    {"TEdit", "ReadOnly", GetReadOnly, SetReadOnly},
    {"TMemo", "ReadOnly", GetReadOnly, SetReadOnly},
    {"TEdit", "MaxLength", GetMaxLength, SetMaxLength},
    {"TEdit", "PasswordChar", GetPasswordChar, SetPasswordChar},
    {"TCustomMemo", "Lines", GetStrings, SetStrings},
    {"TCheckBox", "Checked", GetChecked, SetChecked},
    {"TCheckBox", "State", GetState, SetState},
    {"TCheckBox", "AllowGrayed", GetAllowGrayed, SetAllowGrayed},
    {"TRadioButton", "Checked", GetChecked, SetChecked},
    {"TButton", "ModalResult", GetModalResult, SetModalResult},
    {"TButton", "Default", GetDefault, SetDefault},
    {"TButton", "Cancel", GetCancel, SetCancel},
    {"TCustomListBox", "Items", GetStrings, SetStrings},
    {"TCustomListBox", "ItemIndex", GetItemIndex, SetItemIndex},
    {"TCustomListBox", "Clear", ClearStrings, nullptr},
    {"TCustomListBox", "SelCount", SelCount, nullptr},
    {"TCustomListBox", "Selected", GetSelected, SetSelected},
    {"TListBox", "MultiSelect", GetMultiSelect, SetMultiSelect},
    {"TCustomComboBox", "Items", GetStrings, SetStrings},
    {"TCustomComboBox", "ItemIndex", GetItemIndex, SetItemIndex},
    {"TCustomComboBox", "Clear", ClearStrings, nullptr},
    {"TComboBox", "Style", GetComboStyle, SetComboStyle},
    {"TScrollBar", "Min", GetMin, SetMin},
    {"TScrollBar", "Max", GetMax, SetMax},
    {"TScrollBar", "Position", GetPosition, SetPosition},
    {"TScrollBar", "SetParams", SetParams, nullptr},
    {"TForm", "CreateNew", Construct, nullptr},
    {"TForm", "Show", ShowControl, nullptr},
    {"TForm", "Hide", HideControl, nullptr},
    {"TForm", "ShowModal", FormShowModal, nullptr},
    {"TForm", "Close", FormClose, nullptr},
    {"TForm", "Release", FormRelease, nullptr},
    {"TForm", "Active", FormActive, nullptr},
    {"TForm", "Caption", FormCaption, FormSetCaption},
    {"TForm", "ModalResult", GetModalResult, SetModalResult},
    {"TTimer", "Enabled", TimerEnabled, TimerSetEnabled},
    {"TTimer", "Interval", TimerInterval, TimerSetInterval},
    {"TTimer", "OnTimer", StoredGet, TimerSetOnTimer},
    {"TFont", "Create", FontCreate, nullptr},
    {"TFont", "Name", StoredGet, FontStore},
    {"TFont", "Size", StoredGet, FontStore},
    {"TFont", "Style", StoredGet, FontStore},
    {"TFont", "Color", StoredGet, FontStore},
    {"TApplication", "ProcessMessages", ProcessMessages, nullptr},
    {"TMenuItem", "Add", MenuAdd, nullptr},
    {"TMenuItem", "Insert", MenuInsert, nullptr},
    {"TMenuItem", "Delete", MenuDelete, nullptr},
    {"TMenuItem", "Remove", MenuRemove, nullptr},
    {"TMenuItem", "Clear", MenuClear, nullptr},
    {"TMenuItem", "Count", MenuCount, nullptr},
    {"TMenuItem", "Items", MenuItemAt, nullptr},
    {"TMenuItem", "IndexOf", MenuIndexOf, nullptr},
    {"TMenuItem", "Find", MenuFind, nullptr},
    {"TMenuItem", "Click", MenuClick, nullptr},
    {"TMenuItem", "IsLine", MenuIsLine, nullptr},
    {"TMenuItem", "Parent", MenuParent, nullptr},
    {"TMenuItem", "MenuIndex", MenuIndex, nullptr},
    {"TMenu", "Items", MenuRootItems, nullptr},
    {"TMenuItem", "Caption", nullptr, MenuStore},
    {"TMenuItem", "Checked", nullptr, MenuStore},
    {"TMenuItem", "Enabled", nullptr, MenuStore},
    {"TMenuItem", "Visible", nullptr, MenuStore},
    {"TMenuItem", "ShortCut", nullptr, MenuStore},
    {"TMenuItem", "RadioItem", nullptr, MenuStore},
    {"TPopupMenu", "Popup", MenuPopup, nullptr},
    {"TApplication", "MessageBox", ApplicationMessageBox, nullptr},
};

using Factory = pscript::ClassImporter::Factory;
template <class T>
std::unique_ptr<pscript::ScriptObject> Make() {
  return std::make_unique<T>();
}

// The host object each class makes; a class not listed makes its nearest
// listed ancestor's.
const std::pair<const char*, Factory> kFactories[] = {
    {"TControl", Make<ControlObject>},       {"TForm", Make<FormObject>},
    {"TCustomLabel", Make<LabelObject>},     {"TButton", Make<ButtonObject>},
    {"TCustomEdit", Make<EditObject>},       {"TCustomMemo", Make<MemoObject>},
    {"TCustomCheckBox", Make<CheckBoxObject>}, {"TRadioButton", Make<RadioButtonObject>},
    {"TCustomListBox", Make<ListBoxObject>}, {"TCustomComboBox", Make<ComboBoxObject>},
    {"TCustomGroupBox", Make<GroupBoxObject>}, {"TCustomPanel", Make<PanelObject>},
    {"TScrollBar", Make<ScrollBarObject>},   {"TTimer", Make<TimerObject>},
    {"TFont", Make<FontObject>},             {"TGraphicsObject", Make<UiObject>},
    {"TPen", Make<PenObject>},               {"TBrush", Make<BrushObject>},
    {"TGraphic", Make<BitmapObject>},        {"TCanvas", Make<CanvasObject>},
    {"TPicture", Make<PictureObject>},       {"TMenuItem", Make<MenuItemObject>},
    {"TPaintBox", Make<PaintBoxObject>},     {"TImage", Make<ImageObject>},
    {"TShape", Make<ShapeObject>},           {"TBevel", Make<BevelObject>},
    {"TCustomRadioGroup", Make<RadioGroupObject>}, {"TSpeedButton", Make<SpeedButtonObject>},
    {"TBitBtn", Make<BitBtnObject>},
    {"TMenu", Make<MenuObject>},             {"TApplication", Make<UiObject>},
    {"TControlScrollBar", Make<UiObject>},   {"TDragObject", Make<UiObject>},
    {"EMenuError", Make<UiObject>},          {"TMenuActionLink", Make<UiObject>},
    {"TPopupList", Make<UiObject>},          {"TMenuItemStack", Make<UiObject>},
};

const char* const kComponentsWithoutConstructor[] = {"TTimer", "TApplication"};

std::span<const Step> (*const kLibraries[])() = {GraphicsSteps, ControlsSteps, StdCtrlsSteps, FormsSteps,
                                                 ButtonsSteps,  ExtCtrlsSteps, MenusSteps};

using MemberKey = std::pair<std::string, std::string>;  // upper class, upper member

std::map<MemberKey, const Specific*> SpecificMembers() {
  std::map<MemberKey, const Specific*> out;
  for (const Specific& s : kSpecific) out[{Upper(s.cls), Upper(s.member)}] = &s;
  for (auto table : {GraphicsMembers(), ControlKindMembers()})
    for (const Specific& s : table) out[{Upper(s.cls), Upper(s.member)}] = &s;
  static const Specific font{"", "Font", GetFont, SetFont};
  static const Specific caption{"", "Caption", GetCaption, SetCaption};
  for (const char* cls : kFontClasses) out.insert({{Upper(cls), "FONT"}, &font});
  for (const char* cls : kCaptionClasses) out.insert({{Upper(cls), "CAPTION"}, &caption});
  return out;
}

void BindMember(pscript::ClassImporter& importer, const char* cls, const char* declaration,
                const std::map<MemberKey, const Specific*>& specific) {
  const std::string name = MemberName(declaration);
  if (name.empty()) return;
  const std::string upper = Upper(name);
  auto found = specific.find({Upper(cls), upper});
  const Specific* s = found == specific.end() ? nullptr : found->second;
  if (IsPropertyDeclaration(declaration)) {
    if (upper.rfind("ON", 0) == 0) EventNames().emplace(upper, name);
    // Reader and writer each get an entry of their own.
    // A table entry without a reader or writer keeps the stored default for it.
    const NativeFn read = s && s->fn ? s->fn : StoredGet;
    const NativeFn write = s && s->write ? s->write : StoredSet;
    if (read) importer.registerProperty(cls, name, Trampoline, nullptr, Interned(read, upper));
    if (write) importer.registerProperty(cls, name, nullptr, Trampoline, Interned(write, upper));
    return;
  }
  const bool constructor = std::string_view(declaration).substr(0, 12) == "constructor ";
  const NativeFn fn = s ? s->fn : constructor ? Construct : NoOperation;
  importer.registerMethod(cls, name, Trampoline, Interned(fn, upper));
}

// ------------------------------------------------------------------ menu functions

Value NewMenuItem(NativeCall& c, const std::string& caption) {
  Value handle = c.exec().newObject(std::make_unique<MenuItemObject>(), "TMenuItem");
  auto* item = c.exec().objectAs<MenuItemObject>(handle);
  item->exec = &c.exec();
  item->self = handle;
  item->stored["CAPTION"] = Value::string(caption);
  item->stored["ENABLED"] = Value::boolean(true);
  item->stored["VISIBLE"] = Value::boolean(true);
  return handle;
}

void AddItems(NativeCall& c, MenuItemObject& into, const Value& items) {
  for (int64_t i = items.arrayLow(); i <= items.arrayHigh(); ++i) MenuInsertAt(c, into, static_cast<int64_t>(into.items.size()), items.arrayAt(i));
}

Value NewMenuOf(NativeCall& c, const char* cls, const Value& owner, const std::string& name, const Value& items) {
  Value handle = c.exec().newObject(std::make_unique<MenuObject>(), cls);
  auto* menu = c.exec().objectAs<MenuObject>(handle);
  menu->exec = &c.exec();
  menu->Created(c.exec(), handle, owner);
  menu->name = name;
  AddItems(c, *c.exec().objectAs<MenuItemObject>(menu->Root(c.exec())), items);
  menu->JoinOwnerForm();
  return handle;
}

// NewMenu(Owner, Name, Items)
void NewMenu(NativeCall& c) { c.result() = NewMenuOf(c, "TMainMenu", c.arg(0), StrArg(c, 1), c.arg(2)); }
// NewPopupMenu(Owner, Name, Alignment, AutoPopup, Items)
void NewPopupMenu(NativeCall& c) {
  c.result() = NewMenuOf(c, "TPopupMenu", c.arg(0), StrArg(c, 1), c.arg(4));
  auto* menu = c.exec().objectAs<MenuObject>(c.result());
  menu->stored["ALIGNMENT"] = c.arg(2);
  menu->stored["AUTOPOPUP"] = c.arg(3);
}
// NewSubMenu(Caption, HelpContext, Name, Items, Enabled)
void NewSubMenu(NativeCall& c) {
  Value handle = NewMenuItem(c, StrArg(c, 0));
  auto* item = c.exec().objectAs<MenuItemObject>(handle);
  item->stored["HELPCONTEXT"] = c.arg(1);
  item->name = StrArg(c, 2);
  item->stored["ENABLED"] = c.arg(4);
  AddItems(c, *item, c.arg(3));
  c.result() = handle;
}
// NewItem(Caption, ShortCut, Checked, Enabled, OnClick, HelpContext, Name)
void NewItem(NativeCall& c) {
  Value handle = NewMenuItem(c, StrArg(c, 0));
  auto* item = c.exec().objectAs<MenuItemObject>(handle);
  item->stored["SHORTCUT"] = c.arg(1);
  item->stored["CHECKED"] = c.arg(2);
  item->stored["ENABLED"] = c.arg(3);
  item->stored[kOnClick] = c.arg(4);
  item->stored["HELPCONTEXT"] = c.arg(5);
  item->name = StrArg(c, 6);
  c.result() = handle;
}
void NewLine(NativeCall& c) { c.result() = NewMenuItem(c, "-"); }

void FunctionTrampoline(NativeCall& c) { Trampoline(c); }

const std::pair<const char*, NativeFn> kMenuFunctions[] = {
    {"NEWMENU", NewMenu}, {"NEWPOPUPMENU", NewPopupMenu}, {"NEWSUBMENU", NewSubMenu},
    {"NEWITEM", NewItem}, {"NEWLINE", NewLine},
};

}  // namespace

void BindUiFunctions(pscript::Exec& exec) {
  for (const auto& [name, fn] : kMenuFunctions) exec.registerFunction(name, FunctionTrampoline, Interned(fn, name));
}

void BindUiClasses(pscript::ClassImporter& importer) {
  const auto specific = SpecificMembers();
  std::unordered_map<std::string, Factory> factories;
  for (const auto& [cls, factory] : kFactories) factories[Upper(cls)] = factory;
  const char* current = nullptr;
  for (auto steps : kLibraries) {
    for (const Step& step : steps()) {
      if (step.kind == Step::Kind::Class) {
        current = step.text;
        // An ancestor that no library declares gives a root class.
        const bool known = importer.find(Upper(step.ancestor)) != nullptr;
        auto factory = factories.find(Upper(step.text));
        importer.registerClass(step.text, known ? step.ancestor : "",
                               factory == factories.end() ? nullptr : factory->second);
      } else if (step.kind == Step::Kind::With) {
        current = step.text;
      } else if (step.kind == Step::Kind::Member && current) {
        BindMember(importer, current, step.text, specific);
      }
    }
  }
  // Components that declare no constructor of their own are made by
  // TComponent's Create, which would not set them up.
  for (const char* cls : kComponentsWithoutConstructor)
    importer.registerMethod(cls, "Create", Trampoline, Interned(Construct, "CREATE"));
}

}  // namespace tarno::ui
