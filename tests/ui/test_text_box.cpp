// Checks typing into a text box through its KeyPress filter, the caret and selection
// editing, the length limit, and when Change is raised.
#include <gtest/gtest.h>

#include <string>

#include "ui/keys.h"
#include "ui/text_box.h"

namespace ui {
namespace {

// The filter of a two-digit code box: backspace passes, Enter pads with zeros and is
// then discarded like every other key that is not a digit.
void installCodeFilter(TextBox& box, std::size_t width) {
    box.onKeyPress = [&box, width](int& key) {
        if (key == kKeyBack) return;
        if (key == kKeyReturn && box.text().size() < width) {
            box.setText(std::string(width - box.text().size(), '0') + box.text());
        }
        if (key < '0' || key > '9') key = 0;
    };
}

TEST(TextBoxTyping, FilterDiscardsLettersAndEnterPadsWithoutInsertingItself) {
    TextBox box("Txt_CtrUrssaf");
    installCodeFilter(box, 2);
    int changes = 0;
    box.onChange = [&] { ++changes; };

    EXPECT_TRUE(box.type("a7b"));
    EXPECT_EQ(box.text(), "7");
    EXPECT_EQ(changes, 1);

    box.keyPress(kKeyReturn);
    EXPECT_EQ(box.text(), "07");
    EXPECT_EQ(changes, 2);
}

TEST(TextBoxTyping, EnterOnAnEmptyBoxPadsToAllZeros) {
    TextBox box("Txt_CodAide");
    installCodeFilter(box, 5);
    box.type("\n");
    EXPECT_EQ(box.text(), "00000");
}

TEST(TextBoxTyping, BackspaceDeletesTheCharacterBeforeTheCaretAndPassesTheFilter) {
    TextBox box("Txt_CtrUrssaf");
    installCodeFilter(box, 2);
    box.type("12");
    box.keyPress(kKeyBack);
    EXPECT_EQ(box.text(), "1");
    EXPECT_EQ(box.selStart(), 1);
}

TEST(TextBoxTyping, BackspaceAtTheStartChangesNothingAndRaisesNoChange) {
    TextBox box("Txt", "ab");
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setSelStart(0);
    box.keyPress(kKeyBack);
    EXPECT_EQ(box.text(), "ab");
    EXPECT_EQ(changes, 0);
}

TEST(TextBoxTyping, HandlerCanReplaceTheKey) {
    TextBox box("Txt_NomPrenomAide");
    box.onKeyPress = [](int& key) {
        if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
    };
    box.type("dupont");
    EXPECT_EQ(box.text(), "DUPONT");
}

TEST(TextBoxTyping, KeysAreInsertedAtTheCaretAndReplaceTheSelection) {
    TextBox box("Txt");
    box.type("abcd");
    box.setSelStart(1);
    box.setSelLength(2);
    EXPECT_EQ(box.selText(), "bc");
    box.type("X");
    EXPECT_EQ(box.text(), "aXd");
    EXPECT_EQ(box.selStart(), 2);
    EXPECT_EQ(box.selLength(), 0);

    box.setSelStart(0);
    box.setSelLength(99);
    box.keyPress(kKeyBack);
    EXPECT_EQ(box.text(), "");
}

TEST(TextBoxTyping, AssignedTextPutsTheCaretAtTheStart) {
    TextBox box("Txt");
    box.type("12");
    box.setText("34");
    EXPECT_EQ(box.selStart(), 0);
    box.type("5");
    EXPECT_EQ(box.text(), "534");
}

TEST(TextBoxTyping, NonAsciiKeysCarryTheirCodePointAndCountAsOneCharacter) {
    TextBox box("Txt");
    int seen = 0;
    box.onKeyPress = [&](int& key) { seen = key; };
    box.type("é");
    EXPECT_EQ(seen, 0xE9);
    EXPECT_EQ(box.text(), "é");
    EXPECT_EQ(box.selStart(), 1);
    box.type("t");
    box.setSelStart(1);
    box.keyPress(kKeyBack);
    EXPECT_EQ(box.text(), "t");
}

TEST(TextBoxTyping, MaxLengthRefusesTypingPastItButStillRaisesKeyPress) {
    TextBox box("Txt");
    box.setMaxLength(2);
    int keys = 0;
    box.onKeyPress = [&](int&) { ++keys; };
    box.type("123");
    EXPECT_EQ(box.text(), "12");
    EXPECT_EQ(keys, 3);

    box.setSelStart(0);
    box.setSelLength(1);
    box.type("9");
    EXPECT_EQ(box.text(), "92");

    box.setText("12345");
    EXPECT_EQ(box.text(), "12345");
}

TEST(TextBoxChange, RaisedByAnAssignedTextThatDiffersOnly) {
    TextBox box("Txt");
    std::vector<std::string> seen;
    box.onChange = [&] { seen.push_back(box.text()); };
    box.setText("07");
    box.setText("07");
    box.setText("");
    EXPECT_EQ(seen, (std::vector<std::string>{"07", ""}));
}

TEST(TextBoxChange, BoxesThatEmptyEachOtherSettleInsteadOfLooping) {
    // A code box whose partial code empties the name box, whose emptiness empties the
    // code box: the first typed digit is lost and the cascade stops.
    TextBox code("Txt_CodAide");
    TextBox name("Txt_NomPrenomAide", "DUPONT");
    int codeChanges = 0;
    code.onChange = [&] {
        if (++codeChanges > 10) FAIL() << "Change keeps firing";
        if (code.text().size() != 5) name.setText("");
    };
    name.onChange = [&] {
        if (name.text().find_first_not_of(' ') == std::string::npos) code.setText("");
    };
    code.type("1");
    EXPECT_EQ(code.text(), "");
    EXPECT_EQ(name.text(), "");
    EXPECT_EQ(codeChanges, 2);
}

TEST(TextBoxChange, SelTextReplacesTheSelectionAndRaisesChange) {
    TextBox box("Txt", "abc");
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setSelStart(3);
    box.setSelText("d");
    EXPECT_EQ(box.text(), "abcd");
    EXPECT_EQ(box.selStart(), 4);
    EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace ui
