// The quarter as a value: labels and keys, first and last days, months, the quarter before,
// and the inside test of a day held as text.
#include <gtest/gtest.h>

#include "common/quarter.h"
#include "numbers/error.h"
#include "payroll_db.h"

using dnt::Quarter;
using paytest::day;

TEST(Calendar, LabelsKeysDaysAndMonthsOfEachQuarter) {
    struct Cas {
        const char* label;
        const char* key;
        const char* debut;
        const char* fin;
        std::array<int, 3> mois;
    };
    for (const Cas& c : {Cas{"1er  TRIMESTRE 2024", "20241", "01/01/2024", "31/03/2024", {1, 2, 3}},
                         Cas{"2ème TRIMESTRE 2024", "20242", "01/04/2024", "30/06/2024", {4, 5, 6}},
                         Cas{"3ème TRIMESTRE 2023", "20233", "01/07/2023", "30/09/2023", {7, 8, 9}},
                         Cas{"4ème TRIMESTRE 2010", "20104", "01/10/2010", "31/12/2010", {10, 11, 12}}}) {
        SCOPED_TRACE(c.label);
        const Quarter q = Quarter::fromLabel(c.label).value();
        EXPECT_EQ(q, Quarter::fromKey(c.key).value());
        EXPECT_EQ(q.label(), c.label);
        EXPECT_EQ(q.key(), c.key);
        EXPECT_EQ(q.firstDayText(), day(c.debut));
        EXPECT_EQ(q.lastDayText(), day(c.fin));
        EXPECT_EQ(q.firstDate(), c.debut);
        EXPECT_EQ(q.lastDate(), c.fin);
        EXPECT_EQ(q.months(), c.mois);
        EXPECT_EQ(Quarter::containing(q.year(), c.mois[2]), q);
    }
    EXPECT_EQ(Quarter(2025, 1).previous(), Quarter(2024, 4));
    EXPECT_EQ(Quarter(2025, 3).previous(), Quarter(2025, 2));
}

TEST(Calendar, TextsThatNameNoQuarter) {
    for (const char* label : {"5ème TRIMESTRE 2024", "0 2024", "", "TRIMESTRE 2024", "2ème TRIMESTRE 20x4"})
        EXPECT_FALSE(Quarter::fromLabel(label)) << label;
    for (const char* key : {"20245", "20240", "2024", "202411", "2o241", ""}) EXPECT_FALSE(Quarter::fromKey(key)) << key;
}

TEST(Calendar, InsideTheBoundsComparedByWholeDays) {
    const Quarter q(2024, 2);
    for (auto [jour, dedans] : std::vector<std::pair<std::string, bool>>{
             {day("01/04/2024"), true}, {day("30/06/2024"), true}, {day("31/03/2024"), false},
             {day("01/07/2024"), false}, {"", false}})
        EXPECT_EQ(payroll::ComprisDansTrimestre(q, jour), dedans) << jour;
    // A fractional day is compared by its whole part.
    const std::string first = q.firstDayText(), last = q.lastDayText();
    for (auto [jour, dedans] : std::vector<std::pair<std::string, bool>>{
             {first + ".7", true}, {last + ".9", true}, {std::to_string(q.firstDay() - 1) + ".9", false}})
        EXPECT_EQ(payroll::ComprisDansTrimestre(q, jour), dedans) << jour;
    EXPECT_THROW(payroll::ComprisDansTrimestre(q, "x"), dnt::ConversionError);  // not a number
}
