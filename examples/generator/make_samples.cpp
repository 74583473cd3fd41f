// ruvo-make-samples: writes the bundled sample projects.
//
//   ruvo-make-samples OUTPUT_EXAMPLES_DIR
//
// Creates OUTPUT_EXAMPLES_DIR/cylinder and OUTPUT_EXAMPLES_DIR/cavity and
// writes into them the grid, vector and scalar result files of two analytic
// flows together with a project file for each. The files have the plain-text
// layout our solvers write: a header line "i_start i_end j_start j_end"
// (zero-based) followed by one line per node, i in the outer loop and j in the
// inner loop.
//
// The output is deterministic: numbers are formatted with std::to_chars (no
// locale involved), every file is assembled in memory and written in binary
// mode, so the same build writes the same bytes on every run.
//
// Line ends differ on purpose: grid, scalar and project files end their lines
// with CR LF like the Windows Fortran solvers do, vector files with a bare LF,
// so the samples exercise both.

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

constexpr double pi = std::numbers::pi;

constexpr std::string_view crlf = "\r\n";
constexpr std::string_view lf = "\n";

// ---------------------------------------------------------------------------
// Number formatting

enum class Style {
    Fixed7,    // 7 decimals, no exponent:        "-1.2345678"
    SciLower,  // 7 significant digits, 'e':        "-1.234568e+00"
    SciUpper,  // 7 significant digits, 'E':        "-1.234568E+00"
};

// Formats a value in one of the forms the result readers accept: optional
// sign, digits, a decimal point that is always followed by digits, and an
// optional exponent. A value that rounds to zero is written without a sign.
std::string formatNumber(double value, Style style) {
    if (value == 0.0) value = 0.0;  // turns -0.0 into +0.0

    std::array<char, 64> buffer{};
    std::to_chars_result result{};
    switch (style) {
    case Style::Fixed7:
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 7);
        break;
    case Style::SciLower:
    case Style::SciUpper:
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 6);
        break;
    }
    std::string text(buffer.data(), result.ptr);

    if (style == Style::SciUpper) {
        for (char& c : text)
            if (c == 'e') c = 'E';
    }

    // A tiny negative value printed in fixed form comes out as "-0.0000000";
    // drop the sign so that such values read the same as their mirror images.
    if (!text.empty() && text.front() == '-') {
        bool allZero = true;
        for (char c : text) {
            if (c == 'e' || c == 'E') break;
            if (c >= '1' && c <= '9') {
                allZero = false;
                break;
            }
        }
        if (allZero) text.erase(0, 1);
    }
    return text;
}

// Right-aligns a number in a column of the given width, Fortran fashion.
void appendColumn(std::string& out, double value, Style style, std::size_t width) {
    const std::string text = formatNumber(value, style);
    if (text.size() < width) out.append(width - text.size(), ' ');
    out += text;
}

// ---------------------------------------------------------------------------
// Node tables and result files

// A field on an ni x nj node grid, stored with i in the outer position.
struct Table {
    int ni = 0;
    int nj = 0;
    std::vector<double> data;

    Table(int ni_, int nj_) : ni(ni_), nj(nj_), data(static_cast<std::size_t>(ni_) * nj_, 0.0) {}

    double& at(int i, int j) { return data[static_cast<std::size_t>(i) * nj + j]; }
    double at(int i, int j) const { return data[static_cast<std::size_t>(i) * nj + j]; }
};

// Writes a result file: header, then one line per node (j fastest) with the
// values of all given tables at that node, separated by blanks.
std::string resultFile(const std::vector<const Table*>& columns, Style style, std::size_t width, std::string_view eol) {
    const int ni = columns.front()->ni;
    const int nj = columns.front()->nj;

    std::string out;
    out.reserve(static_cast<std::size_t>(ni) * nj * (columns.size() * (width + 1) + 2) + 32);
    out += "0 " + std::to_string(ni - 1) + " 0 " + std::to_string(nj - 1);
    out += eol;
    for (int i = 0; i < ni; ++i) {
        for (int j = 0; j < nj; ++j) {
            for (const Table* column : columns) {
                out += ' ';
                appendColumn(out, column->at(i, j), style, width);
            }
            out += eol;
        }
    }
    return out;
}

