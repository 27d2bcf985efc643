#include "objects/midi_player.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

extern char** environ;

namespace telvane::objects {
namespace {

namespace fs = std::filesystem;

std::string FindOnPath(std::string_view program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  std::string_view rest(path);
  while (!rest.empty()) {
    const std::size_t colon = rest.find(':');
    const std::string_view folder = rest.substr(0, colon);
    rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    if (folder.empty()) continue;  // never the current folder
    const fs::path candidate = fs::path(folder) / program;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return {};
}

std::string FindSoundFont() {
  std::error_code error;
  for (const char* folder : {"/usr/share/sounds/sf2", "/usr/share/soundfonts"}) {
    for (const auto& entry : fs::directory_iterator(folder, error)) {
      if (entry.path().extension() == ".sf2") return entry.path().string();
    }
  }
  return {};
}

}  // namespace

std::vector<std::string> MidiPlayerCommand(const std::string& file) {
  if (std::string timidity = FindOnPath("timidity"); !timidity.empty()) {
    return {timidity, "-q", file};
  }
  if (std::string fluidsynth = FindOnPath("fluidsynth"); !fluidsynth.empty()) {
    if (std::string font = FindSoundFont(); !font.empty()) {
      return {fluidsynth, "-i", "-n", font, file};
    }
  }
  const char* ports = std::getenv("ALSA_OUTPUT_PORTS");
  if (std::string aplaymidi = FindOnPath("aplaymidi");
      !aplaymidi.empty() && ports != nullptr && *ports != '\0') {
    return {aplaymidi, file};
  }
  return {};
}

MidiPlayer::~MidiPlayer() { Stop(); }

PlayStart MidiPlayer::Play(const std::string& file) {
  Stop();
  std::vector<std::string> command = MidiPlayerCommand(file);
  if (command.empty()) return PlayStart::kNoPlayer;
  std::vector<char*> argv;
  for (std::string& word : command) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // The player's chatter must not reach the program's own output.
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t child = -1;
  const int result = posix_spawn(&child, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (result != 0) return PlayStart::kNotStarted;
  child_ = child;
  return PlayStart::kPlaying;
}

void MidiPlayer::Stop() {
  if (child_ <= 0) return;
  ::kill(-child_, SIGTERM);
  int status = 0;
  while (::waitpid(child_, &status, 0) < 0 && errno == EINTR) {
  }
  child_ = -1;
}

bool MidiPlayer::Playing() {
  if (child_ <= 0) return false;
  int status = 0;
  if (::waitpid(child_, &status, WNOHANG) == child_) child_ = -1;
  return child_ > 0;
}

}  // namespace telvane::objects
