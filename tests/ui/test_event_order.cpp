// The events and property changes the widget models give, in order, for scripts of a
// person's actions and of the code's assignments, one table per subject (bench.h).
#include "bench.h"

namespace uitest {
namespace {

TEST(EventOrder, Focus) {
    play({
        {"Tab: LostFocus on the old widget before GotFocus on the new", "setfocus A; tab; ?Frm.ActiveControl",
         "A.Got A.Lost B.Got Frm.ActiveControl=B"},
        {"Tab skips what cannot take the focus or has no tab stop, and wraps; SetFocus ignores TabStop",
         "F.Enabled=0; B.TabStop=0; E.TabStop=0; S.TabStop=0; P.TabStop=0; Q.TabStop=0; setfocus A; tab; tab; "
         "backtab; setfocus B",
         "A.Got A.Lost OK.Got OK.Lost A.Got A.Lost OK.Got OK.Lost B.Got"},
        {"SetFocus on a widget disabled, hidden, of no focus, of another form, or on a disabled form: error 5, "
         "nothing moves",
         "setfocus A; B.Enabled=0; setfocus B; B.Enabled=1; B.Visible=0; setfocus B; trysetfocus B; trysetfocus Lbl; "
         "setfocus Z; ?Frm.ActiveControl; Frm.Enabled=0; setfocus C; tab",
         "A.Got error5 error5 refused refused error5 Frm.ActiveControl=A error5 refused"},
        {"a LostFocus handler that sends the focus back wins", "setfocus A; on A.Lost setfocus A; tab; ?Frm.ActiveControl",
         "A.Got A.Lost A.Got Frm.ActiveControl=A"},
        {"during LostFocus the active control is already the new one", "setfocus A; on A.Lost ?Frm.ActiveControl; setfocus OK",
         "A.Got A.Lost Frm.ActiveControl=OK OK.Got"},
        {"a TabIndex set moves the widget and renumbers the others",
         "OK.TabIndex=0; ?Lbl.TabIndex; ?A.TabIndex; setfocus Q; tab", "Lbl.TabIndex=1 A.TabIndex=2 Q.Got Q.Lost OK.Got"},
        {"Tab stops on the selected option of a group only", "O2.Value=1; setfocus X; tab; tab",
         "O2.Click X.Got X.Lost O2.Got O2.Lost L.Got"},
        {"a form shown gives the focus to its first tab stop", "hide; show; ?Frm.ActiveControl",
         "Frm.Activate A.Got Frm.ActiveControl=A"},
    });
}

// A person at the keyboard and mouse: keys to the focused widget only, a click that moves the
// focus first, Enter and Escape to the Default and Cancel buttons.
TEST(EventOrder, Person) {
    play({
        {"typing then Tab: the box's LostFocus runs before the next widget gets the focus",
         "digits A 2; on A.Lost pad A 2; focus A; type x7\t; ?Frm.ActiveControl",
         "A.Got A.Change(7) A.Lost A.Change(07) B.Got Frm.ActiveControl=B"},
        {"a click on a button: the box's LostFocus first", "focus A; type 7; click OK", "A.Got A.Change(7) A.Lost OK.Got OK.Click"},
        {"a click on a disabled button, or on one a LostFocus disables, is lost and the focus stays",
         "focus A; OK.Enabled=0; click OK; ?Frm.ActiveControl; OK.Enabled=1; on A.Lost OK.Enabled=0; click OK",
         "A.Got refused Frm.ActiveControl=A A.Lost refused"},
        {"keys reach the focused widget only", "type 1; focus B; type MARTIN; ?A.Text", "refused B.Got B.Change(M) B.Change(MA) "
         "B.Change(MAR) B.Change(MART) B.Change(MARTI) B.Change(MARTIN) A.Text="},
        {"Enter goes to the box without a Default button, clicks it when there is one; Escape clicks Cancel",
         "keys; focus A; type \n; OK.Default=1; type \n; Q.Cancel=1; type \x1b; ?Frm.ActiveControl",
         "A.Got A.Key(#13) OK.Click Q.Click Frm.ActiveControl=A"},
        {"Space clicks the focused option; choosing a combo's item by its text",
         "click O2; focus O1; type  ; ?O2.Value; choose D LYON; choose D NICE",
         "O2.Got O2.Click O2.Lost O1.Got O1.Click O2.Value=0 O1.Lost D.Got D.Click(LYON) refused"},
        {"marking rows clicks only those whose mark differs", "row L 0; mark L 1,3; ?L.Marks; row L 5",
         "L.Got L.Click L.Click L.Click L.Click L.Marks=1,3 refused"},
        {"mouse presses on the form and a frame while they take input",
         "mouse 2; mouse F 1; F.Enabled=0; mouse F 2; Frm.Enabled=0; mouse 2", "Frm.MouseDown(2) F.MouseDown(1) refused refused"},
    });
}

TEST(EventOrder, TextBox) {
    play({
        {"only digits through the filter", "digits A 2; focus A; type a7b", "A.Got A.Change(7)"},
        {"Enter pads, and is discarded", "digits A 2; focus A; type a7b\n", "A.Got A.Change(7) A.Change(07)"},
        {"Enter pads an empty box", "digits A 5; focus A; type \n", "A.Got A.Change(00000)"},
        {"backspace passes the filter", "digits A 2; focus A; type 12\b; ?A.SelStart", "A.Got A.Change(1) A.Change(12) A.Change(1) A.SelStart=1"},
        {"backspace at the start does nothing", "A.Text=ab; focus A; A.SelStart=0; type \b", "A.Change(ab) A.Got"},
        {"a handler changes the key", "upper A; focus A; type dupont; ?A.Text",
         "A.Got A.Change(D) A.Change(DU) A.Change(DUP) A.Change(DUPO) A.Change(DUPON) A.Change(DUPONT) A.Text=DUPONT"},
        {"a key replaces the selection", "A.Text=abcd; focus A; A.SelStart=1; A.SelLength=2; type X; ?A.SelStart",
         "A.Change(abcd) A.Got A.Change(aXd) A.SelStart=2"},
        {"backspace erases the selection", "A.Text=aXd; focus A; A.SelStart=0; A.SelLength=99; type \b", "A.Change(aXd) A.Got A.Change()"},
        {"a non-ASCII key is one character", "focus A; type é; ?A.SelStart; A.SelStart=1; type t; A.SelStart=1; type \b",
         "A.Got A.Change(é) A.SelStart=1 A.Change(ét) A.Change(t)"},
        {"typing stops at MaxLength, also over a selection; KeyPress sees every key; an assigned text is not limited",
         "keys; A.MaxLength=2; focus A; type é23; A.SelStart=0; A.SelLength=1; type 9; A.Text=12345",
         "A.Got A.Key(é) A.Change(é) A.Key(2) A.Change(é2) A.Key(3) A.Key(9) A.Change(92) A.Change(12345)"},
        {"an assigned text raises Change only when it differs, and puts the caret at the start",
         "A.Text=07; A.Text=07; A.Text=; focus A; type 12; A.Text=34; ?A.SelStart; type 5",
         "A.Change(07) A.Change() A.Got A.Change(1) A.Change(12) A.Change(34) A.SelStart=0 A.Change(534)"},
        {"SelText replaces the selection", "A.Text=534; A.SelStart=3; A.SelText=d; ?A.SelStart", "A.Change(534) A.Change(534d) A.SelStart=4"},
    });
}

TEST(EventOrder, ComboBox) {
    play({
        {"ListIndex set, even again, or a person's choice: the item's text and Click, never Change",
         "E.ListIndex=1; E.ListIndex=1; E.ListIndex=-1; choose E 2; choose E 5", "E.Click(LYON) E.Click(LYON) E.Click() E.Got "
         "E.Click(PARIS) refused"},
        {"ListIndex outside the list: error 380, reads empty", "D.ListIndex=3; ?D.ListIndex; ?D.List#3; ?D.List#-1; ?D.ItemData#3",
         "error380 D.ListIndex=-1 D.List#3= D.List#-1= error381"},
        {"an editable text raises Change and follows a matching item without Click",
         "E.Text=PARIS; ?E.ListIndex; E.Text=PARIS; E.Text=PAR; ?E.ListIndex",
         "E.Change(PARIS) E.ListIndex=2 E.Change(PAR) E.ListIndex=-1"},
        {"a text erased by keys raises Change with no item", "choose E 1; E.SelStart=0; E.SelLength=4; type \b; ?E.ListIndex",
         "E.Got E.Click(LYON) E.Change() E.ListIndex=-1"},
        {"a drop-down list's text must be an item's, and keys do not edit it",
         "D.Text=LYON; D.Text=NICE; ?D.Text; keys; focus D; type x; ?D.Text",
         "D.Click(LYON) error383 D.Text=LYON D.Got D.Key(x) D.Text=LYON"},
        {"the current item follows insertions and is lost with its removal",
         "D.ListIndex=1; add D AMIENS 0; ?D.ListIndex; remove D 0; ?D.ListIndex; remove D 1; ?D.ListIndex; ?D.Text; "
         "?D.ListCount; remove D 2; add D X 3",
         "D.Click(LYON) D.ListIndex=2 D.ListIndex=1 D.ListIndex=-1 D.Text= D.ListCount=2 error5 error5"},
        {"Clear empties the list and the text without events", "choose E 0; clear E; ?E.ListCount; ?E.Text; ?E.ListIndex",
         "E.Got E.Click(ANNECY) E.ListCount=0 E.Text= E.ListIndex=-1"},
    });
}

TEST(EventOrder, ListBox) {
    play({
        {"multiple selection: a click toggles the row's mark and makes it current, one Click each",
         "row L 2; row L 0; ?L.Marks; ?L.ListIndex; row L 2; ?L.Marks", "L.Got L.Click L.Click L.Marks=0,2 L.ListIndex=0 L.Click "
         "L.Marks=0"},
        {"a mark or current row set raises Click only when it changes; the current row is not marked",
         "L.Selected#1=1; L.Selected#1=1; L.ListIndex=2; L.ListIndex=2; ?L.Marks; L.Selected#5=1",
         "L.Click L.Click L.Marks=1 error381"},
        {"marks and the current row follow their entries",
         "row L 1; add L first 0; ?L.Marks; ?L.ListIndex; remove L 0; ?L.ListIndex; remove L 1; ?L.ListIndex; ?L.Marks; "
         "?L.List#1",
         "L.Got L.Click L.Marks=2 L.ListIndex=2 L.ListIndex=1 L.ListIndex=-1 L.Marks= L.List#1=l2"},
        {"a double click toggles once, then Click and DblClick", "dbl L 1; ?L.Marks", "L.Got L.Click L.DblClick L.Marks=1"},
        {"single selection: a click marks that row only; unmarking it leaves no current row",
         "row S 0; row S 2; ?S.Marks; ?S.ListIndex; S.Selected#2=0; ?S.ListIndex; S.ListIndex=1; ?S.Marks; ?S.Text",
         "S.Got S.Click S.Click S.Marks=2 S.ListIndex=2 S.Click S.ListIndex=-1 S.Click S.Marks=1 S.Text=s1"},
        {"TopIndex stays in the list and raises Scroll when it moves; the current row is scrolled into view; Clear "
         "raises nothing",
         "S.VisibleRows=4; S.TopIndex=50; ?S.TopIndex; S.TopIndex=6; S.TopIndex=-3; ?S.TopIndex; S.ListIndex=8; ?S.TopIndex; "
         "S.ListIndex=2; ?S.TopIndex; clear S; ?S.TopIndex; ?S.ListIndex",
         "S.Scroll S.TopIndex=6 S.Scroll S.TopIndex=0 S.Scroll S.Click S.TopIndex=5 S.Scroll S.Click S.TopIndex=2 "
         "S.TopIndex=0 S.ListIndex=-1"},
    });
}

TEST(EventOrder, ButtonsAndScrollBar) {
    play({
        {"a check box: a click toggles, an assigned value raises Click when it changes, Click sees the new value",
         "X.Value=1; click X; click X; X.Value=2; X.Value=2; click X; X.Value=1",
         "X.Click(1) X.Got X.Click(0) X.Click(1) X.Click(2) X.Click(1)"},
        {"an option clears the others of its frame only; selected again or cleared it raises nothing",
         "P.Value=1; O1.Value=1; click O2; ?O1.Value; ?P.Value; O2.Value=1; click O2; O2.Value=0; ?O2.Value",
         "P.Click O1.Click O2.Got O2.Click O1.Value=0 P.Value=1 O2.Value=0"},
        {"one Default and one Cancel button per form", "OK.Default=1; K.Default=1; ?OK.Default; ?Frm.Default; OK.Cancel=1; "
         "Q.Cancel=1; ?Frm.Cancel", "OK.Default=0 Frm.Default=K Frm.Cancel=Q"},
        {"a scroll bar's value kept in its range, Change only when it moves; a lower Max pulls it back, down to 0",
         "V.Value=15; V.Value=99; V.Value=-4; V.Value=8; V.Max=3; V.Max=-1; V.Value=0; ?V.Value",
         "V.Change(10) V.Change(0) V.Change(8) V.Change(3) V.Change(0) V.Value=0"},
        {"arrows and the track step within the range; a drag raises Scroll, then Change",
         "V.LargeChange=4; arrow V 1; page V 1; page V 1; page V 1; arrow V -1; drag V 7",
         "V.Change(1) V.Change(5) V.Change(9) V.Change(10) V.Change(9) V.Got V.Scroll(7) V.Change(7)"},
    });
}

TEST(EventOrder, FormAndMenus) {
    play({
        {"QueryUnload or Unload may refuse the close; a disabled form ignores the title bar",
         "on Frm.QueryUnload cancel; Frm.Enabled=0; close; Frm.Enabled=1; close; ?Frm.Loaded; off Frm.QueryUnload; "
         "on Frm.Unload cancel; unload; ?Frm.Loaded; off Frm.Unload; unload; ?Frm.Loaded; ?Frm.Visible",
         "refused Frm.QueryUnload(0) refused Frm.Loaded=1 Frm.QueryUnload(1) Frm.Unload refused Frm.Loaded=1 "
         "Frm.QueryUnload(1) Frm.Unload Frm.Loaded=0 Frm.Visible=0"},
        {"an unloaded form loses its focus without LostFocus and takes no input until shown",
         "setfocus A; unload; ?Frm.ActiveControl; ?A.AcceptsInput; close; show; ?Frm.ActiveControl",
         "A.Got Frm.QueryUnload(1) Frm.Unload Frm.ActiveControl=none A.AcceptsInput=0 refused Frm.Activate A.Got "
         "Frm.ActiveControl=A"},
        {"an item of a disabled or hidden menu cannot be chosen",
         "Help.Enabled=0; menu Contents; Help.Enabled=1; Help.Visible=0; menu Contents; Help.Visible=1; menu Contents",
         "refused refused Contents.Click"},
        {"a pop-up menu asked for is recorded", "popup Help; ?Frm.Popups", "Frm.Popups=Help"},
    });
}

// Every property change is announced once, after the new value is in place and before the
// event it causes, never for an unchanged value, and not to an observer that left.
TEST(EventOrder, Observers) {
    play({
        {"typing announces the text and the caret before Change", "watch A; focus A; type a", "A.Got A:Text A:SelStart A.Change(a)"},
        {"unchanged values are not announced", "A.Text=x; watch A; A.Text=x; A.Enabled=1; A.Visible=1; A.SelStart=0; A.Enabled=0",
         "A.Change(x) A:Enabled"},
        {"a cleared option is announced too", "O1.Value=1; watch O1; watch O2; O2.Value=1", "O1.Click O1:Value O2:Value O2.Click"},
        {"the form announces the focus's moves", "watch Frm; setfocus A; setfocus A", "Frm:ActiveControl A.Got"},
        {"an observer that left hears nothing", "watch L; add L x 0; unwatch L; L.Selected#0=1", "L:List L.Click"},
    });
}

// Nothing reaches a widget of any kind while it, a frame around it at any depth or its form
// is disabled or hidden: no event, no focus, its own Enabled unchanged; once free it answers.
TEST(EventOrder, NothingReachesAWidgetThatIsOff) {
    const std::vector<std::pair<const char*, const char*>> kinds = {
        {"K", "click K"}, {"X", "click X"}, {"O1", "click O1"}, {"C", "focus C; type 1"},
        {"L", "row L 1"}, {"D", "choose D 1"}, {"V", "drag V 4; arrow V 1"}};
    for (const auto& [w, act] : kinds) {
        for (const std::string& off : {std::string(w) + ".Enabled=0", std::string(w) + ".Visible=0", std::string("F.Enabled=0"),
                                      std::string("F.Visible=0"), std::string("G.Enabled=0"), std::string("Frm.Enabled=0")}) {
            Bench bench;
            const std::string refused = std::string(act).find(';') == std::string::npos ? "refused" : "refused refused";
            EXPECT_EQ(bench.run(off + "; " + act + "; trysetfocus " + w), refused + " refused") << off << "; " << act;
            if (off[0] == 'F' || off[0] == 'G') {
                EXPECT_EQ(bench.run(std::string("?") + w + ".AcceptsInput; ?" + w + ".Enabled"),
                          std::string(w) + ".AcceptsInput=0 " + w + ".Enabled=1");
            }
            std::string on = off;
            on.back() = '1';
            const std::string trace = bench.run(on + "; " + act);
            EXPECT_TRUE(!trace.empty() && trace.find("refused") == std::string::npos) << on << "; " << act << ": " << trace;
        }
    }
}

// Structure: a frame of another form, a frame inside itself and a name taken are refused;
// the menus' items and look-up.
TEST(EventOrder, FormStructure) {
    Bench b;
    EXPECT_THROW(b.form.add<TextBox>("Y", &b.other.add<Frame>("Fo")), std::invalid_argument);
    EXPECT_THROW(b.K.setContainer(&b.other.add<Frame>("Fp")), std::invalid_argument);
    EXPECT_THROW(b.F.setContainer(&b.G), std::invalid_argument);
    EXPECT_THROW(b.form.add<TextBox>("OK"), std::invalid_argument);
    EXPECT_THROW(b.form.addMenu("Help", "x"), std::invalid_argument);
    EXPECT_EQ(b.help.items(), (std::vector<Menu*>{&b.contents}));
    EXPECT_EQ(b.form.findMenu("Contents"), &b.contents);
}

}  // namespace
}  // namespace uitest
