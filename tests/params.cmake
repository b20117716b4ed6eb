add_executable(test_params
  params/draw_parameters_test.cpp
  params/ramp_test.cpp
)
target_link_libraries(test_params PRIVATE gc_params GTest::gtest_main)
gtest_discover_tests(test_params)
