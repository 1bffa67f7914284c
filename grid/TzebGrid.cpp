#include "TzebGrid.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "CellEditor.h"
#include "CellJournal.h"
#include "GridActions.h"
#include "GridPainter.h"
#include "Utf8Text.h"

using tarno::grid::CellPos;
using tarno::grid::CellStore;
using tarno::grid::GridCommand;
using tarno::grid::GridMove;
using tarno::grid::ToQString;

namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool IsTyping(const QKeyEvent& event) {
  return !event.text().isEmpty() && event.text().at(0).isPrint() &&
         !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

}  // namespace

TzebGrid::TzebGrid(QWidget* parent, CellStore* cells)
    : QAbstractScrollArea(parent),
      ownCells_(cells ? nullptr : std::make_unique<CellStore>()),
      cells_(cells ? *cells : *ownCells_) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  editor_ = new tarno::grid::CellEditor(viewport());
  editor_->installEventFilter(this);
  UseMarkColours();
  connect(editor_, &QLineEdit::textEdited, this, &TzebGrid::CommitEditorText);
  setFocusProxy(editor_);
  setFont(QFont(QStringLiteral("Arial"), 8));  // measures and re-lays out through changeEvent
  if (!measure_) UseFontForMeasuring();

  keyMappings_ = tarno::grid::DefaultKeyMappings();
  InstallDefaultCommands();
  sort_.OnMessage = [this](tarno::grid::SortMessageKind kind, const std::string& message) {
    ShowSortMessage(kind, message);
  };
  cells_.SetColWidth(0, kFixedColumnWidth);
  cells_.SetChangeListener([this](CellStore::Change change) { OnStoreChanged(change); });
  shownCurrent_ = extent_ = CellPos{cells_.Col(), cells_.Row()};
  LoadEditor();
}

TzebGrid::~TzebGrid() {
  cells_.SetChangeListener(nullptr);
  cells_.SetMeasure(nullptr);
}

void TzebGrid::InstallDefaultCommands() {
  SetCommandHandler(GridCommand::RowInsert, [this] { tarno::grid::InsertRowAtCurrent(cells_); });
  SetCommandHandler(GridCommand::RowDelete, [this] { tarno::grid::DeleteCurrentRow(cells_); });
  SetCommandHandler(GridCommand::ColumnInsert, [this] { tarno::grid::InsertColumnAtCurrent(cells_); });
  SetCommandHandler(GridCommand::ColumnDelete, [this] { tarno::grid::DeleteCurrentColumn(cells_); });
  SetCommandHandler(GridCommand::SetHeader, [this] { tarno::grid::SetHeaderFromCurrentRow(cells_); });
}

void TzebGrid::ShowSortMessage(tarno::grid::SortMessageKind kind, const std::string& message) {
  const QString text = QString::fromStdString(message);
  if (kind == tarno::grid::SortMessageKind::Error) QMessageBox::critical(this, QString(), text);
  else QMessageBox::warning(this, QString(), text);
}

void TzebGrid::SetCommandHandler(GridCommand command, CommandHandler handler) {
  commandHandlers_[static_cast<size_t>(command)] = std::move(handler);
}

bool TzebGrid::HasCommandHandler(GridCommand command) const {
  return static_cast<bool>(commandHandlers_[static_cast<size_t>(command)]);
}

void TzebGrid::UseFontForMeasuring() {
  // The store keeps a pointer: hand it the new measure before the old one goes.
  auto measure = std::make_unique<tarno::grid::QtTextMeasure>(font());
  cells_.SetMeasure(measure.get());
  measure_ = std::move(measure);
}

// ---- Following the store ----

void TzebGrid::OnStoreChanged(CellStore::Change change) {
  if (change == CellStore::Change::Layout) ScheduleLayout();
  SyncCurrentCell();
  editor_->setReadOnly(!CurrentCellShown());
  viewport()->update();
}

void TzebGrid::SyncCurrentCell() {
  const CellPos current{cells_.Col(), cells_.Row()};
  if (!(current == shownCurrent_)) {
    shownCurrent_ = extent_ = current;
    editorMode_ = false;
    LoadEditor();
    ScrollIntoView(current);
    return;
  }
  if (cells_.Text(current.col, current.row) != editorText_) LoadEditor();
}

