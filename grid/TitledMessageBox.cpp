#include "TitledMessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace tarno::grid {

void WidenForTitle(QMessageBox& box) {
  // Title bars mostly use a bold font of about the window font's size.
  QFont titleFont = QApplication::font();
  titleFont.setBold(true);
  const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarAllowance;
  auto* layout = qobject_cast<QGridLayout*>(box.layout());
  if (!layout) return;
  layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), layout->rowCount(), 0, 1,
                  layout->columnCount());
}

void ShowTitledMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
  WidenForTitle(box);
  box.exec();
}

}  // namespace tarno::grid
