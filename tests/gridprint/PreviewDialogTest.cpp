#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "GridFeatures.h"
#include "GridPrintSupport.h"
#include "TzebGridPreviewF.h"

namespace {

int DarkPixels(const QImage& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ++dark;
  return dark;
}

class PreviewTest : public ::testing::Test {
 protected:
  PreviewTest() {
    tarno::test::FillGrid(grid, 4, 200);
    grid.Cells().SetDefaultRowHeight(20);
  }
  TzebGrid grid;
  tarno::grid::TPrintOptions options = tarno::grid::DefaultPrintOptions(8);
};

TEST_F(PreviewTest, OpensOnPageOneOfTheCountedPages) {
  options.PageTitle = "Channels";
  options.MarginTop = 12;
  options.BorderStyle = 1;
  TzebGridPreviewF dialog(grid.Cells(), options, grid.font());
  EXPECT_EQ(dialog.windowTitle(), "Preview");
  EXPECT_GT(dialog.PageCount(), 1);
  EXPECT_EQ(dialog.lblpages->text(), "of " + QString::number(dialog.PageCount()));
  EXPECT_EQ(dialog.previewpage->value(), 1);
  EXPECT_EQ(dialog.previewpage->maximum(), dialog.PageCount());
  EXPECT_EQ(options.PreviewPage, 1);
  EXPECT_EQ(dialog.Header->text(), "Channels");
  EXPECT_EQ(dialog.Headers->currentText(), "HeaderText");
  EXPECT_EQ(dialog.Margins->currentText(), "MarginTop");
  EXPECT_EQ(dialog.Margin->value(), 12);
  EXPECT_TRUE(dialog.ckborders->isChecked());
  EXPECT_EQ(dialog.btnfull->toolTip(), "Full View");
  EXPECT_GT(DarkPixels(dialog.PageImage()), 0);
}

TEST_F(PreviewTest, ControlsEditTheOptionsAndLiveRendersAgain) {
  TzebGridPreviewF dialog(grid.Cells(), options, grid.font());
  const QImage before = dialog.PageImage();
  dialog.Headers->setCurrentIndex(1);
  EXPECT_EQ(dialog.Header->text(), "date|time|page");
  dialog.Header->setText("|page|");
  EXPECT_EQ(options.PageFooter, "|page|");
  EXPECT_EQ(dialog.PageImage(), before);  // not live yet
  dialog.cklive->setChecked(true);
  dialog.Margins->setCurrentIndex(2);
  dialog.Margin->setValue(40);
  EXPECT_EQ(options.MarginLeft, 40);
  EXPECT_NE(dialog.PageImage(), before);
  const int plain = DarkPixels(dialog.PageImage());
  dialog.ckborders->setChecked(true);
  EXPECT_EQ(options.BorderStyle, 1);
  EXPECT_GT(DarkPixels(dialog.PageImage()), plain);
  dialog.previewpage->setValue(1000);
  EXPECT_EQ(options.PreviewPage, dialog.PageCount());
}

TEST_F(PreviewTest, RowsHiddenByAFilterAreMissingFromThePreview) {
  const int all = TzebGridPreviewF(grid.Cells(), options, grid.font()).PageCount();
  for (int r = 10; r < grid.RowCount(); ++r) grid.Cells().SetRowHeight(r, 0);
  EXPECT_EQ(TzebGridPreviewF(grid.Cells(), options, grid.font()).PageCount(), 1);
  EXPECT_GT(all, 1);
}

TEST_F(PreviewTest, PrintWithoutAPrinterSaysSoAndShowsHiddenRows) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed here";
  grid.Cells().SetRowHeight(5, 0);
  TzebGridPreviewF dialog(grid.Cells(), options, grid.font());
  QStringList messages;
  dialog.ShowMessage = [&](const QString& text) { messages << text; };
  dialog.btnprint->click();
  EXPECT_EQ(messages, QStringList{"No Printer is installed"});
  EXPECT_TRUE(grid.Cells().RowVisible(5));
}

