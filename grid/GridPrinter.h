// Draws the grid's pages as the page layout places them: on a printer, into a
// PDF file, or one page into the preview's image. Only the cell texts are used.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

#include "CellStore.h"
#include "PageLayout.h"
#include "PrintOptions.h"

class QPaintDevice;
class QPainter;
class QPrinter;

namespace tarno::grid {

// The border a printer cannot print on; the PDF keeps it too, so a PDF looks
// like the printed page.
constexpr double kPrintableInsetMm = 6.35;
// With borders on, a cell's text starts at least this far (screen pixels) inside
// its frame, never on the frame line.
constexpr int kBorderTextInset = 2;

// Told after each page of a print job (pages done, pages in all); false stops
// the job. Long jobs show their progress through it.
using PageProgress = std::function<bool(int done, int total)>;

enum class PrintOutcome { Printed, NoPrinter, Failed, Cancelled };

class GridPrinter {
 public:
  GridPrinter(const CellStore& cells, const TPrintOptions& options, const QFont& font);

  // Pages of rows 1 to RowCount - 1 as the preview lays them out.
  int CountPages() const;
  // Page number page (from 1) of rows 1 to RowCount - 1, unscaled, on a white page image.
  QImage RenderPreviewPage(int page) const;
  // Every page of the print row range; Failed when the printer could not be started.
  PrintOutcome Print(QPrinter& printer, const PageProgress& progress = {}) const;
  // Prints into a PDF file of A4 pages (or the orientation asked for); a
  // cancelled file is removed.
  PrintOutcome WritePdf(const QString& path, const PageProgress& progress = {}) const;

  // Screen pixels are what the options and the grid measure in.
  static double ScreenDpi();

 private:
  struct Page;
  static QImage PreviewCanvas(int width, int height);
  Page PreviewPage(QPaintDevice& canvas) const;
  Page PrinterPage(QPrinter& printer) const;
  Page MakePage(QPaintDevice& device, QSize size, double scaleX, double scaleY) const;
  PageLayout LayOut(const Page& page, int firstRow, int lastRow) const;
  void DrawPage(QPainter& painter, const Page& page, const PageLayout& layout, const LayoutPage& laid) const;
  void DrawHead(QPainter& painter, const Page& page, const LayoutPage& laid) const;
  void DrawFooter(QPainter& painter, const Page& page, const std::string& label) const;
  void DrawRow(QPainter& painter, const Page& page, const std::vector<LayoutColumn>& band, const LayoutRow& row) const;
  QImage ScaledLogo(const PageMetrics& metrics) const;

  const CellStore& cells_;
  const TPrintOptions& options_;
  QFont font_;
};

}  // namespace tarno::grid

namespace tarno::grid {

// The print command: rows hidden by a filter are shown again first, so that they
// are printed; then the default printer gets the pages.
PrintOutcome PrintGrid(CellStore& cells, const TPrintOptions& options, const QFont& font,
                       const PageProgress& progress = {});

// The same pages written into a PDF file; hidden rows are shown again likewise.
PrintOutcome PrintGridToPdf(CellStore& cells, const TPrintOptions& options, const QFont& font, const QString& path,
                            const PageProgress& progress = {});

// A picture resampled bilinearly to width x height, as the logo and the preview zoom are.
QImage ResampledImage(const QImage& image, int width, int height);

}  // namespace tarno::grid
