#include "cli/RenderOptions.h"

#include <functional>
#include <map>

namespace ruvo::cli {

namespace {
std::optional<int> integer_in(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<Area> area_from(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4) return std::nullopt;
    int values[4];
    for (int k = 0; k < 4; ++k) {
        const auto value = integer_in(parts[k].trimmed(), 0, 149);
        if (!value) return std::nullopt;
        values[k] = *value;
    }
    if (values[0] > values[2] || values[1] > values[3]) return std::nullopt;
    return Area{values[0], values[1], values[2], values[3]};
}
}  // namespace

ParseResult parse_render_options(const QStringList& arguments) {
    RenderOptions options;
    QStringList positional;
    using Handler = std::function<QString(const QString&)>;  // returns an error or ""
    const std::map<QString, Handler> with_value{
        {"-o", [&](const QString& v) { options.output = v; return QString(); }},
        {"--output", [&](const QString& v) { options.output = v; return QString(); }},
        {"--view",
         [&](const QString& v) {
             if (v != "grid") return QStringLiteral("unknown view \"%1\"").arg(v);
             options.view = v;
             return QString();
         }},
        {"--magnification",
         [&](const QString& v) {
             const auto value = integer_in(v, 100, 800);
             if (!value) return QStringLiteral("--magnification takes a whole percentage from 100 to 800");
             options.magnification = *value;
             return QString();
         }},
        {"--area",
         [&](const QString& v) {
             options.area = area_from(v);
             if (!options.area) return QStringLiteral("--area takes I0,J0,I1,J1 with 0 <= I0 <= I1 <= 149 and 0 <= J0 <= J1 <= 149");
             return QString();
         }},
    };
    const std::map<QString, bool*> switches{
        {"--fixed", &options.fixed}, {"--show-closed", &options.show_closed}, {"--help", &options.help}, {"-h", &options.help}};

    for (int k = 0; k < arguments.size(); ++k) {
        const QString& argument = arguments[k];
        if (const auto found = switches.find(argument); found != switches.end()) {
            *found->second = true;
        } else if (const auto handler = with_value.find(argument); handler != with_value.end()) {
            if (k + 1 >= arguments.size()) return {std::nullopt, QStringLiteral("%1 needs a value").arg(argument)};
            if (const QString error = handler->second(arguments[++k]); !error.isEmpty()) return {std::nullopt, error};
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            return {std::nullopt, QStringLiteral("unknown option %1").arg(argument)};
        } else {
            positional.append(argument);
        }
    }
    if (options.help) return {options, {}};
    if (positional.size() != 1) return {std::nullopt, QStringLiteral("name exactly one project file")};
    options.project = positional.front();
    if (options.output.isEmpty()) return {std::nullopt, QStringLiteral("name the output picture with -o")};
    const QString suffix = options.output.section(u'.', -1).toLower();
    if (!options.output.contains(u'.') || (suffix != "png" && suffix != "bmp")) {
        return {std::nullopt, QStringLiteral("the output picture must end in .png or .bmp")};
    }
    return {options, {}};
}

QString render_usage() {
    return QStringLiteral(
        "Usage: ruvo-render PROJECT.RVP [options] -o OUT.png|OUT.bmp\n"
        "\n"
        "Draws one view of a Ruvo project exactly as the view window shows it and\n"
        "writes the picture.\n"
        "\n"
        "Options:\n"
        "  -o, --output FILE       picture to write; .png or .bmp (24-bit)\n"
        "  --view grid             the kind of view (default grid)\n"
        "  --magnification P       magnification in percent, 100..800 (default 100)\n"
        "  --fixed                 the fixed 640 x 480 layout of follow mode\n"
        "  --show-closed           draw the grid lines across closed lines\n"
        "  --area I0,J0,I1,J1      draw only this area, in the files' zero-based\n"
        "                          indices (first and last i, first and last j)\n"
        "  -h, --help              this text\n"
        "\n"
        "Exit status: 0 done; 1 wrong usage; 2 a file cannot be read; 3 the view\n"
        "cannot be drawn (or the picture cannot be written).\n");
}

}  // namespace ruvo::cli
