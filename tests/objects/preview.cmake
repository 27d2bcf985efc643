target_sources(telvane_objects_tests PRIVATE
  midi_player_test.cpp
  picture_preview_test.cpp
)
