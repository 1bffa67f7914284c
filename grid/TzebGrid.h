// The channel grid: a spreadsheet view over a CellStore with one header row and
// one fixed column, band colouring, range selection, an always-shown cell
// editor, row dragging and the grid's own key mappings.
//
// The widget owns its cells; the data model fills Cells() directly and the view
// follows the store's change notifications. Scrolling goes by whole rows and
// columns, so the first visible data row always starts right under the header.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "CellStore.h"
#include "GridGeometry.h"
#include "GridNavigation.h"
#include "GridPainter.h"
#include "KeyMappings.h"
#include "QtTextMeasure.h"
#include "SortEngine.h"

namespace tarno::grid {
class CellEditor;
}

class TzebGrid : public QAbstractScrollArea {
  Q_OBJECT
  Q_PROPERTY(bool BandsShow READ BandsShow WRITE SetBandsShow)
  Q_PROPERTY(QColor BandsColor READ BandsColor WRITE SetBandsColor)
  Q_PROPERTY(int BandsInterval READ BandsInterval WRITE SetBandsInterval)
  Q_PROPERTY(bool KeyMappingsEnabled READ KeyMappingsEnabled WRITE SetKeyMappingsEnabled)
  Q_PROPERTY(bool AutoCalculate READ AutoCalculate WRITE SetAutoCalculate)
  Q_PROPERTY(QString NumberFormat READ NumberFormat WRITE SetNumberFormat)
  Q_PROPERTY(bool ShowValues READ ShowValues WRITE SetShowValues)
  Q_PROPERTY(bool NumbersalRight READ NumbersalRight WRITE SetNumbersalRight)
  Q_PROPERTY(bool HighlightURL READ HighlightURL WRITE SetHighlightURL)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
  Q_PROPERTY(bool A1Style READ A1Style WRITE SetA1Style)
  Q_PROPERTY(AdvanceDirectionType AdvanceDirection READ AdvanceDirection WRITE SetAdvanceDirection)
  Q_PROPERTY(bool FormuleMode READ FormuleMode WRITE SetFormuleMode)
  Q_PROPERTY(bool EditorMode READ EditorMode WRITE SetEditorMode)
  Q_PROPERTY(int Row READ Row WRITE SetRow)
  Q_PROPERTY(int Col READ Col WRITE SetCol)
  Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
  Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)

 public:
  // Where Enter moves the current cell after its work.
  enum class AdvanceDirectionType { None, Right, Down };
  Q_ENUM(AdvanceDirectionType)

  using CommandHandler = std::function<void()>;
  // Evaluates the grid's formulas; runs on Enter while AutoCalculate is on.
  using FormulaEvaluator = std::function<void()>;
  // The hint for a cell (its name, its formula); empty shows none.
  using CellHintProvider = std::function<QString(int col, int row)>;
  // Whether text typed into a cell may stand there (it tells the user why not).
  using TypedTextCheck = std::function<bool(int col, int row, const std::string& text)>;
  // What a data cell shows in place of its text (a flag as a mark); none: the text.
  using ShownText = std::function<std::optional<std::string>(int col, std::string_view text)>;

  // The band colour $00FDFACE, written blue-green-red: red 206, green 250, blue 253.
  static QColor DefaultBandsColor() { return {206, 250, 253}; }
  static constexpr int kFixedColumnWidth = 20;

  // A view over cells that live elsewhere (a loaded list's), or, without
  // them, over cells of its own. Cells that live elsewhere outlive the view.
  explicit TzebGrid(QWidget* parent = nullptr, tarno::grid::CellStore* cells = nullptr);
  ~TzebGrid() override;

  tarno::grid::CellStore& Cells() { return cells_; }
  const tarno::grid::CellStore& Cells() const { return cells_; }

  int RowCount() const { return cells_.RowCount(); }
  void SetRowCount(int count) { cells_.SetRowCount(count); }
  int ColCount() const { return cells_.ColCount(); }
  void SetColCount(int count) { cells_.SetColCount(count); }
  // Setting either moves the current cell and scrolls it into view.
  int Row() const { return cells_.Row(); }
  void SetRow(int row);
  int Col() const { return cells_.Col(); }
  void SetCol(int col);

  // True opens the cell editor on the current cell with its text not selected.
  bool EditorMode() const { return editorMode_; }
  void SetEditorMode(bool on);

  // The selected range: columns x rows, inclusive; at least the current cell.
  QRect Selection() const;
  int TopRow() const;
  int LeftCol() const;
  // A cell's rectangle in viewport coordinates without its grid lines.
  QRect CellRect(int col, int row);
  // The cell under a viewport position; -1 parts where there is none.
  tarno::grid::CellPos CellAt(QPoint position);
  QWidget* CellEditor() const;

  bool BandsShow() const { return bandsShow_; }
  void SetBandsShow(bool on) { SetAndRepaint(bandsShow_, on); }
  QColor BandsColor() const { return bandsColor_; }
  void SetBandsColor(const QColor& color) { SetAndRepaint(bandsColor_, color); }
  int BandsInterval() const { return bandsInterval_; }
  void SetBandsInterval(int interval) { SetAndRepaint(bandsInterval_, interval); }
  bool KeyMappingsEnabled() const { return keyMappingsEnabled_; }
  void SetKeyMappingsEnabled(bool on) { keyMappingsEnabled_ = on; }
  const tarno::grid::KeyMappingTable& KeyMappings() const { return keyMappings_; }
  void SetKeyMappings(tarno::grid::KeyMappingTable mappings) { keyMappings_ = std::move(mappings); }
  bool AutoCalculate() const { return autoCalculate_; }
  void SetAutoCalculate(bool on) { autoCalculate_ = on; }
  QString NumberFormat() const { return numberFormat_; }
  void SetNumberFormat(const QString& format) { SetAndRepaint(numberFormat_, format); }
  // Formula cells showing their values needs the formula engine; kept for it.
  bool ShowValues() const { return showValues_; }
  void SetShowValues(bool on) { SetAndRepaint(showValues_, on); }
  bool NumbersalRight() const { return numbersalRight_; }
  void SetNumbersalRight(bool on) { SetAndRepaint(numbersalRight_, on); }
  bool HighlightURL() const { return highlightUrl_; }
  void SetHighlightURL(bool on) { SetAndRepaint(highlightUrl_, on); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on) { SetAndRepaint(wordWrap_, on); }
  bool A1Style() const { return a1Style_; }
  void SetA1Style(bool on) { SetAndRepaint(a1Style_, on); }
  AdvanceDirectionType AdvanceDirection() const { return advanceDirection_; }
  void SetAdvanceDirection(AdvanceDirectionType direction) { advanceDirection_ = direction; }
  bool FormuleMode() const { return formuleMode_; }
  void SetFormuleMode(bool on) { formuleMode_ = on; }

  // What a mapped key does. RowInsert, RowDelete, ColumnInsert, ColumnDelete and
  // SetHeader start with the grid's own actions; the dialogs start empty, and a
  // mapped key whose command has no handler is passed on like any other key.
  void SetCommandHandler(tarno::grid::GridCommand command, CommandHandler handler);
  bool HasCommandHandler(tarno::grid::GridCommand command) const;
  void SetFormulaEvaluator(FormulaEvaluator evaluator) { formulaEvaluator_ = std::move(evaluator); }
  void SetCellHintProvider(CellHintProvider provider) { cellHintProvider_ = std::move(provider); }
  // A keystroke whose text the check refuses leaves the editor and the cell as they were.
  void SetTypedTextCheck(TypedTextCheck check) { typedTextCheck_ = std::move(check); }
  // Runs after rows were dragged, within the drag's step to undo.
  void SetAfterRowsDragged(std::function<void()> hook) { afterRowsDragged_ = std::move(hook); }
  void SetShownText(ShownText shown) {
    shownText_ = std::move(shown);
    viewport()->update();
  }

  // The sort settings (StartIndex, EndIndex, SortIndex, SortType, ...) and the
  // outcome of the last sort. Its messages, when ShowMessageOnError is on, come
  // up in a dialog unless OnMessage is given another receiver.
  tarno::grid::SortEngine& Sorting() { return sort_; }
  // Sorts the cells by the sort settings; false when they were invalid.
  bool ApplySort() { return sort_.ApplySort(cells_); }

  // Enter: formulas (when AutoCalculate), then every visible data row's height fitted.
  void Recalculate();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  template <typename T>
  void SetAndRepaint(T& field, const T& value);

  void InstallDefaultCommands();
  void ShowSortMessage(tarno::grid::SortMessageKind kind, const std::string& message);
  void UseFontForMeasuring();
  void OnStoreChanged(tarno::grid::CellStore::Change change);
  void SyncCurrentCell();

  void ScheduleLayout();
  void EnsureLayout();
  void UpdateScrollBars();
  int DataWidth() const;
  int DataHeight() const;
  int PageRows();
  void ScrollIntoView(tarno::grid::CellPos cell);
  void SetTopRow(int row);
  void SetLeftCol(int col);
  void UseMarkColours();

  tarno::grid::GridViewState ViewState() const;
  void LoadEditor();
  void SelectWholeEditorText();
  void PlaceEditor();
  void CommitEditorText(const QString& text);
  void KeepEditorText(const QString& refused);
  bool CancelEdit();
  bool CurrentCellShown() const;
  bool EditorPassesKey(const QKeyEvent& event) const;

  bool HandleKey(QKeyEvent& event, bool fromEditor);
  bool RunKeyMapping(const QKeyEvent& event);
  bool Navigate(const QKeyEvent& event, bool fromEditor);
  void ApplyKeyUpRule(int key);
  void MoveCurrent(tarno::grid::CellPos to, bool extendSelection);
  void Advance();

  tarno::grid::CellPos ClampedToData(tarno::grid::CellPos cell, QPoint position) const;
  int DragTargetRow(int y);
  void FinishRowDrag();

  std::unique_ptr<tarno::grid::CellStore> ownCells_;  // none when the cells live elsewhere
  tarno::grid::CellStore& cells_;
  std::unique_ptr<tarno::grid::QtTextMeasure> measure_;
  tarno::grid::GridGeometry geometry_;
  bool layoutDirty_ = true;
  bool layoutQueued_ = false;

  tarno::grid::CellEditor* editor_ = nullptr;
  std::string editorText_;  // what the editor shows, as stored
  std::string textBeforeEdit_;  // what Escape gives the cell back
  bool editedBeforeEdit_ = false;  // and its edited mark
  uint64_t typingKey_ = 0;  // the keystrokes into the cell since the editor loaded it are one undo step
  bool editorMode_ = false;
  bool forwardingKey_ = false;
  tarno::grid::CellPos shownCurrent_;  // the current cell the view last followed
  tarno::grid::CellPos extent_;        // the selection's far corner

  int dragRow_ = -1;
  int dropRow_ = -1;
  bool selecting_ = false;

  bool bandsShow_ = false;
  QColor bandsColor_ = DefaultBandsColor();
  int bandsInterval_ = 2;
  bool keyMappingsEnabled_ = true;
  bool autoCalculate_ = true;
  QString numberFormat_ = QStringLiteral("%.2f");
  bool showValues_ = false;
  bool numbersalRight_ = false;
  bool highlightUrl_ = false;
  bool wordWrap_ = false;
  bool a1Style_ = false;
  AdvanceDirectionType advanceDirection_ = AdvanceDirectionType::None;
  bool formuleMode_ = false;

  tarno::grid::SortEngine sort_;
  tarno::grid::KeyMappingTable keyMappings_;
  std::array<CommandHandler, tarno::grid::kGridCommandCount> commandHandlers_;
  FormulaEvaluator formulaEvaluator_;
  CellHintProvider cellHintProvider_;
  TypedTextCheck typedTextCheck_;
  ShownText shownText_;
  std::function<void()> afterRowsDragged_;
};

template <typename T>
void TzebGrid::SetAndRepaint(T& field, const T& value) {
  field = value;
  viewport()->update();
}
