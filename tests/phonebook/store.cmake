target_sources(telvane_phonebook_tests PRIVATE
  phonebook_entry_test.cpp
)
