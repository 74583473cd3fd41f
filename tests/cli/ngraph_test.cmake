# Writes the GRAF file of every view kind with ruvo-render and has Ngraph
# draw each one; any complaint of Ngraph fails the test. Skipped (exit 77)
# where Ngraph's ngp2 is not installed.
find_program(NGP2 ngp2)
if(NOT NGP2)
  message("ngp2 (Debian package ngraph-gtk) is missing: the GRAF files are not checked with Ngraph")
  cmake_language(EXIT 77)
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

set(cylinder "${EXAMPLES}/cylinder/cylinder.RVP")
set(cavity "${EXAMPLES}/cavity/cavity.RVP")
set(views
  "grid|${cylinder}|--show-grid"
  "vectors|${cylinder}|--vector 0"
  "contour|${cylinder}|--scalar 0"
  "colour-contour|${cylinder}|--scalar 0 --colour --broken"
  "fill|${cylinder}|--scalar 0 --view fill"
  "grey-fill|${cavity}|--scalar 0 --view fill --grey --bands 10 --range 0,0.02"
  "overlap|${cylinder}|--scalar 0 --overlap-contours --overlap-vectors --colour"
  "labels|${cavity}|--scalar 0 --view fill --overlap-contours --colour --labels --broken"
  "labels-contour|${cylinder}|--scalar 0 --labels"
  "ke|${cylinder}|--scalar 1 --view ke"
  "row|${cylinder}|--scalar 0 --view row --ypos 10 --other-axis"
  "column|${cylinder}|--scalar 0 --view column --xpos 20 --other-axis"
  "detail|${cylinder}|--scalar 0 --view detail --points --ticks --other-axis"
  "detail-row|${cavity}|--scalar 0 --view detail --axis row --ypos 30 --ticks --autoscale --magnification 300")
foreach(entry IN LISTS views)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 project)
  list(GET parts 2 option_text)
  separate_arguments(options UNIX_COMMAND "${option_text}")
  execute_process(COMMAND "${RENDER}" "${project}" ${options} -o "${WORK}/${name}.gra"
    RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "ruvo-render ${name}: exit ${status}\n${err}")
  endif()
  execute_process(COMMAND sh "${GRA2PNG}" "${WORK}/${name}.gra" "${WORK}/${name}.png" 50
    RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Ngraph does not draw ${name}.gra:\n${err}")
  endif()
endforeach()
