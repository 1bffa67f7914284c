// The standard controls and their events.
#include <algorithm>

#include "ControlClasses.h"

namespace tarno::ui {

using pscript::Value;

// ------------------------------------------------------------------ strings

void WidgetStrings::ContentsChanged() {
  if (!widget_) return;
  QStringList lines;
  for (const Item& item : items) lines << ToQt(item.text);
  switch (kind_) {
    case Kind::Lines: {
      auto* memo = qobject_cast<QPlainTextEdit*>(widget_.data());
      if (memo && memo->toPlainText() != lines.join('\n')) memo->setPlainText(lines.join('\n'));
      break;
    }
    case Kind::ListItems: {
      auto* list = qobject_cast<QListWidget*>(widget_.data());
      if (!list) break;
      const QSignalBlocker quiet(list);
      const int row = list->currentRow();
      list->clear();
      list->addItems(lines);
      if (row < list->count()) list->setCurrentRow(row);
      break;
    }
    case Kind::Buttons:
      if (rebuild) rebuild();
      break;
    case Kind::ComboItems: {
      auto* combo = qobject_cast<QComboBox*>(widget_.data());
      if (!combo) break;
      const QSignalBlocker quiet(combo);
      const QString text = combo->currentText();
      const int index = combo->currentIndex();
      combo->clear();
      combo->addItems(lines);
      combo->setCurrentIndex(index < combo->count() ? index : -1);
      if (combo->isEditable()) combo->setEditText(text);
      break;
    }
  }
}

// Only a memo's lines change under the user's hands.
void WidgetStrings::Refresh() {
  auto* memo = qobject_cast<QPlainTextEdit*>(widget_.data());
  if (kind_ != Kind::Lines || !memo) return;
  const QString text = memo->toPlainText();
  items.clear();
  if (text.isEmpty()) return;
  for (const QString& line : text.split('\n')) items.push_back({FromQt(line), {}});
}

void StringsControl::freeing(pscript::Exec& e) {
  ControlObject::freeing(e);
  const Value strings = strings_;
  strings_.clear();
  e.freeObject(strings);
}

Value StringsControl::Strings() {
  if (!exec->object(strings_))
    strings_ = exec->newObject(std::make_unique<WidgetStrings>(StringsKind(), widget_.data()), "TStrings");
  return strings_;
}

// ------------------------------------------------------------------ label, panel, group box


QWidget* LabelObject::MakeWidget() { return new QLabel; }
std::string LabelObject::Caption() const { return FromQt(static_cast<QLabel*>(widget_.data())->text()); }
void LabelObject::SetCaption(const std::string& text) {
  auto* label = static_cast<QLabel*>(widget_.data());
  label->setText(ToQt(text));
  const Value& autoSize = Stored("AUTOSIZE");  // on unless the script turned it off
  if (autoSize.isEmpty() || autoSize.rawInt() != 0) label->adjustSize();
}

QWidget* PanelObject::MakeWidget() {
  auto* panel = new QLabel;
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setAlignment(Qt::AlignCenter);
  return panel;
}

QWidget* GroupBoxObject::MakeWidget() { return new QGroupBox; }
std::string GroupBoxObject::Caption() const { return FromQt(static_cast<QGroupBox*>(widget_.data())->title()); }
void GroupBoxObject::SetCaption(const std::string& text) { static_cast<QGroupBox*>(widget_.data())->setTitle(ToQt(text)); }

// ------------------------------------------------------------------ buttons

QWidget* ButtonObject::MakeWidget() { return new QPushButton; }
void ButtonObject::Connect() {
  QObject::connect(static_cast<QPushButton*>(widget_.data()), &QPushButton::clicked, context(), [this] { Click(); });
}
std::string ButtonObject::Caption() const { return FromQt(static_cast<QPushButton*>(widget_.data())->text()); }
void ButtonObject::SetCaption(const std::string& text) { static_cast<QPushButton*>(widget_.data())->setText(ToQt(text)); }

// The form's ModalResult takes the button's before OnClick runs, so that
// the handler may still change it.
void ButtonObject::Click() {
  if (modalResult != 0)
    if (FormObject* form = ParentForm(*exec, widget_)) form->SetModalResult(modalResult);
  Fire(kOnClick);
}

QWidget* CheckBoxObject::MakeWidget() { return new QCheckBox; }
void CheckBoxObject::Connect() {
  QObject::connect(static_cast<QCheckBox*>(widget_.data()), &QCheckBox::stateChanged, context(), [this] { Fire(kOnClick); });
}
std::string CheckBoxObject::Caption() const { return FromQt(static_cast<QAbstractButton*>(widget_.data())->text()); }
void CheckBoxObject::SetCaption(const std::string& text) { static_cast<QAbstractButton*>(widget_.data())->setText(ToQt(text)); }

QWidget* RadioButtonObject::MakeWidget() { return new QRadioButton; }
void RadioButtonObject::Connect() {
  QObject::connect(static_cast<QRadioButton*>(widget_.data()), &QRadioButton::toggled, context(), [this](bool on) {
    if (on) Fire(kOnClick);
  });
}

// ------------------------------------------------------------------ edits

QWidget* EditObject::MakeWidget() { return new QLineEdit; }
void EditObject::Connect() {
  QObject::connect(Edit(), &QLineEdit::textChanged, context(), [this] { Fire(kOnChange); });
}
std::string EditObject::Caption() const { return FromQt(Edit()->text()); }
void EditObject::SetCaption(const std::string& text) { Edit()->setText(ToQt(text)); }

QWidget* MemoObject::MakeWidget() { return new QPlainTextEdit; }
void MemoObject::Connect() {
  QObject::connect(static_cast<QPlainTextEdit*>(widget_.data()), &QPlainTextEdit::textChanged, context(),
                   [this] { Fire(kOnChange); });
}
std::string MemoObject::Caption() const { return FromQt(static_cast<QPlainTextEdit*>(widget_.data())->toPlainText()); }
void MemoObject::SetCaption(const std::string& text) {
  static_cast<QPlainTextEdit*>(widget_.data())->setPlainText(ToQt(text));
}

// ------------------------------------------------------------------ lists

QWidget* ListBoxObject::MakeWidget() { return new QListWidget; }
void ListBoxObject::Connect() {
  QObject::connect(List(), &QListWidget::itemSelectionChanged, context(), [this] {
    if (!settingIndex) Fire(kOnClick);
  });
}

QWidget* ComboBoxObject::MakeWidget() {
  auto* combo = new QComboBox;
  combo->setEditable(true);  // csDropDown, the default style
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}
void ComboBoxObject::Connect() {
  // Only what the user does: a change the script makes runs no handler.
  QObject::connect(Combo(), &QComboBox::activated, context(), [this] {
    Fire(kOnChange);
  });
  if (QLineEdit* edit = Combo()->lineEdit())
    QObject::connect(edit, &QLineEdit::textEdited, context(), [this] { Fire(kOnChange); });
}
std::string ComboBoxObject::Caption() const { return FromQt(Combo()->currentText()); }
void ComboBoxObject::SetCaption(const std::string& text) {
  if (Combo()->isEditable()) Combo()->setEditText(ToQt(text));
  else Combo()->setCurrentIndex(Combo()->findText(ToQt(text)));
}

QWidget* ScrollBarObject::MakeWidget() {
  auto* bar = new QScrollBar(Qt::Horizontal);
  bar->setRange(0, 100);
  return bar;
}
void ScrollBarObject::Connect() {
  QObject::connect(Bar(), &QScrollBar::valueChanged, context(), [this] { Fire(kOnChange); });
}

// ------------------------------------------------------------------ timer

void TimerObject::Init(pscript::NativeCall& c) {
  UiObject::Init(c);
  EnsureWidgetApplication();
  timer_ = std::make_unique<QTimer>();
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { Fire("ONTIMER"); });
}

// The timer may be the one whose timeout runs now.
TimerObject::~TimerObject() {
  if (!timer_) return;
  timer_->stop();
  timer_.release()->deleteLater();
}

void TimerObject::freeing(pscript::Exec& e) {
  if (timer_) timer_->stop();
  UiObject::freeing(e);
}

void TimerObject::Update() {
  if (!timer_) return;
  timer_->stop();
  if (enabled && interval > 0 && HasHandler("ONTIMER")) timer_->start(static_cast<int>(interval));
}

}  // namespace tarno::ui

namespace tarno::ui {

// ------------------------------------------------------------------ fonts

void FontObject::Apply() {
  if (!target) return;
  target->setFont(ScriptFont(*this, target->font()));
  if (const Value& v = Stored("COLOR"); !v.isEmpty()) {
    const QColor color = ToQColor(v.toInt(), target->palette());
    QPalette palette = target->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    target->setPalette(palette);
  }
}

}  // namespace tarno::ui
