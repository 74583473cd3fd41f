# The desktop program answers --help and --version as every command line
# does, without a display, and refuses an option it does not know.
function(expect_run expected_status needle)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                          "${RUVO}" ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(FIND "${out}${err}" "${needle}" at)
  if(NOT status EQUAL expected_status OR at EQUAL -1)
    message(FATAL_ERROR "ruvo ${ARGN}: exit ${status}, expected ${expected_status} and \"${needle}\"\n${out}\n${err}")
  endif()
endfunction()

expect_run(0 "[PROJECT.RVP]" --help)
expect_run(0 "--version" -h)
expect_run(0 "ruvo ${VERSION}" --version)
expect_run(1 "bogus" -platform offscreen --bogus)
