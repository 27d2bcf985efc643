target_sources(telvane_phonebook PRIVATE
  address_dialog.cpp
  book_list_view.cpp
  entry_dialog.cpp
  phonebook_window.cpp
  pin2_dialog.cpp
)
