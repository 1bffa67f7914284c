// Lays the grid's cells out on pages: columns in bands as wide as the page
// allows, every band starting on a fresh page, each page with a head (logo,
// title, footer) and the header row, then as many rows as fit above the footer.
//
// Everything here is in device pixels; screen-pixel lengths of the options and
// the grid are scaled on the way in (1 for the preview).
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "CellStore.h"
#include "PrintOptions.h"

namespace tarno::grid {

// Room the footer test keeps free below the last row, beside the margin and footer.
constexpr int kFooterGap = 20;
// The right-hand footer part ends this far inside the right margin.
constexpr int kFooterRightInset = 10;

struct PageMetrics {
  int width = 0;
  int height = 0;
  double scaleX = 1;  // device pixels per screen pixel
  double scaleY = 1;
  int titleHeight = 0;   // the page title's height, or the logo's when higher
  int footerHeight = 0;  // the footer template's text height; 0 without a footer
  int ScaleX(int v) const;
  int ScaleY(int v) const;
};

struct LayoutColumn {
  int col;
  int x;
  int width;
};

struct LayoutRow {
  int row;  // 0 is the header row, repeated on every page
  int y;
  int height;
};

struct LayoutPage {
  int band = 0;      // 1-based
  int bandPage = 0;  // 1-based within the band
  std::string label;
  std::vector<LayoutRow> rows;
};

struct PageLayout {
  std::vector<std::vector<LayoutColumn>> bands;
  std::vector<LayoutPage> pages;
};

// Rows firstRow..lastRow; hidden rows (height 0) take no room and are left out.
PageLayout LayOutPages(const CellStore& cells, const TPrintOptions& options, const PageMetrics& metrics,
                       int firstRow, int lastRow);

// The columns of each band, from column 1; a band holds at least one column.
std::vector<std::vector<LayoutColumn>> ColumnBands(const CellStore& cells, const TPrintOptions& options,
                                                   const PageMetrics& metrics);

// "Page n", or "Page n-b" when there is more than one band.
std::string PageLabel(int bandPage, int band, int bandCount);

// The footer template split at "|" into left, centre and right parts; in each the
// first "date", "time" and "page" are replaced.
std::array<std::string, 3> FooterParts(std::string_view pattern, std::string_view date, std::string_view time,
                                       std::string_view pageLabel);

// Formats a date or time with d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss
// am/pm a/p, and "quoted" or 'quoted' literal text.
std::string FormatDateTime(std::string_view format, const std::tm& when);

// The row range the print command uses: FromRow..ToRow, or every data row when
// both are 0; clamped to the data rows.
void PrintRowRange(const TPrintOptions& options, int rowCount, int& firstRow, int& lastRow);

}  // namespace tarno::grid
