# The picture flow, headless with fakes.
add_executable(test_app_flow
  app/flow_test.cpp
  app/clock_test.cpp
)
target_link_libraries(test_app_flow PRIVATE gc_flow GTest::gtest_main)
gtest_discover_tests(test_app_flow)
include(${CMAKE_CURRENT_SOURCE_DIR}/app/window_tests.cmake OPTIONAL)
