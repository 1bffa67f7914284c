// tarno-cli print: a file loaded into a grid as Load does, its pages laid out
// by the grid's print code and written as PDF. Needs Qt for fonts and PDF, so it
// is built only with the widgets; it runs without a display.
#include <QFont>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "CliArguments.h"
#include "CliCommands.h"
#include "GridPrinter.h"
#include "LoadSave.h"
#include "QtTextMeasure.h"
#include "HeadlessGrid.h"

namespace tarno::cli {
namespace {

const char* const kGridFontFamily = "Bitstream Vera Sans Mono";
constexpr int kGridFontSize = 9;

// Qt wants an application object for fonts; the offscreen platform needs no display.
std::unique_ptr<QGuiApplication> StartQt() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tarno-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int PrintCommand(const Words& words) {
  const CliArguments args(words, {"--ini", "--script", kScriptTimeoutOption, "--title"}, {"--landscape", "--borders"});
  const auto& files = args.Positional(2);
  const auto qt = StartQt();
  // Column widths measured with the font the pages are printed in.
  const QFont font(QString::fromLatin1(kGridFontFamily), kGridFontSize);
  const grid::QtTextMeasure measure(font);
  HeadlessGrid loaded;
  loaded.Load(args, files[0], &measure);
  grid::CellStore& cells = loaded.Cells();

  grid::TPrintOptions options = grid::DefaultPrintOptions(kGridFontSize);
  options.PageTitle = args.Value("--title");
  options.JobTitle = options.PageTitle;
  if (args.Flag("--landscape")) options.Orientation = grid::PageOrientation::Landscape;
  if (args.Flag("--borders")) options.BorderStyle = 1;
  loaded.ThrowIfStopped();
  if (grid::PrintGridToPdf(cells, options, font, QString::fromStdString(files[1])) != grid::PrintOutcome::Printed)
    throw CommandFailure("cannot write " + files[1]);
  cells.SetMeasure(nullptr);
  return 0;
}

}  // namespace tarno::cli
