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
file(READ "${WORK}/cavity.bmp" bits_per_pixel OFFSET 28 LIMIT 2 HEX)
if(NOT bits_per_pixel STREQUAL "1800")
  message(FATAL_ERROR "cavity.bmp has not 24 bits a pixel but ${bits_per_pixel}")
endif()
expect_run(0 "${cylinder}" --fixed -o "${WORK}/fixed.png")

# Every view kind of a scalar file, vectors and the switches.
foreach(kind contour fill ke row column detail)
  expect_run(0 "${cylinder}" --scalar 0 --view ${kind} -o "${WORK}/p-${kind}.png")
endforeach()
expect_run(0 "${cylinder}" --vector 0 --x-dot 8 --y-step 2 --arrow 0.3,0.4 --length 10 -o "${WORK}/v.png")
expect_run(0 "${cylinder}" --scalar 1 --view fill --grey --bands 10 --overlap-contours --lines 5 --colour
  --broken --overlap-vectors --show-grid --range 0,0.01 --line-width 2 --ratio 0.5 -o "${WORK}/k.png")
expect_run(0 "${cylinder}" --scalar 0 --view detail --axis row --ypos 3 --xpos 60 --points --autoscale --ticks
  --other-axis -o "${WORK}/d.png")

# Vector pictures, and bitmaps at a scale.
expect_run(0 "${cylinder}" --scalar 0 --view fill --overlap-vectors -o "${WORK}/f.svg")
expect_run(0 "${cylinder}" --scalar 0 --view fill --overlap-vectors -o "${WORK}/f.pdf")
file(READ "${WORK}/f.pdf" pdf_start LIMIT 5 HEX)
if(NOT pdf_start STREQUAL "255044462d")  # %PDF-
  message(FATAL_ERROR "f.pdf is no PDF file")
endif()
expect_run(0 "${cylinder}" --scale 2 -o "${WORK}/g.bmp")
file(READ "${WORK}/g.bmp" width OFFSET 18 LIMIT 4 HEX)
if(NOT width STREQUAL "e8030000")
  message(FATAL_ERROR "g.bmp is not 1000 pixels wide but 0x${width} (little-endian)")
endif()

# Usage errors: exit 1 with the usage text.
expect_run(1 "${cylinder}" --scale 2 -o "${WORK}/x.svg")
expect_contains("${last_err}" "--scale goes with a .png or .bmp picture")
expect_run(1 "${cylinder}" --scale 5 -o "${WORK}/x.png")
expect_run(1 "${cylinder}" --vector 0 --view contour -o "${WORK}/x.png")
expect_contains("${last_err}" "--view contour needs --scalar N")
expect_run(1 "${cylinder}" --view fill -o "${WORK}/x.png")
expect_run(1 "${cylinder}" --vector 0 --scalar 0 -o "${WORK}/x.png")
expect_run(1 "${cylinder}" --scalar 5 -o "${WORK}/x.png")
expect_contains("${last_err}" "no scalar file at list position 5")
expect_run(1 "${cylinder}" --scalar 0 --png -o "${WORK}/x.png")
expect_contains("${last_err}" "go with --batch")
expect_run(1 "${cylinder}" --scalar 0 --series-range --range 0,1 --batch "${WORK}/x.p" --out-dir "${WORK}")
expect_contains("${last_err}" "give one")
foreach(bad "--lines;0" "--lines;101" "--bands;9" "--bands;256" "--length;0" "--x-step;21" "--y-dot;41"
            "--line-width;31" "--range;5,1" "--range;1,nan" "--ratio;0" "--arrow;2,0.2" "--arrow;0.2"
            "--xpos;150" "--axis;diagonal" "--magnification;abc")
  expect_run(1 "${cylinder}" --scalar 0 ${bad} -o "${WORK}/x.png")
