add_executable(test_platform
  platform/numbers_test.cpp
  platform/rng_test.cpp
)
target_link_libraries(test_platform PRIVATE gc_platform GTest::gtest_main)
gtest_discover_tests(test_platform)

add_executable(test_canvas
  platform/canvas_test.cpp
  platform/text_test.cpp
  platform/bmp_test.cpp
)
target_link_libraries(test_canvas PRIVATE gc_platform GTest::gtest_main)
gtest_discover_tests(test_canvas)
