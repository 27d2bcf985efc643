// Writing and deleting entries of the AT+CPBR books (SIM, SIM fix) and deleting a whole
// book; the store follows every change the phone accepted.
#pragma once

#include <cstddef>
#include <string>

#include "phonebook/book_reading.h"
#include "phonebook/fixed_dialling.h"

namespace telvane::phonebook {

struct EntryInput {
  std::string name;  // Latin text as typed
  std::string number;
};

enum class EntrySource {
  kDialog,  // the entry dialog; the dialog has warned about lengths
  kImport,  // an imported vCard; name and number are cut to the book's lengths
};

// Position 0 writes a new entry at the first free position; otherwise the entry at
// `position` (table slot `slot`) is changed. The name is kept in the table as entered
// (without control characters), the number with its dial characters only.
Outcome WriteEntry(WriteContext& context, const EntryInput& input, int position,
                   std::size_t slot = 0, EntrySource source = EntrySource::kDialog);

// Deletes the entry at `position`; its slot stays and is listed as deleted.
Outcome DeleteEntry(WriteContext& context, int position);

// Deletes every position of the current book (results ignored), then reads it again;
// done when the book was read. The message is a PIN2 one only.
Outcome DeleteBook(WriteContext& context, const ReadOptions& options,
                   const ReadReport& report = {});

// The message of a refused PIN2 step, 0 when the operation just ends.
int Pin2Message(Pin2Check check);

}  // namespace telvane::phonebook
