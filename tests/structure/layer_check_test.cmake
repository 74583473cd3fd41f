# The core's include check passes a clean core and stops at each way a core
# file can reach the windows (a path into ui/, a name only ui/ has, a parent
# folder, a header of Qt Widgets) and at each back include between its layers.
function(clean_core)
  file(REMOVE_RECURSE "${WORK}")
  file(MAKE_DIRECTORY "${WORK}/src/core/data" "${WORK}/src/core/view" "${WORK}/src/core/plot" "${WORK}/src/ui")
  file(WRITE "${WORK}/src/core/Texts.h" "#pragma once\n")
  file(WRITE "${WORK}/src/core/data/Table.h" "#pragma once\n#include \"Texts.h\"\n")
  file(WRITE "${WORK}/src/core/data/Store.h" "#pragma once\n#include \"Table.h\"\n#include \"data/Table.h\"\n#include <QImage>\n")
  file(WRITE "${WORK}/src/core/view/View.h" "#pragma once\n#include \"data/Store.h\"\n")
  file(WRITE "${WORK}/src/core/Workspace.h" "#pragma once\n#include \"view/View.h\"\n")
  file(WRITE "${WORK}/src/core/plot/Plot.h" "#pragma once\n#include \"Workspace.h\"\n")
  file(WRITE "${WORK}/src/ui/Main.h" "#pragma once\n")
endfunction()

function(check expect_pass what)
  execute_process(COMMAND ${CMAKE_COMMAND} -DCORE_DIR=${WORK}/src/core -P ${CHECK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(expect_pass AND NOT status EQUAL 0)
    message(FATAL_ERROR "${what}: refused a clean core:\n${out}")
  elseif(NOT expect_pass AND status EQUAL 0)
    message(FATAL_ERROR "${what}: let it pass")
  endif()
endfunction()

clean_core()
check(TRUE "clean core")
foreach(bad "data/Bad.cpp|#include \"ui/Main.h\"" "data/Bad.cpp|#include \"Main.h\""
            "data/Bad.cpp|#include \"../../ui/Main.h\"" "data/Bad.cpp|#include <QtWidgets/QWidget>"
            "data/Bad.cpp|#  include <QtWidgets>" "data/Bad.cpp|#include \"view/View.h\""
            "view/Bad.cpp|#include \"plot/Plot.h\"" "Texts.h|#include \"data/Table.h\""
            "Workspace.cpp|#include \"plot/Plot.h\"" "Other.h|#pragma once")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts 0 name)
  list(GET parts 1 text)
  clean_core()
  file(WRITE "${WORK}/src/core/${name}" "${text}\n")
  check(FALSE "${name}: ${text}")
endforeach()
