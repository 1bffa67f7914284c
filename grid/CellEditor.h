// The in-place cell editor: a frameless line edit lying on the current cell. It
// marks that cell with a fill and a frame whether or not it has the focus, so
// the user always sees which cell typing and the function keys act on.
#pragma once

#include <QColor>
#include <QLineEdit>

namespace tarno::grid {

class CellEditor : public QLineEdit {
  Q_OBJECT

 public:
  explicit CellEditor(QWidget* parent);
  void SetMarkColours(const QColor& fill, const QColor& frame);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor frame_;
};

}  // namespace tarno::grid
