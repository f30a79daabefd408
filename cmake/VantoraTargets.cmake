# Small helpers so that every folder declares its targets the same way.

# vantora_library(<name> SOURCES ... [PUBLIC_DEPS ...] [PRIVATE_DEPS ...])
# A static library whose public headers are included as "<folder>/<header>.h" from src/.
function(vantora_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_DEPS} PRIVATE vantora_warnings ${ARG_PRIVATE_DEPS})
endfunction()

# vantora_test(<name> [GUI | WIDGETS] SOURCES ... DEPS ... [LABELS ...])
# GUI: the program paints (fonts, QPainter), so it gets one QGuiApplication for its whole run.
# WIDGETS: the program opens windows or dialogs, so it gets one QApplication instead.
# One GoogleTest executable, one CTest test that runs all its cases in one process: starting a
# sanitized Qt program costs more than most cases, so a process per case would double the suite's
# time. With VANTORA_TEST_EACH_CASE every case becomes a CTest test of its own instead, discovered
# when the tests run. Paths reach tests as compile definitions.
function(vantora_test name)
  cmake_parse_arguments(ARG "GUI;WIDGETS" "" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_sources(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests/support/gui_app_environment.cpp")
    target_link_libraries(${name} PRIVATE Qt6::Gui)
  elseif(ARG_WIDGETS)
    target_sources(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests/support/widget_app_environment.cpp")
    target_link_libraries(${name} PRIVATE Qt6::Widgets)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} vantora_test_support GTest::gmock GTest::gtest_main vantora_warnings)
  if(VANTORA_TEST_EACH_CASE)
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS "${ARG_LABELS}"
                 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 1800)
  endif()
endfunction()

# The programs' version, from project(): one generated header for every program (--version).
configure_file("${PROJECT_SOURCE_DIR}/cmake/program_information.h.in"
               "${PROJECT_BINARY_DIR}/generated/program_information.h" @ONLY)
add_library(vantora_program_information INTERFACE)
target_include_directories(vantora_program_information INTERFACE "${PROJECT_BINARY_DIR}/generated")
