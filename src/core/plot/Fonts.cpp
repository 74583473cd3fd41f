#include "plot/Fonts.h"

#include <QFont>
#include <QStringList>

namespace ruvo {

void register_font_substitutions() {
    const QStringList gothic{QStringLiteral("IPAPGothic"), QStringLiteral("IPA PGothic"),
                             QStringLiteral("IPAGothic")};
    QFont::insertSubstitutions(QString::fromUtf8(kPlotFontName), gothic);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), gothic);
}

}  // namespace ruvo
