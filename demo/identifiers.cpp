// Check digits of the identification numbers.
#include "demo/identifiers.h"

#include <cstdio>

namespace demo {

namespace {

std::string twoDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

}  // namespace

int mod97(const std::string& digits) {
    int m = 0;
    for (char c : digits) m = (m * 10 + (c - '0')) % 97;
    return m;
}

std::string Nir::groupe() const {
    return numero.substr(0, 1) + " " + numero.substr(1, 2) + " " + numero.substr(3, 2) + " " + numero.substr(5, 2) +
           " " + numero.substr(7, 3) + " " + numero.substr(10, 3);
}

Nir nir(Random& r, bool femme, int annee) {
    static const char* departements[] = {"75", "92", "93", "94", "95", "91", "78", "77", "69", "13", "59", "99"};
    Nir n;
    n.numero = std::string(femme ? "2" : "1") + twoDigits(annee % 100) + twoDigits(r.between(1, 12)) +
               departements[r.below(12)] + twoDigits(r.between(0, 99)) + std::to_string(r.between(1, 9)) +
               twoDigits(r.between(0, 99)) + std::to_string(r.between(1, 9));
    n.cle = twoDigits(97 - mod97(n.numero));
    return n;
}

char luhnDigit(const std::string& digits) {
    int sum = 0;
    bool dbl = true;  // the digit left of the check digit is doubled
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        int d = *it - '0';
        if (dbl) {
            d *= 2;
            if (d > 9) d -= 9;
        }
        sum += d;
        dbl = !dbl;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string siret(Random& r) {
    std::string siren = std::to_string(r.between(1, 9)) + r.digits(7);
    siren += luhnDigit(siren);
    std::string s = siren + r.digits(4);
    return s + luhnDigit(s);
}

std::string iban(Random& r, const std::string& codeBanque) {
    std::string guichet = r.digits(5), compte = r.digits(11);
    // The RIB key: 97 less (89 x bank + 15 x branch + 3 x account) modulo 97.
    int cle = 97 - static_cast<int>((89ULL * std::stoull(codeBanque) + 15ULL * std::stoull(guichet) +
                                     3ULL * std::stoull(compte)) % 97ULL);
    std::string bban = codeBanque + guichet + compte + twoDigits(cle);
    // F = 15, R = 27; the check digits make the whole number 1 modulo 97.
    std::string controle = twoDigits(98 - mod97(bban + "152700"));
    std::string plain = "FR" + controle + bban, out;
    for (size_t i = 0; i < plain.size(); ++i) {
        if (i > 0 && i % 4 == 0) out += ' ';
        out += plain[i];
    }
    return out;
}

}  // namespace demo
