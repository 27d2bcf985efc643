#include "config/app_context.h"

namespace telvane::config {

AppContext::AppContext(ProfileFile profileFile, std::unique_ptr<link::IrdaProvider> irdaProvider,
                       link::ErrorMessage showError, link::ExchangeTiming timing)
    : profile(std::move(profileFile)),
      irda(std::move(irdaProvider)),
      link(*irda, std::move(showError)),
      exchange(link, timing) {}

AppContext::~AppContext() {
  link.CloseLink();  // before the simulated phone behind it goes
}

}  // namespace telvane::config
