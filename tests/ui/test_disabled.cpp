// Checks that every kind of widget ignores the person, raises nothing and takes no focus
// while it, a frame around it or its form is disabled or hidden; once free it answers.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/keys.h"
#include "ui/list_box.h"
#include "ui/option_button.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace ui {
namespace {

// A widget put in a frame of a form, with its events counted, and what the person does
// to it (false when the widget refused).
struct Kind {
    const char* name;
    std::function<Widget&(Form&, Frame&, int& events)> make;
    std::function<bool(Widget&)> act;
};

const Kind kKinds[] = {
    {"button",
     [](Form& f, Frame& fr, int& n) -> Widget& {
         auto& w = f.add<CommandButton>("Cmd", &fr);
         w.onClick = [&n] { ++n; };
         return w;
     },
     [](Widget& w) { return static_cast<CommandButton&>(w).click(); }},
    {"check box",
     [](Form& f, Frame& fr, int& n) -> Widget& {
         auto& w = f.add<CheckBox>("Cac", &fr);
         w.onClick = [&n] { ++n; };
         return w;
     },
     [](Widget& w) { return static_cast<CheckBox&>(w).click(); }},
    {"option",
     [](Form& f, Frame& fr, int& n) -> Widget& {
         auto& w = f.add<OptionButton>("Opt", &fr);
         w.onClick = [&n] { ++n; };
         return w;
     },
     [](Widget& w) { return static_cast<OptionButton&>(w).click(); }},
    {"text box",
     [](Form& f, Frame& fr, int& n) -> Widget& {
         auto& w = f.add<TextBox>("Txt", &fr);
         w.onKeyPress = [&n](int&) { ++n; };
         w.onChange = [&n] { ++n; };
         return w;
     },
     [](Widget& w) { return static_cast<TextBox&>(w).type("1"); }},
    {"list",
     [](Form& f, Frame& fr, int& n) -> Widget& {
         auto& w = f.add<ListBox>("Lst", &fr);
         w.addItem("00001");
         w.addItem("00002");
         w.onClick = [&n] { ++n; };
         return w;
     },
     [](Widget& w) { return static_cast<ListBox&>(w).clickRow(1); }},
    {"combo",
     [](Form& f, Frame& fr, int& n) -> Widget& {
         auto& w = f.add<ComboBox>("Cbo", &fr, ComboStyle::DropDownList);
         w.addItem("LYON");
         w.addItem("PARIS");
         w.onClick = [&n] { ++n; };
         return w;
     },
     [](Widget& w) { return static_cast<ComboBox&>(w).choose(1); }},
    {"scroll bar",
     [](Form& f, Frame& fr, int& n) -> Widget& {
         auto& w = f.add<VScrollBar>("Bdv", &fr);
         w.setMax(10);
         w.onScroll = [&n] { ++n; };
         w.onChange = [&n] { ++n; };
         return w;
     },
     [](Widget& w) { return static_cast<VScrollBar&>(w).drag(4) && static_cast<VScrollBar&>(w).arrow(+1); }},
};

// What keeps the person away, and how it is lifted.
struct Blocker {
    const char* name;
    std::function<void(Form&, Frame&, Widget&, bool)> set;  // true: block
};

const Blocker kBlockers[] = {
    {"widget disabled", [](Form&, Frame&, Widget& w, bool b) { w.setEnabled(!b); }},
    {"widget hidden", [](Form&, Frame&, Widget& w, bool b) { w.setVisible(!b); }},
    {"frame disabled", [](Form&, Frame& fr, Widget&, bool b) { fr.setEnabled(!b); }},
    {"frame hidden", [](Form&, Frame& fr, Widget&, bool b) { fr.setVisible(!b); }},
    {"form disabled", [](Form& f, Frame&, Widget&, bool b) { f.setEnabled(!b); }},
};

TEST(Disabled, EveryWidgetIgnoresThePersonWhileItOrItsFramesOrFormAreOff) {
    for (const Kind& kind : kKinds) {
        for (const Blocker& blocker : kBlockers) {
            SCOPED_TRACE(std::string(kind.name) + ", " + blocker.name);
            Form form("Frm");
            Frame& outer = form.add<Frame>("Fra_Outer");
            Frame& inner = form.add<Frame>("Fra_Inner", &outer);
            int events = 0;
            Widget& w = kind.make(form, inner, events);
            // The outer frame blocks at any depth, without changing the widget's Enabled.
            Frame& frame = std::string(blocker.name).rfind("frame", 0) == 0 ? outer : inner;
            blocker.set(form, frame, w, true);
            EXPECT_FALSE(kind.act(w));
            EXPECT_FALSE(form.trySetFocus(w));
            EXPECT_EQ(events, 0);
            if (&frame == &outer) {
                EXPECT_TRUE(w.enabled());
                EXPECT_FALSE(w.acceptsInput());
            }
            blocker.set(form, frame, w, false);
            EXPECT_TRUE(kind.act(w));
            EXPECT_GT(events, 0);
        }
    }
}

}  // namespace
}  // namespace ui
