# greetcard-render: the names reader, the card renderer and the tool itself.
if(TARGET greetcard-render)
  add_executable(test_cli
    cli/names_file_test.cpp
    cli/card_test.cpp
    cli/progress_test.cpp
    cli/render_tool_test.cpp
  )
  target_link_libraries(test_cli PRIVATE gc_cli GTest::gtest_main)
  target_compile_definitions(test_cli PRIVATE GREETCARD_RENDER="$<TARGET_FILE:greetcard-render>")
  add_dependencies(test_cli greetcard-render)
  gtest_discover_tests(test_cli DISCOVERY_TIMEOUT 30 PROPERTIES TIMEOUT 600)
endif()
