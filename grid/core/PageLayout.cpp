#include "PageLayout.h"

#include <algorithm>
#include <cmath>

namespace tarno::grid {
namespace {

constexpr const char* kMonthShort[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kMonthLong[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kDayShort[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kDayLong[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

int Round(double v) { return static_cast<int>(std::lround(v)); }

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

void ReplaceFirst(std::string& text, std::string_view word, std::string_view by) {
  const size_t at = text.find(word);
  if (at != std::string::npos) text.replace(at, word.size(), by);
}

size_t RunLength(std::string_view format, size_t at, char lowerLetter) {
  size_t n = 0;
  while (at + n < format.size() && (format[at + n] | 0x20) == lowerLetter) ++n;
  return n;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if ((text[i] | 0x20) != prefix[i]) return false;
  return true;
}

bool HasAmPm(std::string_view format) {
  for (size_t i = 0; i < format.size(); ++i)
    if (StartsWithNoCase(format.substr(i), "am/pm") || StartsWithNoCase(format.substr(i), "a/p")) return true;
  return false;
}

std::string DayText(size_t n, const std::tm& when) {
  if (n == 1) return std::to_string(when.tm_mday);
  if (n == 2) return TwoDigits(when.tm_mday);
  if (n == 3) return kDayShort[when.tm_wday % 7];
  return kDayLong[when.tm_wday % 7];
}

std::string MonthText(size_t n, const std::tm& when) {
  const int month = std::clamp(when.tm_mon, 0, 11);
  if (n == 1) return std::to_string(month + 1);
  if (n == 2) return TwoDigits(month + 1);
  if (n == 3) return kMonthShort[month];
  return kMonthLong[month];
}

// A page's rows: the header row first, then data rows while they fit.
class PageFiller {
 public:
  PageFiller(const CellStore& cells, const PageMetrics& metrics, const TPrintOptions& options)
      : cells_(cells), metrics_(metrics), options_(options) {
    limit_ = metrics.height - metrics.ScaleY(options.MarginBottom + kFooterGap) - metrics.footerHeight;
  }

  void Run(int band, int bandCount, int firstRow, int lastRow, std::vector<LayoutPage>& pages) {
    int bandPage = 1;
    StartPage(band, bandPage, bandCount, pages);
    for (int r = firstRow; r <= lastRow; ++r) {
      const int height = metrics_.ScaleY(cells_.RowHeight(r));
      if (height == 0) continue;
      if (y_ + height > limit_ && holdsData_) {
        StartPage(band, ++bandPage, bandCount, pages);
      }
      Place(r, height, pages.back());
      holdsData_ = true;
    }
  }

 private:
  void StartPage(int band, int bandPage, int bandCount, std::vector<LayoutPage>& pages) {
    pages.push_back(LayoutPage{band, bandPage, PageLabel(bandPage, band, bandCount), {}});
    y_ = metrics_.ScaleY(options_.MarginTop) + metrics_.titleHeight + metrics_.ScaleY(options_.PageTitleMargin);
    holdsData_ = false;
    const int headerHeight = metrics_.ScaleY(cells_.RowHeight(0));
    if (headerHeight > 0) Place(0, headerHeight, pages.back());
  }

  void Place(int row, int height, LayoutPage& page) {
    page.rows.push_back(LayoutRow{row, y_, height});
    y_ += height;
  }

  const CellStore& cells_;
  const PageMetrics& metrics_;
  const TPrintOptions& options_;
  int limit_ = 0;
  int y_ = 0;
  bool holdsData_ = false;  // a row taller than the page still goes on a page of its own
};

}  // namespace

int PageMetrics::ScaleX(int v) const { return Round(v * scaleX); }
int PageMetrics::ScaleY(int v) const { return Round(v * scaleY); }

std::vector<std::vector<LayoutColumn>> ColumnBands(const CellStore& cells, const TPrintOptions& options,
                                                   const PageMetrics& metrics) {
  std::vector<std::vector<LayoutColumn>> bands;
  const int left = metrics.ScaleX(options.MarginLeft);
  const int right = metrics.width - metrics.ScaleX(options.MarginRight);
  int x = left;
  for (int c = 1; c < cells.ColCount(); ++c) {
    const int width = cells.ColWidth(c);
    const int room = std::max(0, metrics.ScaleX(width + 1));
    // A hidden column takes no room, so it never opens a band of its own.
    if (bands.empty() || (room > 0 && x + room > right && !bands.back().empty())) {
      bands.emplace_back();
      x = left;
    }
    bands.back().push_back(LayoutColumn{c, x, metrics.ScaleX(width)});
    x += room;
  }
  return bands;
}

PageLayout LayOutPages(const CellStore& cells, const TPrintOptions& options, const PageMetrics& metrics,
                       int firstRow, int lastRow) {
  PageLayout layout;
  layout.bands = ColumnBands(cells, options, metrics);
  const int bandCount = static_cast<int>(layout.bands.size());
  for (int band = 1; band <= bandCount; ++band)
    PageFiller(cells, metrics, options).Run(band, bandCount, firstRow, lastRow, layout.pages);
  return layout;
}

std::string PageLabel(int bandPage, int band, int bandCount) {
  std::string label = "Page " + std::to_string(bandPage);
  if (bandCount > 1) label += "-" + std::to_string(band);
  return label;
}

std::array<std::string, 3> FooterParts(std::string_view pattern, std::string_view date, std::string_view time,
                                       std::string_view pageLabel) {
  std::array<std::string, 3> parts;
  size_t start = 0;
  for (std::string& part : parts) {
    if (start > pattern.size()) break;
    const size_t bar = pattern.find('|', start);
    const size_t end = bar == std::string_view::npos ? pattern.size() : bar;
    part = std::string(pattern.substr(start, end - start));
    start = end + 1;
    ReplaceFirst(part, "date", date);
    ReplaceFirst(part, "time", time);
    ReplaceFirst(part, "page", pageLabel);
  }
  return parts;
}

std::string FormatDateTime(std::string_view format, const std::tm& when) {
  const bool twelveHour = HasAmPm(format);
  std::string out;
  size_t i = 0;
  while (i < format.size()) {
    const char c = format[i];
    const char lower = static_cast<char>(c | 0x20);
    if (c == '"' || c == '\'') {
      const size_t close = format.find(c, i + 1);
      const size_t end = close == std::string_view::npos ? format.size() : close;
      out += format.substr(i + 1, end - i - 1);
      i = end + 1;
    } else if (StartsWithNoCase(format.substr(i), "am/pm")) {
      out += when.tm_hour < 12 ? "am" : "pm";
      i += 5;
    } else if (StartsWithNoCase(format.substr(i), "a/p")) {
      out += when.tm_hour < 12 ? "a" : "p";
      i += 3;
    } else if (lower == 'd' || lower == 'm' || lower == 'y' || lower == 'h' || lower == 'n' || lower == 's') {
      const size_t n = RunLength(format, i, lower);
      const int year = when.tm_year + 1900;
      const int hour = twelveHour ? (when.tm_hour % 12 == 0 ? 12 : when.tm_hour % 12) : when.tm_hour;
      if (lower == 'd') out += DayText(std::min<size_t>(n, 4), when);
      else if (lower == 'm') out += MonthText(std::min<size_t>(n, 4), when);
      else if (lower == 'y') out += n <= 2 ? TwoDigits(year % 100) : std::to_string(year);
      else if (lower == 'h') out += n == 1 ? std::to_string(hour) : TwoDigits(hour);
      else if (lower == 'n') out += n == 1 ? std::to_string(when.tm_min) : TwoDigits(when.tm_min);
      else out += n == 1 ? std::to_string(when.tm_sec) : TwoDigits(when.tm_sec);
      i += n;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

void PrintRowRange(const TPrintOptions& options, int rowCount, int& firstRow, int& lastRow) {
  firstRow = options.FromRow;
  lastRow = options.ToRow;
  if (firstRow == 0 && lastRow == 0) {
    firstRow = 1;
    lastRow = rowCount - 1;
  }
  firstRow = std::max(firstRow, 1);
  lastRow = std::min(lastRow, rowCount - 1);
}

}  // namespace tarno::grid
