target_sources(telvane_objects PRIVATE
  midi_player.cpp
  picture_preview.cpp
)
