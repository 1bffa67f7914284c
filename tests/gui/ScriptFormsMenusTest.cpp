// Script menus through Qt, offscreen: a form's main menu as its menu bar
// (controls below it), items that follow what the script changes, and
// pop-up menus that run until an item is picked.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <string>

#include "ScriptFormsSupport.h"

namespace tarno {
namespace {

const char* const kMenus = R"(
var F: TForm; MM: TMainMenu; PM: TPopupMenu; B: TButton; Extra: TMenuItem; Log: string;
procedure Picked(Sender: TObject); begin Log := Log + TMenuItem(Sender).Caption + ';'; end;
function Make(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Menus'; F.SetBounds(0, 0, 300, 200);
  B := TButton.Create(F); B.Parent := F; B.Caption := 'Top'; B.SetBounds(0, 0, 60, 25);
  MM := NewMenu(F, 'mnuMain', [
    NewSubMenu('&File', 0, 'mnuFile', [NewItem('&Open', TextToShortCut('Ctrl+O'), False, True, @Picked, 0, 'mnuOpen'),
      NewLine, NewItem('&Quit', 0, True, False, @Picked, 0, 'mnuQuit')], True),
    NewItem('&Help', 0, False, True, @Picked, 0, 'mnuHelp')]);
  PM := NewPopupMenu(F, 'mnuPopup', paLeft, True, [NewItem('&Copy', 0, False, True, @Picked, 0, 'mnuCopy')]);
  F.PopupMenu := PM;
  F.Show;
  Result := True;
end;
function Change(var V: Variant): Boolean;
begin
  MM.Items.Items[1].Visible := False;
  Extra := TMenuItem.Create(MM); Extra.Caption := '&Tools'; Extra.OnClick := @Picked;
  MM.Items.Add(Extra);
  MM.Items.Items[0].Items[0].Caption := '&Open...';
  Result := True;
end;
function Client(var V: Variant): Boolean;
begin V := IntToStr(F.Height - F.ClientHeight) + ' ' + IntToStr(F.ClientWidth); Result := True; end;
function PopIt(var V: Variant): Boolean; begin PM.Popup(10, 10); V := Log; Log := ''; Result := True; end;
function TakeLog(var V: Variant): Boolean; begin V := Log; Log := ''; Result := True; end;
)";

QStringList Texts(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* a : actions) out << (a->isSeparator() ? QString("-") : a->text());
  return out;
}

TEST_F(ScriptForms, AFormsMainMenuIsItsMenuBarAndFollowsTheScriptsChanges) {
  Load(kMenus);
  ASSERT_EQ(Call("Make"), "");
  QWidget* form = Window("Menus");
  auto* bar = form->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(Texts(bar->actions()), QStringList({"&File", "&Help"}));
  QMenu* file = bar->actions()[0]->menu();
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(Texts(file->actions()), QStringList({"&Open", "-", "&Quit"}));
  QAction* open = file->actions()[0];
  QAction* quit = file->actions()[2];
  EXPECT_EQ(open->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_TRUE(quit->isChecked());
  EXPECT_FALSE(quit->isEnabled());
  // The form's controls sit below the bar.
  auto* button = form->findChild<QPushButton*>();
  EXPECT_GE(button->mapTo(form, QPoint(0, 0)).y(), bar->height());
  EXPECT_EQ(Call("Client"), std::to_string(bar->height()) + " 300");  // the bar is not client area

  open->trigger();
  bar->actions()[1]->trigger();
  EXPECT_EQ(Call("TakeLog"), "&Open;&Help;");

  ASSERT_EQ(Call("Change"), "");
  EXPECT_EQ(Texts(bar->actions()), QStringList({"&File", "&Tools"}));
  EXPECT_EQ(bar->actions()[0]->menu()->actions()[0]->text(), "&Open...");
  bar->actions()[1]->trigger();
  EXPECT_EQ(Call("TakeLog"), "&Tools;");
}

TEST_F(ScriptForms, PopupShowsThePopupMenuUntilAnItemIsPicked) {
  Load(kMenus);
  ASSERT_EQ(Call("Make"), "");
  QStringList shown;
  QTimer picker;
  QObject::connect(&picker, &QTimer::timeout, [&] {
    if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      shown = Texts(popup->actions());
      popup->actions()[0]->trigger();
      popup->close();
    }
  });
  picker.start(20);
  EXPECT_EQ(Call("PopIt"), "&Copy;");
  EXPECT_EQ(shown, QStringList({"&Copy"}));
}

}  // namespace
}  // namespace tarno
