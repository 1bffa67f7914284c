#include "TzebGridPreviewF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

#include "GridPrinter.h"

using tarno::grid::TPrintOptions;

namespace {

// The entries of Headers and Margins, in list order, and the options they edit.
const std::array<std::string TPrintOptions::*, 5> kTextOptions = {
    &TPrintOptions::PageTitle, &TPrintOptions::PageFooter, &TPrintOptions::DateFormat, &TPrintOptions::TimeFormat,
    &TPrintOptions::Logo};
const std::array<int TPrintOptions::*, 8> kNumberOptions = {
    &TPrintOptions::MarginTop,    &TPrintOptions::PageTitleMargin, &TPrintOptions::MarginLeft,
    &TPrintOptions::MarginRight,  &TPrintOptions::MarginBottom,    &TPrintOptions::Leftpadding,
    &TPrintOptions::HeaderSize,   &TPrintOptions::FooterSize};
constexpr int kLogoEntry = 4;
constexpr double kFullSizeShare = 0.8;  // a picture wider than this share of the page goes back to full size
constexpr double kZoomStep = 1.25;
constexpr int kMaxOptionValue = 10000;
constexpr int kProgressDelayMs = 300;  // a job done sooner shows no progress window
constexpr int kPreferredWidth = 900;
constexpr int kPreferredHeight = 700;
constexpr int kFrameAllowance = 48;  // the window frame, unknown before the dialog is shown

// The progress of a print job, with Cancel. Its updates let the pending events
// run, so the windows stay responsive while thousands of pages are drawn.
class JobProgress {
 public:
  JobProgress(QWidget* parent, const QString& title, const QString& pageText)
      : dialog_(QString(), TzebGridPreviewF::tr("Cancel"), 0, 1, parent), pageText_(pageText) {
    dialog_.setObjectName(QStringLiteral("progress"));
    dialog_.setWindowTitle(title);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(kProgressDelayMs);
    dialog_.setValue(0);
  }

