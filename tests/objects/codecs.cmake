target_sources(telvane_objects_tests PRIVATE
)
