add_executable(test_render
  render/orbit_field_test.cpp
  render/shaping_test.cpp
  render/brush_test.cpp
  render/scan_test.cpp
)
target_link_libraries(test_render PRIVATE gc_flow GTest::gtest_main)
gtest_discover_tests(test_render)
