target_sources(telvane_objects PRIVATE
  binary_object.cpp
)
