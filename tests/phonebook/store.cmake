target_sources(telvane_phonebook_tests PRIVATE
  book_exchange_test.cpp
  book_texts_test.cpp
  phonebook_entry_test.cpp
)