TEST_F(PreviewTest, FullViewAndClicksZoom) {
  TzebGridPreviewF dialog(grid.Cells(), options, grid.font());
  dialog.resize(500, 400);
  dialog.show();
  const int pageWidth = dialog.PageImage().width();
  EXPECT_EQ(dialog.ShownSize().width(), pageWidth);
  dialog.btnfull->click();
  const int fullView = dialog.ShownSize().width();
  // The whole page, as large as the box allows: here its height limits it.
  const QSize room = dialog.scrollbox->viewport()->size();
  EXPECT_LE(dialog.ShownSize().height(), room.height());
  EXPECT_LE(fullView, room.width());
  EXPECT_TRUE(dialog.ShownSize().height() == room.height() || fullView == room.width());
  EXPECT_NEAR(double(dialog.ShownSize().height()) / fullView, double(dialog.PageImage().height()) / pageWidth, 0.01);
  ASSERT_LT(fullView, pageWidth * 8 / 10);
  QTest::mouseClick(dialog.PreviewImage, Qt::LeftButton);
  EXPECT_EQ(dialog.ShownSize().width(), qRound(fullView * 1.25));
  while (dialog.ShownSize().width() <= pageWidth * 8 / 10) QTest::mouseClick(dialog.PreviewImage, Qt::LeftButton);
  QTest::mouseClick(dialog.PreviewImage, Qt::LeftButton);
  EXPECT_EQ(dialog.ShownSize().width(), pageWidth);
}

TEST_F(PreviewTest, CtrlPOpensThePreview) {
  tarno::grid::InstallGridFeatures(grid);
  grid.show();
  QString label;
  tarno::test::OnModal<TzebGridPreviewF>([&](TzebGridPreviewF& dialog) {
    label = dialog.windowTitle() + " " + dialog.lblpages->text();
    dialog.reject();
  });
  QTest::keyClick(&grid, Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(label.startsWith("Preview of "));
}

TEST_F(PreviewTest, ChangedOptionsRecountThePagesAndAPageChangeShowsAtOnce) {
  TzebGridPreviewF dialog(grid.Cells(), options, grid.font());
  const int pages = dialog.PageCount();
  const QImage first = dialog.PageImage();
  dialog.previewpage->setValue(2);
  EXPECT_EQ(options.PreviewPage, 2);
  EXPECT_NE(dialog.PageImage(), first) << "not live, and still the new page shows";

  dialog.Margins->setCurrentIndex(0);  // MarginTop
  dialog.Margin->setValue(400);
  EXPECT_GT(dialog.PageCount(), pages);
  EXPECT_EQ(dialog.lblpages->text(), "of " + QString::number(dialog.PageCount()));
  EXPECT_EQ(dialog.previewpage->maximum(), dialog.PageCount());

  dialog.previewpage->setValue(dialog.PageCount());
  dialog.Margin->setValue(0);
  EXPECT_EQ(dialog.PageCount(), pages);
  EXPECT_EQ(dialog.previewpage->maximum(), pages);
  EXPECT_EQ(options.PreviewPage, pages) << "the page shown stays within the count";
}

// Cells start at the page's left edge (no margin): with borders on, the frame
// line is there, and the text starts clear of it.
TEST_F(PreviewTest, WithBordersTextNeverStartsOnTheFrameLine) {
  options.BorderStyle = 1;
  const QImage page = TzebGridPreviewF(grid.Cells(), options, grid.font()).PageImage();
  int frameColumn = 0;
  int nextColumn = 0;
  for (int y = 0; y < page.height(); ++y) {
    frameColumn += qGray(page.pixel(0, y)) < 128;
    nextColumn += qGray(page.pixel(1, y)) < 128;
  }
  EXPECT_GT(frameColumn, page.height() / 2) << "the frame runs down the left edge";
  const int rowsOnPage = page.height() / 20 + 1;
  EXPECT_LE(nextColumn, 2 * rowsOnPage + 2) << "beside the frame only the cells' top and bottom lines";
}

// A long job reports its pages to a progress window whose Cancel stops it;
// meanwhile events run (the timer here), and a cancelled PDF is removed.
TEST_F(PreviewTest, ALongPdfShowsProgressAndCancelStopsIt) {
  tarno::test::FillGrid(grid, 4, 6000);
  grid.Cells().SetDefaultRowHeight(20);
  TzebGridPreviewF dialog(grid.Cells(), options, grid.font());
  dialog.show();
  const QString path = QDir::temp().filePath(QStringLiteral("tarno-preview-cancel-%1.pdf").arg(QCoreApplication::applicationPid()));
  dialog.AskPdfPath = [&] { return path; };
  QStringList messages;
  dialog.ShowMessage = [&](const QString& text) { messages << text; };
  int maximum = 0;
  int seen = 0;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* progress = dialog.findChild<QProgressDialog*>(QStringLiteral("progress"));
    if (!progress) return;
    maximum = progress->maximum();
    seen = progress->value();
    if (seen >= 3) progress->cancel();
  });
  watch.start(1);
  dialog.btnpdf->click();
  watch.stop();
  EXPECT_GE(seen, 3);
  EXPECT_GT(maximum, 100) << "every page of the job counts";
  EXPECT_LT(seen, maximum) << "Cancel stopped it";
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(messages.isEmpty());
}

}  // namespace
