// Forms and controls made by scripts, driven offscreen: what the script
// sets shows in the widgets, events the test causes run the script's
// handlers, ShowModal runs until a timer, a button or a handler ends it, and
// handler errors reach the script call or the error reporter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <pscript/value.h>

#include "ScriptFormsSupport.h"

namespace tarno {
namespace {

using pscript::Value;

const char* const kDialog = R"(
var F: TForm; B: TButton; L: TLabel; E: TEdit; M: TMemo; X: TCheckBox; LB: TListBox; CB: TComboBox;
  Log: string;
procedure Clicked(Sender: TObject); begin Log := Log + 'click;'; L.Caption := 'clicked ' + E.Text; end;
procedure Edited(Sender: TObject); begin Log := Log + 'edit=' + E.Text + ';'; end;
procedure Toggled(Sender: TObject); begin Log := Log + 'check;'; end;
procedure Picked(Sender: TObject); begin Log := Log + 'pick ' + IntToStr(LB.ItemIndex) + ';'; end;
procedure Chosen(Sender: TObject); begin Log := Log + 'combo ' + CB.Text + ';'; end;
function Make(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Script dialog'; F.SetBounds(10, 20, 300, 240);
  B := TButton.Create(F); B.Parent := F; B.Caption := 'Go'; B.SetBounds(8, 8, 80, 25); B.OnClick := @Clicked;
  L := TLabel.Create(F); L.Parent := F; L.Caption := 'idle'; L.Top := 40; L.Font.Style := [fsBold];
  E := TEdit.Create(F); E.Parent := F; E.Text := 'abc'; E.Top := 60; E.OnChange := @Edited;
  M := TMemo.Create(F); M.Parent := F; M.Lines.Add('one'); M.Lines.Add('two'); M.Top := 90;
  X := TCheckBox.Create(F); X.Parent := F; X.Caption := 'Keep'; X.Top := 150; X.OnClick := @Toggled;
  LB := TListBox.Create(F); LB.Parent := F; LB.Items.CommaText := 'p,q,r'; LB.ItemIndex := 1; LB.OnClick := @Picked;
  CB := TComboBox.Create(F); CB.Parent := F; CB.Style := csDropDownList; CB.Items.Add('x'); CB.Items.Add('y');
  CB.OnChange := @Chosen;
  F.Show;
  V := IntToStr(F.ControlCount) + ' ' + IntToStr(B.Width) + ' ' + B.Caption + ' ' + IntToStr(M.Lines.Count) + ' ' +
    LB.Items[LB.ItemIndex] + ' ' + IntToStr(F.Left);
  Log := '';
  Result := True;
end;
function Report(var V: Variant): Boolean;
begin V := Log + ' | ' + L.Caption + ' | ' + M.Lines.Text + ' | ' + IntToStr(Ord(X.Checked)); Result := True; end;
)";

TEST_F(ScriptForms, WhatTheScriptSetsShowsInTheWidgetsAndUserEventsRunItsHandlers) {
  Load(kDialog);
  EXPECT_EQ(Call("Make"), "7 80 Go 2 q 10");
  QWidget* form = Window("Script dialog");
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(form->isVisible());
  auto* button = form->findChild<QPushButton*>();
  auto* label = form->findChild<QLabel*>();
  auto* edit = form->findChild<QLineEdit*>();
  auto* memo = form->findChild<QPlainTextEdit*>();
  auto* list = form->findChild<QListWidget*>();
  auto* combo = form->findChild<QComboBox*>();
  auto* check = form->findChild<QCheckBox*>();
  ASSERT_TRUE(button && label && edit && memo && list && combo && check);
  EXPECT_EQ(button->text(), "Go");
  EXPECT_TRUE(label->font().bold());
  EXPECT_EQ(memo->toPlainText(), "one\ntwo");
  EXPECT_EQ(list->count(), 3);
  EXPECT_FALSE(combo->isEditable());

  QTest::keyClicks(edit, "d");  // OnChange
  QTest::mouseClick(button, Qt::LeftButton);  // OnClick sees the new text
  check->click();  // OnClick of the check box
  list->setCurrentRow(2);  // the user's pick: OnClick (the script's ItemIndex made none)
  combo->setCurrentIndex(1);
  emit combo->activated(1);  // as when the user picks it
  memo->setPlainText("typed\nby user");  // the script reads what the user typed
  EXPECT_EQ(Call("Report"), "edit=abcd;click;check;pick 2;combo y; | clicked abcd | typed\nby user | 1");
}

const char* const kModal = R"(
var F: TForm; T: TTimer; B: TButton; Ticks, Asked: Integer; Refuse: Boolean;
procedure Tick(Sender: TObject);
begin Ticks := Ticks + 1; if Ticks = 2 then F.ModalResult := mrOk; end;
procedure Ask(Sender: TObject; var CanClose: Boolean);
begin Asked := Asked + 1; CanClose := not Refuse; Refuse := False; end;
function Make(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Modal'; F.OnCloseQuery := @Ask;
  B := TButton.Create(F); B.Parent := F; B.Caption := 'Yes'; B.ModalResult := mrYes;
  T := TTimer.Create(F); T.Interval := 20; T.Enabled := False; T.OnTimer := @Tick;
  Result := True;
end;
function ByTimer(var V: Variant): Boolean;
begin Ticks := 0; T.Enabled := True; V := IntToStr(F.ShowModal) + ' after ' + IntToStr(Ticks) + ' ticks';
  T.Enabled := False; Result := True; end;
function ByButton(var V: Variant): Boolean;
begin Refuse := True; Asked := 0; V := IntToStr(F.ShowModal) + ' asked ' + IntToStr(Asked); Result := True; end;
)";

TEST_F(ScriptForms, ShowModalRunsUntilATimerOrAButtonEndsItAndBlocksOtherWindows) {
  Load(kModal);
  ASSERT_EQ(Call("Make"), "");
  QWidget other;
  other.show();
  bool otherBlocked = false;
  QTimer::singleShot(5, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    otherBlocked = modal && modal->windowTitle() == "Modal" && modal != &other;
  });
  EXPECT_EQ(Call("ByTimer"), "1 after 2 ticks");
  EXPECT_TRUE(otherBlocked);
  EXPECT_FALSE(Window("Modal")->isVisible());

