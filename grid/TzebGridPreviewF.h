// The "Preview" dialog: one page of the grid as it will print, the print options
// to edit (texts, margins, borders), live re-rendering, zoom, print and PDF.
#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>
#include <functional>

#include "CellStore.h"
#include "PrintOptions.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;
class QToolButton;

class TzebGridPreviewF : public QDialog {
  Q_OBJECT

 public:
  using MessageSink = std::function<void(const QString&)>;
  using FileQuestion = std::function<QString()>;

  TzebGridPreviewF(tarno::grid::CellStore& cells, tarno::grid::TPrintOptions& options, const QFont& font,
                   QWidget* parent = nullptr);

  // Counts the pages, starts at page 1 and shows it.
  void Prepare();
  // Renders page PreviewPage again and shows it at full size.
  void ShowPage();
  void Print();
  void SavePdf();
  // The whole page, as large as the scroll box's client area allows.
  void FullView();
  // Full size when the shown picture is already near it, otherwise a quarter larger.
  void Zoom();

  const QImage& PageImage() const { return page_; }
  QSize ShownSize() const;
  int PageCount() const { return pageCount_; }

  // "No Printer is installed" and other messages; a message box unless replaced.
  MessageSink ShowMessage;
  // Asks where to write the PDF; a save dialog unless replaced. Empty cancels.
  FileQuestion AskPdfPath;
  // Asks for the logo picture; an open dialog unless replaced. Empty cancels.
  FileQuestion AskLogoPath;

  QScrollArea* scrollbox = nullptr;
  QLabel* PreviewImage = nullptr;
  QToolButton* btnprint = nullptr;
  QToolButton* btnshow = nullptr;
  QToolButton* btnsetup = nullptr;
  QToolButton* btnfull = nullptr;
  QToolButton* btnpic = nullptr;
  QToolButton* btnpdf = nullptr;
  QLabel* lblpages = nullptr;
  QLineEdit* Header = nullptr;
  QComboBox* Headers = nullptr;
  QComboBox* Margins = nullptr;
  QSpinBox* Margin = nullptr;
  QSpinBox* previewpage = nullptr;
  QCheckBox* ckborders = nullptr;
  QCheckBox* cklive = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ConnectControls();
  std::string& SelectedText();
  int& SelectedNumber();
  void Changed();
  void CountPages();
  void ShowImage(const QImage& image);
  void Setup();
  void ChooseLogo();

  tarno::grid::CellStore& cells_;
  tarno::grid::TPrintOptions& options_;
  QFont font_;
  QImage page_;
  int pageCount_ = 0;
  bool loading_ = false;  // controls being filled from the options, not edited
};
