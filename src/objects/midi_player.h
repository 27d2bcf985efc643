// Plays a MIDI file through an external player found on PATH (timidity, fluidsynth with
// a sound font, or aplaymidi to the ports in ALSA_OUTPUT_PORTS); Play says when there is
// none. One file at a time; the player process ends with Stop() or with the object.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace telvane::objects {

enum class PlayStart {
  kPlaying,
  kNoPlayer,   // no player on PATH (nor a sound font for fluidsynth)
  kNotStarted  // the player would not start
};

class MidiPlayer {
 public:
  MidiPlayer() = default;
  ~MidiPlayer();
  MidiPlayer(const MidiPlayer&) = delete;
  MidiPlayer& operator=(const MidiPlayer&) = delete;

  // Stops what plays, then starts `file`.
  PlayStart Play(const std::string& file);
  void Stop();
  // True while the player runs; a player that ended by itself is collected here.
  bool Playing();

 private:
  pid_t child_ = -1;
};

// The command line that plays `file`, or empty when no player is on PATH.
std::vector<std::string> MidiPlayerCommand(const std::string& file);

}  // namespace telvane::objects
