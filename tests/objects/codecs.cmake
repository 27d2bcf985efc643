# The picture codecs: unit tests, and cross-checks against ImageMagick and giflib.
find_package(GIF REQUIRED)
target_sources(telvane_objects_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bmp_codec_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gif_codec_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_buffer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_oracle_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_test_support.cpp
)
target_link_libraries(telvane_objects_tests PRIVATE telvane_picture GIF::GIF)
