// A number handed over by another window (the SMS list) as a new entry of the book last
// shown, through its entry or address dialog, with the phone book window closed.
#pragma once

#include <string>

#include "config/app_context.h"
#include "phonebook/phonebook_store.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::phonebook {

// Opens the address dialog (template 163) when the current book is the address book,
// else the entry dialog (template 110), as a new entry holding `number`. False, and no
// dialog, when no book was read in this run.
bool TransferNumber(config::AppContext& context, ui::Ui& ui, PhonebookStore& store,
                    ui::Dialog& opener, const std::string& number);

}  // namespace telvane::phonebook