// A project file naming one grid file and up to ten vector and ten scalar
// files, all relative to the project file's own folder.
std::string projectFile(const std::string& grid, const std::vector<std::string>& vectors,
                        const std::vector<std::string>& scalars) {
    std::string out;
    auto line = [&out](const std::string& text) {
        out += text;
        out += crlf;
    };
    line("[FileType]");
    line("Grid_File_Type=*.DAT;*.D;*.GRD");
    line("Vector_File_Type=*.DAT;*.D;*.V");
    line("Scalar_File_Type=*.DAT;*.D;*.P;*.K;*.E");
    line("[FileNumber]");
    line("Vector_File_Number=" + std::to_string(vectors.size()));
    line("Scalar_File_Number=" + std::to_string(scalars.size()));
    line("[FileName]");
    line("Grid_File_Name=" + grid);
    for (std::size_t n = 0; n < 10; ++n)
        line("Vector_File_Name_" + std::to_string(n + 1) + "=" + (n < vectors.size() ? vectors[n] : ""));
    for (std::size_t n = 0; n < 10; ++n)
        line("Scalar_File_Name_" + std::to_string(n + 1) + "=" + (n < scalars.size() ? scalars[n] : ""));
    return out;
}

bool writeFile(const std::filesystem::path& path, const std::string& contents) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        std::fprintf(stderr, "ruvo-make-samples: cannot create %s\n", path.string().c_str());
        return false;
    }
    file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "ruvo-make-samples: cannot write %s\n", path.string().c_str());
        return false;
    }
    std::printf("%s (%zu bytes)\n", path.string().c_str(), contents.size());
    return true;
}

// ---------------------------------------------------------------------------
// Cylinder: potential flow with a wake on an O-grid

// cos and sin of 2*pi*k/n for n divisible by 4, built from the first quadrant
// by exact symmetry: the quadrant points are exactly 0 and +-1, and nodes
// mirrored about either axis get coordinates of exactly equal magnitude.
void unitCircle(int k, int n, double& c, double& s) {
    const int quarter = n / 4;
    k %= n;
    if (k < 0) k += n;
    const int q = k / quarter;
    const int m = k % quarter;

    double c0 = 1.0;
    double s0 = 0.0;
    if (m != 0) {
        if (2 * m <= quarter) {
            const double phi = 2.0 * pi * m / n;
            c0 = std::cos(phi);
            s0 = std::sin(phi);
        } else {
            const double phi = 2.0 * pi * (quarter - m) / n;
            c0 = std::sin(phi);
            s0 = std::cos(phi);
        }
    }
    switch (q) {
    case 0:
        c = c0;
        s = s0;
        break;
    case 1:
        c = -s0;
        s = c0;
        break;
    case 2:
        c = -c0;
        s = -s0;
        break;
    default:
        c = s0;
        s = -c0;
        break;
    }
}

