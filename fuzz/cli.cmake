# cli_fuzz: the names-file reader and the name check on arbitrary bytes.
include(${CMAKE_SOURCE_DIR}/cli/names.cmake)
set(GC_CLI_FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
# The reader and the name check (in the flow library) are what is fuzzed:
# instrument them for coverage and memory errors.
target_compile_options(gc_cli_names PRIVATE ${GC_CLI_FUZZ_FLAGS})
target_compile_options(gc_flow PRIVATE ${GC_CLI_FUZZ_FLAGS})
add_executable(cli_fuzz cli_fuzz.cpp)
target_compile_options(cli_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
target_link_options(cli_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(cli_fuzz PRIVATE gc_cli_names)
