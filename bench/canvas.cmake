# The canvas against QPainter on a QImage, and against a bare span fill.
if(TARGET Qt6::Gui)
  add_executable(bench_canvas canvas_bench.cpp)
  target_link_libraries(bench_canvas PRIVATE gc_platform benchmark::benchmark Qt6::Gui)
endif()
