#include "WrappedCheckBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace tarno::window {
namespace {

constexpr int kBoxWidth = 17;  // the indicator and the gap before the caption

}  // namespace

WrappedCheckBox::WrappedCheckBox(const QString& text, bool checked, QWidget* parent)
    : QWidget(parent), box_(new QCheckBox(this)), label_(new QLabel(text, this)) {
  box_->setChecked(checked);
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label_->installEventFilter(this);
  setFocusProxy(box_);
}

bool WrappedCheckBox::isChecked() const { return box_->isChecked(); }
void WrappedCheckBox::setChecked(bool checked) { box_->setChecked(checked); }
QString WrappedCheckBox::text() const { return label_->text(); }

bool WrappedCheckBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == label_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && isEnabled()) {
    box_->setFocus(Qt::MouseFocusReason);
    box_->toggle();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void WrappedCheckBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int boxHeight = box_->sizeHint().height();
  box_->setGeometry(0, (height() - boxHeight) / 2, kBoxWidth, boxHeight);
  label_->setGeometry(kBoxWidth, 0, qMax(0, width() - kBoxWidth), height());
}

}  // namespace tarno::window
