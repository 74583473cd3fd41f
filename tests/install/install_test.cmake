# Installs the build into a temporary root as a package would, then uses the
# installed files as a user's machine does: a picture from the installed
# sample, the help pages, the desktop entry and the MIME type of projects.
file(REMOVE_RECURSE "${WORK}")
set(root "${WORK}/root")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}: exit ${status}\n${out}\n${err}")
  endif()
  set(last_out "${out}" PARENT_SCOPE)
endfunction()

run("${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${root}")
foreach(file bin/ruvo bin/ruvo-render share/ruvo/help/index.html share/ruvo/examples/cavity/cavity.RVP
             share/applications/ruvo.desktop share/mime/packages/ruvo.xml
             share/icons/hicolor/scalable/apps/ruvo.svg)
  if(NOT EXISTS "${root}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

run("${root}/bin/ruvo-render" --version)
if(NOT last_out MATCHES "^ruvo-render [0-9]")
  message(FATAL_ERROR "the installed ruvo-render answers --version with: ${last_out}")
endif()
run("${root}/bin/ruvo-render" "${root}/share/ruvo/examples/cylinder/cylinder.RVP" --scalar 0 --view fill
    -o "${WORK}/fill.png")
if(NOT EXISTS "${WORK}/fill.png")
  message(FATAL_ERROR "the installed ruvo-render wrote no picture")
endif()

find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  run("${VALIDATE}" "${root}/share/applications/ruvo.desktop")
endif()

# A project file resolves to Ruvo's type once the MIME database of the root
# is built (xdg-mime asks shared-mime-info through `mimetype`).
find_program(UPDATE_MIME update-mime-database)
find_program(XDG_MIME xdg-mime)
find_program(MIMETYPE mimetype)
if(UPDATE_MIME AND XDG_MIME AND MIMETYPE)
  run("${UPDATE_MIME}" "${root}/share/mime")
  foreach(name x.RVP y.rvp)
    file(COPY_FILE "${root}/share/ruvo/examples/cavity/cavity.RVP" "${WORK}/${name}")
    run("${CMAKE_COMMAND}" -E env "XDG_DATA_DIRS=${root}/share:/usr/share" "XDG_DATA_HOME=${WORK}/none"
        "${XDG_MIME}" query filetype "${WORK}/${name}")
    string(STRIP "${last_out}" type)
    if(NOT type STREQUAL "application/x-ruvo-project")
      message(FATAL_ERROR "${name} is taken for ${type}")
    endif()
  endforeach()
else()
  message("update-mime-database, xdg-mime or mimetype is missing: the MIME type is not checked")
endif()
