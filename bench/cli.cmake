# greetcard-render: one card's render and encodings (Google Benchmark), and
# the batch throughput and memory table (bench/batch_bench.sh):
#   cmake --build build --target bench_cli_batch
if(TARGET greetcard-render)
  add_executable(bench_cli cli_bench.cpp)
  target_link_libraries(bench_cli PRIVATE gc_cli benchmark::benchmark_main)
  add_custom_target(bench_cli_batch
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/batch_bench.sh $<TARGET_FILE:greetcard-render>
    DEPENDS greetcard-render
    USES_TERMINAL)
endif()
