# The Qt window: the executable greetcard and a library its tests share.
if(GREETCARD_GUI)
  add_library(gc_window STATIC
    main_window.cpp main_window.h
    name_prompt.cpp name_prompt.h
    qt_event_pump.cpp qt_event_pump.h
  )
  target_link_libraries(gc_window PUBLIC gc_flow Qt6::Widgets Qt6::Gui)
  add_executable(greetcard main.cpp)
  target_link_libraries(greetcard PRIVATE gc_window)
endif()
