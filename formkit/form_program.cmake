# corvane_form_program(NAME SUMMARY JOB_MIME_TYPE JOB_EXTENSION LIBS LIBRARY...): makes the
# window library NAME_ui from the window beside the caller (frm_NAME_window.cpp and its .ui
# form, over LIBS) and from it a sizing program: the executable NAME from main.cpp with its icon
# (icons/corvane-NAME.svg) built in, its installation for a freedesktop.org desktop (the
# program, its menu entry, its icon, the MIME type of its job files so a file manager opens
# a job with it, its manual page), and its tests: the window test NAME_window_test.cpp on the
# offscreen platform and on a real X server (label e2e), the program end to end under Xvfb
# driven by xdotool (NAME_e2e_test.sh, label e2e), and `cmake --install` of its component
# into a private prefix (label install: every file lands, the desktop entry is valid and the
# job files' MIME type leads to the program).
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/desktop_databases.cmake)

function(corvane_form_program name summary mime_type extension)
  cmake_parse_arguments(PARSE_ARGV 4 arg "" "" LIBS)
  add_library(${name}_ui STATIC frm_${name}_window.cpp frm_${name}_window.h frm_${name}.ui)
  target_include_directories(${name}_ui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name}_ui PUBLIC ${arg_LIBS} formkit_print Qt6::Widgets)

  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_ui)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${name})
  # The window icon, built into the program; the same file is installed for the desktop.
  qt_add_resources(${name}_ui ${name}_icons PREFIX "/icons" BASE icons
                   FILES icons/corvane-${name}.svg)

  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${name})
  corvane_install_rpath(${name} ${CMAKE_INSTALL_BINDIR})
  corvane_man_page(${name} "${summary}" ${name})
  install(FILES desktop/corvane-${name}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${name})
  install(FILES icons/corvane-${name}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT ${name})
  install(FILES desktop/corvane-${name}.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages COMPONENT ${name})
  corvane_refresh_desktop_databases(${name})

  add_executable(${name}_window_test frm_${name}_window_test.cpp)
  corvane_plain_test_code(${name}_window_test)
  target_link_libraries(${name}_window_test PRIVATE ${name}_ui formkit_qt_testing Qt6::Test)
  add_test(NAME ${name}_window_test COMMAND ${name}_window_test)
  set_tests_properties(${name}_window_test PROPERTIES LABELS widget
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

  add_test(NAME ${name}_e2e_test
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/${name}_e2e_test.sh $<TARGET_FILE:${name}>
                   ${CMAKE_BINARY_DIR}/e2e-screenshots)
  set_tests_properties(${name}_e2e_test PROPERTIES LABELS e2e TIMEOUT 120 RUN_SERIAL TRUE)

  add_test(NAME ${name}_window_test_x11
           COMMAND ${CMAKE_SOURCE_DIR}/cmake/run_under_x11.sh $<TARGET_FILE:${name}_window_test>)
  set_tests_properties(${name}_window_test_x11 PROPERTIES LABELS e2e TIMEOUT 120)

  add_test(NAME ${name}_install_test
           COMMAND ${CMAKE_SOURCE_DIR}/formkit/testing/install_test.sh ${CMAKE_BINARY_DIR} ${name}
                   corvane-${name} ${mime_type} ${extension})
  set_tests_properties(${name}_install_test PROPERTIES LABELS install TIMEOUT 120)
endfunction()
