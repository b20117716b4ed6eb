# The names-file reader, the name check and the card file names: no Qt, so
# the fuzz configuration builds them too.
include_guard(GLOBAL)
add_library(gc_cli_names STATIC
  ${CMAKE_CURRENT_LIST_DIR}/names_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_names.cpp
)
target_link_libraries(gc_cli_names PUBLIC gc_flow)
