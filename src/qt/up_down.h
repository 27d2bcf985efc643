// An up-down control: two arrow buttons that move a number within a range and show it
// in the buddy control (the one before it in the template).
#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

namespace telvane::qt {

class UpDown : public QWidget {
 public:
  explicit UpDown(QWidget* parent);

  // The buddy shows the position as text; `readText` and `writeText` reach it.
  void SetBuddy(std::function<QString()> readText, std::function<void(const QString&)> writeText);
  void SetMoved(std::function<void()> moved) { moved_ = std::move(moved); }
  // The Up and Down keys in `buddy` move the position too.
  void TakeArrowKeysOf(QWidget& buddy);

  void SetRange(int low, int high);
  void SetPos(int position);
  // The buddy's number when it holds one in range, else the last position set.
  int Pos() const;
  // Moves by `steps` towards the upper end of the range (negative: the lower end).
  void Step(int steps);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int Clamp(int value) const;
  void ShowInBuddy();

  QToolButton* up_;
  QToolButton* down_;
  int low_ = 0;
  int high_ = 100;
  int pos_ = 0;
  std::function<QString()> readText_;
  std::function<void(const QString&)> writeText_;
  std::function<void()> moved_;
};

}  // namespace telvane::qt