// Filling the store sends a notification per row; the tables are rebuilt once,
// when the events are next processed or when something needs them earlier.
void TzebGrid::ScheduleLayout() {
  layoutDirty_ = true;
  if (layoutQueued_) return;
  layoutQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        layoutQueued_ = false;
        EnsureLayout();
      },
      Qt::QueuedConnection);
}

// The rows and columns at the top left stay there while others appear or vanish.
void TzebGrid::EnsureLayout() {
  if (!layoutDirty_) return;
  layoutDirty_ = false;
  const int top = TopRow();
  const int left = LeftCol();
  geometry_.Rebuild(cells_, tarno::grid::GridPainter::MinHeaderHeight(font()));
  UpdateScrollBars();
  SetTopRow(top);
  SetLeftCol(left);
  PlaceEditor();
  viewport()->update();
}

int TzebGrid::DataWidth() const { return viewport()->width() - geometry_.FixedWidth(); }
int TzebGrid::DataHeight() const { return viewport()->height() - geometry_.HeaderHeight(); }

// The scroll bars count visible rows and columns: every step of a bar or the
// wheel moves the view by what the user sees, hidden rows or not.
void TzebGrid::UpdateScrollBars() {
  const int rowsShown = geometry_.RowOrdinal(geometry_.RowsEndFitting(TopRow(), DataHeight())) - verticalScrollBar()->value();
  verticalScrollBar()->setRange(1, std::max(1, geometry_.RowOrdinal(geometry_.LastTopRow(DataHeight()))));
  verticalScrollBar()->setPageStep(std::max(1, rowsShown));
  const int colsShown = geometry_.ColOrdinal(geometry_.ColsEndFitting(LeftCol(), DataWidth())) - horizontalScrollBar()->value();
  horizontalScrollBar()->setRange(1, std::max(1, geometry_.ColOrdinal(geometry_.LastLeftCol(DataWidth()))));
  horizontalScrollBar()->setPageStep(std::max(1, colsShown));
}

int TzebGrid::TopRow() const { return geometry_.RowAtOrdinal(verticalScrollBar()->value()); }
int TzebGrid::LeftCol() const { return geometry_.ColAtOrdinal(horizontalScrollBar()->value()); }
void TzebGrid::SetTopRow(int row) { verticalScrollBar()->setValue(geometry_.RowOrdinal(row)); }
void TzebGrid::SetLeftCol(int col) { horizontalScrollBar()->setValue(geometry_.ColOrdinal(col)); }

// Visible rows shown completely from the top row down: what PageUp and PageDown pass.
int TzebGrid::PageRows() {
  const int end = geometry_.RowsEndFitting(TopRow(), DataHeight());
  int count = 0;
  for (int r = TopRow(); r < end; ++r) count += cells_.RowVisible(r) ? 1 : 0;
  return std::max(1, count);
}

void TzebGrid::ScrollIntoView(CellPos cell) {
  EnsureLayout();
  if (cell.row < TopRow()) SetTopRow(cell.row);
  else SetTopRow(std::max(TopRow(), std::min(cell.row, geometry_.TopRowShowing(cell.row, DataHeight()))));
  if (cell.col < LeftCol()) SetLeftCol(cell.col);
  else SetLeftCol(std::max(LeftCol(), std::min(cell.col, geometry_.LeftColShowing(cell.col, DataWidth()))));
  PlaceEditor();
}

void TzebGrid::scrollContentsBy(int, int) {
  PlaceEditor();
  viewport()->update();
}

void TzebGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  layoutDirty_ = true;
  EnsureLayout();
}

QRect TzebGrid::CellRect(int col, int row) {
  EnsureLayout();
  return tarno::grid::GridPainter::CellRect(cells_, geometry_, ViewState(), col, row);
}

tarno::grid::GridViewState TzebGrid::ViewState() const {
  tarno::grid::GridViewState view;
  view.topRow = TopRow();
  view.leftCol = LeftCol();
  view.size = viewport()->size();
  view.current = shownCurrent_;
  view.selection = Selection();
  view.dragRow = dragRow_;
  view.dropRow = dropRow_;
  return view;
}

