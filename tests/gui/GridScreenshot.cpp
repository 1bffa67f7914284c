// Fills the channel grid with a few hundred made-up channels the way a loaded
// file fills it, and saves a picture of it: grid_screenshot [out.png]
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "TzebGrid.h"

namespace {

struct Field {
  const char* caption;
  bool hidden;
};

constexpr std::array<Field, 12> kFields{{
    {"Number", false}, {"Name", false}, {"Frequency", false}, {"SymbolRate", false}, {"ServiceId", false},
    {"TransportId", false}, {"NetworkId", false}, {"Type", false}, {"Scrambled", false}, {"Favorite", false},
    {"Reserved", true}, {"Lock", false},
}};

constexpr std::array<const char*, 24> kNames{
    "Das Erste HD", "ZDF HD",      "3sat HD",      "arte HD",       "KiKA HD",       "phoenix HD",
    "ZDFneo HD",    "ZDFinfo HD",  "tagesschau24", "ONE HD",        "ARD-alpha HD",  "BR Fernsehen",
    "hr-fernsehen", "MDR Sachsen", "NDR FS HH HD", "Radio Bremen",  "rbb Berlin HD", "SR Fernsehen",
    "SWR BW HD",    "WDR HD Koeln", "DW English",  "Bibel TV HD",   "QVC HD",        "Euronews"};

std::string Cell(int field, int channel) {
  const int frequencies[] = {11494, 11836, 11953, 12109, 12188, 12422, 10744, 10832};
  switch (field) {
    case 0: return std::to_string(channel);
    case 1: {
      std::string name = kNames[static_cast<size_t>(channel - 1) % kNames.size()];
      return channel > static_cast<int>(kNames.size()) ? name + " " + std::to_string(channel / 24 + 1) : name;
    }
    case 2: return std::to_string(frequencies[channel % 8]);
    case 3: return channel % 3 ? "22000" : "27500";
    case 4: return std::to_string(28106 + channel * 7);
    case 5: return std::to_string(1019 + channel % 13);
    case 6: return "1";
    case 7: return channel % 5 ? "TV" : "Radio";
    case 8: return channel % 7 ? "0" : "1";
    case 9: return channel % 11 ? "0" : "$01";
    case 10: return "0";
    default: return channel % 17 ? "No" : "Yes";
  }
}

void Fill(TzebGrid& grid, int channels) {
  tarno::grid::CellStore& cells = grid.Cells();
  tarno::grid::CellStore::Batch batch(cells);
  const int cols = static_cast<int>(kFields.size()) + 1;
  cells.SetColCount(cols);
  cells.SetRowCount(channels + 1);
  std::vector<int> widths(static_cast<size_t>(cols), 0);
  int captionHeight = 0;
  for (int c = 1; c < cols; ++c) {
    const char* caption = kFields[static_cast<size_t>(c) - 1].caption;
    cells.SetText(c, 0, caption);
    widths[static_cast<size_t>(c)] = cells.Measure().TextWidth(caption, true);
    captionHeight = std::max(captionHeight, cells.Measure().TextHeight(true));
  }
  for (int r = 0; r <= channels; ++r) {
    const std::string index = std::to_string(r);
    cells.SetText(0, r, index);
    widths[0] = std::max(widths[0], cells.Measure().TextWidth(index, false));
    for (int c = 1; c < cols && r > 0; ++c) {
      const std::string text = Cell(c - 1, r);
      cells.SetText(c, r, text);
      cells.SetTag(c, r, (r - 1) * 65536 + c - 1);
      widths[static_cast<size_t>(c)] = std::max(widths[static_cast<size_t>(c)], cells.Measure().TextWidth(text, false));
    }
  }
  cells.SetDefaultRowHeight(captionHeight + 4);
  for (int c = 0; c < cols; ++c)
    cells.SetColWidth(c, c > 0 && kFields[static_cast<size_t>(c) - 1].hidden ? -1 : widths[static_cast<size_t>(c)] + 16);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString fontFile = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("VeraMono.ttf"));
  if (QFontDatabase::addApplicationFont(fontFile) < 0)
    std::fprintf(stderr, "Font %s not registered; using a fallback\n", qPrintable(fontFile));

  TzebGrid grid;
  grid.resize(1000, 560);
  grid.Cells().SetRowCount(2);
  grid.Cells().SetColCount(2);
  grid.SetBandsShow(true);
  grid.setFont(QFont(QStringLiteral("Bitstream Vera Sans Mono"), 9));
  Fill(grid, 320);
  grid.show();
  grid.SetCol(2);
  grid.SetRow(5);
  // A small selection beside the current cell, made as the user would.
  for (int key : {Qt::Key_Down, Qt::Key_Right}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&grid, &press);
  }
  QCoreApplication::processEvents();

  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("grid.png");
  if (!grid.grab().save(out)) {
    std::fprintf(stderr, "Could not write %s\n", qPrintable(out));
    return 1;
  }
  std::printf("%s\n", qPrintable(out));
  return 0;
}
