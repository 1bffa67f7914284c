// The window's controls: fixed places in a 914 x 793 client area. The grid
// panel takes up all growth; the log pane and the button panel keep their
// height and stay at the bottom. The window starts no larger than the screen
// allows; when it is smaller than its design the log pane and then the grid
// give up height, and the button panel scrolls, so every control stays in reach.
#include <QApplication>
#include <algorithm>
#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "TarnoChannelEditUnit001.h"
#include "TzebGrid.h"
#include "WrappedCheckBox.h"

namespace tarno::window {
namespace {

constexpr int kDesignWidth = 914;
constexpr int kDesignHeight = 793;
// Room left on the screen for the window frame, which is unknown before the
// window is shown.
constexpr int kFrameAllowanceWidth = 16;
constexpr int kFrameAllowanceHeight = 48;
// The least useful sizes of the areas; the window is never smaller than they need.
constexpr int kMinGridHeight = 120;
constexpr int kMinLogHeight = 60;
constexpr int kMinButtonsHeight = 60;
constexpr int kMinWindowWidth = 320;
// The design's places: margins, gaps between the areas, their heights.
constexpr int kMargin = 8;
constexpr int kAreaGap = 6;
constexpr int kLogHeight = 105;
constexpr int kButtonPanelWidth = 890;
constexpr int kButtonPanelHeight = 211;
constexpr int kButtonPanelInset = 8;  // the panel ends this much short of the log pane's right edge
constexpr int kPanelMargin = 3;       // kept free right of and below the panel's last control

QFont TahomaFont(int pointSize, bool bold) {
  QFont font;
  // Where Tahoma is missing, a narrow sans serif keeps the captions inside their buttons.
  font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
  font.setPointSize(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace

void TfrmTarnoChannelEdit::CreateControls() {
  setObjectName(QStringLiteral("frmTarnoChannelEdit"));
  setFont(TahomaFont(8, false));
  setAcceptDrops(true);  // an archive dropped on the window is opened
  setMinimumSize(kMinWindowWidth, 2 * kMargin + 2 * kAreaGap + kMinGridHeight + kMinLogHeight + kMinButtonsHeight);
  FitToScreen();

  pnlDatabase = new QWidget(this);
  pnlDatabase->setObjectName(QStringLiteral("pnlDatabase"));
  auto* gridLayout = new QVBoxLayout(pnlDatabase);
  gridLayout->setContentsMargins(0, 0, 0, 0);
  gridLayout->setSpacing(0);
  CreateListTabs();

  mmoInfo = new QPlainTextEdit(this);
  mmoInfo->setObjectName(QStringLiteral("mmoInfo"));
  mmoInfo->setReadOnly(true);
  mmoInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmoInfo->setLineWrapMode(QPlainTextEdit::NoWrap);

  scrButtons = new QScrollArea(this);
  scrButtons->setObjectName(QStringLiteral("scrButtons"));
  scrButtons->setFrameShape(QFrame::NoFrame);
  scrButtons->setWidgetResizable(true);
  pnlButtons = new QWidget;
  pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
  CreateButtonPanel();
  scrButtons->setWidget(pnlButtons);
  FitButtonPanel();
  SetTabOrder();
  KeepFocusedButtonsInView();
  PlaceAreas();
}

// The design size, or the screen's available area less the frame; centred on it.
void TfrmTarnoChannelEdit::FitToScreen() {
  const QSize design(kDesignWidth, kDesignHeight);
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) {
    resize(design);
    return;
  }
  const QRect available = screen->availableGeometry();
  const QSize frame(kFrameAllowanceWidth, kFrameAllowanceHeight);
  resize(design.boundedTo(available.size() - frame).expandedTo(minimumSize()));
  const QSize outer = size() + frame;
  move(available.left() + std::max(0, (available.width() - outer.width()) / 2),
       available.top() + std::max(0, (available.height() - outer.height()) / 2));
}

// The panel is at least as large as its controls reach, so the scroll area
// scrolls to every one of them; controls added later enlarge it by calling this.
void TfrmTarnoChannelEdit::FitButtonPanel() {
  QRect reach(0, 0, kButtonPanelWidth, kButtonPanelHeight);
  int widest = 0;
  for (const QWidget* control : pnlButtons->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    reach |= control->geometry().adjusted(0, 0, kPanelMargin, kPanelMargin);
    widest = std::max(widest, control->width());
  }
  pnlButtons->setMinimumSize(reach.size());
  // The window stays wide enough to show the widest control whole.
  const int scrollBar = scrButtons->verticalScrollBar()->sizeHint().width();
  setMinimumWidth(std::max(minimumWidth(), widest + 2 * kMargin + kButtonPanelInset + scrollBar + kPanelMargin));
}

// Tabbing to a control scrolled out of sight brings it into view.
void TfrmTarnoChannelEdit::KeepFocusedButtonsInView() {
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && pnlButtons->isAncestorOf(now)) scrButtons->ensureWidgetVisible(now, 0, 0);
  });
}

