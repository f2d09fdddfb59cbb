// Every record of a demo database points at records that exist, with the key forms and
// value kinds the program expects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "dba/dates.h"
#include "demo/generator.h"
#include "demo_fixture.h"

using demotest::field;
using demotest::records;
using demotest::standard;
using demotest::value;
using demotest::values;

namespace {

bool digits(const std::string& s, size_t n) {
    return s.size() == n && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string monthOf(const std::string& day) {
    dba::Ymd d = dba::ToYmd(std::stol(day));
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04d%02d", d.y, d.m);
    return buf;
}

// The standard demo database and the records most checks look up.
class DemoCoherence : public ::testing::Test {
protected:
    dba::Database& db = *standard().db;
    std::map<std::string, std::string> aides = records(db, "CIVILAIDE"), centres = records(db, "CENTREURSSAF"),
                                       contrats = records(db, "CONTRAT");
};

}  // namespace

TEST_F(DemoCoherence, EveryFileTheProgramReadsExists) {
    auto names = db.storage().fileNames();
    for (const std::string& f : demo::demoFiles())
        EXPECT_NE(std::find(names.begin(), names.end(), f), names.end()) << f;
    for (const char* f : {"ASSOCIATION", "BIC", "CENTREURSSAF", "CHGPARTEMP", "CONSTANTESPAIE", "CONVENTIONCOL",
                          "DROITS", "ETABLISSEMENT", "PARAMPOLEEMPLOI", "PERIODESPAIE", "RUBCHARGE", "RUBSAISIE",
                          "TYPEEXO", "REGULDNT", "DETAILCHGPARTEMP"})
        EXPECT_GT(db.storage().count(f), 0) << f;
}

TEST_F(DemoCoherence, ContractsBelongToKnownAidesAndAidants) {
    auto employeurs = records(db, "ELTSPARTEMP");
    auto aidants = records(db, "CIVILAIDANT");
    ASSERT_EQ(static_cast<long>(contrats.size()), standard().summary.contrats);
    for (const auto& [key, text] : contrats) {
        ASSERT_EQ(key.size(), 8u) << key;
        EXPECT_TRUE(digits(key.substr(5), 3)) << key;
        EXPECT_TRUE(aidants.count(key.substr(0, 5))) << key;
        std::string aide = field(text, 3);
        EXPECT_TRUE(digits(aide, 5)) << key;
        ASSERT_TRUE(aides.count(aide)) << key;
        ASSERT_TRUE(employeurs.count(aide)) << key;
        std::string centre = field(employeurs[aide], 1);
        ASSERT_TRUE(centres.count(centre)) << key;
        EXPECT_EQ(field(text, 2), field(centres[centre], 25).substr(0, 3)) << key;
        EXPECT_TRUE(field(text, 1) == "02" || field(text, 1) == "01") << key;
        long debut = std::stol(field(text, 7));
        if (!field(text, 8).empty()) { EXPECT_GE(std::stol(field(text, 8)), debut) << key; }
    }
}

TEST_F(DemoCoherence, CalculationRecordsBelongToTheirContractsMonths) {
    long n = 0;
    db.storage().scan("DETAILCALCUL", [&](std::string_view k, std::string_view d) {
        std::string key(k), text(d);
        ++n;
        ASSERT_EQ(key.size(), 14u) << key;
        auto c = contrats.find(key.substr(0, 8));
        ASSERT_NE(c, contrats.end()) << key;
        std::string mois = key.substr(8);
        EXPECT_GE(mois, monthOf(field(c->second, 7))) << key;
        if (!field(c->second, 8).empty()) { EXPECT_LE(mois, monthOf(field(c->second, 8))) << key; }
        // Pay lines: rubric 100 first with the month's hours, then overtime lines.
        EXPECT_EQ(value(text, 2, 1), "100") << key;
        EXPECT_EQ(value(text, 3, 1), field(text, 6)) << key;
        EXPECT_EQ(values(text, 2), values(text, 3)) << key;
        EXPECT_TRUE(std::stol(field(text, 6)) > 0 && std::stol(field(text, 7)) > 0) << key;
        if (!field(text, 62).empty()) { EXPECT_LE(std::stol(field(text, 62)), std::stol(field(text, 6))) << key; }
    });
    EXPECT_GT(n, 0);
}

TEST_F(DemoCoherence, CentresEstablishmentsAssociationsAndBanks) {
    auto etabs = records(db, "ETABLISSEMENT");
    auto assos = records(db, "ASSOCIATION");
    EXPECT_GE(centres.size(), 3u);
    for (const auto& [key, text] : centres) {
        EXPECT_TRUE(digits(key, 2));
        EXPECT_TRUE(etabs.count(field(text, 25))) << key;
        EXPECT_TRUE(assos.count(field(text, 25).substr(0, 3))) << key;
        EXPECT_EQ(values(text, 20), values(text, 21)) << key;
    }
    std::set<std::string> codesBanques;
    for (const auto& [key, text] : records(db, "BIC")) codesBanques.insert(field(text, 1));
    for (const auto& [key, text] : records(db, "ELTSFACTAIDE")) {
        EXPECT_TRUE(aides.count(key)) << key;
        EXPECT_EQ(field(text, 1), key);
        EXPECT_TRUE(codesBanques.count(field(text, 17))) << key;
        if (!field(text, 16).empty()) { EXPECT_EQ(field(text, 16).substr(0, 2), "FR") << key; }
    }
}

TEST_F(DemoCoherence, AidesHaveSectorsAndPersonsInCharge) {
    EXPECT_EQ(static_cast<long>(aides.size()), standard().summary.aides);
    for (const auto& [key, text] : aides) {
        EXPECT_TRUE(digits(key, 5)) << key;
        std::string secteur = field(text, 40);
        ASSERT_GE(secteur.size(), 3u) << key;
        EXPECT_EQ(secteur[0], 'S') << key;
        EXPECT_TRUE(digits(secteur.substr(1, 2), 2)) << key;
        EXPECT_FALSE(field(text, 41).empty()) << key;
        EXPECT_FALSE(field(text, 2).empty()) << key;
        EXPECT_FALSE(field(text, 10).empty()) << key;
    }
    for (const auto& [key, text] : records(db, "ELTSPARTEMP")) {
        EXPECT_TRUE(aides.count(key)) << key;
        EXPECT_TRUE(digits(field(text, 4), 14)) << key;
    }
}

TEST_F(DemoCoherence, RecordsOfEarlierDeclarationsNameAidesAndQuarters) {
    for (const auto& [key, text] : records(db, "REGULDNT")) {
        EXPECT_TRUE(aides.count(key)) << key;
        for (int v = 1; v <= values(text, 2); ++v) {
            std::string q = value(text, 2, v);
            EXPECT_TRUE(q.empty() || (digits(q, 5) && q <= "20254")) << key;
        }
    }
    for (const auto& [key, text] : records(db, "DETAILCHGPARTEMP")) {
        ASSERT_EQ(key.size(), 10u) << key;
        EXPECT_TRUE(aides.count(key.substr(0, 5))) << key;
        EXPECT_LE(key.substr(5), "20254") << key;
    }
}
