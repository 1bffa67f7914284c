#include "CellEditor.h"

#include <QPainter>

#include "GridPainter.h"

namespace tarno::grid {

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent) { setFrame(false); }

void CellEditor::SetMarkColours(const QColor& fill, const QColor& frame) {
  QPalette colours = palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    colours.setColor(group, QPalette::Base, fill);
  setPalette(colours);
  frame_ = frame;
  update();
}

void CellEditor::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  GridPainter::DrawCurrentFrame(painter, rect(), frame_);
}

}  // namespace tarno::grid
