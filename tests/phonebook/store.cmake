target_sources(telvane_phonebook_tests PRIVATE
  book_exchange_test.cpp
  book_export_test.cpp
  book_texts_test.cpp
  csv_import_test.cpp
  external_book_test.cpp
  phonebook_entry_test.cpp
  vcard_import_test.cpp
)

# The address book tests run against the object transfer once src/objects implements it.
set(_object_transfer ${PROJECT_SOURCE_DIR}/src/objects/binary_object.cpp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_object_transfer})
file(READ ${_object_transfer} _object_transfer_source)
if(_object_transfer_source MATCHES "ReadObjectText\\(")
  target_sources(telvane_phonebook_tests PRIVATE address_book_test.cpp)
endif()
