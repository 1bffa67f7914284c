// The window on small screens and after a click: it starts within the screen,
// every control of the button panel stays in reach at any size, and grid
// commands give the focus back to the grid.
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

#include "SearchDialog.h"
#include "TzebGridPreviewF.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

class FitTest : public SampleFilesWindow {
 protected:
  // Every control of the panel that is shown, after F12 and a load showed them all.
  std::vector<QWidget*> PanelControls() const {
    std::vector<QWidget*> controls;
    for (QWidget* control : Control("pnlButtons")->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      if (!control->isHidden()) controls.push_back(control);
    return controls;
  }
};

TEST_F(FitTest, TheWindowStartsWithinTheScreen) {
  const QRect available = window->screen()->availableGeometry();
  EXPECT_TRUE(available.contains(window->frameGeometry())) << available.height() << " " << window->height();
  // Here the design height and a frame would not fit.
  if (available.height() < 793 + 48) {
    EXPECT_LT(window->height(), 793);
  }
}

TEST_F(FitTest, EveryControlStaysInReachAtTheSmallestSize) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  QTest::keyClick(window->Grid(), Qt::Key_F12);
  window->resize(window->minimumSize());
  QCoreApplication::processEvents();
  auto* scroll = Control<QScrollArea>("scrButtons");
  const QRect inView(QPoint(0, 0), scroll->viewport()->size());
  const std::vector<QWidget*> controls = PanelControls();
  ASSERT_GE(controls.size(), 25u);
  for (QWidget* control : controls) {
    scroll->ensureWidgetVisible(control, 0, 0);
    const QRect at(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
    EXPECT_TRUE(inView.contains(at)) << control->metaObject()->className() << " " << control->objectName().toStdString()
                                     << " " << at.x() << "," << at.y() << " " << at.width() << "x" << at.height();
  }
  // The log pane and the grid keep some room.
  EXPECT_GT(Control("mmoInfo")->height(), 30);
  EXPECT_GT(Control("pnlDatabase")->height(), 100);
  EXPECT_LE(scroll->geometry().bottom(), window->height());
}

TEST_F(FitTest, TabbingToAControlOutOfSightScrollsItIntoView) {
  window->resize(window->minimumSize());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  auto* scroll = Control<QScrollArea>("scrButtons");
  QWidget* reload = Control("btnReloadScript");
  reload->setFocus(Qt::TabFocusReason);
  const QRect at(reload->mapTo(scroll->viewport(), QPoint(0, 0)), reload->size());
  EXPECT_TRUE(QRect(QPoint(0, 0), scroll->viewport()->size()).contains(at));
}

TEST_F(FitTest, GridCommandsGiveTheFocusBackSoTheGridKeysWork) {
  ASSERT_NO_FATAL_FAILURE(LoadCableMap());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  for (const char* name : {"btnReorder", "btnClearRow", "btnSetMoveRow", "btnMoveRow"}) {
    auto* button = Control<QPushButton>(name);
    button->setFocus(Qt::MouseFocusReason);
    button->click();
    EXPECT_TRUE(window->Grid()->isAncestorOf(QApplication::focusWidget())) << name;
  }
  bool previewed = false;
  QTimer::singleShot(0, [&] {
    if (auto* preview = qobject_cast<TzebGridPreviewF*>(QApplication::activeModalWidget())) {
      previewed = true;
      preview->reject();
    }
  });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(previewed);
}

TEST(SearchDialogLook, ATitleBarWithoutButtons) {
  SearchDialog dialog(nullptr);
  const Qt::WindowFlags flags = dialog.windowFlags();
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << "else the window manager adds its own buttons";
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint));
  EXPECT_EQ(dialog.windowTitle(), "Search");
}

// The dialog answers as the headless search says: Enter keeps what was typed,
// Escape gives nothing to search for.
TEST(SearchDialogKeys, EnterKeepsTheTextAndEscapeEmptiesIt) {
  for (const auto& [key, expected] : {std::pair{Qt::Key_Return, "ARD"}, std::pair{Qt::Key_Escape, ""}}) {
    SearchDialog dialog(nullptr);
    dialog.show();
    QLineEdit* box = dialog.findChild<QLineEdit*>(QStringLiteral("edtSearch"));
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, QStringLiteral("ARD"));
    QTest::keyClick(box, key);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.GetSearchText(), QString::fromLatin1(expected));
  }
}

}  // namespace
}  // namespace tarno::window::test