  // The first click is refused by OnCloseQuery, the next closes with the button's result.
  QTimer clicker;
  QObject::connect(&clicker, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->findChild<QPushButton*>()->click();
  });
  clicker.start(20);
  EXPECT_EQ(Call("ByButton"), "6 asked 2");
  clicker.stop();
}

const char* const kErrors = R"(
var F: TForm; T: TTimer; B: TButton; Caught: string;
procedure Broken(Sender: TObject); begin RaiseException(erCustomError, 'handler broke'); end;
procedure BrokenTick(Sender: TObject);
begin TTimer(Sender).Enabled := False; RaiseException(erCustomError, 'handler broke'); end;
procedure FreeIt(Sender: TObject); begin F.Free; F := nil; end;
function InModal(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Broken';
  T := TTimer.Create(F); T.Interval := 10; T.OnTimer := @BrokenTick;
  F.ShowModal;
  V := 'not reached'; Result := True;
end;
function CaughtInScript(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Broken';
  T := TTimer.Create(F); T.Interval := 10; T.OnTimer := @BrokenTick;
  try F.ShowModal; except Caught := ExceptionParam; end;
  F.Free;
  V := Caught; Result := True;
end;
function Freed(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Freed';
  T := TTimer.Create(F); T.Interval := 10; T.OnTimer := @FreeIt;
  V := IntToStr(F.ShowModal); Result := True;
end;
function Later(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Later';
  B := TButton.Create(F); B.Parent := F; B.OnClick := @Broken; F.Show; Result := True;
end;
)";

TEST_F(ScriptForms, HandlerErrorsEndTheModalLoopInTheScriptCallOrGoToTheReporter) {
  Load(kErrors);
  EXPECT_EQ(Call("InModal"), "failed: Error in execution of function InModal -> handler broke");
  EXPECT_EQ(Call("CaughtInScript"), "handler broke");
  EXPECT_EQ(Call("Freed"), "2");  // freed by its own timer: the loop ends as cancelled
  QWidget* freed = Window("Freed");  // its deletion waits for the main loop
  EXPECT_TRUE(freed == nullptr || !freed->isVisible());

  std::string reported;
  ui::SetEventErrorReporter([&](const std::string& text) { reported = text; });
  ASSERT_EQ(Call("Later"), "");
  Window("Later")->findChild<QPushButton*>()->click();  // no script call runs now
  ui::SetEventErrorReporter(nullptr);
  EXPECT_EQ(reported, "Error in execution of event OnClick -> handler broke");
}

TEST_F(ScriptForms, ReleasingTheScriptTakesItsFormsAway) {
  Load(kDialog);
  ASSERT_EQ(Call("Make"), "7 80 Go 2 q 10");
  ASSERT_NE(Window("Script dialog"), nullptr);
  script_.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Window("Script dialog"), nullptr);
}

}  // namespace
}  // namespace tarno
