#include "link/serial_devices.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string_view>
#include <system_error>

#include "base/decimal.h"
#include "base/unique_fd.h"

namespace telvane::link {
namespace {

namespace fs = std::filesystem;

// The entries of `folder` named `prefix` and a number, by number.
std::vector<fs::path> NumberedEntries(const fs::path& folder, std::string_view prefix) {
  std::vector<std::pair<int, fs::path>> found;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(prefix)) continue;
    const std::optional<int> number =
        base::DigitsValue(std::string_view(name).substr(prefix.size()));
    if (number && !entry.is_directory(error)) found.emplace_back(*number, entry.path());
  }
  std::sort(found.begin(), found.end());
  std::vector<fs::path> paths;
  for (auto& [number, path] : found) paths.push_back(std::move(path));
  return paths;
}

std::vector<fs::path> ByIdLinks(const fs::path& folder) {
  std::vector<fs::path> links;
  std::error_code error;
  for (const fs::directory_entry& entry :
       fs::directory_iterator(folder / "serial" / "by-id", error)) {
    if (entry.is_symlink(error) && entry.exists(error)) links.push_back(entry.path());
  }
  std::sort(links.begin(), links.end());
  return links;
}

// A built-in UART the kernel knows, not one of the placeholders it makes for every
// possible port.
bool AnswersAsSerialPort(const fs::path& device) {
  const base::UniqueFd fd(::open(device.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (!fd.Valid()) return false;
  serial_struct info{};
  return ::ioctl(fd.Get(), TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
}

}  // namespace

fs::path SerialDeviceFolder() {
  const char* folder = std::getenv("TELVANE_DEVICE_DIR");
  return folder != nullptr && *folder != '\0' ? fs::path(folder) : fs::path("/dev");
}

std::vector<std::string> ListSerialDevices(const fs::path& folder) {
  std::vector<std::string> devices;
  std::set<fs::path> reached;  // where the by-id links lead
  auto add = [&devices](const fs::path& path) {
    if (devices.size() < kSerialDeviceLimit) devices.push_back(path.string());
  };
  std::error_code error;
  for (const fs::path& link : ByIdLinks(folder)) {
    if (fs::path target = fs::canonical(link, error); !error) reached.insert(std::move(target));
    add(link);
  }
  for (const std::string_view kind : {"ttyUSB", "ttyACM", "rfcomm"}) {
    for (const fs::path& device : NumberedEntries(folder, kind)) {
      const fs::path target = fs::canonical(device, error);
      if (error || !reached.contains(target)) add(device);
    }
  }
  for (const fs::path& device : NumberedEntries(folder, "ttyS")) {
    if (AnswersAsSerialPort(device)) add(device);
  }
  return devices;
}

}  // namespace telvane::link