void TfrmTarnoChannelEdit::FocusGrid() {
  if (Grid()) Grid()->setFocus(Qt::OtherFocusReason);
}

void TfrmTarnoChannelEdit::CreateButtonPanel() {
  btnExtract = AddButton("btnExtract", tr("Select and extract"), {7, 5, 101, 25},
                         tr("An archived television file can be selected and is extracted."), true);
  chkSaveArchive = AddCheckBox("chkSaveArchive", tr("Update archive file at exit"), {7, 30, 97, 29},
                               true, QString());
  btnWriteArchive = AddButton("btnWriteArchive", tr("Write archive now"), {7, 62, 101, 25},
                              tr("The active archive is updated with the saved files now, as at exit, so the "
                                 "stick can be taken out without quitting."),
                              true);
  btnRestoreOriginal = AddButton("btnRestoreOriginal", tr("Restore original"), {7, 87, 101, 25},
                                 tr("The active archive is put back as it was before this program first wrote "
                                    "it, from the copy kept beside it."),
                                 true);
  btnExit = AddButton("btnExit", tr("Exit"), {7, 183, 101, 25},
                      tr("Exit the application. If an archive was selected then it is optionally also "
                         "updated with changed data."),
                      false);
  btnExit->setFont(TahomaFont(14, true));
  txtExtractedFile = AddLabel("txtExtractedFile", tr("No active archive"), {114, 10, 87, 17},
                              tr("This indicates which archive file is active. An active archive file "
                                 "will be optionally updated with the changes when the application exits."),
                              false);
  txtLoadedFile = AddLabel("txtLoadedFile", tr("No file loaded"), {114, 37, 69, 17},
                           tr("This indicates which file is loaded and disp;layed in the grid."), false);
  btnLoad = AddButton("btnLoad", tr("Load"), {114, 56, 101, 25},
                      tr("A file is loaded and displayed."), true);
  btnSave = AddButton("btnSave", tr("Save"), {114, 81, 101, 25},
                      tr("The displayed grid is saved."), true);
  btnSaveAs = AddButton("btnSaveAs", tr("Save as ..."), {114, 106, 101, 25},
                        tr("The displayed grid is saved, allowing the user to set the filename."), true);
  chkOriginalRecord =
      AddCheckBox("chkOriginalRecord", tr("Keep original record order when saving"), {114, 135, 95, 42},
                  false,
                  tr("When checked, data records are kept in the original order. When unchecked, records "
                     "are saved in the order they are displayed."));
  chkUpdateCrc = AddCheckBox("chkUpdateCrc", tr("Generate new CRC's when saving"), {217, 135, 95, 42},
                             true,
                             tr("When checked, CRC fields are recalculated before saving (otherwise they "
                                "are untouched)"));
  btnExport = AddButton("btnExport", tr("Export as ASCII"), {221, 56, 101, 25},
                        tr("Export in ASCII (debug purposes). You can export the data, modify it with an "
                           "editor, and then import it back."),
                        true);
  btnImport = AddButton("btnImport", tr("Import from ASCII"), {221, 81, 101, 25},
                        tr("Import from exported ASCII (debug purposes). Loads an exported file."), true);
  txtF1 = AddLabel("txtF1", tr("F1:"), {364, 112, 20, 17}, QString(), true);
  txtF4 = AddLabel("txtF4", tr("F4:"), {364, 135, 20, 17}, QString(), true);
  btnClear = AddButton("btnClear", tr("Clear information"), {770, 7, 101, 25},
                       tr("Clear memo field"), true);
  btnReloadScript = AddButton("btnReloadScript", tr("Reload script"), {770, 38, 101, 25},
                              tr("(Re)load script, for example after making changes to it"), true);
  btnReadWrite = AddButton("btnReadWrite", tr("Read/Write test"), {770, 131, 101, 25}, QString(), true);
  btnPtcCable = AddButton("btnPtcCable", tr("Generate PtcCable"), {770, 156, 101, 25},
                          tr("Generate a PtcCable file with all possible frequencies."), true);
  btnReadWrite->hide();
  btnPtcCable->hide();
  txtFind = AddLabel("txtFind",
                     tr("Use CTRL-F to search for text from next cell downwards (F3 to find next "
                        "occurence)."),
                     {114, 187, 412, 17}, QString(), false);
  txtUndo = AddLabel("txtUndo", tr("CTRL-Z to undo, CTRL-Y to redo."), {560, 187, 200, 17},
                     tr("Undo and redo every change of the grid since the file was loaded (CTRL-SHIFT-Z "
                        "redoes too)."),
                     false);
  txtUndo->setToolTip(txtUndo->property("hint").toString());
  CreateCommandButtons();
}

