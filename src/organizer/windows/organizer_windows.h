// The organizer window as the main window opens it.
#pragma once

#include <functional>
#include <string>

#include "config/app_context.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::organizer {

// Opens the SMS reply dialog over `opener` with `text` (the organizer keeps no SMS list).
using SendSmsHook = std::function<void(ui::Dialog& opener, const std::string& text)>;

// The organizer window (template 108); without a hook "Send &SMS" stays greyed.
void RunOrganizer(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                  const SendSmsHook& sendSms);

}  // namespace telvane::organizer
