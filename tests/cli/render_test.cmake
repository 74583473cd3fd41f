# Runs ruvo-render as a user would and checks its exit status, its messages
# and the pictures it writes.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(expect_run expected_status)
  execute_process(COMMAND "${RENDER}" ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "ruvo-render ${ARGN}: exit ${status}, expected ${expected_status}\n${out}\n${err}")
  endif()
  set(last_out "${out}" PARENT_SCOPE)
  set(last_err "${err}" PARENT_SCOPE)
endfunction()

function(expect_contains text needle)
  string(FIND "${text}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected \"${needle}\" in:\n${text}")
  endif()
endfunction()

set(cylinder "${EXAMPLES}/cylinder/cylinder.RVP")

# Pictures of both samples, PNG and BMP.
expect_run(0 "${cylinder}" --view grid -o "${WORK}/grid.png")
expect_contains("${last_out}" "grid.png")
if(NOT EXISTS "${WORK}/grid.png")
  message(FATAL_ERROR "no picture written")
endif()
expect_run(0 "${EXAMPLES}/cavity/cavity.RVP" --magnification 150 --show-closed --area 10,10,60,80 -o "${WORK}/cavity.bmp")
file(READ "${WORK}/cavity.bmp" header LIMIT 2 HEX)
if(NOT header STREQUAL "424d")
  message(FATAL_ERROR "cavity.bmp is no BMP file")
endif()
expect_run(0 "${cylinder}" --fixed -o "${WORK}/fixed.png")

# Usage errors: exit 1 with the usage text.
expect_run(0 --help)
expect_contains("${last_out}" "--magnification")
expect_run(1)
expect_contains("${last_err}" "Usage:")
expect_run(1 "${cylinder}" --frobnicate -o "${WORK}/x.png")
expect_contains("${last_err}" "unknown option --frobnicate")
expect_run(1 "${cylinder}" --magnification 900 -o "${WORK}/x.png")
expect_run(1 "${cylinder}" --magnification 99 -o "${WORK}/x.png")
expect_run(1 "${cylinder}" --area 5,5,2,8 -o "${WORK}/x.png")
expect_run(1 "${cylinder}" --area 0,0,130,10 -o "${WORK}/x.png")
expect_run(1 "${cylinder}" --view nonsense -o "${WORK}/x.png")
expect_run(1 "${cylinder}" -o "${WORK}/x.gif")
expect_run(1 "${cylinder}")

# Unreadable files: exit 2 with the kind's message.
file(WRITE "${WORK}/bad/BAD.GRD" "0 1 0 1\n0 0\n0 1.0D+00\n")
file(WRITE "${WORK}/bad/bad.RVP" "[FileName]\nGrid_File_Name=BAD.GRD\n")
expect_run(2 "${WORK}/bad/bad.RVP" -o "${WORK}/x.png")
expect_contains("${last_err}" "ファイル書き込み中かグリッドデータが違うよ。")
expect_contains("${last_err}" "line 3")
expect_run(2 "${WORK}/missing.RVP" -o "${WORK}/x.png")

# A view that cannot be drawn: exit 3 naming the reason.
file(WRITE "${WORK}/flat/FLAT.GRD" "0 1 0 1\n0 0\n0 0\n1 0\n1 0\n")
file(WRITE "${WORK}/flat/flat.RVP" "[FileName]\nGrid_File_Name=FLAT.GRD\n")
expect_run(3 "${WORK}/flat/flat.RVP" -o "${WORK}/x.png")
expect_contains("${last_err}" "cannot be drawn")

# An unwritable picture: exit 3, nothing claimed.
expect_run(3 "${cylinder}" -o "${WORK}/grid.png/inside.png")
