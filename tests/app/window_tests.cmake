# The Qt window on the offscreen platform, and the executable end to end.
if(GREETCARD_GUI)
  add_executable(test_app_window app/window_test.cpp)
  target_link_libraries(test_app_window PRIVATE gc_window GTest::gtest)
  gtest_discover_tests(test_app_window PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()

find_program(XVFB_RUN xvfb-run)
if(GREETCARD_GUI AND XVFB_RUN)
  add_test(NAME e2e_window
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
            ${CMAKE_CURRENT_SOURCE_DIR}/app/e2e_window.sh $<TARGET_FILE:greetcard>)
  set_tests_properties(e2e_window PROPERTIES LABELS e2e TIMEOUT 600)
endif()