CellPos TzebGrid::CellAt(QPoint position) {
  EnsureLayout();
  const int x = position.x() - geometry_.FixedWidth();
  const int y = position.y() - geometry_.HeaderHeight();
  const int col = x < 0 ? (position.x() >= 0 ? 0 : -1) : geometry_.ColAt(x + geometry_.ColLeft(LeftCol()));
  const int row = y < 0 ? (position.y() >= 0 ? 0 : -1) : geometry_.RowAt(y + geometry_.RowTop(TopRow()));
  return {col, row};
}

// Also when the cell already was current but the user had scrolled away from it.
void TzebGrid::SetRow(int row) {
  cells_.SetRow(row);
  ScrollIntoView(shownCurrent_);
}

void TzebGrid::SetCol(int col) {
  cells_.SetCol(col);
  ScrollIntoView(shownCurrent_);
}

QRect TzebGrid::Selection() const {
  return QRect(QPoint(std::min(shownCurrent_.col, extent_.col), std::min(shownCurrent_.row, extent_.row)),
               QPoint(std::max(shownCurrent_.col, extent_.col), std::max(shownCurrent_.row, extent_.row)));
}

// ---- Drawing ----

void TzebGrid::paintEvent(QPaintEvent*) {
  EnsureLayout();
  tarno::grid::GridLook look;
  look.font = font();
  look.labelFont = tarno::grid::GridPainter::LabelFont(font());
  look.palette = palette();
  look.currentFill = tarno::grid::GridPainter::CurrentCellFill(palette());
  look.currentFrame = tarno::grid::GridPainter::CurrentCellFrame(palette());
  look.bandsShow = bandsShow_;
  look.bandsColor = bandsColor_;
  look.bandsInterval = bandsInterval_;
  look.a1Style = a1Style_;
  look.wordWrap = wordWrap_;
  look.highlightUrl = highlightUrl_;
  look.numbersRight = numbersalRight_;
  look.numberFormat = numberFormat_;
  look.shownText = shownText_;
  QPainter painter(viewport());
  tarno::grid::GridPainter(painter, cells_, geometry_, look, ViewState()).Paint();
}

void TzebGrid::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) UseMarkColours();
  if (event->type() != QEvent::FontChange) return;
  editor_->setFont(font());
  UseFontForMeasuring();
  ScheduleLayout();
}

void TzebGrid::UseMarkColours() {
  editor_->SetMarkColours(tarno::grid::GridPainter::CurrentCellFill(palette()),
                          tarno::grid::GridPainter::CurrentCellFrame(palette()));
}

bool TzebGrid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const CellPos cell = CellAt(help->pos());
    const QString hint = cellHintProvider_ && cell.col >= 0 && cell.row >= 0 ? cellHintProvider_(cell.col, cell.row)
                                                                             : QString();
    if (hint.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), hint, viewport());
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

// ---- The cell editor ----

QWidget* TzebGrid::CellEditor() const { return editor_; }

void TzebGrid::LoadEditor() {
  const std::string_view text = cells_.Text(shownCurrent_.col, shownCurrent_.row);
  editorText_.assign(text);
  textBeforeEdit_.assign(text);
  editedBeforeEdit_ = cells_.Edited(shownCurrent_.col, shownCurrent_.row);
  typingKey_ = tarno::grid::NewMergeKey();
  editor_->setText(ToQString(text));
  SelectWholeEditorText();
  PlaceEditor();
}

// Escape: the cell gets back the text it had before the edit began.
bool TzebGrid::CancelEdit() {
  const bool edited = cells_.Text(shownCurrent_.col, shownCurrent_.row) != textBeforeEdit_;
  if (!edited && !editorMode_) return false;
  editorMode_ = false;
  // Undone, the typing leaves no step behind; a step the cell is already in
  // (saved since) is followed by one that gives the text back.
  if (edited && cells_.RevertStep(typingKey_)) {
    LoadEditor();
    return true;
  }
  if (edited) {
    const CellStore::Step step(cells_);
    const bool wasEdited = editedBeforeEdit_;
    cells_.SetText(shownCurrent_.col, shownCurrent_.row, textBeforeEdit_);  // reloads the editor
    cells_.SetEdited(shownCurrent_.col, shownCurrent_.row, wasEdited);  // a record's own text stays unedited
  }
  LoadEditor();
  return true;
}

