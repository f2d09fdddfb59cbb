// Blancs, Longueur, Gauche, ADroite and AGauche, text pieces of the printed declaration:
// runs of blanks, right-aligned amounts and texts cut or measured by character, as the
// fixed-pitch columns need them.
#pragma once

#include <string>
#include <string_view>

namespace declaration {

// n blanks; none when n is 0 or less.
std::string Blancs(long n);

// Number of characters of a UTF-8 text (not bytes: "Période" has 7).
long Longueur(std::string_view text);

// The first n characters (the whole text when shorter).
std::string Gauche(std::string_view text, long n);

// The text preceded by (w - its length) blanks; the text alone when it is longer than w.
std::string ADroite(std::string_view text, long w);

// The text followed by (w - its length) blanks; the text alone when it is longer than w.
std::string AGauche(std::string_view text, long w);

}  // namespace declaration
