#!/usr/bin/python3
"""The composite view of a ruvo-make-case case drawn by matplotlib, for comparison.

    bench/matplotlib_composite.py CASE_DIR [REPEATS]

Reads the grid, LARGE.V and LARGE.P of CASE_DIR, then times drawing only
(Agg, a 500 x 600 pixel figure as Ruvo's view at 100 %): pcolormesh of 255
bands, 20 coloured contour levels, an arrow at every node (quiver) and the
grid lines. Prints the median of REPEATS draws in milliseconds.
"""
import statistics
import sys
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.collections import LineCollection  # noqa: E402


def read(path, columns):
    with open(path) as f:
        i0, i1, j0, j1 = (int(v) for v in f.readline().split()[:4])
        values = np.loadtxt(f, usecols=range(columns), ndmin=2)
    shape = (i1 - i0 + 1, j1 - j0 + 1)
    return [values[:, k].reshape(shape) for k in range(columns)]


def main():
    case = sys.argv[1]
    repeats = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    x, y = read(f"{case}/LARGE.GRD", 2)
    u, v = read(f"{case}/LARGE.V", 2)
    (p,) = read(f"{case}/LARGE.P", 1)
    cmap = plt.get_cmap("jet", 255)
    lines = [np.column_stack((x[i], y[i])) for i in range(x.shape[0])]
    lines += [np.column_stack((x[:, j], y[:, j])) for j in range(x.shape[1])]

    times = []
    for _ in range(repeats):
        fig = plt.figure(figsize=(5, 6), dpi=100)
        ax = fig.add_axes([0.05, 0.2, 0.9, 0.75])
        start = time.perf_counter()
        ax.pcolormesh(x, y, p, cmap=cmap, shading="nearest")
        ax.contour(x, y, p, levels=20, cmap="jet")
        ax.quiver(x, y, u, v)
        ax.add_collection(LineCollection(lines, colors="grey", linewidths=0.5))
        fig.canvas.draw()
        times.append((time.perf_counter() - start) * 1000)
        plt.close(fig)
    print(f"matplotlib {matplotlib.__version__}: composite of {x.shape[0]} x {x.shape[1]} nodes, "
          f"median of {repeats}: {statistics.median(times):.0f} ms")


if __name__ == "__main__":
    main()
