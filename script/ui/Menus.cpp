// Menus through Qt: a form's main menu as its menu bar, pop-up menus, and
// items with captions (& marks the accelerator, "-" is a separator),
// shortcuts, check marks, Enabled, Visible and OnClick. Any change of an
// item shows the whole menu anew.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <algorithm>

#include "ControlClasses.h"
#include "MenuShortcuts.h"
#include "UserWait.h"

namespace tarno::ui {

using pscript::Value;

namespace {

constexpr const char* kSeparator = "-";

// The Qt key of a virtual key code: the first Qt key that gives it.
int QtKeyOf(int64_t vk) {
  static const int kCandidates[] = {
      Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_PageUp,
      Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down,
      Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Semicolon, Qt::Key_Equal, Qt::Key_Comma, Qt::Key_Minus,
      Qt::Key_Period, Qt::Key_Slash, Qt::Key_QuoteLeft, Qt::Key_BracketLeft, Qt::Key_Backslash,
      Qt::Key_BracketRight, Qt::Key_Apostrophe};
  for (int key = Qt::Key_0; key <= Qt::Key_9; ++key)
    if (VirtualKey(key, Qt::NoModifier) == vk) return key;
  for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key)
    if (VirtualKey(key, Qt::NoModifier) == vk) return key;
  for (int key = Qt::Key_F1; key <= Qt::Key_F24; ++key)
    if (VirtualKey(key, Qt::NoModifier) == vk) return key;
  for (int key : kCandidates)
    if (VirtualKey(key, Qt::NoModifier) == vk) return key;
  return 0;
}

QKeySequence KeySequenceOf(int64_t shortCut) {
  const int key = QtKeyOf(shortCut & 0xFF);
  if (shortCut == 0 || key == 0) return {};
  int modifiers = 0;
  if (shortCut & kShortCutShift) modifiers |= Qt::SHIFT;
  if (shortCut & kShortCutCtrl) modifiers |= Qt::CTRL;
  if (shortCut & kShortCutAlt) modifiers |= Qt::ALT;
  return QKeySequence(key | modifiers);
}

}  // namespace

// ------------------------------------------------------------------ items

void MenuItemObject::freeing(pscript::Exec& e) {
  std::vector<Value> mine = std::move(items);
  for (const Value& v : mine) e.freeObject(v);
  if (auto* parentObject = e.objectAs<MenuItemObject>(parentItem)) {
    auto& list = parentObject->items;
    list.erase(std::remove_if(list.begin(), list.end(), [&](const Value& v) { return v.rawInt() == self.rawInt(); }),
               list.end());
    parentObject->Changed();
  }
  UiObject::freeing(e);
}

void MenuItemObject::Changed() {
  const MenuItemObject* item = this;
  for (int depth = 0; item && depth < 1000; ++depth) {
    if (auto* shownIn = exec->objectAs<MenuObject>(item->menu)) return shownIn->Rebuild();
    item = exec->objectAs<MenuItemObject>(item->parentItem);
  }
}

bool MenuItemObject::Shown() const { return Stored("VISIBLE").isEmpty() || StoredFlag("VISIBLE"); }
bool MenuItemObject::Enabled() const { return Stored("ENABLED").isEmpty() || StoredFlag("ENABLED"); }

// ------------------------------------------------------------------ menus

void MenuObject::Init(pscript::NativeCall& c) {
  UiObject::Init(c);
  EnsureWidgetApplication();
  JoinOwnerForm();
}

// As a form takes the first main menu it owns for its Menu.
void MenuObject::JoinOwnerForm() {
  auto* form = exec->objectAs<FormObject>(owner);
  if (!form || exec->objectClass(self) != "TMAINMENU" || exec->object(form->mainMenu)) return;
  form->mainMenu = self;
  ShowIn(form->MenuBar());
}

Value MenuObject::Root(pscript::Exec& e) {
  if (!e.object(root_)) {
    root_ = e.newObject(std::make_unique<MenuItemObject>(), "TMenuItem");
    auto* item = e.objectAs<MenuItemObject>(root_);
    item->exec = &e;
    item->self = root_;
    item->menu = self;
  }
  return root_;
}

void MenuObject::freeing(pscript::Exec& e) {
  if (auto* form = e.objectAs<FormObject>(owner); form && form->mainMenu.rawInt() == self.rawInt()) form->DropMenuBar();
  const Value root = root_;
  root_.clear();
  e.freeObject(root);
  bar_.clear();
  if (generation_) generation_.release()->deleteLater();
  UiObject::freeing(e);
}

void MenuObject::ShowIn(QMenuBar* bar) {
  bar_ = bar;
  Rebuild();
}

// What the last build made may be running its own action now: it goes late.
void MenuObject::Rebuild() {
  if (!bar_) return;
  if (generation_) generation_.release()->deleteLater();
  generation_ = std::make_unique<QObject>();
  bar_->clear();
  if (auto* root = exec->objectAs<MenuItemObject>(Root(*exec))) Fill(bar_, *root, generation_.get());
  if (auto* form = exec->objectAs<FormObject>(owner)) form->ArrangeClient();
}

void MenuObject::Fill(QWidget* into, const MenuItemObject& item, QObject* generation) {
  pscript::Exec* e = exec;
  for (const Value& handle : item.items) {
    auto* child = e->objectAs<MenuItemObject>(handle);
    if (!child || !child->Shown()) continue;
    const std::string caption(child->Stored("CAPTION").rawString());
    QAction* action = nullptr;
    if (caption == kSeparator) {
      action = new QAction(generation);
      action->setSeparator(true);
    } else if (!child->items.empty()) {
      auto* sub = new QMenu(ToQt(caption), into);
      QObject::connect(generation, &QObject::destroyed, sub, &QObject::deleteLater);
      Fill(sub, *child, generation);
      action = sub->menuAction();
    } else {
      action = new QAction(ToQt(caption), generation);
      action->setShortcut(KeySequenceOf(child->StoredInt("SHORTCUT")));
      action->setCheckable(child->StoredFlag("CHECKED") || child->StoredFlag("RADIOITEM"));
      action->setChecked(child->StoredFlag("CHECKED"));
      QObject::connect(action, &QAction::triggered, action, [e, handle] {
        if (auto* clicked = e->objectAs<MenuItemObject>(handle)) clicked->Fire(kOnClick);
      });
    }
    action->setEnabled(child->Enabled());
    into->addAction(action);
  }
}

// A menu of its own each time; OnPopup runs first.
void MenuObject::Popup(QPoint at) {
  EnsureWidgetApplication();
  pscript::Exec* e = exec;
  const Value me = self;
  Fire("ONPOPUP");
  auto* still = e->objectAs<MenuObject>(me);
  auto* root = still ? e->objectAs<MenuItemObject>(still->Root(*e)) : nullptr;
  if (!root) return;
  QObject generation;
  QMenu menu;
  still->Fill(&menu, *root, &generation);
  const ScopedUserWait choosing;
  menu.exec(at);
}

}  // namespace tarno::ui
