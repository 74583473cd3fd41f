# The layer check passes a core that includes only itself and Qt Core and Gui,
# and stops one file that includes the windows, Qt Widgets or PrintSupport,
# or a quoted header the core does not have.
# Run with: cmake -DCHECK=<CheckCoreIncludes.cmake> -DWORK=<scratch folder> -P layer_check_test.cmake
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/ui/Window.h" "#pragma once\n")
file(WRITE "${WORK}/core/plot/Other.h" "#pragma once\n")
file(WRITE "${WORK}/core/plot/Plot.cpp" "#include \"plot/Other.h\"\n#include \"Other.h\"\n#include <QImage>\n")

function(expect_check outcome what)
  execute_process(COMMAND "${CMAKE_COMMAND}" -DCORE_DIR=${WORK}/core -P "${CHECK}"
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if((outcome STREQUAL "pass") AND NOT (result EQUAL 0) OR (outcome STREQUAL "fail") AND (result EQUAL 0))
    message(FATAL_ERROR "The layer check should ${outcome} ${what}")
  endif()
endfunction()

expect_check(pass "a core that keeps to itself")
foreach(include "\"../../ui/Window.h\"" "<QtWidgets/QWidget>" "<QtPrintSupport>" "\"plot/Missing.h\"")
  file(WRITE "${WORK}/core/plot/Bad.h" "#include ${include}\n")
  expect_check(fail "on #include ${include}")
endforeach()
