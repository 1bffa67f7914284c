// The controls with a widget of their own, the form and the timer.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QScrollBar>
#include <QTimer>

#include "Graphics.h"
#include "StringListClasses.h"
#include "UiObjects.h"

namespace tarno::ui {

// Items of a list box or combo box, lines of a memo: a TStrings whose
// contents show in the widget.
class WidgetStrings : public StringListObject {
 public:
  enum class Kind { Lines, ListItems, ComboItems, Buttons };
  WidgetStrings(Kind kind, QWidget* widget) : kind_(kind), widget_(widget) {}
  std::function<void()> rebuild;  // Buttons: the control makes its buttons anew
  void ContentsChanged() override;
  void Refresh() override;

 private:
  Kind kind_;
  QPointer<QWidget> widget_;
};

// A control with a TStrings (Lines, Items) made with it and freed with it.
class StringsControl : public ControlObject {
 public:
  void freeing(pscript::Exec& exec) override;
  // The strings object's handle, made on first use.
  pscript::Value Strings();

 protected:
  virtual WidgetStrings::Kind StringsKind() const = 0;

 private:
  pscript::Value strings_;
};

class LabelObject : public ControlObject {
 public:
  std::string Caption() const override;
  void SetCaption(const std::string& text) override;
  bool TakesMouseClicks() const override { return true; }

 protected:
  QWidget* MakeWidget() override;
};

class ButtonObject : public ControlObject {
 public:
  int64_t modalResult = 0;
  std::string Caption() const override;
  void SetCaption(const std::string& text) override;
  void Click() override;

 protected:
  QWidget* MakeWidget() override;
  void Connect() override;
};

class EditObject : public ControlObject {
 public:
  std::string Caption() const override;
  void SetCaption(const std::string& text) override;
  QLineEdit* Edit() const { return qobject_cast<QLineEdit*>(widget_.data()); }

 protected:
  QWidget* MakeWidget() override;
  void Connect() override;
};

class MemoObject : public StringsControl {
 public:
  std::string Caption() const override;
  void SetCaption(const std::string& text) override;

 protected:
  QWidget* MakeWidget() override;
  void Connect() override;
  WidgetStrings::Kind StringsKind() const override { return WidgetStrings::Kind::Lines; }
};

class CheckBoxObject : public ControlObject {
 public:
  std::string Caption() const override;
  void SetCaption(const std::string& text) override;

 protected:
  QWidget* MakeWidget() override;
  void Connect() override;
};

class RadioButtonObject : public CheckBoxObject {
 protected:
  QWidget* MakeWidget() override;
  void Connect() override;
};

class ListBoxObject : public StringsControl {
 public:
  bool settingIndex = false;  // a change the script made: no OnClick
  QListWidget* List() const { return qobject_cast<QListWidget*>(widget_.data()); }

 protected:
  QWidget* MakeWidget() override;
  void Connect() override;
  WidgetStrings::Kind StringsKind() const override { return WidgetStrings::Kind::ListItems; }
};

class ComboBoxObject : public StringsControl {
 public:
  std::string Caption() const override;
  void SetCaption(const std::string& text) override;
  QComboBox* Combo() const { return qobject_cast<QComboBox*>(widget_.data()); }

 protected:
  QWidget* MakeWidget() override;
  void Connect() override;
  WidgetStrings::Kind StringsKind() const override { return WidgetStrings::Kind::ComboItems; }
};

// TRadioGroup: a group box with one radio button a line of Items, in
// Columns columns (filled column by column); OnClick when ItemIndex changes.
class RadioGroupObject : public StringsControl {
 public:
  void Init(pscript::NativeCall& c) override;
  std::string Caption() const override;
  void SetCaption(const std::string& text) override;
  void Resized() override;
  int64_t ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int64_t index);
  void SetColumns(int64_t columns);
  int64_t Columns() const { return columns_; }
  void Rebuild();

 protected:
  QWidget* MakeWidget() override;
  WidgetStrings::Kind StringsKind() const override { return WidgetStrings::Kind::Buttons; }

 private:
  void Arrange();
  std::vector<QPointer<QRadioButton>> buttons_;
  int64_t itemIndex_ = -1;
  int64_t columns_ = 1;
};

// TSpeedButton: a tool button; with a GroupIndex it stays down, and one
// down button of a group on the same parent puts the others up.
class SpeedButtonObject : public ControlObject {
 public:
  std::string Caption() const override;
  void SetCaption(const std::string& text) override;
  bool Down() const;
  void SetDown(bool down);
  void Click() override;

 protected:
  QWidget* MakeWidget() override;
  void Connect() override;

 private:
  void OthersUp();
};

// TBitBtn: Kind gives the caption, ModalResult and Default of the standard
// buttons; bkClose closes its form.
class BitBtnObject : public ButtonObject {
 public:
  int64_t kind = 0;
  void SetKind(int64_t newKind);
  void Click() override;
};

class GroupBoxObject : public ControlObject {
 public:
  std::string Caption() const override;
  void SetCaption(const std::string& text) override;

 protected:
  QWidget* MakeWidget() override;
};

class PanelObject : public LabelObject {
 protected:
  QWidget* MakeWidget() override;
};

class ScrollBarObject : public ControlObject {
 public:
  QScrollBar* Bar() const { return qobject_cast<QScrollBar*>(widget_.data()); }

 protected:
  QWidget* MakeWidget() override;
  void Connect() override;
};

