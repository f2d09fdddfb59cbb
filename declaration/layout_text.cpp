// Blancs, Longueur, Gauche, ADroite and AGauche: blanks, alignment and character-wise
// cutting of the declaration's texts.
#include "declaration/layout_text.h"

#include "numbers/utf8.h"

namespace declaration {

std::string Blancs(long n) { return n > 0 ? std::string(static_cast<size_t>(n), ' ') : std::string(); }

long Longueur(std::string_view text) { return static_cast<long>(dnt::utf8::countChars(text)); }

std::string Gauche(std::string_view text, long n) {
    std::string out;
    long taken = 0;
    for (const std::string& c : dnt::utf8::splitChars(text)) {
        if (taken++ >= n) break;
        out += c;
    }
    return out;
}

std::string ADroite(std::string_view text, long w) { return Blancs(w - Longueur(text)) + std::string(text); }

std::string AGauche(std::string_view text, long w) { return std::string(text) + Blancs(w - Longueur(text)); }

}  // namespace declaration
