# libFuzzer target for the names-file reader and the name check (see
# cli_fuzz.cpp). Output: build-fuzz/bin/fuzz_names.
include(${CMAKE_SOURCE_DIR}/cli/names.cmake)
add_executable(fuzz_names cli_fuzz.cpp)
target_link_libraries(fuzz_names PRIVATE gc_cli_names)
target_compile_options(fuzz_names PRIVATE -fsanitize=fuzzer)
target_link_options(fuzz_names PRIVATE -fsanitize=fuzzer)
