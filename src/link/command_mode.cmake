# Command mode: the window, the module loader and the listing it reads. A library of its own,
# since it sits on the SMS and phone book subsystems while the rest of the link sits under them.
add_library(telvane_command_mode STATIC
  command_listing.cpp
  command_mode_window.cpp
  command_module.cpp
)
target_include_directories(telvane_command_mode PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(telvane_command_mode
  PUBLIC telvane_app_core telvane_phonebook telvane_sms telvane_network telvane_gsm
  PRIVATE ${CMAKE_DL_LIBS})

# The sample command module, placed beside the programs where command mode finds it.
add_library(smscom MODULE smscom_sample.cpp)
target_include_directories(smscom PRIVATE ${PROJECT_SOURCE_DIR}/src)
set_target_properties(smscom PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
