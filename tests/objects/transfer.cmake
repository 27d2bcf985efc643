target_sources(telvane_objects_tests PRIVATE
  binary_object_test.cpp
  hex_block_test.cpp
  logo_tone_test.cpp
)
target_include_directories(telvane_objects_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)

# The main window's logo and ring tone commands: telvane-cli scripts against telvane-sim.
add_executable(telvane_transfer_scenario_tests
  ${PROJECT_SOURCE_DIR}/tests/scenario/scenario.cpp
  logo_tone_scenario_test.cpp
)
target_include_directories(telvane_transfer_scenario_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/scenario)
target_link_libraries(telvane_transfer_scenario_tests PRIVATE telvane_test_support GTest::gtest_main)
target_compile_definitions(telvane_transfer_scenario_tests PRIVATE
  TELVANE_PROGRAM_FOLDER="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
add_dependencies(telvane_transfer_scenario_tests telvane-cli telvane-sim)
gtest_discover_tests(telvane_transfer_scenario_tests DISCOVERY_MODE PRE_TEST)
