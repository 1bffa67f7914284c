// The current cell seen from outside the grid: marked whether or not the grid
// has the focus, and ready for typing again when the focus comes back.
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "GridPainter.h"
#include "GridTestSupport.h"

namespace tarno::grid::test {
namespace {

// A window holding the grid and a button to take the focus away.
class FocusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    grid = new TzebGrid;
    button = new QPushButton(QStringLiteral("Sort rows"));
    layout->addWidget(grid);
    layout->addWidget(button);
    window.resize(640, 400);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    CellStore& cells = grid->Cells();
    cells.SetColCount(4);
    cells.SetRowCount(6);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 4; ++c) cells.SetText(c, r, CellName(c, r));
    grid->SetRow(3);
    grid->SetCol(2);
    QCoreApplication::processEvents();
  }

  QImage Grab() {
    QCoreApplication::processEvents();
    return grid->viewport()->grab().toImage();
  }
  QLineEdit* Editor() const { return static_cast<QLineEdit*>(grid->CellEditor()); }

  // The current cell shows the fill right of its text and the frame at its edge.
  void ExpectMarked(const char* when) {
    const QImage image = Grab();
    const QRect cell = grid->CellRect(2, 3);
    const QColor fill = GridPainter::CurrentCellFill(grid->palette());
    const QColor frame = GridPainter::CurrentCellFrame(grid->palette());
    EXPECT_EQ(image.pixelColor(cell.right() - 4, cell.center().y()), fill) << when;
    EXPECT_EQ(image.pixelColor(cell.left(), cell.center().y()), frame) << when;
    EXPECT_EQ(image.pixelColor(cell.center().x(), cell.bottom()), frame) << when;
    // Another cell has neither.
    const QRect other = grid->CellRect(2, 1);
    EXPECT_NE(image.pixelColor(other.right() - 4, other.center().y()), fill) << when;
    EXPECT_NE(image.pixelColor(other.left(), other.center().y()), frame) << when;
  }

  QWidget window;
  TzebGrid* grid = nullptr;
  QPushButton* button = nullptr;
};

TEST_F(FocusTest, TheCurrentCellIsMarkedWithOrWithoutTheFocus) {
  grid->setFocus();
  ExpectMarked("with the focus");
  button->setFocus();
  ASSERT_FALSE(grid->hasFocus());
  ExpectMarked("with the focus on a button");
}

TEST_F(FocusTest, WhenTheFocusComesBackTypingReplacesTheText) {
  grid->setFocus();
  button->setFocus();
  grid->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(Editor()->selectedText(), QString::fromStdString(CellName(2, 3)));
  QTest::keyClicks(Editor(), "ARD");
  EXPECT_EQ(grid->Cells().Text(2, 3), "ARD");
}

}  // namespace
}  // namespace tarno::grid::test
