target_sources(telvane_phonebook PRIVATE
)
