# Command mode: the listing, the module loader with test modules, the protocol log.
foreach(module scripted_smscom no_function)
  add_library(${module} MODULE modules/${module}.cpp)
  target_include_directories(${module} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  set_target_properties(${module} PROPERTIES PREFIX "" OUTPUT_NAME smscom
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test-modules/${module})
endforeach()

add_executable(telvane_command_mode_tests
  command_listing_test.cpp
  command_module_test.cpp
  protocol_log_test.cpp
)
target_link_libraries(telvane_command_mode_tests PRIVATE telvane_command_mode telvane_test_support
  GTest::gtest_main)
target_compile_definitions(telvane_command_mode_tests PRIVATE
  TELVANE_TEST_MODULES="${CMAKE_BINARY_DIR}/test-modules")
add_dependencies(telvane_command_mode_tests scripted_smscom no_function)
gtest_discover_tests(telvane_command_mode_tests DISCOVERY_MODE PRE_TEST)
