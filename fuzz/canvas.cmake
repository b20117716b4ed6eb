# libFuzzer target for the canvas: random operation sequences with random
# arguments (see canvas_fuzz.cpp). Output: build-fuzz/bin/fuzz_canvas.
add_executable(fuzz_canvas canvas_fuzz.cpp)
target_link_libraries(fuzz_canvas PRIVATE gc_platform)
target_compile_options(fuzz_canvas PRIVATE -fsanitize=fuzzer)
target_link_options(fuzz_canvas PRIVATE -fsanitize=fuzzer)
