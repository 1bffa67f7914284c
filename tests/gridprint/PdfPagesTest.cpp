#include <gtest/gtest.h>

#include <QFont>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "GridPrintSupport.h"
#include "GridPrinter.h"
#include "RunProgram.h"
#include "TestFiles.h"

namespace {

using tarno::test::TempDir;

bool HavePoppler() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

std::string Shell(const std::string& command) {
  TempDir capture;
  std::system((command + " >" + tarno::test::ShellQuote(capture.File("out")) + " 2>/dev/null").c_str());
  return tarno::test::ReadFile(capture.File("out"));
}

std::string PdfText(const std::string& pdf) {
  return Shell("pdftotext -layout " + tarno::test::ShellQuote(pdf) + " -");
}

int PdfPages(const std::string& pdf) {
  std::istringstream info(Shell("pdfinfo " + tarno::test::ShellQuote(pdf)));
  std::string line;
  while (std::getline(info, line))
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  return 0;
}

int Count(const std::string& text, const std::string& word) {
  int n = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

class PdfPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  }
  TempDir dir;
};

TEST_F(PdfPagesTest, OneBandNumbersPagesAndPrintsHiddenRows) {
  TzebGrid grid;
  tarno::test::FillGrid(grid, 4, 150);
  grid.Cells().SetRowHeight(7, 0);
  tarno::grid::TPrintOptions options = tarno::grid::DefaultPrintOptions(8);
  options.PageFooter = "left date|page|right";
  options.DateFormat = "yyyy";
  const std::string pdf = dir.File("grid.pdf");
  ASSERT_EQ(tarno::grid::PrintGridToPdf(grid.Cells(), options, grid.font(), QString::fromStdString(pdf)),
            tarno::grid::PrintOutcome::Printed);
  const std::string text = PdfText(pdf);
  const int pages = PdfPages(pdf);
  EXPECT_GT(pages, 1);
  EXPECT_NE(text.find("r7c1"), std::string::npos);  // hidden by a filter, printed all the same
  EXPECT_NE(text.find("r149c3"), std::string::npos);
  EXPECT_EQ(Count(text, "C1"), pages);  // the header row on every page
  EXPECT_NE(text.find("Page 2"), std::string::npos);
  EXPECT_EQ(text.find("Page 1-"), std::string::npos);
  EXPECT_EQ(Count(text, "right"), pages);
  EXPECT_EQ(Count(text, "left 20"), pages);
}

TEST_F(PdfPagesTest, WideGridsPrintInLabelledBands) {
  TzebGrid grid;
  tarno::test::FillGrid(grid, 31, 5);
  for (int c = 1; c < 31; ++c) grid.Cells().SetColWidth(c, 120);
  tarno::grid::TPrintOptions options = tarno::grid::DefaultPrintOptions(8);
  options.BorderStyle = 1;
  const std::string pdf = dir.File("wide.pdf");
  ASSERT_EQ(tarno::grid::PrintGridToPdf(grid.Cells(), options, grid.font(), QString::fromStdString(pdf)),
            tarno::grid::PrintOutcome::Printed);
  const int pages = PdfPages(pdf);
  ASSERT_GT(pages, 2);
  const std::string text = PdfText(pdf);
  EXPECT_NE(text.find("Page 1-1"), std::string::npos);
  EXPECT_NE(text.find("Page 1-" + std::to_string(pages)), std::string::npos);
  EXPECT_NE(text.find("r4c30"), std::string::npos);
}

// A real channel map through tarno-cli print. The names are read as plain
// UTF-16 text, so the page does not depend on the script.
TEST_F(PdfPagesTest, RealCableMapThroughTheCommandLine) {
  ASSERT_TRUE(tarno::test::ExtractSample("channel_list_UE46F7000_1201.scm", dir.Path()));
  std::ifstream settings(tarno::test::SourcePath("data/TarnoChannelEdit.ini"));
  std::ostringstream section;
  bool inSection = false;
  for (std::string line; std::getline(settings, line);) {
    if (!line.empty() && line[0] == '[') inSection = line.rfind("[map-CableD]", 0) == 0;
    if (!inSection) continue;
    for (const char* named : {"/NameBE", "/FillNameBE", "#Signed"}) {
      const size_t at = line.find(named);
      if (at != std::string::npos) line.replace(at + 1, std::string(named).size() - 1, "");
    }
    section << line << '\n';
  }
  tarno::test::WriteFile(dir.File("plain.ini"), section.str());
  const std::string pdf = dir.File("cable.pdf");
  const auto result = tarno::test::RunProgram(
      "tarno-cli", {"print", "--ini", dir.File("plain.ini"), dir.File("map-CableD"), pdf, "--title", "Cable"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const int pages = PdfPages(pdf);
  EXPECT_GT(pages, 3);
  const std::string text = PdfText(pdf);
  EXPECT_NE(text.find("13th Street"), std::string::npos);
  EXPECT_NE(text.find("Page 1-1"), std::string::npos);
  EXPECT_NE(text.find("Page 1-2"), std::string::npos);
  EXPECT_EQ(Count(text, "Cable\n"), pages);
  EXPECT_EQ(std::system(("pdftoppm -png -r 30 -f 1 -l 1 " + tarno::test::ShellQuote(pdf) + " " +
                         tarno::test::ShellQuote(dir.File("page")))
                            .c_str()),
            0);
}

}  // namespace
