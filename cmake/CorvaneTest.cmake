# corvane_link_qt_test_main(TARGET): gives a GoogleTest program the main() of
# qt_test_main.cpp, which starts a QApplication before the tests run.
function(corvane_link_qt_test_main target)
  if(NOT TARGET corvane_qt_test_main)
    find_package(Qt6 REQUIRED COMPONENTS Widgets)
    add_library(corvane_qt_test_main STATIC ${PROJECT_SOURCE_DIR}/cmake/qt_test_main.cpp)
    target_link_libraries(corvane_qt_test_main PUBLIC Qt6::Widgets GTest::gtest)
  endif()
  target_link_libraries(${target} PRIVATE corvane_qt_test_main)
endfunction()

# corvane_plain_test_code(TARGET): the test program's own code is compiled without
# optimisation, which roughly halves the compile time of its many test bodies; the libraries
# it tests keep their own options. (The ThreadSanitizer build makes one test only, and keeps
# it optimised, so that its threads race at full speed.)
function(corvane_plain_test_code target)
  if(NOT CORVANE_TSAN)
    target_compile_options(${target} PRIVATE -O0)
  endif()
endfunction()

# corvane_unit_test(NAME [QT_APP] SOURCES... LIBS ... [DEFINITIONS ...] [DEPENDS ...]): a
# GoogleTest executable registered with ctest under the label "unit" (run by both the normal
# and the sanitizer build). With QT_APP its main() starts a QApplication first (offscreen
# unless QT_QPA_PLATFORM says). DEFINITIONS are its compile definitions (where its test data
# lie); DEPENDS are targets built before it (plug-ins it loads).
function(corvane_unit_test name)
  cmake_parse_arguments(T "QT_APP" "" "SOURCES;LIBS;LABELS;DEFINITIONS;DEPENDS" ${ARGN})
  if(CORVANE_FUZZ)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  if(T_QT_APP)
    corvane_link_qt_test_main(${name})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE ${T_DEFINITIONS})
  if(T_DEPENDS)
    add_dependencies(${name} ${T_DEPENDS})
  endif()
  corvane_plain_test_code(${name})
  set(labels unit ${T_LABELS})
  gtest_discover_tests(${name} PROPERTIES LABELS "${labels}" DISCOVERY_TIMEOUT 60)
endfunction()

# corvane_fuzz_target(NAME SOURCES... LIBS ... CORPUS dir [SECONDS n]): a libFuzzer target,
# built only in the fuzz build (clang, CORVANE_FUZZ=ON) and run by ctest for a short, bounded
# time (CORVANE_FUZZ_SECONDS unless SECONDS says) under the label "fuzz": a check that the
# seeds and a little more still pass on every test run. Long runs are scripts/fuzz.sh's. A
# crash, leak, timeout or sanitizer report fails the test.
set(CORVANE_FUZZ_SECONDS 10 CACHE STRING "How long ctest runs each libFuzzer target")
function(corvane_fuzz_target name)
  cmake_parse_arguments(F "" "CORPUS;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT CORVANE_FUZZ)
    return()
  endif()
  if(NOT F_SECONDS)
    set(F_SECONDS ${CORVANE_FUZZ_SECONDS})
  endif()
  # The seeds are copied into a scratch folder: an empty name would copy the whole file system.
  if("${F_CORPUS}" STREQUAL "" OR NOT IS_ABSOLUTE "${F_CORPUS}")
    message(FATAL_ERROR "corvane_fuzz_target(${name}): CORPUS must name a folder, not '${F_CORPUS}'")
  endif()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(corvane_fuzz_targets ${name})
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  add_test(NAME ${name}
           COMMAND sh -c "rm -rf '${work}' && mkdir -p '${work}' && cp -r '${F_CORPUS}'/. '${work}'/ && '$<TARGET_FILE:${name}>' -seed=1 -max_total_time=${F_SECONDS} -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 '${work}'")
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 300)
  # For scripts/fuzz.sh: the program and its seed corpus.
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzz_targets/${name}.txt
       CONTENT "$<TARGET_FILE:${name}>\n${F_CORPUS}\n")
endfunction()
