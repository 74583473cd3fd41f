#pragma once

#include <functional>

namespace ruvo {

// The plots ask for "ＭＳ Ｐゴシック", which Linux systems do not have; map it
// (and its ASCII name) to the installed proportional gothic. Call once before
// any text is drawn.
void register_font_substitutions();

// Text needs the font database, which comes with a QGuiApplication. A
// program that draws without one (ruvo-render) hands over here how to make
// it, and the first font or text a plot asks for makes it: a picture without
// text never pays for the windowing system and its fonts. The making happens
// on the thread that first asks, so a program that draws on several threads
// calls need_fonts() on its main thread before it starts them.
void make_fonts_on_demand(std::function<void()> make);
void need_fonts();

inline constexpr char kPlotFontName[] = "ＭＳ Ｐゴシック";

}  // namespace ruvo