// Typing reaches only a cell the user can see: on a row a filter hid (or a
// hidden column) the editor takes no text.
bool TzebGrid::CurrentCellShown() const {
  return cells_.RowVisible(shownCurrent_.row) && cells_.ColVisible(shownCurrent_.col);
}

// Typing replaces a selected text; the caret at its start keeps a long text's
// beginning in view.
void TzebGrid::SelectWholeEditorText() {
  const int length = static_cast<int>(editor_->text().size());
  editor_->setSelection(length, -length);
}

// The editor sits on the current cell; when that cell is out of sight it waits
// outside the viewport, keeping the focus.
void TzebGrid::PlaceEditor() {
  if (layoutDirty_) return;  // placed again once the layout is rebuilt
  const CellPos cell = shownCurrent_;
  const bool inView = cells_.RowVisible(cell.row) && cells_.ColVisible(cell.col) && cell.row >= TopRow() &&
                      cell.col >= LeftCol();
  const QRect rect = tarno::grid::GridPainter::CellRect(cells_, geometry_, ViewState(), cell.col, cell.row);
  editor_->setGeometry(inView ? rect : QRect(-rect.width() - 10, -rect.height() - 10, rect.width(), rect.height()));
}

void TzebGrid::CommitEditorText(const QString& text) {
  if (typedTextCheck_ && !typedTextCheck_(shownCurrent_.col, shownCurrent_.row, text.toStdString())) {
    KeepEditorText(text);
    return;
  }
  editorText_ = text.toStdString();
  editorMode_ = true;
  const CellStore::Step step(cells_, typingKey_);
  cells_.SetText(shownCurrent_.col, shownCurrent_.row, editorText_);
  ScrollIntoView(shownCurrent_);  // typing into a cell scrolled out of sight brings it back
}

// The editor shows its text from before the refused keystroke, the caret where
// that keystroke found it.
void TzebGrid::KeepEditorText(const QString& refused) {
  const QString kept = ToQString(editorText_);
  const auto added = std::max<qsizetype>(0, refused.size() - kept.size());
  const auto caret = std::clamp<qsizetype>(editor_->cursorPosition() - added, 0, kept.size());
  editor_->setText(kept);
  editor_->setCursorPosition(static_cast<int>(caret));
}

void TzebGrid::SetEditorMode(bool on) {
  editorMode_ = on;
  if (!on) {
    SelectWholeEditorText();
    return;
  }
  editor_->setFocus();
  editor_->deselect();
  editor_->end(false);
}

// Which caret keys the editor hands to the grid: Left at the start of its text,
// Right at its end, Ctrl+Home and Ctrl+End always, and all of them while the
// whole text is selected; otherwise they move the caret.
bool TzebGrid::EditorPassesKey(const QKeyEvent& event) const {
  const int length = static_cast<int>(editor_->text().size());
  const bool allSelected = editor_->selectedText().size() == length;
  const bool atStart = editor_->cursorPosition() == 0 && !editor_->hasSelectedText();
  const bool atEnd = editor_->cursorPosition() == length && !editor_->hasSelectedText();
  switch (event.key()) {
    case Qt::Key_Left:
      return allSelected || atStart;
    case Qt::Key_Right:
      return allSelected || atEnd;
    case Qt::Key_Home:
    case Qt::Key_End:
      return allSelected || (event.modifiers() & Qt::ControlModifier);
    default:
      return true;
  }
}

bool TzebGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_) {
    if (event->type() == QEvent::KeyPress && HandleKey(*static_cast<QKeyEvent*>(event), true)) return true;
    if (event->type() == QEvent::KeyRelease) ApplyKeyUpRule(static_cast<QKeyEvent*>(event)->key());
    // The line edit drops its selection when the focus leaves; coming back
    // (after a button, a dialog), typing replaces the cell's text again.
    if (event->type() == QEvent::FocusIn && !editorMode_) SelectWholeEditorText();
  }
  return QAbstractScrollArea::eventFilter(watched, event);
}

