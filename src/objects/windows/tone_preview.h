// The ring tone preview of the "Send tone" dialog: play and stop the selected MIDI file,
// and the ring tone number 1 to 4.
#pragma once

#include "objects/midi_player.h"
#include "ui/ui.h"

namespace telvane::objects {

class TonePreview final : public ui::FilePreview {
 public:
  static constexpr int kTemplate = 158;
  static constexpr int kNumbers = 4;

  int NumberCount() const override { return kNumbers; }
  void SelectionChanged(const std::string&) override {}
  bool Playable() const override { return true; }
  // A tone still playing is stopped first; a file that cannot be played stays silent.
  void Play(const std::string& path) override { player_.Play(path); }
  void Stop() override { player_.Stop(); }
  bool Playing() { return player_.Playing(); }

 private:
  MidiPlayer player_;
};

}  // namespace telvane::objects
