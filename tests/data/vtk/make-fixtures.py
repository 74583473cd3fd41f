#!/usr/bin/python3
"""One-off: made the VTK files beside it with VTK 9.1 itself, and expected.txt,
the values they hold. Kept to show where the files came from; the tests read
the committed files and do not run it."""

import vtk

NI, NJ = 4, 3


def grid():
    points = vtk.vtkPoints()
    points.SetDataTypeToDouble()
    pressure = vtk.vtkDoubleArray()
    pressure.SetName("Pressure")
    velocity = vtk.vtkDoubleArray()
    velocity.SetName("Velocity")
    velocity.SetNumberOfComponents(3)
    for j in range(NJ):
        for i in range(NI):
            x = 0.1 * i * i + 0.3 * j
            y = 1.0 / 3.0 * j + 0.05 * i
            points.InsertNextPoint(x, y, 0.0)
            pressure.InsertNextValue(101325.0 + x * y - 2.0 ** -30)
            velocity.InsertNextTuple3(x - y, 1e-300 * (i + 1), -7.25 * j)
    cells = vtk.vtkIntArray()
    cells.SetName("CellId")
    for n in range((NI - 1) * (NJ - 1)):
        cells.InsertNextValue(n)
    g = vtk.vtkStructuredGrid()
    g.SetDimensions(NI, NJ, 1)
    g.SetPoints(points)
    g.GetPointData().AddArray(pressure)
    g.GetPointData().SetVectors(velocity)
    g.GetCellData().AddArray(cells)
    return g, points, pressure, velocity


def write_legacy(g, name, binary):
    w = vtk.vtkStructuredGridWriter()
    w.SetInputData(g)
    w.SetFileName(name)
    if binary:
        w.SetFileTypeToBinary()
    w.Write()


def write_xml(g, name, mode, compressed, header64=False, big_endian=False):
    w = vtk.vtkXMLStructuredGridWriter()
    w.SetInputData(g)
    w.SetFileName(name)
    {"ascii": w.SetDataModeToAscii, "binary": w.SetDataModeToBinary,
     "appended": w.SetDataModeToAppended}[mode]()
    if mode == "appended":
        w.SetEncodeAppendedData(compressed)  # base64 with zlib, raw without
    if compressed:
        w.SetCompressorTypeToZLib()
    else:
        w.SetCompressorTypeToNone()
    if header64:
        w.SetHeaderTypeToUInt64()
    if big_endian:
        w.SetByteOrderToBigEndian()
    w.Write()


g, points, pressure, velocity = grid()
write_legacy(g, "grid-ascii.vtk", False)
write_legacy(g, "grid-binary.vtk", True)
write_xml(g, "grid-ascii.vts", "ascii", False)
write_xml(g, "grid-binary.vts", "binary", False)
write_xml(g, "grid-binary-zlib.vts", "binary", True)
write_xml(g, "grid-appended-raw.vts", "appended", False)
write_xml(g, "grid-appended-base64-zlib.vts", "appended", True)
write_xml(g, "grid-binary-zlib-uint64.vts", "binary", True, header64=True)
write_xml(g, "grid-appended-raw-big-endian.vts", "appended", False, header64=True, big_endian=True)

with open("expected.txt", "w") as out:
    out.write("%d %d\n" % (NI, NJ))
    for n in range(NI * NJ):
        x, y, _ = points.GetPoint(n)
        u, v, _ = velocity.GetTuple3(n)
        out.write("%r %r %r %r %r\n" % (x, y, pressure.GetValue(n), u, v))