// The canvas of a control (paint box, form): it draws on a transparent
// surface the size of the control, shown when the control paints; OnPaint
// gets a fresh surface each time.
class ControlCanvas {
 public:
  pscript::Value Canvas(ControlObject& owner);  // made on first use
  void Free(pscript::Exec& exec);
  // Runs OnPaint (when there is one) on a cleared surface, then shows the
  // surface. Returns false when the handler freed the control.
  static bool Paint(const LiveControl& control, QPainter& painter);

 private:
  QImage* Surface(QWidget* widget);
  QImage surface_;
  pscript::Value canvas_;
};

// TTimer: a component, no control. It runs while Enabled, with an Interval
// above 0 and an OnTimer handler, whenever an event loop runs.
class TimerObject : public UiObject {
 public:
  bool enabled = true;
  int64_t interval = 1000;
  ~TimerObject() override;
  void Init(pscript::NativeCall& c) override;
  void freeing(pscript::Exec& exec) override;
  void Update();

 private:
  std::unique_ptr<QTimer> timer_;
};

// TForm: a top-level window; ShowModal runs a nested event loop that only
// the form takes input in, until ModalResult is set or the form closes.
// The Qt property that marks a button as the one Escape clicks on its form.
inline constexpr const char* kCancelButtonProperty = "tarnoCancelButton";

class FormObject : public ControlObject {
 public:
  ControlCanvas canvas;
  pscript::Value mainMenu;  // the TMainMenu shown as the menu bar
  QWidget* ChildHost() const override;
  QMenuBar* MenuBar();   // made when the form gets a main menu
  void DropMenuBar();
  void ArrangeClient();  // after the menu bar changed its height
  bool ContextMenu(QPoint at) override;
  ControlCanvas* OwnCanvas() override { return &canvas; }
  bool Paints() const override { return true; }
  void Paint(QPainter& painter) override;
  bool TakesMouseClicks() const override { return true; }
  int64_t modalResult = 0;
  QEventLoop* modalLoop = nullptr;
  bool closing = false;
  int64_t ShowModal();
  // Close as the window's close box and Close do it: OnCloseQuery, OnClose.
  void Close();
  void SetModalResult(int64_t value);
  void Show();
  void Release();
  ~FormObject() override;
  void freeing(pscript::Exec& exec) override;

 protected:
  QWidget* MakeWidget() override;

 private:
  void Detach();  // the window calls back no more
};

// TMenuItem: its sub-items (freed with it) and the item it sits in; the
// root item of a menu knows its menu.
class MenuItemObject : public UiObject {
 public:
  std::vector<pscript::Value> items;
  pscript::Value parentItem;
  pscript::Value menu;  // the root item's
  void freeing(pscript::Exec& exec) override;
  // Something of the item or below it changed: the menu it belongs to shows anew.
  void Changed();
  bool Shown() const;    // Visible (on unless set off)
  bool Enabled() const;  // likewise
};

// TMenu: its root item (Items), made on first use and freed with it. A
// TMainMenu that a form owns is that form's menu bar; a TPopupMenu shows
// with Popup or from its form's context menu.
class MenuObject : public UiObject {
 public:
  void Init(pscript::NativeCall& c) override;
  pscript::Value Root(pscript::Exec& exec);
  void freeing(pscript::Exec& exec) override;
  // The bar shows the items again (after any change of them).
  void Rebuild();
  void ShowIn(QMenuBar* bar);
  // Shows the items as a pop-up menu at a screen position, until it closes.
  void Popup(QPoint at);
  // Joins the owner when that is a form without a menu bar yet.
  void JoinOwnerForm();

 private:
  void Fill(QWidget* into, const MenuItemObject& item, QObject* generation);
  pscript::Value root_;
  QPointer<QMenuBar> bar_;
  std::unique_ptr<QObject> generation_;  // what the last Rebuild made
};

// TPaintBox: nothing but its canvas and OnPaint.
class PaintBoxObject : public ControlObject {
 public:
  ControlCanvas canvas;
  ControlCanvas* OwnCanvas() override { return &canvas; }
  void freeing(pscript::Exec& exec) override;
  bool Paints() const override { return true; }
  void Paint(QPainter& painter) override;
  bool TakesMouseClicks() const override { return true; }
};

// TImage: shows its picture's bitmap (at the top left, centred or stretched).
class ImageObject : public ControlObject {
 public:
  void freeing(pscript::Exec& exec) override;
  bool Paints() const override { return true; }
  void Paint(QPainter& painter) override;
  bool TakesMouseClicks() const override { return true; }
  pscript::Value Picture();
  // The picture's bitmap's canvas; an empty picture first gets a bitmap of the image's size.
  pscript::Value Canvas();
  void PictureChanged();

 private:
  pscript::Value picture_;
};

// TShape: a rectangle, square, rounded one, ellipse or circle in its pen and brush.
class ShapeObject : public ControlObject {
 public:
  void Init(pscript::NativeCall& c) override;
  void freeing(pscript::Exec& exec) override;
  bool Paints() const override { return true; }
  void Paint(QPainter& painter) override;
  pscript::Value pen, brush;
};

// TBevel: a box, frame or one line, lowered or raised.
class BevelObject : public ControlObject {
 public:
  bool Paints() const override { return true; }
  void Paint(QPainter& painter) override;
};

// The form a control sits on, or nullptr.
FormObject* ParentForm(pscript::Exec& exec, const QWidget* widget);

}  // namespace tarno::ui
