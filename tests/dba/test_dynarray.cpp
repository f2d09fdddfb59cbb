// Dynamic array reads, writes, appends and counts at their edges.
#include <gtest/gtest.h>

#include "dba/dynarray.h"

using dba::DynArray;

namespace {
std::string marks(std::string s) {
    for (char& c : s) {
        if (c == '^') c = dba::FM;
        else if (c == ']') c = dba::VM;
        else if (c == '\\') c = dba::SM;
    }
    return s;
}
}  // namespace

TEST(DynArray, ReadsFieldsValuesAndSubValuesFromOneAndMarksAreNotUtf8) {
    DynArray a(marks("A^B1]B2\\x]B3^^D"));
    EXPECT_EQ(a.DCount(), 4);
    EXPECT_EQ(a.element(1), "A");
    EXPECT_EQ(a.element(2), marks("B1]B2\\x]B3"));
    EXPECT_EQ(a.element(2, 2), marks("B2\\x"));
    EXPECT_EQ(a.Extract(2, 2, 2), "x");
    EXPECT_EQ(a.Extract(2, 2, -1), marks("B2\\x"));
    EXPECT_EQ(a.Extract(2, -1, -1), a.element(2));
    EXPECT_EQ(a.Extract(-1, -1, -1), a.text());
    EXPECT_EQ(a.element(3), "");
    EXPECT_EQ(a.element(9), "");
    EXPECT_EQ(a.element(1, 5), "");
    EXPECT_EQ(a.CountValues(2), 3);
    EXPECT_EQ(a.DCount(2), 3);
    EXPECT_EQ(a.CountValues(3), 0);
    EXPECT_EQ(a.CountValues(40), 0);
    // Accented capitals are common in names: none of their bytes may look like a mark.
    DynArray u;
    u.setElement(1, "CLÉMENT");
    u.setElement(2, "ÀÉÈÊËÎÏÔÙÛÜÇþýü");
    EXPECT_EQ(u.DCount(), 2);
    EXPECT_EQ(u.CountValues(2), 1);
    EXPECT_EQ(u.element(1), "CLÉMENT");
}

TEST(DynArray, AnEmptyArrayHasNoFieldsWritesPadMissingLevelsAndAppendsAddAtTheEnd) {
    DynArray a;
    EXPECT_EQ(a.DCount(), 0);
    EXPECT_EQ(a.element(1), "");
    a.setElement(1, "x");
    EXPECT_EQ(a.DCount(), 1);
    a.setText("");
    EXPECT_EQ(a.DCount(), 0);
    a.setElement(3, "C");
    EXPECT_EQ(a.text(), marks("^^C"));
    a.setElement(2, 3, "v3");
    EXPECT_EQ(a.text(), marks("^]]v3^C"));
    a.Replace(1, 2, 2, "s");
    EXPECT_EQ(a.text(), marks("]\\s^]]v3^C"));
    a.setElement(3, "");
    EXPECT_EQ(a.text(), marks("]\\s^]]v3^"));
    a.setText(marks("A^B1]B2^C"));  // whole fields and values replaced
    a.Replace(2, 0, 0, "Z");
    EXPECT_EQ(a.text(), marks("A^Z^C"));
    a.Replace(1, 1, 0, "A1");
    EXPECT_EQ(a.text(), marks("A1^Z^C"));
    // Appends of values, sub-values and fields.
    a.setText("");
    a.Replace(2, -1, 0, "first");  // into an empty field: no leading mark
    EXPECT_EQ(a.text(), marks("^first"));
    a.Replace(2, -1, 0, "second");
    EXPECT_EQ(a.text(), marks("^first]second"));
    a.Replace(2, -1, 0, "");
    EXPECT_EQ(a.CountValues(2), 3);
    a.Replace(2, 1, -1, "sub");
    EXPECT_EQ(a.element(2, 1), marks("first\\sub"));
    a.Replace(-1, 0, 0, "last");
    EXPECT_EQ(a.DCount(), 3);
    EXPECT_EQ(a.element(3), "last");
}

TEST(DynArray, LargeArraysReadTheSameThroughTheirIndex) {
    DynArray a;
    for (int i = 1; i <= 3000; ++i) a.Replace(i, 0, 0, std::to_string(i) + "\xFD" + "v");
    ASSERT_GT(a.text().size(), 4096u);
    EXPECT_EQ(a.DCount(), 3000);
    EXPECT_EQ(a.element(1, 1), "1");
    EXPECT_EQ(a.element(2999, 1), "2999");
    EXPECT_EQ(a.element(3000), "3000\xFDv");
    EXPECT_EQ(a.element(3001), "");
    a.setElement(2, "changed");  // a write forgets the index
    EXPECT_EQ(a.element(2), "changed");
    EXPECT_EQ(a.element(3), std::string("3\xFDv"));
    EXPECT_EQ(a.CountValues(3000), 2);
    a.Replace(-1, 0, 0, "last");
    EXPECT_EQ(a.DCount(), 3001);
    EXPECT_EQ(a.element(3001), "last");
}

// Fields are found eight bytes at a time: every field of arrays whose marks fall at every
// place of a word, and beyond its end, reads as a plain split reads it.
TEST(DynArray, FieldsReadAlikeWhereverTheirMarksFall) {
    for (unsigned pattern = 0; pattern < 4096; ++pattern) {
        std::string text;
        std::vector<std::string> split(1);
        for (int bit = 0; bit < 12 + static_cast<int>(pattern % 7); ++bit) {
            if (pattern >> (bit % 12) & 1) {
                text.push_back(dba::FM);
                split.emplace_back();
            } else {
                const char c = bit % 3 ? static_cast<char>('a' + bit) : dba::VM;
                text.push_back(c);
                split.back().push_back(c);
            }
        }
        for (size_t f = 1; f <= split.size() + 1; ++f)
            ASSERT_EQ(dba::fieldView(text, static_cast<int>(f)), f <= split.size() ? split[f - 1] : "")
                << "pattern " << pattern << " field " << f;
    }
}