void TfrmTarnoChannelEdit::CreateCommandButtons() {
  for (const editing::GridCommandSpec& command : editing::GridCommands()) {
    if (!command.button.Exists()) continue;
    const editing::ButtonPlace& place = command.button;
    QPushButton* button = AddButton(std::string(command.buttonName).c_str(), CommandText(command.caption),
                                    {place.x, place.y, place.width, place.height}, CommandText(command.hint),
                                    command.hintShown);
    commandButtons_.emplace_back(&command, button);
  }
}

QString TfrmTarnoChannelEdit::CommandText(std::string_view text) {
  return QCoreApplication::translate(editing::kTranslationContext, std::string(text).c_str());
}

QPushButton* TfrmTarnoChannelEdit::CommandButton(std::string_view step) const {
  for (const auto& [command, button] : commandButtons_)
    if (command->step == step) return button;
  return nullptr;
}

QPushButton* TfrmTarnoChannelEdit::AddButton(const char* name, const QString& caption, QRect geometry,
                                             const QString& hint, bool hintShown) {
  auto* button = new QPushButton(caption, pnlButtons);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  button->setProperty("hint", hint);
  if (hintShown) button->setToolTip(hint);
  return button;
}

QLabel* TfrmTarnoChannelEdit::AddLabel(const char* name, const QString& caption, QRect geometry,
                                       const QString& hint, bool bold) {
  auto* label = new QLabel(caption, pnlButtons);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setProperty("hint", hint);  // kept, never shown
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  label->setMinimumSize(geometry.size());
  label->adjustSize();
  return label;
}

WrappedCheckBox* TfrmTarnoChannelEdit::AddCheckBox(const char* name, const QString& caption, QRect geometry,
                                                   bool checked, const QString& hint) {
  auto* box = new WrappedCheckBox(caption, checked, pnlButtons);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(geometry);
  box->setProperty("hint", hint);
  box->setToolTip(hint);
  return box;
}

