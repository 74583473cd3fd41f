# The core's include check passes a clean core and stops at each way a core
# file can reach the windows: a path into ui/, a name only ui/ has, a parent
# folder, and a header of Qt Widgets.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/src/core/data" "${WORK}/src/ui")
file(WRITE "${WORK}/src/core/data/Table.h" "#pragma once\n")
file(WRITE "${WORK}/src/core/data/Store.h" "#pragma once\n#include \"Table.h\"\n#include \"data/Table.h\"\n#include <QImage>\n")
file(WRITE "${WORK}/src/ui/Main.h" "#pragma once\n")

function(check expect_pass what)
  execute_process(COMMAND ${CMAKE_COMMAND} -DCORE_DIR=${WORK}/src/core -P ${CHECK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(expect_pass AND NOT status EQUAL 0)
    message(FATAL_ERROR "${what}: refused a clean core:\n${out}")
  elseif(NOT expect_pass AND status EQUAL 0)
    message(FATAL_ERROR "${what}: let it pass")
  endif()
endfunction()

check(TRUE "clean core")
foreach(bad "#include \"ui/Main.h\"" "#include \"Main.h\"" "#include \"../../ui/Main.h\""
            "#include <QtWidgets/QWidget>" "#  include <QtWidgets>")
  file(WRITE "${WORK}/src/core/data/Bad.cpp" "${bad}\n")
  check(FALSE "${bad}")
endforeach()
