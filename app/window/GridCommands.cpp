// The grid commands of the command table behind their buttons and keys, seen
// before the focused control, run on the list on show.
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>

#include "ChannelDocument.h"
#include "EditorKeys.h"
#include "GridCommandFunctions.h"
#include "TarnoChannelEditUnit001.h"
#include "TzebGrid.h"
#include "WaitCursor.h"

namespace tarno::window {
namespace {

// The editing layer words the move target's caption in English, "WORDS: ROW";
// the words are one of these.
[[maybe_unused]] const char* const kMoveCaptionWords[] = {
    QT_TRANSLATE_NOOP("tarno::window::TfrmTarnoChannelEdit", "Move to row:"),
    QT_TRANSLATE_NOOP("tarno::window::TfrmTarnoChannelEdit", "Set row to row:"),
    QT_TRANSLATE_NOOP("tarno::window::TfrmTarnoChannelEdit", "Set row move to:")};

bool IsFileArgument(editing::CommandArgument argument) {
  return argument == editing::CommandArgument::OpenFile || argument == editing::CommandArgument::SaveFile;
}

}  // namespace

// The grid's context menu: every command the table offers there, a command
// that takes a choice with one item per choice.
void TfrmTarnoChannelEdit::ShowGridMenu(const QPoint& position) {
  if (!Grid()) return;
  QMenu menu(Grid());
  menu.setObjectName(QStringLiteral("mnuGrid"));
  for (const editing::GridCommandSpec& command : editing::GridCommands()) {
    if (!command.inMenu) continue;
    const auto add = [&](QMenu* into, const QString& text, std::string_view choice) {
      QAction* action = into->addAction(text);
      action->setToolTip(CommandText(command.hint));
      connect(action, &QAction::triggered, this, [this, &command, choice] {
        RunCommand([&] { RunOnActiveList(command, {std::string(choice)}); });
      });
    };
    if (command.argument != editing::CommandArgument::Choice) {
      add(&menu, CommandText(command.caption), {});
      continue;
    }
    QMenu* choices = menu.addMenu(CommandText(command.caption));
    for (std::string_view choice : editing::ChoicesOf(command)) add(choices, CommandText(choice), choice);
  }
  menu.exec(Grid()->viewport()->mapToGlobal(position));
}

void TfrmTarnoChannelEdit::RunGridCommand(const editing::GridCommandSpec& command) {
  RunCommand([&] {
    editing::ChannelDocument* document = Document();
    if (!document) {
      Log(tr("Nothing loaded"));
      return;
    }
    editing::CommandInput input;
    if (AskArgument(command, input)) RunOnActiveList(command, input);
  });
}

// False when the user cancelled the dialog that asks for it.
bool TfrmTarnoChannelEdit::AskArgument(const editing::GridCommandSpec& command, editing::CommandInput& input) {
  const std::string title = CommandText(command.file.title).toStdString();
  const std::string filter = CommandText(command.file.filter).toStdString();
  std::optional<std::string> path;
  switch (command.argument) {
    case editing::CommandArgument::None:
    case editing::CommandArgument::Choice: return true;  // the menu item chosen gives it
    case editing::CommandArgument::Text: input.text = dialogs_->AskSearchText(); return true;
    case editing::CommandArgument::Cell:
      input.col = Grid()->Col();
      input.row = Grid()->Row();
      return true;
    case editing::CommandArgument::OpenFile:
      path = dialogs_->OpenFile({title, filter, extractFolder_, "", true});
      break;
    case editing::CommandArgument::SaveFile:
      path = dialogs_->SaveFile(
          {title, filter, extractFolder_, extractFolder_ + LoadedFileName() + std::string(command.file.suffix), false});
      break;
  }
  if (!path) return false;
  input.text = *path;
  return AskCommandOptions(command, input);
}

// The focus goes back to the grid, so that its own keys (Ctrl+P, Ctrl+Q,
// Ctrl+N, typing) work right after a button, and the cell a search found is
// where typing goes next.
void TfrmTarnoChannelEdit::RunOnActiveList(const editing::GridCommandSpec& command,
                                           const editing::CommandInput& input) {
  editing::ChannelDocument* document = Document();
  if (!document) return;
  std::optional<WaitCursor> wait;
  if (command.slow) wait.emplace(IsFileArgument(command.argument) ? WaitCursor::PendingEvents::RunOnce
                                                                  : WaitCursor::PendingEvents::Wait);
  TakeGridSelection(*document);
  if (!ConfirmCommand(command, *document)) return;
  const LogSink log = [this](const std::string& line) { Log(line); };
  const ScopeExit afterwards([this] {
    ShowMoveTarget();
    FocusGrid();
  });
  document->State().WrapSearch = true;
  document->Run(command, input, log);
  if (command.printsCurrentCell && document->State().LastSearchMissed) ShowSearchMissed(document->State());
}

void TfrmTarnoChannelEdit::RunEditCommand(const std::function<void()>& body) {
  RunCommand([&] {
    std::optional<grid::CellStore::Step> step;
    if (Document()) step.emplace(Document()->Cells());
    body();
  });
}

// Rows dragged in a favourites list's view reorder the list.
void TfrmTarnoChannelEdit::KeepFavouritesViewInOrder() {
  if (Document()) Document()->Apply(editing::KeepFavouritesViewInOrder);
}

// The commands on a selection work on the rows of the grid's range selection.
void TfrmTarnoChannelEdit::TakeGridSelection(editing::ChannelDocument& document) {
  const QRect selection = Grid()->Selection();
  const int current = Grid()->Row();
  const int end = selection.top() == current ? selection.bottom() : selection.top();
  document.State().SelectionEndRow = end == current ? 0 : end;
}

// A command that would replace what the user may not mean it to asks first.
bool TfrmTarnoChannelEdit::ConfirmCommand(const editing::GridCommandSpec& command, editing::ChannelDocument& document) {
  if (!command.asksFirst || !document.Check(command.asksFirst)) return true;
  const grid::CellStore& cells = document.Cells();
  const QString question =
      CommandText(command.question).arg(QString::fromStdString(std::string(cells.Text(cells.Col(), 0))));
  return dialogs_->Ask({question.toStdString(), Captions({CommandText(command.caption), tr("Cancel")})}) == 0;
}

// A search that found nothing says so; the next starts from the top.
void TfrmTarnoChannelEdit::ShowSearchMissed(const editing::EditorState& state) {
  const QString text = tr("'%1' not found below; F3 searches again from the first row.")
                           .arg(QString::fromStdString(state.SearchText));
  Log(text);
}

void TfrmTarnoChannelEdit::ShowMoveTarget() {
  const std::string& caption = EditorStateNow().MoveRowCaption;
  const size_t wordsEnd = caption.rfind(':') + 1;
  CommandButton("set-move-target")
      ->setText(tr(caption.substr(0, wordsEnd).c_str()) + QString::fromStdString(caption.substr(wordsEnd)));
}

// Returns true when the key is consumed: see editing::FormKeyDown.
bool TfrmTarnoChannelEdit::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const std::string name = QKeySequence(key).toString(QKeySequence::PortableText).toStdString();
  const editing::KeyPress press{name, (modifiers & Qt::ControlModifier) != 0, (modifiers & Qt::ShiftModifier) != 0,
                                (modifiers & Qt::AltModifier) != 0};
  editing::ChannelDocument* document = Document();
  editing::EditorState idle = idleEditorState_;
  const editing::EditorContext context{document ? document->State() : idle,
                                       document ? &document->Data() : nullptr,
                                       document ? &document->Cells() : nullptr,
                                       document ? &document->History() : nullptr};
  const editing::EditorKeyHooks hooks{
      [this] { return dialogs_->AskSearchText(); },
      [this] { Grid()->SetEditorMode(true); },
      [this] { ShowHiddenButtons(); },
      [this](const editing::GridCommandSpec& command, const editing::CommandInput& input) {
        RunOnActiveList(command, input);
      }};
  return editing::FormKeyDown(press, context, hooks);
}

// "Read/Write test" and "Generate PtcCable" stay visible from then on.
void TfrmTarnoChannelEdit::ShowHiddenButtons() {
  btnReadWrite->show();
  btnPtcCable->show();
}

}  // namespace tarno::window
