# The picture codecs: a library of its own without other project libraries, so that the
# fuzz targets and benchmarks can link it alone.
add_library(telvane_picture STATIC
  ${CMAKE_CURRENT_LIST_DIR}/bmp_header.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bmp_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bmp_rle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bmp_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gif_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gif_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lzw_decoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_file_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_formats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_record.cpp
)
target_include_directories(telvane_picture PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(telvane_objects PUBLIC telvane_picture)
