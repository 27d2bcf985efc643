target_sources(telvane_objects PRIVATE
)
