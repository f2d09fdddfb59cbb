// Optical marks drawn by the printer command handler.
#include "support/control.h"

using testsupport::ControlFixture;

namespace {
size_t lines(const std::string& journal) {
    size_t n = 0;
    for (size_t p = journal.find("LINE "); p != std::string::npos; p = journal.find("LINE ", p + 1)) ++n;
    return n;
}
}  // namespace

TEST_F(ControlFixture, NoMarksOutsideTheUnattendedMode) {
    create();
    ctl->state().Imprimante = &printers.select(0);
    ctl->CommandeImprimante("NEWPAGE");
    ctl->CommandeImprimante("ENDDOC");
    EXPECT_EQ(lines(printers.journal()), 0u);
}

TEST_F(ControlFixture, PageLimitDecidesTheTracksAtTheEnd) {
    create();
    ctl->ModeOmr = true;
    ctl->W_NbPagesMax = dnt::Int16(4);
    ctl->W_NbPagesAvant = dnt::Int16(0);
    ctl->W_NbPagesApres = dnt::Int16(1);
    printing::Printer& p = printers.select(0);
    ctl->state().Imprimante = &p;
    p.print("page 1");
    ctl->CommandeImprimante("NEWPAGE");  // tracks 0 and 3 on the page being left
    p.newPage();
    p.newPage();
    EXPECT_EQ(p.page(), 3);
    ctl->CommandeImprimante("ENDDOC");  // 0 + 3 + 1 is not above 4: tracks 0 and 3
    p.newPage();
    ctl->CommandeImprimante("ENDDOC");  // page 4: 0 + 4 + 1 > 4: all four
    p.endDoc();
    std::string j = printers.journal();
    EXPECT_EQ(lines(j), 8u);
    EXPECT_NE(j.find("LINE 850 1871 1207 1871\nLINE 850 2582 1207 2582\nPAGE 2"), std::string::npos) << j;
    EXPECT_NE(j.find("PAGE 4\nLINE 850 1871 1207 1871\nLINE 850 2108 1207 2108\nLINE 850 2345 1207 2345\n"
                     "LINE 850 2582 1207 2582\nEND"),
              std::string::npos)
        << j;
    EXPECT_EQ(p.drawWidth(), 1);  // restored
}
