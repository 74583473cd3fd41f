// ruvo-make-case: writes a driven-cavity case of any size, for trying and
// measuring the viewer on grids larger than the bundled samples.
//
//   ruvo-make-case NI NJ OUTPUT_DIR
//
// Writes into OUTPUT_DIR the grid LARGE.GRD (NI x NJ nodes, clustered
// towards the walls), the vector files LARGE.V (velocity) and LARGE2.V (the
// velocity turned by a quarter), the scalar files LARGE.P, LARGE.K, LARGE.E
// and LARGE.T, and the project LARGE.RVP naming them all. The files have the
// result files' plain-text layout: a header line "0 NI-1 0 NJ-1", then one
// line per node, i in the outer loop and j in the inner loop. The output is
// deterministic.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double pi = std::numbers::pi;

void append_number(std::string& out, double value) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value == 0.0 ? 0.0 : value, std::chars_format::fixed, 7);
    out += "  ";
    out.append(buffer, result.ptr);
}

// Node coordinate along one direction, clustered towards both ends.
double clustered(int k, int n) {
    if (n < 2) return 0.0;
    const double t = double(k) / (n - 1);
    return 0.5 * (1.0 + std::tanh(2.0 * (2.0 * t - 1.0)) / std::tanh(2.0));
}

struct Node {
    double x, y;
};

using Values = std::function<std::vector<double>(Node)>;

bool write_file(const std::filesystem::path& path, int ni, int nj, const Values& values) {
    std::ofstream file(path, std::ios::binary);
    std::string text = "0 " + std::to_string(ni - 1) + " 0 " + std::to_string(nj - 1) + "\n";
    for (int i = 0; i < ni; ++i) {
        for (int j = 0; j < nj; ++j) {
            for (const double value : values({clustered(i, ni), clustered(j, nj)})) append_number(text, value);
            text += '\n';
        }
        if (text.size() > (1 << 22)) {
            file << text;
            text.clear();
        }
    }
    file << text;
    return bool(file.flush());
}

bool write_project(const std::filesystem::path& path) {
    std::ofstream file(path, std::ios::binary);
    file << "[FileType]\nGrid_File_Type=*.DAT;*.D;*.GRD\nVector_File_Type=*.DAT;*.D;*.V\n"
            "Scalar_File_Type=*.DAT;*.D;*.P;*.K;*.E;*.T\n[FileNumber]\nVector_File_Number=2\n"
            "Scalar_File_Number=4\n[FileName]\nGrid_File_Name=LARGE.GRD\n";
    const char* vectors[] = {"LARGE.V", "LARGE2.V"};
    const char* scalars[] = {"LARGE.P", "LARGE.K", "LARGE.E", "LARGE.T"};
    for (int n = 1; n <= 10; ++n) file << "Vector_File_Name_" << n << '=' << (n <= 2 ? vectors[n - 1] : "") << '\n';
    for (int n = 1; n <= 10; ++n) file << "Scalar_File_Name_" << n << '=' << (n <= 4 ? scalars[n - 1] : "") << '\n';
    return bool(file.flush());
}

// The stream function of a cavity whose lid moves: zero on every wall.
double psi(Node p) { return std::pow(std::sin(pi * p.x), 2) * std::pow(std::sin(pi * p.y), 2) * p.y; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: ruvo-make-case NI NJ OUTPUT_DIR\n");
        return 2;
    }
    const int ni = std::atoi(argv[1]);
    const int nj = std::atoi(argv[2]);
    if (ni < 1 || nj < 1) {
        std::fprintf(stderr, "ruvo-make-case: NI and NJ must be whole numbers of 1 or more\n");
        return 2;
    }
    const std::filesystem::path dir = argv[3];
    std::error_code error;
    std::filesystem::create_directories(dir, error);

    const double h = 1e-4;
    auto velocity = [&](Node p) {
        const double u = (psi({p.x, p.y + h}) - psi({p.x, p.y - h})) / (2 * h);
        const double v = -(psi({p.x + h, p.y}) - psi({p.x - h, p.y})) / (2 * h);
        return std::vector<double>{u, v};
    };
    const std::vector<std::pair<const char*, Values>> files = {
        {"LARGE.GRD",
         [](Node p) {
             return std::vector<double>{p.x, p.y};
         }},
        {"LARGE.V", velocity},
        {"LARGE2.V",
         [&](Node p) {
             const auto uv = velocity(p);
             return std::vector<double>{-uv[1], uv[0]};
         }},
        {"LARGE.P", [](Node p) { return std::vector<double>{std::cos(2 * pi * p.x) * std::cos(pi * p.y) * p.y}; }},
        {"LARGE.K", [](Node p) { return std::vector<double>{0.01 + psi(p)}; }},
        {"LARGE.E", [](Node p) { return std::vector<double>{std::exp(-8 * ((p.x - 0.5) * (p.x - 0.5) + p.y * p.y))}; }},
        {"LARGE.T", [](Node p) { return std::vector<double>{p.x + 0.25 * std::sin(6 * pi * p.y)}; }},
    };
    for (const auto& [name, values] : files) {
        if (!write_file(dir / name, ni, nj, values)) {
            std::fprintf(stderr, "ruvo-make-case: cannot write %s\n", (dir / name).c_str());
            return 1;
        }
    }
    if (!write_project(dir / "LARGE.RVP")) {
        std::fprintf(stderr, "ruvo-make-case: cannot write %s\n", (dir / "LARGE.RVP").c_str());
        return 1;
    }
    return 0;
}