// ---- Keys ----

bool TzebGrid::focusNextPrevChild(bool) { return false; }  // Tab moves between cells instead

void TzebGrid::keyPressEvent(QKeyEvent* event) {
  if (HandleKey(*event, false)) {
    event->accept();
    return;
  }
  if (!forwardingKey_ && IsTyping(*event)) {
    // Typing on the grid goes into the current cell. An unused key comes back
    // here from the editor, its parent's parent, and must not go round again.
    editor_->setFocus();
    forwardingKey_ = true;
    QCoreApplication::sendEvent(editor_, event);
    forwardingKey_ = false;
    return;
  }
  event->ignore();
}

void TzebGrid::keyReleaseEvent(QKeyEvent* event) {
  ApplyKeyUpRule(event->key());
  event->ignore();
}

bool TzebGrid::HandleKey(QKeyEvent& event, bool fromEditor) {
  if (keyMappingsEnabled_ && RunKeyMapping(event)) return true;
  if (event.key() == Qt::Key_Escape && event.modifiers() == Qt::NoModifier && CancelEdit()) return true;
  if (IsEnter(event.key())) {
    Recalculate();
    Advance();
    return true;
  }
  return Navigate(event, fromEditor);
}

bool TzebGrid::RunKeyMapping(const QKeyEvent& event) {
  const tarno::grid::KeyMapping* mapping = FindKeyMapping(keyMappings_, event.key(), event.modifiers());
  if (!mapping) return false;
  const CommandHandler& handler = commandHandlers_[static_cast<size_t>(mapping->command)];
  if (!handler) return false;
  {
    const CellStore::Step step(cells_);
    handler();
  }
  SyncCurrentCell();
  return true;
}

bool TzebGrid::Navigate(const QKeyEvent& event, bool fromEditor) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & Qt::AltModifier) return false;
  const bool ctrl = modifiers & Qt::ControlModifier;
  const bool shift = modifiers & Qt::ShiftModifier;
  const bool tab = event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
  if (tab && ctrl) return false;  // Ctrl+Tab leaves the grid
  GridMove move;
  switch (event.key()) {
    case Qt::Key_Up: move = GridMove::Up; break;
    case Qt::Key_Down: move = GridMove::Down; break;
    case Qt::Key_Left: move = GridMove::Left; break;
    case Qt::Key_Right: move = GridMove::Right; break;
    case Qt::Key_PageUp: move = GridMove::PageUp; break;
    case Qt::Key_PageDown: move = GridMove::PageDown; break;
    case Qt::Key_Home: move = ctrl ? GridMove::FirstCell : GridMove::Home; break;
    case Qt::Key_End: move = ctrl ? GridMove::LastCell : GridMove::End; break;
    case Qt::Key_Tab: move = shift ? GridMove::PreviousCell : GridMove::NextCell; break;
    case Qt::Key_Backtab: move = GridMove::PreviousCell; break;
    default: return false;
  }
  if (fromEditor && !EditorPassesKey(event)) return false;
  const bool extend = shift && !tab;
  EnsureLayout();
  const CellPos from = extend ? extent_ : shownCurrent_;
  MoveCurrent(tarno::grid::Navigate(cells_, from, move, PageRows()), extend);
  return true;
}

// A row (column) that became hidden under the current cell is left for the
// nearest visible one, looking first in the direction of the key.
void TzebGrid::ApplyKeyUpRule(int key) {
  if ((key == Qt::Key_Down || key == Qt::Key_Up) && !cells_.RowVisible(cells_.Row()))
    cells_.SetRow(tarno::grid::NearestVisibleRow(cells_, cells_.Row(), key == Qt::Key_Down ? +1 : -1));
  if ((key == Qt::Key_Right || key == Qt::Key_Left) && cells_.ColWidth(cells_.Col()) == 0)
    cells_.SetCol(tarno::grid::NearestVisibleCol(cells_, cells_.Col(), key == Qt::Key_Right ? +1 : -1));
}

