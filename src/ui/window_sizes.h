// Where the list windows keep the size the user left them in, from one opening to the
// next and across runs. The program backs it with its settings file; a backend that
// can resize windows asks it when a list window opens and tells it when one closes.
#pragma once

#include <optional>

namespace telvane::ui {

struct WindowSize {
  int width = 0, height = 0;  // pixels of the whole window
  bool operator==(const WindowSize&) const = default;
};

class WindowSizeStore {
 public:
  virtual ~WindowSizeStore() = default;
  // The size template `templateId` was left in; none when nothing usable is kept.
  virtual std::optional<WindowSize> Recall(int templateId) const = 0;
  virtual void Remember(int templateId, WindowSize size) = 0;
};

}  // namespace telvane::ui
