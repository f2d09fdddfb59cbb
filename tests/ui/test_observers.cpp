// Checks that every property change is announced to the observers once, after the new
// value is in place and before the event it causes, and never for an unchanged value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/option_button.h"
#include "ui/text_box.h"

namespace ui {
namespace {

struct Recorder {
    std::vector<std::string> seen;
    int watch(Observable& target, std::string who) {
        return target.subscribe([this, who](Property p) { seen.push_back(who + "." + std::string(name(p))); });
    }
};

TEST(Observers, TypingAnnouncesTextAndCaretBeforeChange) {
    TextBox box("Txt");
    Recorder r;
    r.watch(box, "box");
    box.onChange = [&] { r.seen.push_back("Change"); };
    box.type("a");
    EXPECT_EQ(r.seen, (std::vector<std::string>{"box.Text", "box.SelStart", "Change"}));
}

TEST(Observers, UnchangedValuesAreNotAnnounced) {
    TextBox box("Txt", "x");
    Recorder r;
    r.watch(box, "box");
    box.setText("x");
    box.setEnabled(true);
    box.setVisible(true);
    box.setSelStart(0);
    EXPECT_TRUE(r.seen.empty());
    box.setEnabled(false);
    EXPECT_EQ(r.seen, (std::vector<std::string>{"box.Enabled"}));
}

TEST(Observers, ClearedOptionIsAnnouncedToo) {
    Form form("Ctr");
    OptionButton& a = form.add<OptionButton>("Opt_Alpha");
    OptionButton& b = form.add<OptionButton>("Opt_Commune");
    a.setValue(true);
    Recorder r;
    r.watch(a, "a");
    r.watch(b, "b");
    b.setValue(true);
    EXPECT_EQ(r.seen, (std::vector<std::string>{"a.Value", "b.Value"}));
}

TEST(Observers, FocusMovesAreAnnouncedByTheForm) {
    Form form("Ctr");
    TextBox& a = form.add<TextBox>("Txt_A");
    Recorder r;
    r.watch(form, "form");
    form.setFocus(a);
    form.setFocus(a);
    EXPECT_EQ(r.seen, (std::vector<std::string>{"form.ActiveControl"}));
}

TEST(Observers, UnsubscribedObserverHearsNothing) {
    ListBox list("Lst");
    Recorder r;
    int token = r.watch(list, "list");
    list.addItem("x");
    list.unsubscribe(token);
    list.setSelected(0, true);
    EXPECT_EQ(r.seen, (std::vector<std::string>{"list.List"}));
}

}  // namespace
}  // namespace ui