endforeach()
expect_run(1 "${cylinder}" --scalar 0 --xpos 130 -o "${WORK}/x.png")
expect_contains("${last_err}" "--xpos and --ypos must lie within")
expect_run(0 --help)
expect_contains("${last_out}" "--magnification")
expect_run(0 --version)
expect_contains("${last_out}" "ruvo-render ${VERSION}")
# A value may follow an equals sign; a later option wins over an earlier one
# (140 lies outside the cylinder); a value missing at the end is refused.
expect_run(0 "${cylinder}" --scalar 0 --range=-1,5 --lines=3 --xpos 140 --xpos 5 -o "${WORK}/eq.png")
expect_run(1 "${cylinder}" --scalar 0 --lines)
expect_contains("${last_err}" "--lines needs a value")
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
# A file that ends before its last node is refused, not drawn with zeros.
file(WRITE "${WORK}/short/SHORT.GRD" "0 1 0 1\n0 0\n0 1\n1 0\n1 1\n")
file(WRITE "${WORK}/short/SHORT.P" "0 1 0 1\n1\n2\n")
file(WRITE "${WORK}/short/short.RVP"
  "[FileNumber]\nScalar_File_Number=1\n[FileName]\nGrid_File_Name=SHORT.GRD\nScalar_File_Name_1=SHORT.P\n")
expect_run(2 "${WORK}/short/short.RVP" --scalar 0 -o "${WORK}/x.png")
expect_contains("${last_err}" "SHORT.P: the file ends after 2 nodes, before the last node of its header")

# A view that cannot be drawn: exit 3 naming the reason.
file(WRITE "${WORK}/flat/FLAT.GRD" "0 1 0 1\n0 0\n0 0\n1 0\n1 0\n")
file(WRITE "${WORK}/flat/flat.RVP" "[FileName]\nGrid_File_Name=FLAT.GRD\n")
expect_run(3 "${WORK}/flat/flat.RVP" -o "${WORK}/x.png")
expect_contains("${last_err}" "cannot be drawn")
# A grid of extent 1 five million units from the origin: refused, not drawn blank.
file(WRITE "${WORK}/far/FAR.GRD" "0 1 0 1\n0 5000000\n0 5000001\n1 5000000\n1 5000001\n")
file(WRITE "${WORK}/far/far.RVP" "[FileName]\nGrid_File_Name=FAR.GRD\n")
expect_run(3 "${WORK}/far/far.RVP" -o "${WORK}/x.png")
expect_contains("${last_err}" "too far from the origin")

# An unwritable picture: exit 3, nothing claimed.
expect_run(3 "${cylinder}" -o "${WORK}/grid.png/inside.png")

# The grid and every file of the project as one VTK structured grid.
expect_run(0 "${cylinder}" -o "${WORK}/cylinder.vts")
file(READ "${WORK}/cylinder.vts" vts LIMIT 400)
expect_contains("${vts}" "<VTKFile type=\"StructuredGrid\"")
expect_run(1 "${cylinder}" -o "${WORK}/cylinder.vtk")
expect_contains("${last_err}" ".vts or .cgns")

# The same as CGNS, opened again as a project: the fields are picked by name
# and drawn as the text files are.
expect_run(0 "${cylinder}" -o "${WORK}/cylinder.cgns")
foreach(view contour fill)
  expect_run(0 "${cylinder}" --scalar 0 --view ${view} --overlap-vectors -o "${WORK}/text-${view}.png")
  expect_run(0 "${WORK}/cylinder.cgns" --scalar CYLINDER.P --view ${view} --overlap-vectors -o "${WORK}/cgns-${view}.png")
  file(SHA256 "${WORK}/text-${view}.png" from_text)
  file(SHA256 "${WORK}/cgns-${view}.png" from_cgns)
  if(NOT from_text STREQUAL from_cgns)
    message(FATAL_ERROR "the ${view} view of the CGNS file differs from the text files'")
  endif()
endforeach()
expect_run(1 "${WORK}/cylinder.cgns" --scalar Pressure -o "${WORK}/none.png")
expect_contains("${last_err}" "no scalar field or file named Pressure")
expect_run(2 "${WORK}/cylinder.cgns" --block Elsewhere -o "${WORK}/none.png")
expect_contains("${last_err}" "no block \"Elsewhere\"")
