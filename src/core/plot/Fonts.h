#pragma once

namespace ruvo {

// The plots ask for "ＭＳ Ｐゴシック", which Linux systems do not have; map it
// (and its ASCII name) to the installed proportional gothic. Call once before
// any text is drawn.
void register_font_substitutions();

inline constexpr char kPlotFontName[] = "ＭＳ Ｐゴシック";

}  // namespace ruvo
