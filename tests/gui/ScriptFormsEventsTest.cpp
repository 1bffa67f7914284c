// Key and mouse events of script forms, driven offscreen; text that crosses
// to Qt in Windows-1252; forms freed by their own handlers.
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <string>

#include "AnsiText.h"
#include "ScriptFormsSupport.h"
#include "UiObjects.h"

namespace tarno {
namespace {

const char* const kKeys = R"(
var F: TForm; E: TEdit; P: TPaintBox; Log: string;
procedure FormDown(Sender: TObject; var Key: Word; Shift: TShiftState);
begin
  Log := Log + 'form ' + IntToStr(Key) + ';';
  if Key = 113 then Key := 0;  // F2 is the form's
end;
procedure EditDown(Sender: TObject; var Key: Word; Shift: TShiftState);
begin
  Log := Log + 'edit ' + IntToStr(Key);
  if ssShift in Shift then Log := Log + ' shift';
  if ssCtrl in Shift then Log := Log + ' ctrl';
  Log := Log + ';';
end;
procedure EditUp(Sender: TObject; var Key: Word; Shift: TShiftState);
begin Log := Log + 'up ' + IntToStr(Key) + ';'; end;
procedure EditPress(Sender: TObject; var Key: Char);
begin
  Log := Log + 'press ' + Key + ';';
  if Key = 'x' then Key := #0;
  if Key = 'a' then Key := 'b';
end;
procedure MouseDown(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer);
begin
  Log := Log + 'down ' + IntToStr(Ord(Button)) + ' ' + IntToStr(X) + ',' + IntToStr(Y);
  if ssDouble in Shift then Log := Log + ' double';
  Log := Log + ';';
end;
procedure MouseUp(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer);
begin Log := Log + 'up ' + IntToStr(X) + ',' + IntToStr(Y) + ';'; end;
procedure Moved(Sender: TObject; Shift: TShiftState; X, Y: Integer);
begin Log := Log + 'move ' + IntToStr(X) + ',' + IntToStr(Y) + ';'; end;
procedure Clicked(Sender: TObject); begin Log := Log + 'click;'; end;
procedure Doubled(Sender: TObject); begin Log := Log + 'dblclick;'; end;
procedure Entered(Sender: TObject); begin Log := Log + 'enter;'; end;
procedure Resized(Sender: TObject); begin Log := Log + 'resize;'; end;
function Make(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Keys'; F.SetBounds(0, 0, 200, 150);
  F.KeyPreview := True; F.OnKeyDown := @FormDown; F.OnResize := @Resized;
  E := TEdit.Create(F); E.Parent := F; E.SetBounds(5, 5, 100, 20);
  E.OnKeyDown := @EditDown; E.OnKeyUp := @EditUp; E.OnKeyPress := @EditPress; E.OnEnter := @Entered;
  P := TPaintBox.Create(F); P.Parent := F; P.SetBounds(5, 40, 50, 50);
  P.OnMouseDown := @MouseDown; P.OnMouseUp := @MouseUp; P.OnMouseMove := @Moved; P.OnClick := @Clicked;
  P.OnDblClick := @Doubled;
  F.Show;
  Result := True;
end;
function TakeLog(var V: Variant): Boolean; begin V := Log; Log := ''; Result := True; end;
function Text(var V: Variant): Boolean; begin V := E.Text; Result := True; end;
)";

TEST_F(ScriptForms, KeysReachTheFormFirstWithKeyPreviewAndHandlersMaySwallowOrChangeThem) {
  Load(kKeys);
  ASSERT_EQ(Call("Make"), "");
  QWidget* form = Window("Keys");
  auto* edit = form->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  Call("TakeLog");
  QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
  QCoreApplication::sendEvent(edit, &focusIn);
  QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);  // the window came back: no OnEnter
  QCoreApplication::sendEvent(edit, &activated);
  EXPECT_EQ(Call("TakeLog"), "enter;");

  QTest::keyClick(edit, Qt::Key_A);
  EXPECT_EQ(Call("TakeLog"), "form 65;edit 65;press a;up 65;");
  QTest::keyClick(edit, Qt::Key_X);  // swallowed by OnKeyPress
  QTest::keyClick(edit, Qt::Key_F2);  // swallowed by the form
  Call("TakeLog");
  QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier | Qt::ControlModifier);
  // Shift and Ctrl go down first, as keys of their own.
  EXPECT_NE(Call("TakeLog").find("form 13;edit 13 shift ctrl;press "), std::string::npos);
  EXPECT_EQ(Call("Text"), "b");  // 'a' became 'b', 'x' went
}

TEST_F(ScriptForms, MouseEventsGiveTheButtonShiftStateAndControlCoordinates) {
  Load(kKeys);
  ASSERT_EQ(Call("Make"), "");
  QWidget* form = Window("Keys");
  QWidget* box = nullptr;
  for (QWidget* w : form->findChildren<QWidget*>())
    if (w->size() == QSize(50, 50)) box = w;
  ASSERT_NE(box, nullptr);
  Call("TakeLog");
  QTest::mouseMove(box, QPoint(7, 8));
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 12));
  QTest::mouseClick(box, Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
  QTest::mouseDClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(1, 2));
  const std::string log = Call("TakeLog");
  EXPECT_NE(log.find("move 7,8;"), std::string::npos) << log;
  EXPECT_NE(log.find("down 0 10,12;up 10,12;click;"), std::string::npos) << log;
  EXPECT_NE(log.find("down 1 3,4;up 3,4;"), std::string::npos) << log;  // no click for the right button
  EXPECT_EQ(log.find("down 1 3,4;up 3,4;click"), std::string::npos) << log;
  EXPECT_NE(log.find("down 0 1,2 double;dblclick;"), std::string::npos) << log;

  form->resize(260, 180);
  EXPECT_EQ(Call("TakeLog"), "resize;");
}

