# ruvo-render --batch on a few hundred frames: the same pictures on one
# thread and on two, and a file that cannot be read reported and skipped.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/frames")

# Frames alternate between the sample's two scalar files, each drawn on its
# own value range.
set(files "")
foreach(n RANGE 1 200)
  math(EXPR odd "${n} % 2")
  if(odd)
    configure_file("${EXAMPLES}/cylinder/CYLINDER.P" "${WORK}/frames/run${n}.p" COPYONLY)
  else()
    configure_file("${EXAMPLES}/cylinder/CYLINDER.K" "${WORK}/frames/run${n}.p" COPYONLY)
  endif()
  list(APPEND files "${WORK}/frames/run${n}.p")
endforeach()
# Cut short as a solver still writing it leaves it, and missing altogether.
file(READ "${EXAMPLES}/cylinder/CYLINDER.P" whole)
string(SUBSTRING "${whole}" 0 30000 part)
file(WRITE "${WORK}/frames/cut.p" "${part}")
list(APPEND files "${WORK}/frames/cut.p" "${WORK}/frames/missing.p")

set(common "${EXAMPLES}/cylinder/cylinder.RVP" --scalar 0 --fixed --view fill --batch ${files})

# Runs the batch with the options given on one thread and on two, into
# ${WORK}/NAME1 and NAME2: the bad files are reported (exit 4), 200 pictures
# (*.EXTENSION) are written, and they are the same on both. `last_out` is
# the standard output of the last run.
function(batch_on_one_and_two_threads name extension)
  foreach(jobs 1 2)
    execute_process(COMMAND "${RENDER}" ${common} --out-dir "${WORK}/${name}${jobs}" --jobs ${jobs} ${ARGN}
      RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 4)
      message(FATAL_ERROR "${ARGN} --jobs ${jobs}: exit ${status}, expected 4 (some files failed)\n${out}\n${err}")
    endif()
    foreach(bad cut.p missing.p)
      string(FIND "${err}" "${bad}:" at)
      if(at EQUAL -1)
        message(FATAL_ERROR "--jobs ${jobs}: ${bad} not reported:\n${err}")
      endif()
    endforeach()
  endforeach()
  file(GLOB pictures RELATIVE "${WORK}/${name}1" "${WORK}/${name}1/*.${extension}")
  list(LENGTH pictures count)
  if(NOT count EQUAL 200)
    message(FATAL_ERROR "${ARGN}: expected the 200 complete frames' pictures only, got ${count}")
  endif()
  foreach(picture ${pictures})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${name}1/${picture}" "${WORK}/${name}2/${picture}"
      RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${picture} differs between --jobs 1 and --jobs 2")
    endif()
  endforeach()
  set(last_out "${out}" PARENT_SCOPE)
endfunction()

batch_on_one_and_two_threads(jobs bmp)
if(EXISTS "${WORK}/jobs1/cut.bmp" OR EXISTS "${WORK}/jobs2/cut.bmp")
  message(FATAL_ERROR "a file cut short got a picture")
endif()
# The two kinds of frame differ.
file(SHA1 "${WORK}/jobs1/run1.bmp" odd_frame)
file(SHA1 "${WORK}/jobs1/run2.bmp" even_frame)
if(odd_frame STREQUAL even_frame)
  message(FATAL_ERROR "frames of different files are the same picture")
endif()

# Numbered, labelled PNG pictures on one range for the series, which is said.
batch_on_one_and_two_threads(series png --png --numbered --label --series-range)
string(FIND "${last_out}" "value range of the series: " said)
if(said EQUAL -1 OR NOT EXISTS "${WORK}/series1/0200.png")
  message(FATAL_ERROR "no range said, or not numbered:\n${last_out}")
endif()
