target_sources(telvane_phonebook_tests PRIVATE
  address_book_test.cpp
  book_exchange_test.cpp
  book_export_test.cpp
  book_texts_test.cpp
  csv_import_test.cpp
  external_book_test.cpp
  phonebook_print_test.cpp
  vcard_import_test.cpp
)
