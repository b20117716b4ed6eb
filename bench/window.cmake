# One picture in the window versus headless: xvfb-run -a build/bin/bench_window
if(GREETCARD_GUI)
  add_executable(bench_window window_bench.cpp)
  target_link_libraries(bench_window PRIVATE gc_window benchmark::benchmark)
endif()
