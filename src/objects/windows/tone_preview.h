// The ring tone preview of the "Send tone" dialog: play and stop the selected MIDI file,
// and the ring tone number 1 to 4.
#pragma once

#include <functional>

#include "objects/midi_player.h"
#include "ui/ui.h"

namespace telvane::objects {

class TonePreview final : public ui::FilePreview {
 public:
  // `noPlayer` tells the user that no MIDI player is installed; it is called at the first
  // Play that finds none, and not again while the preview lives.
  explicit TonePreview(std::function<void()> noPlayer = {}) : noPlayer_(std::move(noPlayer)) {}

  static constexpr int kTemplate = 158;
  static constexpr int kNumbers = 4;

  int NumberCount() const override { return kNumbers; }
  void SelectionChanged(const std::string&) override {}
  bool Playable() const override { return true; }
  // A tone still playing is stopped first; a file that cannot be played stays silent.
  void Play(const std::string& path) override {
    if (player_.Play(path) == PlayStart::kNoPlayer && !toldNoPlayer_) {
      toldNoPlayer_ = true;
      if (noPlayer_) noPlayer_();
    }
  }
  void Stop() override { player_.Stop(); }
  bool Playing() { return player_.Playing(); }

 private:
  MidiPlayer player_;
  std::function<void()> noPlayer_;
  bool toldNoPlayer_ = false;
};

}  // namespace telvane::objects
