#include <gtest/gtest.h>

#include <string>

#include "LogoResample.h"
#include "PageLayout.h"

namespace tarno::grid {
namespace {

// Columns 1..cols-1 of width 100, rows of height 20.
CellStore Grid(int cols, int rows) {
  CellStore cells;
  cells.SetColCount(cols);
  cells.SetRowCount(rows);
  for (int c = 1; c < cols; ++c) cells.SetColWidth(c, 100);
  cells.SetDefaultRowHeight(20);
  return cells;
}

PageMetrics Page(int width, int height) {
  PageMetrics metrics;
  metrics.width = width;
  metrics.height = height;
  return metrics;
}

std::vector<std::string> Labels(const PageLayout& layout) {
  std::vector<std::string> labels;
  for (const LayoutPage& page : layout.pages) labels.push_back(page.label);
  return labels;
}

TEST(PageLayout, OneBandWhenEveryColumnFits) {
  const CellStore cells = Grid(4, 30);
  // Room per page: 400 - 20 - 20 (header) = 360, 18 rows; 29 rows need two pages.
  const PageLayout layout = LayOutPages(cells, TPrintOptions{}, Page(303, 400), 1, 29);
  ASSERT_EQ(layout.bands.size(), 1u);
  EXPECT_EQ(Labels(layout), (std::vector<std::string>{"Page 1", "Page 2"}));
  EXPECT_EQ(layout.pages[0].rows.size(), 19u);
  EXPECT_EQ(layout.pages[0].rows[0].row, 0);
  EXPECT_EQ(layout.pages[1].rows[0].row, 0);
  EXPECT_EQ(layout.pages[1].rows[1].row, 19);
}

TEST(PageLayout, BandsFillThePageWidthAndLabelTheirPages) {
  const CellStore cells = Grid(8, 30);
  TPrintOptions options;
  options.MarginLeft = 10;
  options.MarginRight = 10;
  // 7 columns of 101 on 323 - 20: three a band, the last band one column.
  const PageLayout layout = LayOutPages(cells, options, Page(323, 400), 1, 29);
  ASSERT_EQ(layout.bands.size(), 3u);
  EXPECT_EQ(layout.bands[0].size(), 3u);
  EXPECT_EQ(layout.bands[1][0].col, 4);
  EXPECT_EQ(layout.bands[1][0].x, 10);
  EXPECT_EQ(layout.bands[1][1].x, 111);
  EXPECT_EQ(layout.bands[2].size(), 1u);
  EXPECT_EQ(Labels(layout), (std::vector<std::string>{"Page 1-1", "Page 2-1", "Page 1-2", "Page 2-2", "Page 1-3",
                                                      "Page 2-3"}));
}

TEST(PageLayout, AColumnWiderThanThePageStillMakesABand) {
  CellStore cells = Grid(3, 3);
  cells.SetColWidth(1, 1000);
  cells.SetColWidth(2, -1);  // hidden: no room
  const PageLayout layout = LayOutPages(cells, TPrintOptions{}, Page(300, 400), 1, 2);
  ASSERT_EQ(layout.bands.size(), 1u);
  EXPECT_EQ(layout.bands[0].size(), 2u);
}

TEST(PageLayout, HiddenRowsTakeNoRoomAndTallRowsCannotLoop) {
  CellStore cells = Grid(2, 5);
  cells.SetRowHeight(2, 0);
  cells.SetRowHeight(3, 5000);
  const PageLayout layout = LayOutPages(cells, TPrintOptions{}, Page(300, 400), 1, 4);
  std::string rows;
  for (const LayoutPage& page : layout.pages)
    for (const LayoutRow& row : page.rows) rows += std::to_string(row.row);
  EXPECT_EQ(rows, "010304");
}

TEST(PageLayout, MarginsTitleFooterAndScaleMoveTheRows) {
  const CellStore cells = Grid(2, 100);
  TPrintOptions options;
  options.MarginTop = 10;
  options.MarginBottom = 10;
  options.PageTitleMargin = 5;
  PageMetrics metrics = Page(1000, 1000);
  metrics.scaleX = metrics.scaleY = 2;
  metrics.titleHeight = 30;
  metrics.footerHeight = 24;
  const PageLayout layout = LayOutPages(cells, options, metrics, 1, 99);
  const LayoutPage& first = layout.pages[0];
  EXPECT_EQ(first.rows[0].y, 20 + 30 + 10);
  EXPECT_EQ(first.rows[0].height, 40);
  // Rows end at or above 1000 - 2 * (10 + 20) - 24 = 916: (916 - 100) / 40 = 20 data rows.
  EXPECT_EQ(first.rows.size(), 21u);
  EXPECT_LE(first.rows.back().y + first.rows.back().height, 916);
  EXPECT_EQ(layout.bands[0][0].width, 200);
}

TEST(PageLayout, PrintRowRangeDefaultsToEveryDataRow) {
  TPrintOptions options;
  int first = 0;
  int last = 0;
  PrintRowRange(options, 50, first, last);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(last, 49);
  options.FromRow = 5;
  options.ToRow = 500;
  PrintRowRange(options, 50, first, last);
  EXPECT_EQ(first, 5);
  EXPECT_EQ(last, 49);
}

TEST(PageFooter, PartsReplaceTheFirstWordOnly) {
  EXPECT_EQ(FooterParts("date|time|page", "8-Dec-2026", "6:25 pm", "Page 2-3"),
            (std::array<std::string, 3>{"8-Dec-2026", "6:25 pm", "Page 2-3"}));
  EXPECT_EQ(FooterParts("date and date", "D", "T", "P")[0], "D and date");
  EXPECT_EQ(FooterParts("|Printed page", "D", "T", "P"), (std::array<std::string, 3>{"", "Printed P", ""}));
  EXPECT_EQ(FooterParts("a|b|c|d", "D", "T", "P")[2], "c");
  EXPECT_EQ(FooterParts("Date", "D", "T", "P")[0], "Date");  // case-sensitive
}

TEST(PageFooter, DateAndTimeFormats) {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 11;
  when.tm_mday = 8;
  when.tm_wday = 2;
  when.tm_hour = 18;
  when.tm_min = 5;
  when.tm_sec = 9;
  EXPECT_EQ(FormatDateTime("d-mmm-yyyy", when), "8-Dec-2026");
  EXPECT_EQ(FormatDateTime("h:nn am/pm", when), "6:05 pm");
  EXPECT_EQ(FormatDateTime("dd/mm/yy hh:nn:ss", when), "08/12/26 18:05:09");
  EXPECT_EQ(FormatDateTime("dddd d mmmm \"at\" h a/p", when), "Tuesday 8 December at 6 p");
  when.tm_hour = 0;
  EXPECT_EQ(FormatDateTime("h am/pm", when), "12 am");
}

TEST(LogoResample, BilinearInFixedPoint) {
  Image24 source;
  source.width = 2;
  source.height = 1;
  source.rgb = {0, 0, 0, 200, 100, 50};
  const Image24 wide = ResampleBilinear(source, 4, 1);
  ASSERT_EQ(wide.width, 4);
  // Step (2 - 1) * 32768 / 4 = 8192: a quarter of the way per pixel.
  EXPECT_EQ(wide.Pixel(0, 0)[0], 0);
  EXPECT_EQ(wide.Pixel(1, 0)[0], 50);
  EXPECT_EQ(wide.Pixel(2, 0)[1], 50);
  EXPECT_EQ(wide.Pixel(3, 0)[2], 37);
  EXPECT_TRUE(ResampleBilinear(source, 0, 5).rgb.empty());

  Image24 dot;
  dot.width = dot.height = 1;
  dot.rgb = {9, 8, 7};
  const Image24 big = ResampleBilinear(dot, 3, 3);
  EXPECT_EQ(big.Pixel(2, 2)[0], 9);
}

}  // namespace
}  // namespace tarno::grid
