// A file written whole or not at all: the new content goes into a file beside the target,
// which takes the target's name only when it is complete. Until then, and after any
// failure, the old file stays as it was. The new file is unnamed while it is written
// (O_TMPFILE), so a killed program leaves nothing behind; where the file system cannot
// do that, it is a hidden file ending in kNewFileSuffix, which CleanLeftovers removes.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "base/file_handle.h"

namespace telvane::base {

inline constexpr std::string_view kNewFileSuffix = ".telvane-new";

class ReplacingFile {
 public:
  explicit ReplacingFile(std::filesystem::path target) : target_(std::move(target)) { Open(); }
  ~ReplacingFile() { Drop(); }
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Empty when no new file could be made beside the target, or the target is no file.
  std::FILE* get() const { return file_.get(); }
  explicit operator bool() const { return file_ != nullptr; }

  // Flushes the new file to the disk and puts it in the target's place. False, with the
  // old file unchanged and the new one gone, when any step fails.
  bool Commit() {
    if (!file_) return false;
    const bool written = std::fflush(file_.get()) == 0 && ::fsync(::fileno(file_.get())) == 0;
    bool placed = written && Name() && ::rename(named_.c_str(), target_.c_str()) == 0;
    if (placed) named_.clear();
    placed = CloseFile(file_) && placed;
    Drop();
    if (placed) SyncFolder();
    return placed;
  }

 private:
  std::filesystem::path Folder() const {
    return target_.has_parent_path() ? target_.parent_path() : std::filesystem::path(".");
  }
  std::filesystem::path HiddenName() const {
    return Folder() / ("." + target_.filename().string() + "." + std::to_string(::getpid()) +
                       std::string(kNewFileSuffix));
  }

  // The new file gets the old one's permissions (a new file the usual ones). Nothing is
  // opened when the target's name is taken by a folder or another non-file.
  void Open() {
    struct stat old {};
    const bool replacing = ::stat(target_.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return;
    const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;
    int fd = ::open(Folder().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd < 0) {
      named_ = HiddenName();
      fd = ::open(named_.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, mode);
      if (fd < 0) named_.clear();
    }
    if (fd < 0) return;
    if (replacing) ::fchmod(fd, mode);  // past the umask, as the old file had it
    file_.reset(::fdopen(fd, "wb"));
    if (!file_) ::close(fd);
  }

  // Gives an unnamed file its hidden name, the step before the rename.
  bool Name() {
    if (!named_.empty()) return true;
    named_ = HiddenName();
    ::unlink(named_.c_str());
    const std::string self = "/proc/self/fd/" + std::to_string(::fileno(file_.get()));
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, named_.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      return true;
    }
    named_.clear();
    return false;
  }

  void Drop() {
    file_.reset();
    if (!named_.empty()) ::unlink(named_.c_str());
    named_.clear();
  }

  void SyncFolder() const {
    const int folder = ::open(Folder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return;
    ::fsync(folder);
    ::close(folder);
  }

  std::filesystem::path target_;
  std::filesystem::path named_;  // the new file's name while it has one
  FileHandle file_;
};

// Writes `content` as the whole new `target`; false leaves the old file as it was.
inline bool ReplaceFileWith(const std::filesystem::path& target, std::string_view content) {
  ReplacingFile file(target);
  if (!file) return false;
  if (std::fwrite(content.data(), 1, content.size(), file.get()) != content.size()) return false;
  return file.Commit();
}

// Removes the hidden new files a killed run left in `folder`.
inline void CleanLeftovers(const std::filesystem::path& folder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with('.') && name.ends_with(kNewFileSuffix)) {
      std::filesystem::remove(it->path(), error);
      error.clear();
    }
  }
}

}  // namespace telvane::base
