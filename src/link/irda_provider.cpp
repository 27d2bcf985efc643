#include "link/irda_provider.h"

#include <cstring>

namespace telvane::link {

std::string_view IrdaDevice::Name() const {
  const void* zero = std::memchr(name.data(), 0, name.size());
  const std::size_t length =
      zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - name.data()) : name.size();
  return {name.data(), length};
}

namespace {

class NoIrdaProvider final : public IrdaProvider {
 public:
  bool Offered() const override { return false; }
  bool StartSocketLibrary() override { return false; }
  base::UniqueFd OpenSocket() override { return base::UniqueFd(); }
  bool EnumerateDevices(int, IrdaDeviceList&) override { return false; }
  bool SetIasRecord(int, const IasSetRecord&) override { return false; }
  bool SetNineWireMode(int) override { return false; }
  bool Connect(int, std::uint32_t, std::string_view) override { return false; }
};

}  // namespace

std::unique_ptr<IrdaProvider> MakeSystemIrdaProvider() {
  return std::make_unique<NoIrdaProvider>();
}

}  // namespace telvane::link
