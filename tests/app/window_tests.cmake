# The Qt window on the offscreen platform, and the executable end to end.
if(GREETCARD_GUI)
  add_executable(test_app_window app/window_test.cpp)
  target_link_libraries(test_app_window PRIVATE gc_window GTest::gtest)
  gtest_discover_tests(test_app_window PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
