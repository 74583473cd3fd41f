#include "plot/Fonts.h"

#include <QCoreApplication>
#include <QFont>
#include <QStringList>

#include <utility>

namespace ruvo {

namespace {
std::function<void()>& fonts_maker() {
    static std::function<void()> make;
    return make;
}
}  // namespace

void make_fonts_on_demand(std::function<void()> make) { fonts_maker() = std::move(make); }

void need_fonts() {
    if (QCoreApplication::instance() || !fonts_maker()) return;
    const std::function<void()> make = std::exchange(fonts_maker(), nullptr);
    make();
}

void register_font_substitutions() {
    const QStringList gothic{QStringLiteral("IPAPGothic"), QStringLiteral("IPA PGothic"), QStringLiteral("IPAGothic")};
    QFont::insertSubstitutions(QString::fromUtf8(kPlotFontName), gothic);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), gothic);
}

}  // namespace ruvo
