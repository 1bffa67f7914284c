// A check box whose caption wraps onto several lines inside its fixed width;
// clicking the caption toggles it as clicking the box does.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

namespace tarno::window {

class WrappedCheckBox : public QWidget {
  Q_OBJECT

 public:
  WrappedCheckBox(const QString& text, bool checked, QWidget* parent);

  bool isChecked() const;
  void setChecked(bool checked);
  QString text() const;
  QCheckBox* Box() const { return box_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QCheckBox* box_;
  QLabel* label_;
};

}  // namespace tarno::window
