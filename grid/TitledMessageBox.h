// A message box at least as wide as its title: a short message ("Error in: 1/")
// would otherwise give a box whose title bar cuts its own title off.
#pragma once

#include <QMessageBox>
#include <QString>

namespace tarno::grid {

// Room a title bar keeps for its buttons and edges beside the title text.
constexpr int kTitleBarAllowance = 160;

// Sets the box's least width so that title and title-bar buttons fit.
void WidenForTitle(QMessageBox& box);

void ShowTitledMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);

}  // namespace tarno::grid