// The target is scrolled into view also when it already was current (Home,
// Ctrl+End ... after the user scrolled away).
void TzebGrid::MoveCurrent(CellPos to, bool extendSelection) {
  if (extendSelection) {
    extent_ = to;
    ScrollIntoView(to);
    viewport()->update();
    return;
  }
  {
    CellStore::Batch batch(cells_);
    cells_.SetCol(to.col);
    cells_.SetRow(to.row);
  }
  SyncCurrentCell();
  ScrollIntoView(shownCurrent_);
  extent_ = shownCurrent_;
  viewport()->update();
}

void TzebGrid::Recalculate() {
  if (autoCalculate_ && formulaEvaluator_) formulaEvaluator_();
  CellStore::Batch batch(cells_);
  for (int r = 1; r < cells_.RowCount(); ++r)
    if (cells_.RowVisible(r)) cells_.FitRowHeight(r);
}

void TzebGrid::Advance() {
  if (advanceDirection_ == AdvanceDirectionType::None) return;
  const GridMove move = advanceDirection_ == AdvanceDirectionType::Right ? GridMove::Right : GridMove::Down;
  MoveCurrent(tarno::grid::Navigate(cells_, shownCurrent_, move, 1), false);
}

// ---- Mouse: selecting cells and dragging rows by their fixed cell ----

void TzebGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  const CellPos cell = CellAt(event->position().toPoint());
  if (cell.row < 1 || cell.col < 0) return;
  if (cell.col == 0) {
    dragRow_ = dropRow_ = cell.row;
  } else if (event->modifiers() & Qt::ShiftModifier) {
    extent_ = cell;
    selecting_ = true;
  } else {
    MoveCurrent(cell, false);
    selecting_ = true;
  }
  editor_->setFocus();
  viewport()->update();
}

void TzebGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  if (dragRow_ > 0) {
    dropRow_ = DragTargetRow(position.y());
    viewport()->update();
    return;
  }
  if (!selecting_) return;
  const CellPos cell = ClampedToData(CellAt(position), position);
  if (!(cell == extent_)) MoveCurrent(cell, true);
}

// Past the fixed parts the first shown data cell, past the last cells the last ones.
CellPos TzebGrid::ClampedToData(CellPos cell, QPoint position) const {
  if (position.x() < geometry_.FixedWidth()) cell.col = LeftCol();
  else if (cell.col < 1) cell.col = ColCount() - 1;
  if (position.y() < geometry_.HeaderHeight()) cell.row = TopRow();
  else if (cell.row < 1) cell.row = RowCount() - 1;
  return cell;
}

void TzebGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  selecting_ = false;
  if (dragRow_ > 0) FinishRowDrag();
}

// The data row under y, clamped to the data rows; dragging above or below the
// viewport scrolls by a row.
int TzebGrid::DragTargetRow(int y) {
  EnsureLayout();
  QScrollBar* bar = verticalScrollBar();
  if (y < geometry_.HeaderHeight()) {
    bar->setValue(bar->value() - 1);
    return TopRow();
  }
  const int row = geometry_.RowAt(y - geometry_.HeaderHeight() + geometry_.RowTop(TopRow()));
  if (y >= viewport()->height()) bar->setValue(bar->value() + 1);
  return row < 0 ? RowCount() - 1 : row;
}

// A row of a selected block of rows takes the block with it.
void TzebGrid::FinishRowDrag() {
  const int from = dragRow_;
  const int to = dropRow_;
  dragRow_ = dropRow_ = -1;
  const QRect selection = Selection();
  const CellStore::Step step(cells_);
  if (to >= 1 && to != from && selection.height() > 1 && selection.top() <= from && from <= selection.bottom()) {
    const int first = tarno::grid::MoveRowBlock(cells_, selection.top(), selection.bottom(),
                                                selection.top() + (to - from));
    const int last = first + selection.height() - 1;
    const bool currentOnTop = cells_.Row() == selection.top() || shownCurrent_.row == selection.top();
    MoveCurrent({cells_.Col(), currentOnTop ? first : last}, false);
    extent_ = {extent_.col, currentOnTop ? last : first};
  } else if (to >= 1 && to != from) {
    cells_.MoveRow(from, to);
  }
  if (to >= 1 && to != from && afterRowsDragged_) afterRowsDragged_();
  viewport()->update();
}
