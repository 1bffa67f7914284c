// Radio groups, speed buttons and bit buttons.
#include <QFontMetrics>

#include "ClassLibraryHelpers.h"
#include "ControlClasses.h"
#include "UiBindingTable.h"

namespace tarno::ui {

using classlib::Self;
using pscript::NativeCall;
using pscript::Value;

// ------------------------------------------------------------------ radio group

namespace {
// Where the buttons of a radio group sit, as the group box lays them out.
constexpr int kGroupSideMargin = 8;
constexpr int kGroupWidthMargin = 10;
constexpr int kGroupBottomMargin = 5;
}  // namespace

QWidget* RadioGroupObject::MakeWidget() { return new QGroupBox; }

void RadioGroupObject::Init(pscript::NativeCall& c) {
  StringsControl::Init(c);
  pscript::Exec* e = exec;
  const Value me = self;
  if (auto* strings = e->objectAs<WidgetStrings>(Strings()))
    strings->rebuild = [e, me] {
      if (auto* group = e->objectAs<RadioGroupObject>(me)) group->Rebuild();
    };
}
std::string RadioGroupObject::Caption() const { return FromQt(static_cast<QGroupBox*>(widget_.data())->title()); }
void RadioGroupObject::SetCaption(const std::string& text) {
  static_cast<QGroupBox*>(widget_.data())->setTitle(ToQt(text));
}

void RadioGroupObject::Rebuild() {
  for (const QPointer<QRadioButton>& button : buttons_) delete button.data();
  buttons_.clear();
  auto* strings = exec->objectAs<StringListObject>(Strings());
  if (!strings || !widget_) return;
  pscript::Exec* e = exec;
  const Value me = self;
  for (size_t i = 0; i < strings->items.size(); ++i) {
    auto* button = new QRadioButton(ToQt(strings->items[i].text), widget_);
    button->setAutoExclusive(false);  // the group keeps ItemIndex itself
    button->setChecked(static_cast<int64_t>(i) == itemIndex_);
    QObject::connect(button, &QRadioButton::clicked, context(), [e, me, i] {
      if (auto* group = e->objectAs<RadioGroupObject>(me)) group->SetItemIndex(static_cast<int64_t>(i));
    });
    button->show();
    buttons_.push_back(button);
  }
  if (itemIndex_ >= static_cast<int64_t>(buttons_.size())) itemIndex_ = -1;
  Arrange();
}

void RadioGroupObject::Arrange() {
  if (!widget_ || buttons_.empty()) return;
  const int count = static_cast<int>(buttons_.size());
  const int columns = static_cast<int>(std::clamp<int64_t>(columns_, 1, count));
  const int perColumn = (count + columns - 1) / columns;
  const int top = QFontMetrics(widget_->font()).height() + 1;
  const int width = std::max(1, (widget_->width() - kGroupWidthMargin) / columns);
  const int height = std::max(1, (widget_->height() - top - kGroupBottomMargin) / perColumn);
  for (int i = 0; i < count; ++i)
    if (buttons_[static_cast<size_t>(i)])
      buttons_[static_cast<size_t>(i)]->setGeometry(i / perColumn * width + kGroupSideMargin,
                                                    i % perColumn * height + top, width, height);
}

void RadioGroupObject::Resized() {
  Arrange();
  ControlObject::Resized();
}

// A change of the index, by the user or by the script, runs OnClick.
void RadioGroupObject::SetItemIndex(int64_t index) {
  index = std::clamp<int64_t>(index, -1, static_cast<int64_t>(buttons_.size()) - 1);
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]) buttons_[i]->setChecked(static_cast<int64_t>(i) == index);
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Fire(kOnClick);
}

void RadioGroupObject::SetColumns(int64_t columns) {
  columns_ = std::max<int64_t>(1, columns);
  Arrange();
}

// ------------------------------------------------------------------ speed button

QWidget* SpeedButtonObject::MakeWidget() {
  auto* button = new QToolButton;
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return button;
}
void SpeedButtonObject::Connect() {
  QObject::connect(static_cast<QToolButton*>(widget_.data()), &QToolButton::clicked, context(), [this] { Click(); });
}
std::string SpeedButtonObject::Caption() const { return FromQt(static_cast<QToolButton*>(widget_.data())->text()); }
void SpeedButtonObject::SetCaption(const std::string& text) { static_cast<QToolButton*>(widget_.data())->setText(ToQt(text)); }

bool SpeedButtonObject::Down() const { return widget_ && static_cast<QToolButton*>(widget_.data())->isChecked(); }

// Only a button of a group stays down.
void SpeedButtonObject::SetDown(bool down) {
  auto* button = static_cast<QToolButton*>(widget_.data());
  if (!button || StoredInt("GROUPINDEX") == 0) down = false;
  button->setCheckable(down || StoredInt("GROUPINDEX") != 0);
  button->setChecked(down);
  if (down) OthersUp();
}

