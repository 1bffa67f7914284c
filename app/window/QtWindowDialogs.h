// The window's dialogs as Qt shows them.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "WindowDialogs.h"

class QWidget;

namespace tarno::window {

class QtWindowDialogs : public WindowDialogs {
  Q_DECLARE_TR_FUNCTIONS(tarno::window::QtWindowDialogs)

 public:
  // parent: the window the dialogs are modal to; set once the window exists.
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
  void ShowError(const std::string& message) override;
  std::string AskSearchText() override;
  int MessageBox(const std::string& text, const std::string& caption, int mode) override;
  SaveChangesAnswer AskSaveChanges(const std::vector<std::string>& fileNames) override;
  int Ask(const Question& question) override;
  std::optional<std::vector<OptionGroup>> AskOptions(const OptionsQuestion& question) override;

 private:
  std::optional<std::string> RunFileDialog(const FileDialogRequest& request, bool save);

  QWidget* parent_ = nullptr;
};

// "Caption|mask|Caption|mask" as Qt name filters. "*.*" matches every file, also
// names without a dot, as television file names often are.
QStringList QtNameFilters(const std::string& filter);

}  // namespace tarno::window
