# ruvo-render --batch with bad files among good ones, a bad one first: each
# bad file is named and gets no picture, every good one gets its picture, and
# the log beside them lists every file.
file(REMOVE_RECURSE "${WORK}")
file(READ "${EXAMPLES}/cavity/CAVITY.P" whole)
string(FIND "${whole}" "\n" header_end)
string(SUBSTRING "${whole}" ${header_end} -1 nodes)
file(WRITE "${WORK}/in/a_bad.p" "149 0 149 0${nodes}")  # reversed
file(WRITE "${WORK}/in/b_bad.p" "0 0 0 0\n1.5\n")       # one node
string(LENGTH "${whole}" length)
math(EXPR cut "${length} - 8")  # inside its last number, as a solver still writing it leaves it
string(SUBSTRING "${whole}" 0 ${cut} part)
file(WRITE "${WORK}/in/d_bad.p" "${part}")
configure_file("${EXAMPLES}/cavity/CAVITY.P" "${WORK}/in/c_good.p" COPYONLY)
configure_file("${EXAMPLES}/cavity/CAVITY.P" "${WORK}/in/e_good.p" COPYONLY)
set(names a_bad b_bad c_good d_bad e_good)
list(TRANSFORM names PREPEND "${WORK}/in/" OUTPUT_VARIABLE paths)
list(TRANSFORM paths APPEND ".p")

execute_process(COMMAND "${RENDER}" "${EXAMPLES}/cavity/cavity.RVP" --scalar 0 --fixed --batch ${paths}
  --out-dir "${WORK}/out" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(STRINGS "${WORK}/out/ruvo-conversion.log" log)
string(FIND "${err}" "a_bad.p: the file's header i 149..0, j 149..0 holds no node of the view's area i 0..149" at)
if(NOT status EQUAL 4 OR at EQUAL -1)
  message(FATAL_ERROR "exit ${status}, expected 4 and the reversed header's reason:\n${out}\n${err}")
endif()
foreach(name ${names})
  list(FIND names ${name} k)
  list(GET log ${k} line)
  string(FIND "${err}" "${name}.p: " named)
  if((name MATCHES "good" AND (NOT EXISTS "${WORK}/out/${name}.bmp" OR NOT line MATCHES ": ok " OR named GREATER -1))
     OR (name MATCHES "bad" AND (EXISTS "${WORK}/out/${name}.bmp" OR line MATCHES ": ok " OR named EQUAL -1)))
    message(FATAL_ERROR "${name}: picture, log line and message disagree: ${line}\n${err}")
  endif()
endforeach()
