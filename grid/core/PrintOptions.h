// The grid's print options: page title, margins, footer template, borders,
// orientation, logo, row range and copies. Lengths are screen pixels.
#pragma once

#include <string>

namespace tarno::grid {

enum class PageOrientation { Portrait, Landscape };

struct TPrintOptions {
  std::string JobTitle;
  std::string PageTitle;
  int PageTitleMargin = 0;  // between the page title and the header row
  int Copies = 0;           // 0: one copy
  int PreviewPage = 0;      // the page the preview renders; 1 when it opens
  int FromRow = 0;          // 0 and 0: rows 1 to RowCount - 1
  int ToRow = 0;
  int BorderStyle = 0;  // 1 frames every printed cell
  int Leftpadding = 0;
  int MarginTop = 0;
  int MarginBottom = 0;
  int MarginLeft = 0;
  int MarginRight = 0;
  std::string PageFooter = "date|time|page";
  std::string DateFormat = "d-mmm-yyyy";
  std::string TimeFormat = "h:nn am/pm";
  int HeaderSize = 10;
  int FooterSize = 7;
  PageOrientation Orientation = PageOrientation::Portrait;
  std::string Logo;  // path of a bitmap printed at the top left of every page
};

// The options a grid starts with: title two points above its font, footer one below.
TPrintOptions DefaultPrintOptions(int gridFontSize);

}  // namespace tarno::grid
