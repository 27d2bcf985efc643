// What a single-line edit lets the user type: at most a number of characters, digits only
// with ES_NUMBER. Text set by the program is kept as it is, as the window system does.
#pragma once

#include <QValidator>

namespace telvane::qt {

class EditValidator : public QValidator {
 public:
  EditValidator(bool digitsOnly, QObject* parent) : QValidator(parent), digitsOnly_(digitsOnly) {}

  void SetLimit(int maxCharacters) { limit_ = maxCharacters; }

  State validate(QString& input, int&) const override {
    if (limit_ > 0 && input.size() > limit_) return Invalid;
    if (digitsOnly_) {
      for (const QChar character : input) {
        if (!character.isDigit()) return Invalid;
      }
    }
    return Acceptable;
  }

 private:
  bool digitsOnly_;
  int limit_ = 0;  // 0: no limit
};

}  // namespace telvane::qt
