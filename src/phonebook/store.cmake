target_sources(telvane_phonebook PRIVATE
  phonebook_entry.cpp
)
