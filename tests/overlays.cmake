add_executable(test_overlays
  overlays/read_back_test.cpp
  overlays/ornaments_test.cpp
  overlays/ornament_rings_test.cpp
  overlays/greeting_test.cpp
)
target_link_libraries(test_overlays PRIVATE gc_overlays GTest::gtest_main)
gtest_discover_tests(test_overlays)
