// Checks typing into a text box through its KeyPress filter, the caret and selection
// editing, the length limit, and when Change is raised.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Keys typed into a box, from its first text and selection, and what it holds after
// (-1: not checked).
struct Typing {
    const char* what;
    int filter;  // 0: none, 2 or 5: a code box of that width, 'A': capitals
    const char* initial;
    int selStart, selLength, maxLength;
    const char* keys;
    const char* text;
    int caret, changes;
};

const Typing kTypings[] = {
    {"letters discarded", 2, "", -1, 0, 0, "a7b", "7", -1, 1},
    {"Enter pads without inserting itself", 2, "", -1, 0, 0, "a7b\n", "07", -1, 2},
    {"Enter on an empty box pads to zeros", 5, "", -1, 0, 0, "\n", "00000", -1, -1},
    {"backspace passes the filter", 2, "", -1, 0, 0, "12\b", "1", 1, -1},
    {"backspace at the start", 0, "ab", 0, 0, 0, "\b", "ab", -1, 0},
    {"handler replaces the key", 'A', "", -1, 0, 0, "dupont", "DUPONT", -1, -1},
    {"key replaces the selection", 0, "abcd", 1, 2, 0, "X", "aXd", 2, -1},
    {"backspace erases the selection", 0, "aXd", 0, 99, 0, "\b", "", -1, -1},
    {"non-ASCII key is one character", 0, "", -1, 0, 0, "é", "é", 1, -1},
    {"backspace after a non-ASCII character", 0, "ét", 1, 0, 0, "\b", "t", -1, -1},
    {"typing past MaxLength refused", 0, "", -1, 0, 2, "123", "12", -1, -1},
    {"typing over a selection at MaxLength", 0, "12", 0, 1, 2, "9", "92", -1, -1},
};

TEST(TextBoxTyping, KeysThroughTheFilterGiveTheTextCaretAndChanges) {
    for (const Typing& t : kTypings) {
        SCOPED_TRACE(t.what);
        TextBox box("Txt", t.initial);
        if (t.filter == 'A') {
            box.onKeyPress = [](int& key) {
                if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
            };
        } else if (t.filter) {
            installCodeFilter(box, t.filter);
        }
        if (t.maxLength) box.setMaxLength(t.maxLength);
        if (t.selStart >= 0) {
            box.setSelStart(t.selStart);
            box.setSelLength(t.selLength);
        }
        int changes = 0;
        box.onChange = [&] { ++changes; };
        EXPECT_TRUE(box.type(t.keys));
        EXPECT_EQ(box.text(), t.text);
        EXPECT_TRUE(t.caret < 0 || box.selStart() == t.caret) << box.selStart();
        EXPECT_TRUE(t.changes < 0 || changes == t.changes) << changes;
    }
}

TEST(TextBoxTyping, KeyPressSeesTheCodePointAndEveryKeyEvenPastMaxLength) {
    TextBox box("Txt");
    std::vector<int> seen;
    box.onKeyPress = [&](int& key) { seen.push_back(key); };
    box.setMaxLength(2);
    box.type("é23");
    EXPECT_EQ(seen, (std::vector<int>{0xE9, '2', '3'}));
    box.setText("12345");  // an assigned text is not limited
    EXPECT_EQ(box.text(), "12345");
}

TEST(TextBoxChange, AssignedTextRaisesChangeOnlyWhenItDiffersAndPutsTheCaretAtTheStart) {
    TextBox box("Txt");
    std::vector<std::string> seen;
    box.onChange = [&] { seen.push_back(box.text()); };
    box.setText("07");
    box.setText("07");
    box.setText("");
    EXPECT_EQ(seen, (std::vector<std::string>{"07", ""}));
    box.type("12");
    box.setText("34");
    EXPECT_EQ(box.selStart(), 0);
    box.type("5");
    EXPECT_EQ(box.text(), "534");
    // SelText replaces the selection and raises Change.
    seen.clear();
    box.setSelStart(3);
    box.setSelText("d");
    EXPECT_EQ(box.text(), "534d");
    EXPECT_EQ(box.selStart(), 4);
    EXPECT_EQ(seen.size(), 1u);
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

}  // namespace
}  // namespace ui