bool writeCylinder(const std::filesystem::path& dir) {
    constexpr int ni = 121;           // around the cylinder, first and last line coincide
    constexpr int nj = 41;            // radially outward
    constexpr int segments = ni - 1;  // 120 cells around
    constexpr double a = 0.5;         // cylinder radius
    constexpr double outer = 10.0;    // outer boundary radius
    constexpr double growth = 1.08;   // radial spacing ratio from the wall outward
    constexpr double uInf = 1.0;      // free stream speed along +x

    // Wake model: a Gaussian deficit of the x velocity behind the cylinder,
    // widening and weakening downstream, switched on smoothly past the rear
    // of the body and held at zero on the wall so the wall stays impermeable.
    constexpr double wakeDeficit = 0.6;
    constexpr double wakeWidth0 = 0.55;
    constexpr double wakeSpread = 0.08;
    constexpr double wakeOnset = 0.25;
    constexpr double wakeOnsetWidth = 0.25;
    // Turbulence: a small free-stream level plus double-peaked wake
    // turbulence sitting in the two shear layers.
    constexpr double kFree = 1.0e-4;
    constexpr double kWake = 0.05;

    std::array<double, nj> radius{};
    const double span = std::pow(growth, nj - 1) - 1.0;
    for (int j = 0; j < nj; ++j) radius[j] = a + (outer - a) * ((std::pow(growth, j) - 1.0) / span);
    radius[0] = a;
    radius[nj - 1] = outer;

    Table x(ni, nj), y(ni, nj), u(ni, nj), v(ni, nj), cp(ni, nj), k(ni, nj);

    for (int i = 0; i < ni; ++i) {
        // i == segments uses the same angle index as i == 0, so the seam
        // nodes and every value computed from them are bit-identical.
        double c = 0.0;
        double s = 0.0;
        unitCircle(i % segments, segments, c, s);

        for (int j = 0; j < nj; ++j) {
            const double r = radius[j];
            const double px = r * c;
            const double py = r * s;
            const double ar2 = (a * a) / (r * r);

            // Potential flow past a circular cylinder.
            const double ur = uInf * (1.0 - ar2) * c;
            const double ut = -uInf * (1.0 + ar2) * s;
            double pu = ur * c - ut * s;
            double pv = ur * s + ut * c;

            // Wake behind the body.
            const double onset = 0.5 * (1.0 + std::tanh((px - wakeOnset) / wakeOnsetWidth));
            const double xw = std::max(px, 0.0);
            const double width = wakeWidth0 + wakeSpread * xw;
            const double eta = py / width;
            const double gauss = std::exp(-eta * eta);
            const double decay = 1.0 / std::sqrt(1.0 + xw / a);
            const double wall = 1.0 - ar2;
            pu -= uInf * wakeDeficit * onset * decay * gauss * wall;

            const double speed2 = pu * pu + pv * pv;

            x.at(i, j) = px;
            y.at(i, j) = py;
            u.at(i, j) = pu;
            v.at(i, j) = pv;
            cp.at(i, j) = 1.0 - speed2 / (uInf * uInf);
            k.at(i, j) = kFree + kWake * uInf * uInf * onset * decay * wall * (0.3 + eta * eta) * gauss;
        }
    }

    return writeFile(dir / "CYLINDER.GRD", resultFile({&x, &y}, Style::Fixed7, 11, crlf)) &&
           writeFile(dir / "CYLINDER.V", resultFile({&u, &v}, Style::SciLower, 13, lf)) &&
           writeFile(dir / "CYLINDER.P", resultFile({&cp}, Style::SciUpper, 13, crlf)) &&
           writeFile(dir / "CYLINDER.K", resultFile({&k}, Style::SciUpper, 13, crlf)) &&
           writeFile(dir / "cylinder.RVP", projectFile("CYLINDER.GRD", {"CYLINDER.V"}, {"CYLINDER.P", "CYLINDER.K"}));
}

// ---------------------------------------------------------------------------
// Cavity: recirculating flow in the unit square

