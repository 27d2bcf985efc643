target_sources(telvane_phonebook PRIVATE
  address_book_reading.cpp
  address_entry_writing.cpp
  address_vcard.cpp
  book_answers.cpp
  book_reading.cpp
  entry_command.cpp
  entry_writing.cpp
  fixed_dialling.cpp
  normalising.cpp
  phonebook_entry.cpp
  phonebook_print.cpp
  phonebook_store.cpp
  redbook_writing.cpp
  vcard_reader.cpp
)
