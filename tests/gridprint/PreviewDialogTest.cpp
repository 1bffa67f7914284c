#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
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
  ASSERT_EQ(fullView, dialog.scrollbox->viewport()->width());
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

}  // namespace