  tarno::grid::PageProgress Sink() {
    return [this](int done, int total) {
      dialog_.setMaximum(total);
      dialog_.setLabelText(pageText_.arg(done).arg(total));
      dialog_.setValue(done);
      // Before the window shows, setValue lets no events run: paints and
      // timers run here, the user's input waits until Cancel can be seen.
      if (!dialog_.isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      return !dialog_.wasCanceled();
    };
  }

 private:
  QProgressDialog dialog_;
  QString pageText_;
};

QToolButton* SpeedButton(const QString& name, const QString& text, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(text);
  return button;
}

}  // namespace

TzebGridPreviewF::TzebGridPreviewF(tarno::grid::CellStore& cells, TPrintOptions& options, const QFont& font,
                                   QWidget* parent)
    : QDialog(parent), cells_(cells), options_(options), font_(font) {
  setWindowTitle(tr("Preview"));
  BuildControls();
  ShowMessage = [this](const QString& text) { QMessageBox::critical(this, windowTitle(), text, QMessageBox::Ok); };
  AskPdfPath = [this] {
    return QFileDialog::getSaveFileName(this, tr("Save as PDF"), QString(), tr("PDF Files (*.pdf)"));
  };
  AskLogoPath = [this] {
    return QFileDialog::getOpenFileName(this, QString(), QString(), tr("Bitmap Files (*.bmp)"));
  };
  Prepare();
  ConnectControls();
}

void TzebGridPreviewF::BuildControls() {
  scrollbox = new QScrollArea(this);
  PreviewImage = new QLabel(scrollbox);
  PreviewImage->setObjectName(QStringLiteral("PreviewImage"));
  PreviewImage->installEventFilter(this);
  scrollbox->setWidget(PreviewImage);
  scrollbox->setBackgroundRole(QPalette::Dark);

  btnprint = SpeedButton(QStringLiteral("btnprint"), tr("Print"), this);
  btnshow = SpeedButton(QStringLiteral("btnshow"), tr("Show"), this);
  btnsetup = SpeedButton(QStringLiteral("btnsetup"), tr("Setup"), this);
  btnfull = SpeedButton(QStringLiteral("btnfull"), tr("Full"), this);
  btnfull->setToolTip(tr("Full View"));
  btnpic = SpeedButton(QStringLiteral("btnpic"), tr("Logo..."), this);
  btnpdf = SpeedButton(QStringLiteral("btnpdf"), tr("PDF..."), this);
  btnpdf->setToolTip(tr("Save the pages as a PDF file"));
  previewpage = new QSpinBox(this);
  previewpage->setObjectName(QStringLiteral("previewpage"));
  lblpages = new QLabel(this);
  lblpages->setObjectName(QStringLiteral("lblpages"));
  Headers = new QComboBox(this);
  Headers->setObjectName(QStringLiteral("Headers"));
  Headers->addItems({tr("HeaderText"), tr("FooterText"), tr("DateFormat"), tr("TimeFormat"), tr("Logo")});
  Header = new QLineEdit(this);
  Header->setObjectName(QStringLiteral("Header"));
  Margins = new QComboBox(this);
  Margins->setObjectName(QStringLiteral("Margins"));
  Margins->addItems({tr("MarginTop"), tr("MarginHeader"), tr("MarginLeft"), tr("MarginRight"), tr("MarginBottom"),
                     tr("PaddingLeft"), tr("HeaderSize"), tr("FooterSize")});
  Margin = new QSpinBox(this);
  Margin->setObjectName(QStringLiteral("Margin"));
  Margin->setRange(0, kMaxOptionValue);
  ckborders = new QCheckBox(tr("Borders"), this);
  ckborders->setObjectName(QStringLiteral("ckborders"));
  cklive = new QCheckBox(tr("Live"), this);
  cklive->setObjectName(QStringLiteral("cklive"));

  // Two rows, so the dialog can be narrower than all its controls side by side.
  auto* commands = new QHBoxLayout;
  for (QWidget* widget : std::initializer_list<QWidget*>{btnprint, btnshow, btnsetup, btnfull, btnpic, btnpdf,
                                                        previewpage, lblpages, ckborders, cklive})
    commands->addWidget(widget);
  commands->addStretch();
  auto* settings = new QHBoxLayout;
  for (QWidget* widget : std::initializer_list<QWidget*>{Headers, Header, Margins, Margin}) settings->addWidget(widget);
  settings->setStretchFactor(Header, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(commands);
  layout->addLayout(settings);
  layout->addWidget(scrollbox, 1);
  QSize size(kPreferredWidth, kPreferredHeight);
  if (const QScreen* shown = screen())
    size = size.boundedTo(shown->availableGeometry().size() - QSize(kFrameAllowance, kFrameAllowance));
  resize(size);
}

void TzebGridPreviewF::ConnectControls() {
  connect(Headers, &QComboBox::currentIndexChanged, this, [this] {
    loading_ = true;
    Header->setText(QString::fromStdString(SelectedText()));
    loading_ = false;
  });
  connect(Header, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (loading_) return;
    SelectedText() = text.toStdString();
    Changed();
  });
  connect(Margins, &QComboBox::currentIndexChanged, this, [this] {
    loading_ = true;
    Margin->setValue(SelectedNumber());
    loading_ = false;
  });
  connect(Margin, &QSpinBox::valueChanged, this, [this](int value) {
    if (loading_) return;
    SelectedNumber() = value;
    Changed();
  });
  connect(ckborders, &QCheckBox::toggled, this, [this](bool on) {
    options_.BorderStyle = on ? 1 : 0;
    Changed();
  });
  connect(previewpage, &QSpinBox::valueChanged, this, [this](int value) {
    if (loading_) return;
    options_.PreviewPage = value;  // the spin box keeps it within 1 and the page count
    ShowPage();                    // another page is shown at once, live or not
  });
  connect(btnshow, &QToolButton::clicked, this, &TzebGridPreviewF::ShowPage);
  connect(btnprint, &QToolButton::clicked, this, &TzebGridPreviewF::Print);
  connect(btnpdf, &QToolButton::clicked, this, &TzebGridPreviewF::SavePdf);
  connect(btnfull, &QToolButton::clicked, this, &TzebGridPreviewF::FullView);
  connect(btnsetup, &QToolButton::clicked, this, &TzebGridPreviewF::Setup);
  connect(btnpic, &QToolButton::clicked, this, &TzebGridPreviewF::ChooseLogo);
}

void TzebGridPreviewF::Prepare() {
  loading_ = true;
  Header->setText(QString::fromStdString(options_.PageTitle));
  Headers->setCurrentIndex(0);
  Margins->setCurrentIndex(0);
  Margin->setValue(options_.MarginTop);
  previewpage->setValue(1);
  options_.PreviewPage = 1;
  ckborders->setChecked(options_.BorderStyle == 1);
  loading_ = false;
  CountPages();
  ShowPage();
}

// The page count follows the options; the page shown stays within it.
void TzebGridPreviewF::CountPages() {
  pageCount_ = tarno::grid::GridPrinter(cells_, options_, font_).CountPages();
  const bool wasLoading = loading_;
  loading_ = true;
  previewpage->setRange(1, std::max(1, pageCount_));
  loading_ = wasLoading;
  lblpages->setText(tr("of %1").arg(pageCount_));
  options_.PreviewPage = previewpage->value();
}

std::string& TzebGridPreviewF::SelectedText() {
  return options_.*kTextOptions[static_cast<size_t>(std::max(0, Headers->currentIndex()))];
}

int& TzebGridPreviewF::SelectedNumber() {
  return options_.*kNumberOptions[static_cast<size_t>(std::max(0, Margins->currentIndex()))];
}

void TzebGridPreviewF::Changed() {
  CountPages();
  if (cklive->isChecked()) ShowPage();
}

void TzebGridPreviewF::ShowPage() {
  page_ = tarno::grid::GridPrinter(cells_, options_, font_).RenderPreviewPage(options_.PreviewPage);
  ShowImage(page_);
}

void TzebGridPreviewF::ShowImage(const QImage& image) {
  PreviewImage->setPixmap(QPixmap::fromImage(image));
  PreviewImage->resize(image.size());
}

QSize TzebGridPreviewF::ShownSize() const { return PreviewImage->size(); }

// The whole page in the scroll box, as large as its client area allows.
void TzebGridPreviewF::FullView() {
  const QSize room = scrollbox->viewport()->size();
  if (page_.isNull() || room.isEmpty()) return;
  const QSize fitted = page_.size().scaled(room, Qt::KeepAspectRatio);
  ShowImage(tarno::grid::ResampledImage(page_, std::max(1, fitted.width()), std::max(1, fitted.height())));
}

void TzebGridPreviewF::Zoom() {
  if (page_.isNull()) return;
  const QSize shown = ShownSize();
  if (shown.width() > kFullSizeShare * page_.width()) {
    ShowImage(page_);
    return;
  }
  const int width = qRound(shown.width() * kZoomStep);
  ShowImage(tarno::grid::ResampledImage(page_, width, page_.height() * width / page_.width()));
}

bool TzebGridPreviewF::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PreviewImage && event->type() == QEvent::MouseButtonPress) {
    Zoom();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TzebGridPreviewF::Print() {
  JobProgress progress(this, tr("Print"), tr("Printing page %1 of %2"));
  const auto outcome = tarno::grid::PrintGrid(cells_, options_, font_, progress.Sink());
  if (outcome == tarno::grid::PrintOutcome::NoPrinter && ShowMessage)
    ShowMessage(tr("No Printer is installed"));
}

void TzebGridPreviewF::SavePdf() {
  const QString path = AskPdfPath ? AskPdfPath() : QString();
  if (path.isEmpty()) return;
  JobProgress progress(this, tr("Save as PDF"), tr("Writing page %1 of %2"));
  const auto outcome = tarno::grid::PrintGridToPdf(cells_, options_, font_, path, progress.Sink());
  if (outcome == tarno::grid::PrintOutcome::Failed && ShowMessage) ShowMessage(tr("Cannot write %1").arg(path));
}

void TzebGridPreviewF::Setup() {
  QPrinter printer;
  printer.setPageOrientation(options_.Orientation == tarno::grid::PageOrientation::Landscape ? QPageLayout::Landscape
                                                                                              : QPageLayout::Portrait);
  QPageSetupDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  options_.Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape
                             ? tarno::grid::PageOrientation::Landscape
                             : tarno::grid::PageOrientation::Portrait;
  Changed();
}

void TzebGridPreviewF::ChooseLogo() {
  const QString path = AskLogoPath ? AskLogoPath() : QString();
  if (path.isEmpty() || Headers->currentIndex() != kLogoEntry) return;
  Header->setText(path);  // stores it into Logo
}
