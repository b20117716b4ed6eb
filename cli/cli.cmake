# greetcard-render: cards from the command line, without a display.
find_package(CLI11 CONFIG REQUIRED)
find_package(Threads REQUIRED)
include(${CMAKE_CURRENT_LIST_DIR}/names.cmake)

add_library(gc_cli STATIC card.cpp batch.cpp progress.cpp)
target_link_libraries(gc_cli PUBLIC gc_cli_names gc_flow Qt6::Gui Threads::Threads)

add_executable(greetcard-render main.cpp)
target_link_libraries(greetcard-render PRIVATE gc_cli CLI11::CLI11)
target_compile_definitions(greetcard-render PRIVATE GREETCARD_VERSION="${PROJECT_VERSION}")