void SpeedButtonObject::OthersUp() {
  auto* on = exec->objectAs<ControlObject>(parent);
  if (!on) return;
  for (const Value& sibling : on->children)
    if (auto* other = exec->objectAs<SpeedButtonObject>(sibling);
        other && other != this && other->StoredInt("GROUPINDEX") == StoredInt("GROUPINDEX") && other->Down())
      static_cast<QToolButton*>(other->widget_.data())->setChecked(false);
}

// The tool button has toggled itself; the group's rules decide.
void SpeedButtonObject::Click() {
  auto* button = static_cast<QToolButton*>(widget_.data());
  if (StoredInt("GROUPINDEX") != 0) {
    const bool wasDown = !button->isChecked();
    SetDown(!wasDown || !StoredFlag("ALLOWALLUP"));
  }
  Fire(kOnClick);
}

// ------------------------------------------------------------------ bit button

namespace {
// TBitBtnKind: bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll.
struct KindOfButton {
  const char* caption;
  int64_t modalResult;
  bool isDefault;
  bool isCancel;
};
constexpr KindOfButton kKinds[] = {{"", 0, false, false},        {"OK", 1, true, false},     {"Cancel", 2, false, true},
                                   {"&Help", 0, false, false},   {"&Yes", 6, true, false},   {"&No", 7, false, true},
                                   {"&Close", 0, false, false},  {"Abort", 3, false, false}, {"&Retry", 4, false, false},
                                   {"&Ignore", 5, false, false}, {"&All", 8, false, false}};
constexpr int64_t kBkClose = 6;
}  // namespace

void BitBtnObject::SetKind(int64_t newKind) {
  if (newKind < 0 || newKind >= static_cast<int64_t>(std::size(kKinds)) || newKind == kind) return;
  kind = newKind;
  if (kind == 0) return;
  const KindOfButton& k = kKinds[kind];
  SetCaption(k.caption);
  modalResult = k.modalResult;
  if (auto* button = qobject_cast<QPushButton*>(widget_.data())) {
    button->setDefault(k.isDefault);
    button->setProperty(kCancelButtonProperty, k.isCancel);
  }
}

void BitBtnObject::Click() {
  if (kind == kBkClose && modalResult == 0)
    if (FormObject* form = ParentForm(*exec, widget_)) {
      form->Close();
      return;
    }
  ButtonObject::Click();
}

// ------------------------------------------------------------------ natives

namespace {

RadioGroupObject& Group(NativeCall& c) { return Self<RadioGroupObject>(c); }
void GroupItemIndex(NativeCall& c) { c.result().setInt(Group(c).ItemIndex()); }
void GroupSetItemIndex(NativeCall& c) { Group(c).SetItemIndex(c.arg(1).toInt()); }
void GroupColumns(NativeCall& c) { c.result().setInt(Group(c).Columns()); }
void GroupSetColumns(NativeCall& c) { Group(c).SetColumns(c.arg(1).toInt()); }
void GroupItems(NativeCall& c) { c.result() = Group(c).Strings(); }
void GroupSetItems(NativeCall& c) {
  GroupItems(c);
  auto* mine = c.exec().objectAs<StringListObject>(c.result());
  if (mine && !mine->AssignFrom(c.exec(), c.arg(1)))
    throw std::runtime_error("Cannot assign a " + c.exec().objectClass(c.arg(1)) + " to a TStrings");
}

SpeedButtonObject& Speed(NativeCall& c) { return Self<SpeedButtonObject>(c); }
void SpeedDown(NativeCall& c) { c.result() = Value::boolean(Speed(c).Down()); }
void SpeedSetDown(NativeCall& c) { Speed(c).SetDown(c.arg(1).toBool()); }
void SpeedSetGroupIndex(NativeCall& c) {
  Speed(c).stored["GROUPINDEX"] = c.arg(1);
  Speed(c).SetDown(Speed(c).Down());
}

void BitKind(NativeCall& c) { c.result().setInt(Self<BitBtnObject>(c).kind); }
void BitSetKind(NativeCall& c) { Self<BitBtnObject>(c).SetKind(c.arg(1).toInt()); }

const Specific kMembers[] = {
    {"TRadioGroup", "ItemIndex", GroupItemIndex, GroupSetItemIndex},
    {"TRadioGroup", "Columns", GroupColumns, GroupSetColumns},
    {"TRadioGroup", "Items", GroupItems, GroupSetItems},
    {"TSpeedButton", "Down", SpeedDown, SpeedSetDown},
    {"TSpeedButton", "GroupIndex", nullptr, SpeedSetGroupIndex},
    {"TBitBtn", "Kind", BitKind, BitSetKind},
};

}  // namespace

std::span<const Specific> ControlKindMembers() { return kMembers; }

}  // namespace tarno::ui
