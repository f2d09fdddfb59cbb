// Check digits of the generated social-security numbers, SIRETs and IBANs.
#include <gtest/gtest.h>

#include "demo/identifiers.h"

namespace {

// The IBAN rule: country and check digits moved to the end, letters as numbers, modulo 97 is 1.
int ibanRemainder(std::string iban) {
    std::string plain;
    for (char c : iban)
        if (c != ' ') plain += c;
    std::string moved = plain.substr(4) + plain.substr(0, 4), digits;
    for (char c : moved) digits += (c >= 'A' && c <= 'Z') ? std::to_string(c - 'A' + 10) : std::string(1, c);
    return demo::mod97(digits);
}

bool luhn(const std::string& s) { return demo::luhnDigit(s.substr(0, s.size() - 1)) == s.back(); }

}  // namespace

// IBANs pass their check, and the RIB key inside them is the bank's rule.
TEST(DemoIdentifiers, IbansAndTheirRibKeysPassTheirChecks) {
    EXPECT_EQ(ibanRemainder("FR76 3000 6000 0112 3456 7890 189"), 1);
    demo::Random r(7);
    for (int i = 0; i < 50; ++i) {
        std::string iban = demo::iban(r, i % 2 ? "11315" : "30002");
        ASSERT_EQ(iban.size(), 33u) << iban;  // 27 characters in groups of four
        EXPECT_EQ(iban.substr(0, 2), "FR");
        EXPECT_EQ(iban.substr(5, 6), i % 2 ? "1131 5" : "3000 2");
        EXPECT_EQ(ibanRemainder(iban), 1) << iban;
        std::string plain;
        for (char c : iban)
            if (c != ' ') plain += c;
        std::string bank = plain.substr(4, 5), branch = plain.substr(9, 5), account = plain.substr(14, 11);
        long long sum = 89LL * std::stoll(bank) + 15LL * std::stoll(branch) + 3LL * std::stoll(account);
        EXPECT_EQ(std::stoll(plain.substr(25, 2)), 97 - sum % 97) << plain;
    }
}

TEST(DemoIdentifiers, SiretsPassTheLuhnCheck) {
    demo::Random r(3);
    for (int i = 0; i < 50; ++i) {
        std::string s = demo::siret(r);
        ASSERT_EQ(s.size(), 14u);
        EXPECT_TRUE(luhn(s)) << s;
        EXPECT_TRUE(luhn(s.substr(0, 9))) << s;
    }
    EXPECT_EQ(demo::luhnDigit("7326240"), '4');  // 73262404 passes
}

TEST(DemoIdentifiers, SocialSecurityKeys) {
    demo::Random r(5);
    for (int i = 0; i < 50; ++i) {
        demo::Nir n = demo::nir(r, i % 2 == 0, 1970 + i % 30);
        ASSERT_EQ(n.numero.size(), 13u);
        EXPECT_EQ(n.numero[0], i % 2 == 0 ? '2' : '1');
        EXPECT_EQ(std::stoi(n.cle), 97 - demo::mod97(n.numero));
        EXPECT_EQ(n.groupe().size(), 18u);
    }
}
