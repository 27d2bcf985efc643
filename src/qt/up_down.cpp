#include "qt/up_down.h"

#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>

namespace telvane::qt {

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {up_, down_}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
  }
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::SetBuddy(std::function<QString()> readText,
                      std::function<void(const QString&)> writeText) {
  readText_ = std::move(readText);
  writeText_ = std::move(writeText);
}

int UpDown::Clamp(int value) const {
  return std::clamp(value, std::min(low_, high_), std::max(low_, high_));
}

void UpDown::SetRange(int low, int high) {
  low_ = low;
  high_ = high;
  pos_ = Clamp(pos_);
}

void UpDown::SetPos(int position) {
  pos_ = Clamp(position);
  ShowInBuddy();
}

int UpDown::Pos() const {
  if (readText_) {
    bool isNumber = false;
    const int shown = readText_().trimmed().toInt(&isNumber);
    if (isNumber && shown == Clamp(shown)) return shown;
  }
  return pos_;
}

void UpDown::Step(int steps) {
  // A range given high to low runs the arrows the other way.
  const int direction = high_ >= low_ ? 1 : -1;
  const int moved = Clamp(Pos() + steps * direction);
  if (moved == pos_ && moved == Pos()) return;
  pos_ = moved;
  ShowInBuddy();
  if (moved_) moved_();
}

void UpDown::ShowInBuddy() {
  if (writeText_) writeText_(QString::number(pos_));
}

void UpDown::TakeArrowKeysOf(QWidget& buddy) { buddy.installEventFilter(this); }

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && isEnabled()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace telvane::qt
