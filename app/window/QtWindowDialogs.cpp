#include "QtWindowDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <map>
#include <vector>

#include "MessageBoxHook.h"
#include "OptionsDialog.h"
#include "ScriptMessageBox.h"
#include "SearchDialog.h"

namespace tarno::window {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

QMessageBox::Icon QtIcon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Error: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// The captions MessageBoxButtons gives the script's message boxes, in the user's language.
[[maybe_unused]] const char* const kButtonCaptions[] = {
    QT_TRANSLATE_NOOP("tarno::window::QtWindowDialogs", "OK"),
    QT_TRANSLATE_NOOP("tarno::window::QtWindowDialogs", "Cancel"),
    QT_TRANSLATE_NOOP("tarno::window::QtWindowDialogs", "&Abort"),
    QT_TRANSLATE_NOOP("tarno::window::QtWindowDialogs", "&Retry"),
    QT_TRANSLATE_NOOP("tarno::window::QtWindowDialogs", "&Ignore"),
    QT_TRANSLATE_NOOP("tarno::window::QtWindowDialogs", "&Yes"),
    QT_TRANSLATE_NOOP("tarno::window::QtWindowDialogs", "&No"),
    QT_TRANSLATE_NOOP("tarno::window::QtWindowDialogs", "&Try Again"),
    QT_TRANSLATE_NOOP("tarno::window::QtWindowDialogs", "&Continue"),
};

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = FromUtf8(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString masks = parts[i + 1];
    masks.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (masks == QLatin1String("*.*")) masks = QStringLiteral("*");
    filters << parts[i] + QStringLiteral(" (") + masks + QLatin1Char(')');
  }
  return filters;
}

std::optional<std::string> QtWindowDialogs::RunFileDialog(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent_, FromUtf8(request.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.initialFolder.empty()) dialog.setDirectory(FromUtf8(request.initialFolder));
  if (!request.fileName.empty()) {
    const QFileInfo preset(FromUtf8(request.fileName));
    if (request.initialFolder.empty()) dialog.setDirectory(preset.absolutePath());
    dialog.selectFile(preset.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtWindowDialogs::OpenFile(const FileDialogRequest& request) {
  return RunFileDialog(request, false);
}

std::optional<std::string> QtWindowDialogs::SaveFile(const FileDialogRequest& request) {
  return RunFileDialog(request, true);
}

void QtWindowDialogs::ShowError(const std::string& message) {
  QMessageBox::critical(parent_, QApplication::applicationName(), FromUtf8(message));
}

std::string QtWindowDialogs::AskSearchText() { return SearchDialog::Ask(parent_).toStdString(); }

int QtWindowDialogs::MessageBox(const std::string& text, const std::string& caption, int mode) {
  QMessageBox box(QtIcon(MessageBoxIcon(mode)), FromUtf8(caption), FromUtf8(text), QMessageBox::NoButton, parent_);
  std::map<QAbstractButton*, int> codes;
  const int defaultCode = DefaultButtonCode(mode);
  const int escapeCode = EscapeButtonCode(mode);
  for (const BoxButton& button : MessageBoxButtons(mode)) {
    QPushButton* added = box.addButton(tr(button.label.c_str()), QMessageBox::ActionRole);
    codes[added] = button.code;
    if (button.code == defaultCode) box.setDefaultButton(added);
    if (button.code == escapeCode) box.setEscapeButton(added);
  }
  box.exec();
  const auto pressed = codes.find(box.clickedButton());
  return pressed != codes.end() ? pressed->second : escapeCode;
}

// Several lists read "Save changes to 'map-CableD', 'map-SateD'?".
SaveChangesAnswer QtWindowDialogs::AskSaveChanges(const std::vector<std::string>& fileNames) {
  QStringList names;
  for (const std::string& name : fileNames) names << FromUtf8(name);
  const QMessageBox::StandardButton pressed = QMessageBox::question(
      parent_, QApplication::applicationName(),
      tr("Save changes to '%1'?").arg(names.join(QStringLiteral("', '"))),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (pressed == QMessageBox::Yes) return SaveChangesAnswer::Yes;
  if (pressed == QMessageBox::No) return SaveChangesAnswer::No;
  return SaveChangesAnswer::Cancel;
}

int QtWindowDialogs::Ask(const Question& question) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), FromUtf8(question.text), QMessageBox::NoButton,
                  parent_);
  std::vector<QAbstractButton*> buttons;
  for (const std::string& caption : question.buttons)
    buttons.push_back(box.addButton(FromUtf8(caption), QMessageBox::ActionRole));
  if (!buttons.empty()) {
    box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box.setEscapeButton(buttons.back());  // the last choice is the one that goes back
  }
  box.exec();
  const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  return chosen == buttons.end() ? -1 : static_cast<int>(chosen - buttons.begin());
}

std::optional<std::vector<OptionGroup>> QtWindowDialogs::AskOptions(const OptionsQuestion& question) {
  return AskOptionsInDialog(parent_, question);
}

}  // namespace tarno::window