bool writeCavity(const std::filesystem::path& dir) {
    constexpr int n = 150;        // nodes in each direction (the largest grid)
    constexpr double beta = 1.8;  // tanh clustering strength towards the walls

    // Node positions in [0, 1], clustered towards both ends; the upper half
    // mirrors the lower half so the grid is exactly symmetric.
    std::array<double, n> pos{};
    const double tb = std::tanh(beta);
    for (int i = 0; i < n / 2; ++i) {
        const double sigma = static_cast<double>(i) / (n - 1);
        pos[i] = 0.5 * (1.0 + std::tanh(beta * (2.0 * sigma - 1.0)) / tb);
    }
    pos[0] = 0.0;
    for (int i = n / 2; i < n; ++i) pos[i] = 1.0 - pos[n - 1 - i];

    // Stream function psi = F(x) G(y) + e H(x) K(y), lid moving along +x at y = 1.
    //   F = 16 x^2 (1-x)^2       vanishes with its slope on the side walls
    //   G = y^3 - y^2            G(0) = G'(0) = G(1) = 0, G'(1) = 1 (lid)
    //   H = x^2 (1-x)^2 (1-2x)   antisymmetric; moves the core downstream
    //   K = y^2 (1-y)^2          vanishes with its slope on bottom and lid
    // u = dpsi/dy, v = -dpsi/dx: no flow through any wall, no slip on the
    // fixed walls and a regularised lid speed 16 x^2 (1-x)^2 on top. The
    // vortex turns clockwise.
    constexpr double skew = 12.0;
    auto F = [](double s) { return 16.0 * s * s * (1.0 - s) * (1.0 - s); };
    auto dF = [](double s) { return 32.0 * s * (1.0 - s) * (1.0 - 2.0 * s); };
    auto G = [](double t) { return t * t * t - t * t; };
    auto dG = [](double t) { return 3.0 * t * t - 2.0 * t; };
    auto H = [](double s) { return s * s * (1.0 - s) * (1.0 - s) * (1.0 - 2.0 * s); };
    auto dH = [](double s) {
        return 2.0 * s * (1.0 - s) * (1.0 - 2.0 * s) * (1.0 - 2.0 * s) - 2.0 * s * s * (1.0 - s) * (1.0 - s);
    };
    auto K = [](double t) { return t * t * (1.0 - t) * (1.0 - t); };
    auto dK = [](double t) { return 2.0 * t * (1.0 - t) * (1.0 - 2.0 * t); };

    Table x(n, n), y(n, n), u(n, n), v(n, n), psi(n, n), p(n, n);
    double psiMin = 0.0;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const double px = pos[i];
            const double py = pos[j];
            x.at(i, j) = px;
            y.at(i, j) = py;
            psi.at(i, j) = F(px) * G(py) + skew * H(px) * K(py);
            u.at(i, j) = F(px) * dG(py) + skew * H(px) * dK(py);
            v.at(i, j) = -(dF(px) * G(py) + skew * dH(px) * K(py));
            psiMin = std::min(psiMin, psi.at(i, j));
        }
    }

    // Pressure: in a core turning like a solid body with angular speed W the
    // pressure rises from the centre as W |psi - psi_core|. Add the high
    // where the lid drives the fluid into the downstream corner and the low
    // at the upstream lid corner, then refer everything to the mean over
    // the nodes, which leaves the core clearly negative.
    constexpr double coreSpin = 2.2;
    constexpr double cornerHigh = 0.30;
    constexpr double cornerLow = 0.12;
    constexpr double cornerSize = 0.12;
    double sum = 0.0;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const double px = x.at(i, j);
            const double py = y.at(i, j);
            const double dr2 = (px - 1.0) * (px - 1.0) + (py - 1.0) * (py - 1.0);
            const double dl2 = px * px + (py - 1.0) * (py - 1.0);
            const double value = coreSpin * (psi.at(i, j) - psiMin) +
                                 cornerHigh * std::exp(-dr2 / (cornerSize * cornerSize)) -
                                 cornerLow * std::exp(-dl2 / (cornerSize * cornerSize));
            p.at(i, j) = value;
            sum += value;
        }
    }
    const double mean = sum / (static_cast<double>(n) * n);
    for (double& value : p.data) value -= mean;

    return writeFile(dir / "CAVITY.GRD", resultFile({&x, &y}, Style::Fixed7, 10, crlf)) &&
           writeFile(dir / "CAVITY.V", resultFile({&u, &v}, Style::SciLower, 13, lf)) &&
           writeFile(dir / "CAVITY.P", resultFile({&p}, Style::SciUpper, 13, crlf)) &&
           writeFile(dir / "cavity.RVP", projectFile("CAVITY.GRD", {"CAVITY.V"}, {"CAVITY.P"}));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ruvo-make-samples OUTPUT_EXAMPLES_DIR\n");
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    const std::filesystem::path cylinder = root / "cylinder";
    const std::filesystem::path cavity = root / "cavity";

    std::error_code error;
    std::filesystem::create_directories(cylinder, error);
    if (!error) std::filesystem::create_directories(cavity, error);
    if (error) {
        std::fprintf(stderr, "ruvo-make-samples: cannot create folders under %s: %s\n", root.string().c_str(),
                     error.message().c_str());
        return 1;
    }

    if (!writeCylinder(cylinder) || !writeCavity(cavity)) return 1;
    return 0;
}
