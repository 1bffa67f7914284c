#include "GridPrinter.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <algorithm>
#include <ctime>

#include "LogoResample.h"
#include "QueryFilter.h"
#include "Utf8Text.h"

namespace tarno::grid {
namespace {

constexpr double kFallbackScreenDpi = 96;

QFont Sized(QFont font, int pointSize) {
  if (pointSize > 0) font.setPointSize(pointSize);
  return font;
}

QPageLayout::Orientation ToQt(PageOrientation orientation) {
  return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A4 with the printable border: what the PDF gets and the preview shows.
QPageLayout PrintablePage(PageOrientation orientation) {
  const QMarginsF border(kPrintableInsetMm, kPrintableInsetMm, kPrintableInsetMm, kPrintableInsetMm);
  return QPageLayout(QPageSize(QPageSize::A4), ToQt(orientation), border, QPageLayout::Millimeter);
}

// The printable area in pixels at dpi.
QSize PrintableArea(PageOrientation orientation, double dpi) {
  const QRectF mm = PrintablePage(orientation).paintRect(QPageLayout::Millimeter);
  return {qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi)};
}

Image24 ToImage24(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  Image24 out;
  out.width = rgb.width();
  out.height = rgb.height();
  out.rgb.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height) * 3);
  for (int y = 0; y < out.height; ++y)
    std::copy_n(rgb.constScanLine(y), static_cast<size_t>(out.width) * 3, out.Pixel(0, y));
  return out;
}

QImage ToQImage(const Image24& image) {
  QImage out(image.width, image.height, QImage::Format_RGB888);
  for (int y = 0; y < image.height; ++y)
    std::copy_n(image.Pixel(0, y), static_cast<size_t>(image.width) * 3, out.scanLine(y));
  return out;
}

std::tm Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

// What one kind of page needs: its metrics, the device fonts' heights and the logo.
struct GridPrinter::Page {
  PageMetrics metrics;
  QPaintDevice* device = nullptr;  // fonts measure as on this device
  QImage logo;
  std::string date;
  std::string time;
};

GridPrinter::GridPrinter(const CellStore& cells, const TPrintOptions& options, const QFont& font)
    : cells_(cells), options_(options), font_(font) {}

double GridPrinter::ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchX() : kFallbackScreenDpi;
}

QImage GridPrinter::ScaledLogo(const PageMetrics& metrics) const {
  const QString path = QString::fromStdString(options_.Logo);
  if (path.isEmpty() || !QFileInfo(path).isFile()) return {};
  const QImage source(path);
  if (source.isNull()) return {};
  return ResampledImage(source, metrics.ScaleX(source.width()), metrics.ScaleY(source.height()));
}

PageLayout GridPrinter::LayOut(const Page& page, int firstRow, int lastRow) const {
  return LayOutPages(cells_, options_, page.metrics, firstRow, lastRow);
}

