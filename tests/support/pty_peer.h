// A scripted phone on a real pseudo-terminal: each command line (ended by CR, or a data
// block ended by Ctrl-Z) received on the device is recorded and answered with the next
// queued reaction. Lets exchange tests control every byte and its timing.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace telvane::testing {

struct PeerStep {
  std::chrono::milliseconds delay{0};
  std::string bytes;
  bool hangUp = false;  // close the pty master: the line goes away
};

class PtyPeer {
 public:
  PtyPeer() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
      throw std::runtime_error("no pseudo-terminal");
    }
    devicePath_ = ::ptsname(master_);
    slave_ = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    ::tcgetattr(slave_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave_, TCSANOW, &tio);
    if (::pipe2(stopPipe_, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
    thread_ = std::thread([this] { Serve(); });
  }
  ~PtyPeer() {
    const char stop = 'x';
    (void)!::write(stopPipe_[1], &stop, 1);
    thread_.join();
    for (int fd : {master_, slave_, stopPipe_[0], stopPipe_[1]}) {
      if (fd >= 0) ::close(fd);
    }
  }
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  const std::string& DevicePath() const { return devicePath_; }

  // Queues the reaction to the next line received; lines without a queued reaction
  // get no answer.
  void OnNextLine(std::vector<PeerStep> steps) {
    std::lock_guard lock(mutex_);
    reactions_.push_back(std::move(steps));
  }
  void Reply(std::string bytes) { OnNextLine({PeerStep{{}, std::move(bytes)}}); }
  // Writes bytes at once, outside any command.
  void SendNow(const std::string& bytes) {
    std::lock_guard lock(mutex_);
    WriteAll(bytes);
  }

  std::vector<std::string> Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  bool WaitForLines(std::size_t count,
                    std::chrono::milliseconds limit = std::chrono::seconds(10)) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return lines_.size() >= count; });
  }
  // Waits until every queued reaction has been carried out to its last step.
  bool WaitForReactions(std::chrono::milliseconds limit = std::chrono::seconds(10)) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return reactions_.empty() && !reacting_; });
  }

 private:
  void Serve() {
    std::string pending;
    for (;;) {
      pollfd fds[2] = {{stopPipe_[0], POLLIN, 0}, {master_, POLLIN, 0}};
      const int count = master_ >= 0 ? 2 : 1;
      if (::poll(fds, count, -1) < 0) continue;
      if (fds[0].revents & POLLIN) return;
      if (count < 2 || !(fds[1].revents & POLLIN)) continue;
      char buffer[4096];
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n <= 0) continue;
      pending.append(buffer, static_cast<std::size_t>(n));
      for (;;) {
        const std::size_t end = pending.find_first_of("\r\x1a");
        if (end == std::string::npos) break;
        const std::string line = pending.substr(0, pending[end] == '\x1a' ? end + 1 : end);
        pending.erase(0, end + 1);
        std::vector<PeerStep> steps;
        {
          std::lock_guard lock(mutex_);
          lines_.push_back(line);
          if (!reactions_.empty()) {
            steps = std::move(reactions_.front());
            reactions_.pop_front();
            reacting_ = true;
          }
        }
        changed_.notify_all();
        for (const PeerStep& step : steps) {
          if (step.delay.count() > 0) std::this_thread::sleep_for(step.delay);
          std::lock_guard lock(mutex_);
          if (step.hangUp) {
            if (master_ >= 0) ::close(master_);
            if (slave_ >= 0) ::close(slave_);
            master_ = slave_ = -1;
          } else {
            WriteAll(step.bytes);
          }
        }
        {
          std::lock_guard lock(mutex_);
          reacting_ = false;
        }
        changed_.notify_all();
      }
    }
  }
  // The program may stop reading (a flood it refuses); give up when the peer is being
  // destroyed rather than block forever on a full terminal buffer.
  void WriteAll(const std::string& bytes) {
    std::size_t done = 0;
    while (master_ >= 0 && done < bytes.size()) {
      const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
      if (n > 0) {
        done += static_cast<std::size_t>(n);
        continue;
      }
      if (n < 0 && errno != EAGAIN) return;
      pollfd fds[2] = {{stopPipe_[0], POLLIN, 0}, {master_, POLLOUT, 0}};
      if (::poll(fds, 2, 1000) < 0 || (fds[0].revents & POLLIN)) return;
    }
  }

  int master_ = -1;
  int slave_ = -1;  // kept open so the device keeps its settings between opens
  int stopPipe_[2] = {-1, -1};
  std::string devicePath_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::deque<std::vector<PeerStep>> reactions_;
  std::vector<std::string> lines_;
  bool reacting_ = false;
  std::thread thread_;
};

}  // namespace telvane::testing
