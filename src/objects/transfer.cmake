# The block framing on its own (data lines and the answer decoder), for the fuzzer too.
add_library(telvane_object_blocks STATIC
  ${CMAKE_CURRENT_LIST_DIR}/hex_block.cpp
)
target_include_directories(telvane_object_blocks PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(telvane_object_blocks PUBLIC telvane_gsm telvane_link)
target_link_libraries(telvane_objects PUBLIC telvane_object_blocks)

target_sources(telvane_objects PRIVATE
  binary_object.cpp
  logo_gif.cpp
  logo_transfer.cpp
  object_download.cpp
  object_file.cpp
  ring_tone_transfer.cpp
  transfer_progress.cpp
)