// Fonts on a preview image measure at screen resolution.
QImage GridPrinter::PreviewCanvas(int width, int height) {
  QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
  const int dotsPerMeter = qRound(ScreenDpi() / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  return image;
}

GridPrinter::Page GridPrinter::PreviewPage(QPaintDevice& canvas) const {
  const QSize size = PrintableArea(options_.Orientation, ScreenDpi());
  return MakePage(canvas, size, 1.0, 1.0);
}

GridPrinter::Page GridPrinter::PrinterPage(QPrinter& printer) const {
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  return MakePage(printer, area.size(), printer.logicalDpiX() / ScreenDpi(), printer.logicalDpiY() / ScreenDpi());
}

GridPrinter::Page GridPrinter::MakePage(QPaintDevice& device, QSize size, double scaleX, double scaleY) const {
  Page page;
  page.metrics.width = size.width();
  page.metrics.height = size.height();
  page.metrics.scaleX = scaleX;
  page.metrics.scaleY = scaleY;
  page.device = &device;
  page.logo = ScaledLogo(page.metrics);
  const int title = options_.PageTitle.empty() ? 0 : QFontMetrics(Sized(font_, options_.HeaderSize), &device).height();
  page.metrics.titleHeight = std::max(title, page.logo.height());
  page.metrics.footerHeight =
      options_.PageFooter.empty() ? 0 : QFontMetrics(Sized(font_, options_.FooterSize), &device).height();
  const std::tm now = Now();
  page.date = FormatDateTime(options_.DateFormat, now);
  page.time = FormatDateTime(options_.TimeFormat, now);
  return page;
}

int GridPrinter::CountPages() const {
  QImage canvas = PreviewCanvas(1, 1);
  return static_cast<int>(LayOut(PreviewPage(canvas), 1, cells_.RowCount() - 1).pages.size());
}

QImage GridPrinter::RenderPreviewPage(int pageNumber) const {
  const QSize size = PrintableArea(options_.Orientation, ScreenDpi());
  QImage image = PreviewCanvas(size.width(), size.height());
  const Page page = PreviewPage(image);
  const PageLayout layout = LayOut(page, 1, cells_.RowCount() - 1);
  if (pageNumber < 1 || pageNumber > static_cast<int>(layout.pages.size())) return image;
  QPainter painter(&image);
  DrawPage(painter, page, layout, layout.pages[static_cast<size_t>(pageNumber - 1)]);
  return image;
}

PrintOutcome GridPrinter::Print(QPrinter& printer, const PageProgress& progress) const {
  printer.setPageOrientation(ToQt(options_.Orientation));
  printer.setDocName(QString::fromStdString(options_.JobTitle));
  printer.setCopyCount(std::max(1, options_.Copies));
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::Failed;
  const Page page = PrinterPage(printer);
  int firstRow = 0;
  int lastRow = 0;
  PrintRowRange(options_, cells_.RowCount(), firstRow, lastRow);
  const PageLayout layout = LayOut(page, firstRow, lastRow);
  const int total = static_cast<int>(layout.pages.size());
  for (int i = 0; i < total; ++i) {
    if (i > 0) printer.newPage();
    DrawPage(painter, page, layout, layout.pages[static_cast<size_t>(i)]);
    if (progress && !progress(i + 1, total)) {
      printer.abort();
      painter.end();
      return PrintOutcome::Cancelled;
    }
  }
  return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome GridPrinter::WritePdf(const QString& path, const PageProgress& progress) const {
  PrintOutcome outcome = PrintOutcome::Failed;
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(PrintablePage(options_.Orientation));
    outcome = Print(printer, progress);
  }
  if (outcome == PrintOutcome::Cancelled) QFile::remove(path);  // half a document is no document
  return outcome;
}

void GridPrinter::DrawPage(QPainter& painter, const Page& page, const PageLayout& layout,
                           const LayoutPage& laid) const {
  painter.setPen(Qt::black);
  DrawHead(painter, page, laid);
  painter.setFont(font_);
  const auto& band = layout.bands[static_cast<size_t>(laid.band - 1)];
  for (const LayoutRow& row : laid.rows) DrawRow(painter, page, band, row);
}

void GridPrinter::DrawHead(QPainter& painter, const Page& page, const LayoutPage& laid) const {
  const PageMetrics& m = page.metrics;
  const int y = m.ScaleY(options_.MarginTop);
  if (!page.logo.isNull()) painter.drawImage(m.ScaleX(options_.MarginLeft), y, page.logo);
  if (!options_.PageTitle.empty()) {
    painter.setFont(Sized(font_, options_.HeaderSize));
    const QString title = QString::fromStdString(options_.PageTitle);
    const QFontMetrics metrics(painter.font(), page.device);
    painter.drawText((m.width - metrics.horizontalAdvance(title)) / 2, y + metrics.ascent(), title);
  }
  if (!options_.PageFooter.empty()) DrawFooter(painter, page, laid.label);
}

void GridPrinter::DrawFooter(QPainter& painter, const Page& page, const std::string& label) const {
  const PageMetrics& m = page.metrics;
  painter.setFont(Sized(font_, options_.FooterSize));
  const QFontMetrics metrics(painter.font(), page.device);
  const auto parts = FooterParts(options_.PageFooter, page.date, page.time, label);
  const int top = m.height - metrics.height() - m.ScaleY(options_.MarginBottom);
  for (size_t i = 0; i < parts.size(); ++i) {
    if (parts[i].empty()) continue;
    const QString text = ToQString(parts[i]);
    const int width = metrics.horizontalAdvance(text);
    int x = m.ScaleX(options_.MarginLeft);
    if (i == 1) x = (m.width - width) / 2;
    if (i == 2) x = m.width - m.ScaleX(options_.MarginRight + kFooterRightInset) - width;
    painter.drawText(x, top + metrics.ascent(), text);
  }
}

void GridPrinter::DrawRow(QPainter& painter, const Page& page, const std::vector<LayoutColumn>& band,
                          const LayoutRow& row) const {
  const PageMetrics& m = page.metrics;
  QFont font = font_;
  font.setBold(row.row == 0);
  painter.setFont(font);
  for (const LayoutColumn& column : band) {
    if (column.width <= 0) continue;
    const QRect cell(column.x, row.y, column.width, row.height);
    if (options_.BorderStyle == 1) {
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRect(cell.topLeft(), cell.bottomRight() + QPoint(m.ScaleX(2), m.ScaleY(1))));
    }
    const bool framed = options_.BorderStyle == 1;
    const int left = m.ScaleX(framed ? std::max(options_.Leftpadding, kBorderTextInset) : options_.Leftpadding);
    const QRect textArea = cell.adjusted(left, framed ? m.ScaleY(1) : 0, 0, 0);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     ToQString(cells_.Text(column.col, row.row)));
  }
}

PrintOutcome PrintGrid(CellStore& cells, const TPrintOptions& options, const QFont& font,
                       const PageProgress& progress) {
  ShowAllRows(cells);
  if (QPrinterInfo::availablePrinters().isEmpty()) return PrintOutcome::NoPrinter;
  QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  return GridPrinter(cells, options, font).Print(printer, progress);
}

PrintOutcome PrintGridToPdf(CellStore& cells, const TPrintOptions& options, const QFont& font, const QString& path,
                            const PageProgress& progress) {
  ShowAllRows(cells);
  return GridPrinter(cells, options, font).WritePdf(path, progress);
}

QImage ResampledImage(const QImage& image, int width, int height) {
  return ToQImage(ResampleBilinear(ToImage24(image), width, height));
}

}  // namespace tarno::grid