// The window's own controls, with the grid commands' buttons after the check
// boxes, column by column.
void TfrmTarnoChannelEdit::SetTabOrder() {
  QList<QWidget*> commands;
  for (const auto& [command, button] : commandButtons_) commands.push_back(button);
  std::sort(commands.begin(), commands.end(), [](const QWidget* a, const QWidget* b) {
    return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y());
  });
  const QList<QWidget*> order = QList<QWidget*>{btnExtract, chkSaveArchive->Box(), btnWriteArchive,
                                                btnRestoreOriginal, btnExit, btnLoad, btnSave,
                                                btnSaveAs, btnExport, btnImport, chkOriginalRecord->Box(),
                                                chkUpdateCrc->Box()} +
                                commands + QList<QWidget*>{btnClear, btnReloadScript, btnReadWrite, btnPtcCable};
  for (qsizetype i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void TfrmTarnoChannelEdit::ConnectCommands() {
  const auto bind = [this](QPushButton* button, void (TfrmTarnoChannelEdit::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
  };
  const auto bindEdit = [this](QPushButton* button, void (TfrmTarnoChannelEdit::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { RunEditCommand([this, handler] { (this->*handler)(); }); });
  };
  bind(btnExtract, &TfrmTarnoChannelEdit::btnExtractClick);
  bind(btnExit, &TfrmTarnoChannelEdit::btnExitClick);
  bind(btnWriteArchive, &TfrmTarnoChannelEdit::btnWriteArchiveClick);
  bind(btnRestoreOriginal, &TfrmTarnoChannelEdit::btnRestoreOriginalClick);
  bind(btnLoad, &TfrmTarnoChannelEdit::btnLoadClick);
  // "Save" and "Save as ..." share one command that tells them apart by the sender.
  const auto save = [this] {
    const bool saveAs = sender() == btnSaveAs;
    RunCommand([this, saveAs] { btnSaveClick(saveAs); });
  };
  connect(btnSave, &QPushButton::clicked, this, save);
  connect(btnSaveAs, &QPushButton::clicked, this, save);
  bind(btnExport, &TfrmTarnoChannelEdit::btnExportClick);
  bindEdit(btnImport, &TfrmTarnoChannelEdit::btnImportClick);
  bind(btnClear, &TfrmTarnoChannelEdit::btnClearClick);
  bind(btnReloadScript, &TfrmTarnoChannelEdit::btnReloadScriptClick);
  bind(btnReadWrite, &TfrmTarnoChannelEdit::btnReadWriteClick);
  bind(btnPtcCable, &TfrmTarnoChannelEdit::btnPtcCableClick);
  for (const auto& [command, button] : commandButtons_)
    connect(button, &QPushButton::clicked, this, [this, command = command] { RunGridCommand(*command); });
  for (QPushButton* button : {btnSave, btnSaveAs}) connect(button, &QPushButton::clicked, this, &TfrmTarnoChannelEdit::FocusGrid);
}

// Anchors: the grid panel to all four sides, the log pane and the button
// panel to the left, right and bottom. Short of the design height the log pane
// gives up height first, then the grid, then the button panel, which scrolls.
void TfrmTarnoChannelEdit::PlaceAreas() {
  const int areaWidth = std::max(0, width() - 2 * kMargin);
  const int buttonsWidth = std::max(0, areaWidth - kButtonPanelInset);
  const bool scrollsSideways = buttonsWidth < pnlButtons->minimumWidth();
  const int wanted = pnlButtons->minimumHeight() +
                     (scrollsSideways ? scrButtons->horizontalScrollBar()->sizeHint().height() : 0);
  const int room = height() - 2 * kMargin - 2 * kAreaGap;
  int buttons = wanted;
  int log = kLogHeight;
  const auto shortOfGrid = [&] { return kMinGridHeight - (room - buttons - log); };
  if (shortOfGrid() > 0) log = std::max(kMinLogHeight, log - shortOfGrid());
  if (shortOfGrid() > 0) buttons = std::max(kMinButtonsHeight, buttons - shortOfGrid());
  const int grid = std::max(0, room - buttons - log);
  pnlDatabase->setGeometry(kMargin, kMargin, areaWidth, grid);
  mmoInfo->setGeometry(kMargin, kMargin + grid + kAreaGap, areaWidth, log);
  scrButtons->setGeometry(kMargin, kMargin + grid + kAreaGap + log + kAreaGap, buttonsWidth, buttons);
}

void TfrmTarnoChannelEdit::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (pnlDatabase) PlaceAreas();
}

}  // namespace tarno::window
