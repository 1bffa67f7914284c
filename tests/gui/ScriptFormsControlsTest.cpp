// Radio groups, speed buttons and bit buttons of script forms, offscreen.
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <string>

#include "ScriptFormsSupport.h"

namespace tarno {
namespace {

const char* const kGroups = R"(
var F: TForm; G: TRadioGroup; S1, S2, S3: TSpeedButton; Log: string;
procedure Picked(Sender: TObject); begin Log := Log + 'pick ' + IntToStr(G.ItemIndex) + ';'; end;
procedure Pressed(Sender: TObject); begin Log := Log + TSpeedButton(Sender).Caption + ';'; end;
function Make(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Groups'; F.SetBounds(0, 0, 300, 200);
  G := TRadioGroup.Create(F); G.Parent := F; G.SetBounds(5, 5, 210, 100); G.Caption := 'Band';
  G.Items.Add('C'); G.Items.Add('Ku'); G.Items.Add('Ka'); G.Columns := 2;
  G.OnClick := @Picked; G.ItemIndex := 1;
  S1 := TSpeedButton.Create(F); S1.Parent := F; S1.Caption := 'one'; S1.GroupIndex := 1; S1.Top := 120;
  S2 := TSpeedButton.Create(F); S2.Parent := F; S2.Caption := 'two'; S2.GroupIndex := 1; S2.Top := 150;
  S3 := TSpeedButton.Create(F); S3.Parent := F; S3.Caption := 'free'; S3.Left := 100; S3.Top := 120;
  S1.OnClick := @Pressed; S2.OnClick := @Pressed; S3.OnClick := @Pressed;
  S1.Down := True; S3.Down := True;
  F.Show;
  V := Log + ' ' + IntToStr(Ord(S1.Down)) + IntToStr(Ord(S3.Down)); Log := '';
  Result := True;
end;
function Report(var V: Variant): Boolean;
begin
  V := Log + ' ' + IntToStr(G.ItemIndex) + ' ' + IntToStr(Ord(S1.Down)) + IntToStr(Ord(S2.Down)); Log := '';
  Result := True;
end;
)";

QToolButton* ToolButton(QWidget* form, const QString& text) {
  for (auto* b : form->findChildren<QToolButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

TEST_F(ScriptForms, RadioGroupsKeepOneIndexAndSpeedButtonsOfAGroupOneDown) {
  Load(kGroups);
  // The script's ItemIndex runs OnClick too; only a button of a group stays down.
  ASSERT_EQ(Call("Make"), "pick 1; 10");
  QWidget* form = Window("Groups");
  auto* group = form->findChild<QGroupBox*>();
  ASSERT_NE(group, nullptr);
  const auto radios = group->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 3);
  EXPECT_TRUE(radios[1]->isChecked());
  // Two columns, filled column by column: C and Ku on the left, Ka on the right.
  EXPECT_EQ(radios[0]->x(), radios[1]->x());
  EXPECT_GT(radios[2]->x(), radios[0]->x());
  EXPECT_EQ(radios[2]->y(), radios[0]->y());

  radios[2]->click();
  ToolButton(form, "two")->click();
  ToolButton(form, "two")->click();  // stays down: AllowAllUp is off
  EXPECT_EQ(Call("Report"), "pick 2;two;two; 2 01");
  EXPECT_TRUE(radios[2]->isChecked());
  EXPECT_FALSE(radios[1]->isChecked());
  EXPECT_FALSE(ToolButton(form, "one")->isChecked());
}

const char* const kBitButtons = R"(
var F: TForm; Ok, Cancel, Close: TBitBtn; Log: string;
function Make(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Bit buttons';
  Ok := TBitBtn.Create(F); Ok.Parent := F; Ok.Kind := bkOK;
  Cancel := TBitBtn.Create(F); Cancel.Parent := F; Cancel.Kind := bkCancel; Cancel.Top := 30;
  V := Ok.Caption + ' ' + IntToStr(Ok.ModalResult) + ' ' + Cancel.Caption + ' ' + IntToStr(Cancel.ModalResult);
  Result := True;
end;
function Modal(var V: Variant): Boolean; begin V := IntToStr(F.ShowModal); Result := True; end;
function Closer(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Closer';
  Close := TBitBtn.Create(F); Close.Parent := F; Close.Kind := bkClose;
  F.Show; V := Close.Caption + ' ' + IntToStr(Close.ModalResult); Result := True;
end;
)";

TEST_F(ScriptForms, BitButtonsTakeCaptionAndModalResultFromTheirKind) {
  Load(kBitButtons);
  ASSERT_EQ(Call("Make"), "OK 1 Cancel 2");
  QTimer clicker;
  QObject::connect(&clicker, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget())
      for (auto* b : modal->findChildren<QPushButton*>())
        if (b->text() == "OK") b->click();
  });
  clicker.start(20);
  EXPECT_EQ(Call("Modal"), "1");
  clicker.stop();
  EXPECT_TRUE(Window("Bit buttons")->findChildren<QPushButton*>()[0]->isDefault());

  ASSERT_EQ(Call("Closer"), "&Close 0");
  QWidget* closer = Window("Closer");
  ASSERT_TRUE(closer->isVisible());
  closer->findChild<QPushButton*>()->click();
  EXPECT_FALSE(closer->isVisible());
}


const char* const kDialogKeys = R"(
var F: TForm; E: TEdit; Ok, No: TButton;
function Make(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Dialog keys';
  E := TEdit.Create(F); E.Parent := F;
  Ok := TButton.Create(F); Ok.Parent := F; Ok.Top := 30; Ok.Caption := 'Go';
  Ok.ModalResult := mrOk; Ok.Default := True;
  No := TButton.Create(F); No.Parent := F; No.Top := 60; No.Caption := 'Stop';
  No.ModalResult := mrCancel; No.Cancel := True;
  V := IntToStr(Ord(No.Cancel)) + IntToStr(Ord(Ok.Cancel)); Result := True;
end;
function Modal(var V: Variant): Boolean; begin E.SetFocus; V := IntToStr(F.ShowModal); Result := True; end;
)";

// Presses key in the modal window's focused control; a timer repeats it
// until the window answers, at most kMaxPresses times.
constexpr int kMaxPresses = 50;
void PressInModalWindow(int key) {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return;
  QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}

TEST_F(ScriptForms, EnterAndEscapeAnswerAModalFormThroughItsDefaultAndCancelButtons) {
  Load(kDialogKeys);
  ASSERT_EQ(Call("Make"), "10");
  bool unanswered = false;
  auto answerByKey = [this, &unanswered](int key) {
    QTimer presser;
    int presses = 0;
    QObject::connect(&presser, &QTimer::timeout, [key, &presses, &unanswered] {
      if (++presses < kMaxPresses) return PressInModalWindow(key);
      unanswered = true;  // the key did nothing: end the wait the close box's way
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    presser.start(20);
    return Call("Modal");
  };
  EXPECT_EQ(answerByKey(Qt::Key_Escape), "2");
  EXPECT_EQ(answerByKey(Qt::Key_Return), "1");
  EXPECT_FALSE(unanswered);
}

}  // namespace
}  // namespace tarno
