#include "OptionsDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarno::window {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// One group's box; its buttons go to buttons, in the group's order.
QGroupBox* GroupBox(const OptionGroup& group, std::vector<QAbstractButton*>& buttons, QWidget* parent) {
  auto* box = new QGroupBox(FromUtf8(group.caption), parent);
  auto* layout = new QVBoxLayout(box);
  auto* exclusive = group.several ? nullptr : new QButtonGroup(box);
  for (size_t i = 0; i < group.choices.size(); ++i) {
    QAbstractButton* button = group.several ? static_cast<QAbstractButton*>(new QCheckBox(FromUtf8(group.choices[i]), box))
                                            : new QRadioButton(FromUtf8(group.choices[i]), box);
    button->setChecked(i < group.chosen.size() && group.chosen[i]);
    if (exclusive) exclusive->addButton(button);
    layout->addWidget(button);
    buttons.push_back(button);
  }
  return box;
}

}  // namespace

std::optional<std::vector<OptionGroup>> AskOptionsInDialog(QWidget* parent, const OptionsQuestion& question) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("dlgOptions"));
  dialog.setWindowTitle(FromUtf8(question.title));
  auto* layout = new QVBoxLayout(&dialog);
  std::vector<std::vector<QAbstractButton*>> buttons(question.groups.size());
  for (size_t g = 0; g < question.groups.size(); ++g) layout->addWidget(GroupBox(question.groups[g], buttons[g], &dialog));
  auto* answer = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  answer->button(QDialogButtonBox::Ok)->setDefault(true);
  QObject::connect(answer, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(answer, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(answer);
  answer->button(QDialogButtonBox::Ok)->setFocus();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  std::vector<OptionGroup> groups = question.groups;
  for (size_t g = 0; g < groups.size(); ++g)
    for (size_t i = 0; i < buttons[g].size(); ++i) groups[g].chosen[i] = buttons[g][i]->isChecked();
  return groups;
}

}  // namespace tarno::window
