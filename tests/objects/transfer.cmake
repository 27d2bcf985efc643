target_sources(telvane_objects_tests PRIVATE
  binary_object_test.cpp
)