const char* const kText = R"(
var F: TForm; E: TEdit; L: TLabel;
function Make(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Caf' + #233 + ' ' + #128;
  E := TEdit.Create(F); E.Parent := F; E.Text := #128 + #$81 + #$8C + #$9F + #$E9;
  L := TLabel.Create(F); L.Parent := F; L.Caption := #$99;
  F.Show; Result := True;
end;
function Typed(var V: Variant): Boolean;
var I: Integer; S: string;
begin
  S := '';
  for I := 1 to Length(E.Text) do S := S + IntToStr(Ord(E.Text[I])) + ' ';
  V := S; Result := True;
end;
)";

TEST_F(ScriptForms, TextGoesToQtAndBackAsWindows1252) {
  Load(kText);
  ASSERT_EQ(Call("Make"), "");
  QWidget* form = Window(QString::fromUtf8("Café €"));
  ASSERT_NE(form, nullptr);
  auto* edit = form->findChild<QLineEdit*>();
  EXPECT_EQ(edit->text(), QString::fromUtf8("€\u0081ŒŸé"));
  EXPECT_EQ(form->findChild<QLabel*>()->text(), QString::fromUtf8("™"));
  edit->setText(QString::fromUtf8("‰\u008Dü€Ω"));  // what the user typed; Ω has no byte
  EXPECT_EQ(Call("Typed"), "137 141 252 128 63 ");

  // The same code page as the grid's, every byte there and back.
  for (int byte = 1; byte < 256; ++byte) {
    const std::string text(1, static_cast<char>(byte));
    ASSERT_EQ(ui::ToQt(text), QString(QChar(AnsiToUnicode(static_cast<uint8_t>(byte))))) << byte;
    ASSERT_EQ(ui::FromQt(ui::ToQt(text)), text) << byte;
  }
}

const char* const kFreed = R"(
var F: TForm; B: TButton; L: TLabel; Log: string;
procedure FreeForm(Sender: TObject); begin F.Free; F := nil; Log := Log + 'freed;'; end;
procedure ReleaseForm(Sender: TObject);
begin F.Release; F.Caption := 'Still here'; Log := Log + F.Caption + ';'; end;
procedure FreeOnClose(Sender: TObject; var Action: TCloseAction); begin Action := caFree; Log := Log + 'close;'; end;
procedure FreeOnShow(Sender: TObject); begin F.Free; F := nil; Log := Log + 'shown;'; end;
function Make(Title: string): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := Title;
  B := TButton.Create(F); B.Parent := F; B.Caption := 'Go';
  L := TLabel.Create(F); L.Parent := F; L.Caption := 'Label'; L.Top := 40;
  Result := True;
end;
function ModalFreedByItsButton(var V: Variant): Boolean;
begin Make('Modal free'); B.OnClick := @FreeForm; V := IntToStr(F.ShowModal) + ' ' + Log; Log := ''; Result := True; end;
function ModalReleasedByItsButton(var V: Variant): Boolean;
begin Make('Modal release'); B.OnClick := @ReleaseForm; V := IntToStr(F.ShowModal) + ' ' + Log; Log := ''; Result := True; end;
function FreedByItsLabel(var V: Variant): Boolean;
begin Make('Label free'); L.OnClick := @FreeForm; F.Show; Result := True; end;
function FreedOnClose(var V: Variant): Boolean;
begin Make('Close free'); F.OnClose := @FreeOnClose; F.Show; Result := True; end;
function FreedOnShow(var V: Variant): Boolean;
begin Make('Show free'); F.OnShow := @FreeOnShow; F.Show; V := Log; Log := ''; Result := True; end;
function TakeLog(var V: Variant): Boolean; begin V := Log; Log := ''; Result := True; end;
function Gone(var V: Variant): Boolean; begin V := IntToStr(Ord(F = nil)); Result := True; end;
)";

// The button of the modal form is clicked until the form goes.
void ClickModalButton(QTimer& clicker) {
  QObject::connect(&clicker, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget())
      if (auto* button = modal->findChild<QPushButton*>()) button->click();
  });
  clicker.start(20);
}

TEST_F(ScriptForms, AFormFreedOrReleasedByItsOwnHandlersGoesWithoutACrash) {
  Load(kFreed);
  {
    QTimer clicker;
    ClickModalButton(clicker);
    EXPECT_EQ(Call("ModalFreedByItsButton"), "2 freed;");
    EXPECT_EQ(Call("ModalReleasedByItsButton"), "2 Still here;");
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Window("Modal free"), nullptr);
  EXPECT_EQ(Window("Still here"), nullptr);

  ASSERT_EQ(Call("FreedByItsLabel"), "");
  QTest::mouseClick(Window("Label free")->findChild<QLabel*>(), Qt::LeftButton);
  EXPECT_EQ(Call("TakeLog"), "freed;");

  ASSERT_EQ(Call("FreedOnClose"), "");
  Window("Close free")->close();  // the close box
  EXPECT_EQ(Call("TakeLog"), "close;");

  EXPECT_EQ(Call("FreedOnShow"), "shown;");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (const char* title : {"Label free", "Close free", "Show free"}) EXPECT_EQ(Window(title), nullptr) << title;
}

}  // namespace
}  // namespace tarno
