target_sources(telvane_objects_tests PRIVATE
  binary_object_test.cpp
  hex_block_test.cpp
  logo_tone_test.cpp
)
target_include_directories(telvane_objects_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)

