// A form with a widget of every kind, played from a script of a person's actions and of
// the code's assignments, and the trace of the events and property changes they give.
//
// The form "Frm", in tab order: Lbl (a label), A and B (text boxes), the frame F holding the
// frame G, which holds C (a text box), K (a button), X (a check box), O1 and O2 (options),
// L (a list of simple multiple selection, rows l0 to l4), D (a drop-down list) and V (a
// scroll bar, Max 10); then E (a drop-down combo), S (a list of single selection, rows s0
// to s9), P (an option), OK and Q (buttons). D and E hold ANNECY, LYON and PARIS; the menu
// Help holds Contents. Z is a text box of another form.
//
// Steps are separated by "; ". A person's (the driver's; one that does not reach its
// widget traces "refused"): focus W, click W, tab, backtab, type KEYS (the rest of the step:
// \t Tab, \n Enter, \b backspace, \x1b Escape), choose W INDEX|TEXT, row W I, dbl W I,
// mark W I,J, drag W VALUE, arrow W ±1, page W ±1, menu M, mouse BUTTON, mouse FRAME BUTTON,
// close. The code's: W.Prop=VALUE (Selected#I for a row's mark), setfocus W, trysetfocus W,
// add W TEXT INDEX, remove W INDEX, clear W, show, hide, unload, popup M; an error it
// raises traces "errorN". The bench's: on W.Event STEP (STEP runs after each such event;
// "cancel" cancels a QueryUnload or Unload), off W.Event, digits W N (only digits and
// backspace reach W, and Enter pads it with zeros to N), pad W N, upper W, keys (KeyPress
// traced too), watch W and unwatch W (W's property changes traced as W:Prop), ?W.Prop (the
// value traced as W.Prop=VALUE; Marks: a list's marked rows).
//
// Events trace as W.Got, W.Lost, W.Change(text or value), W.Click (a check box's value, a
// combo's text), W.DblClick, W.Scroll, W.Key(character, or #code below a blank),
// Frm.Activate, Frm.QueryUnload(mode), Frm.Unload, W.MouseDown(button).
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "numbers/utf8.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/driver.h"
#include "ui/errors.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/keys.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/option_button.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace uitest {

using namespace ui;

class Bench {
public:
    Bench() {
        F.onMouseDown = [this](int b, int, float, float) { event("F", "MouseDown", std::to_string(b)); };
        form.onMouseDown = [this](int b, int, float, float) { event("Frm", "MouseDown", std::to_string(b)); };
        form.onActivate = [this] { event("Frm", "Activate"); };
        form.onQueryUnload = [this](int& cancel, UnloadMode mode) {
            cancel_ = &cancel;
            event("Frm", "QueryUnload", std::to_string(static_cast<int>(mode)));
            cancel_ = nullptr;
        };
        form.onUnload = [this](int& cancel) {
            cancel_ = &cancel;
            event("Frm", "Unload");
            cancel_ = nullptr;
        };
        contents.onClick = [this] { event("Contents", "Click"); };
        for (int i = 0; i < 5; ++i) L.addItem("l" + std::to_string(i));
        for (int i = 0; i < 10; ++i) S.addItem("s" + std::to_string(i));
        for (ComboBox* c : {&D, &E})
            for (const char* town : {"ANNECY", "LYON", "PARIS"}) c->addItem(town);
        V.setMax(10);
        for (Widget* w : form.tabOrder()) {
            const std::string n = w->name();
            w->onGotFocus = [this, n] { event(n, "Got"); };
            w->onLostFocus = [this, n] { event(n, "Lost"); };
        }
        for (TextBox* t : {&A, &B, &C}) {
            t->onChange = [this, t] { event(t->name(), "Change", t->text()); };
            t->onKeyPress = [this, t](int& key) { keyPress(t->name(), key); };
        }
        for (ComboBox* c : {&D, &E}) {
            c->onChange = [this, c] { event(c->name(), "Change", c->text()); };
            c->onClick = [this, c] { event(c->name(), "Click", c->text()); };
            c->onKeyPress = [this, c](int& key) { keyPress(c->name(), key); };
        }
        for (ListBox* l : {&L, &S}) {
            l->onClick = [this, l] { event(l->name(), "Click"); };
            l->onDblClick = [this, l] { event(l->name(), "DblClick"); };
            l->onScroll = [this, l] { event(l->name(), "Scroll"); };
        }
        for (CommandButton* b : {&K, &OK, &Q}) b->onClick = [this, b] { event(b->name(), "Click"); };
        for (OptionButton* o : {&O1, &O2, &P}) o->onClick = [this, o] { event(o->name(), "Click"); };
        X.onClick = [this] { event("X", "Click", std::to_string(static_cast<int>(X.value()))); };
        V.onChange = [this] { event("V", "Change", std::to_string(V.value())); };
        V.onScroll = [this] { event("V", "Scroll", std::to_string(V.value())); };
    }

    // Plays a script; gives its trace, entries separated by blanks.
    std::string run(const std::string& script) {
        trace_.clear();
        for (size_t from = 0, end = 0; from <= script.size(); from = end + 2) {
            end = script.find("; ", from);
            if (end == std::string::npos) end = script.size();
            step(script.substr(from, end - from));
        }
        std::string t;
        for (const std::string& e : trace_) t += (t.empty() ? "" : " ") + e;
        return t;
    }

    Form form{"Frm"};
    Label& Lbl = form.add<Label>("Lbl", nullptr, "de");
    TextBox& A = form.add<TextBox>("A");
    TextBox& B = form.add<TextBox>("B");
    Frame& F = form.add<Frame>("F");
    Frame& G = form.add<Frame>("G", &F);
    TextBox& C = form.add<TextBox>("C", &G);
    CommandButton& K = form.add<CommandButton>("K", &G);
    CheckBox& X = form.add<CheckBox>("X", &G);
    OptionButton& O1 = form.add<OptionButton>("O1", &G);
    OptionButton& O2 = form.add<OptionButton>("O2", &G);
    ListBox& L = form.add<ListBox>("L", &G, MultiSelect::Simple);
    ComboBox& D = form.add<ComboBox>("D", &G, ComboStyle::DropDownList);
    VScrollBar& V = form.add<VScrollBar>("V", &G);
    ComboBox& E = form.add<ComboBox>("E");
    ListBox& S = form.add<ListBox>("S");
    OptionButton& P = form.add<OptionButton>("P");
    CommandButton& OK = form.add<CommandButton>("OK");
    CommandButton& Q = form.add<CommandButton>("Q");
    Menu& help = form.addMenu("Help", "Aide");
    Menu& contents = form.addMenu("Contents", "Aide_TALMIRAN", &help);
    Form other{"Other"};
    TextBox& Z = other.add<TextBox>("Z");
    Driver person{form};

private:
    using Filter = std::function<void(TextBox&, int&)>;

    void event(const std::string& who, const std::string& what, const std::string& value = "-") {
        trace_.push_back(who + "." + what + (value == "-" ? "" : "(" + value + ")"));
        auto it = reactions_.find(who + "." + what);
        if (it == reactions_.end()) return;
        const std::vector<std::string> steps = it->second;
        for (const std::string& s : steps) step(s);
    }
    void keyPress(const std::string& who, int& key) {
        if (keys_) event(who, "Key", key < 32 ? "#" + std::to_string(key) : dnt::utf8::encode(static_cast<char32_t>(key)));
        auto it = filters_.find(who);
        if (it != filters_.end()) it->second(static_cast<TextBox&>(widget(who)), key);
    }
    static void padTo(TextBox& box, size_t n) {
        if (box.text().size() < n) box.setText(std::string(n - box.text().size(), '0') + box.text());
    }

    Widget& widget(const std::string& name) {
        if (Widget* w = form.find(name)) return *w;
        if (name == "Z") return Z;
        throw std::invalid_argument("no widget " + name);
    }
    template <class W>
    W* as(const std::string& name) {
        return dynamic_cast<W*>(&widget(name));
    }
    static bool flag(const std::string& v) { return v == "1"; }

    void step(const std::string& s) {
        try {
            if (!play(s)) trace_.push_back("refused");
        } catch (const dnt::Error& e) {
            trace_.push_back("error" + std::to_string(e.number()));
        } catch (const std::invalid_argument&) {
            trace_.push_back("invalid");
        }
    }

    // Runs one step; false when a person's action did not reach its widget.
    bool play(const std::string& s) {
        const size_t blank = s.find(' ');
        const std::string verb = s.substr(0, blank);
        const std::string rest = blank == std::string::npos ? "" : s.substr(blank + 1);
        const size_t b2 = rest.find(' ');
        const std::string arg = rest.substr(0, b2), arg2 = b2 == std::string::npos ? "" : rest.substr(b2 + 1);
        const int n2 = arg2.empty() || arg2.find_first_not_of("-0123456789") != std::string::npos ? -1 : std::stoi(arg2);
        if (verb == "type") return person.type(rest);
        if (verb == "tab") return person.tab();
        if (verb == "backtab") return person.backTab();
        if (verb == "close") return person.closeWindow();
        if (verb == "focus") return person.focus(widget(arg));
        if (verb == "click") return person.click(widget(arg));
        if (verb == "choose") return n2 >= 0 || arg2 == "-1" ? person.choose(*as<ComboBox>(arg), n2) : person.choose(*as<ComboBox>(arg), arg2);
        if (verb == "row") return person.clickRow(*as<ListBox>(arg), n2);
        if (verb == "dbl") return person.doubleClickRow(*as<ListBox>(arg), n2);
        if (verb == "drag") return person.scroll(*as<VScrollBar>(arg), n2);
        if (verb == "arrow") return as<VScrollBar>(arg)->arrow(n2);
        if (verb == "page") return as<VScrollBar>(arg)->page(n2);
        if (verb == "menu") return person.chooseMenu(*form.findMenu(arg));
        if (verb == "mouse") return arg2.empty() ? person.mouseDown(std::stoi(arg), 30, 40) : person.mouseDown(*as<Frame>(arg), n2, 3, 4);
        if (verb == "mark") {
            std::vector<int> rows;
            for (size_t at = 0; at < arg2.size(); at = arg2.find(',', at) + 1) {
                rows.push_back(std::stoi(arg2.substr(at)));
                if (arg2.find(',', at) == std::string::npos) break;
            }
            return person.markRows(*as<ListBox>(arg), rows);
        }
        if (verb == "setfocus") return form.setFocus(widget(arg)), true;
        if (verb == "trysetfocus") return form.trySetFocus(widget(arg));
        if (verb == "show") return form.show(), true;
        if (verb == "hide") return form.hide(), true;
        if (verb == "unload") return form.unload();
        if (verb == "popup") return form.popupMenu(*form.findMenu(arg), 3, 4), true;
        if (verb == "cancel") return *cancel_ = 1, true;
        if (verb == "keys") return keys_ = true;
        if (verb == "on") return reactions_[arg].push_back(arg2), true;
        if (verb == "off") return reactions_.erase(arg), true;
        if (verb == "digits" || verb == "pad") {
            const size_t n = static_cast<size_t>(n2);
            if (verb == "pad") return padTo(*as<TextBox>(arg), n), true;
            filters_[arg] = [n](TextBox& box, int& key) {
                if (key == kKeyBack) return;
                if (key == kKeyReturn) padTo(box, n);
                if (key < '0' || key > '9') key = 0;
            };
            return true;
        }
        if (verb == "upper") return filters_[arg] = [](TextBox&, int& key) { if (key >= 'a' && key <= 'z') key -= 'a' - 'A'; }, true;
        if (verb == "watch") {
            Observable& o = arg == "Frm" ? static_cast<Observable&>(form) : widget(arg);
            watching_[arg] = o.subscribe([this, arg](Property p) { trace_.push_back(arg + ":" + std::string(name(p))); });
            return true;
        }
        if (verb == "unwatch") return widget(arg).unsubscribe(watching_[arg]), true;
        if (verb == "add" || verb == "remove" || verb == "clear") {
            const size_t b = rest.rfind(' ');
            const int at = verb == "add" ? std::stoi(rest.substr(b + 1)) : n2;
            const std::string text = verb == "add" ? rest.substr(arg.size() + 1, b - arg.size() - 1) : "";
            if (auto* l = as<ListBox>(arg)) verb == "add" ? l->addItem(text, at) : verb == "remove" ? l->removeItem(at) : l->clear();
            if (auto* c = as<ComboBox>(arg)) verb == "add" ? c->addItem(text, at) : verb == "remove" ? c->removeItem(at) : c->clear();
            return true;
        }
        if (verb[0] == '?') return trace_.push_back(verb.substr(1) + "=" + get(verb.substr(1))), true;
        const size_t dot = s.find('.'), eq = s.find('=');
        if (dot != std::string::npos && eq != std::string::npos) return set(s.substr(0, dot), s.substr(dot + 1, eq - dot - 1), s.substr(eq + 1)), true;
        throw std::logic_error("bench: no such step: " + s);
    }

    void set(const std::string& who, const std::string& prop, const std::string& v) {
        const int n = v.empty() || v.find_first_not_of("-0123456789") != std::string::npos ? 0 : std::stoi(v);
        if (who == "Frm") return form.setEnabled(flag(v));
        if (Menu* m = form.findMenu(who)) return prop == "Enabled" ? m->setEnabled(flag(v)) : m->setVisible(flag(v));
        Widget& w = widget(who);
        auto* t = as<TextBox>(who);
        auto* c = as<ComboBox>(who);
        auto* l = as<ListBox>(who);
        auto* bar = as<VScrollBar>(who);
        auto* button = as<CommandButton>(who);
        if (prop == "Enabled") return w.setEnabled(flag(v));
        if (prop == "Visible") return w.setVisible(flag(v));
        if (prop == "TabStop") return w.setTabStop(flag(v));
        if (prop == "TabIndex") return w.setTabIndex(n);
        if (prop == "Default") return button->setDefault(flag(v));
        if (prop == "Cancel") return button->setCancel(flag(v));
        if (prop == "Text") return t ? t->setText(v) : c->setText(v);
        if (prop == "SelStart") return t ? t->setSelStart(n) : c->setSelStart(n);
        if (prop == "SelLength") return t ? t->setSelLength(n) : c->setSelLength(n);
        if (prop == "SelText") return t->setSelText(v);
        if (prop == "MaxLength") return t->setMaxLength(n);
        if (prop == "ListIndex") return l ? l->setListIndex(n) : c->setListIndex(n);
        if (prop.rfind("Selected#", 0) == 0) return l->setSelected(std::stoi(prop.substr(9)), flag(v));
        if (prop == "TopIndex") return l->setTopIndex(n);
        if (prop == "VisibleRows") return l->setVisibleRows(n);
        if (prop == "Value" && bar) return bar->setValue(n);
        if (prop == "Value" && as<CheckBox>(who)) return as<CheckBox>(who)->setValue(static_cast<CheckValue>(n));
        if (prop == "Value") return as<OptionButton>(who)->setValue(flag(v));
        if (prop == "Max") return bar->setMax(n);
        if (prop == "SmallChange") return bar->setSmallChange(n);
        if (prop == "LargeChange") return bar->setLargeChange(n);
        throw std::logic_error("bench: no such property: " + prop);
    }

    std::string get(const std::string& path) {
        const size_t dot = path.find('.');
        const std::string who = path.substr(0, dot), prop = path.substr(dot + 1);
        auto name = [](const auto* w) { return w ? w->name() : std::string("none"); };
        auto num = [](long v) { return std::to_string(v); };
        if (who == "Frm") {
            if (prop == "ActiveControl") return name(form.activeControl());
            if (prop == "Default") return name(form.defaultButton());
            if (prop == "Cancel") return name(form.cancelButton());
            if (prop == "Loaded") return num(form.loaded());
            if (prop == "Visible") return num(form.visible());
            std::string menus;
            for (const PopupRequest& r : form.popupRequests()) menus += (menus.empty() ? "" : ",") + r.menu->name();
            return menus;
        }
        Widget& w = widget(who);
        auto* t = as<TextBox>(who);
        auto* c = as<ComboBox>(who);
        auto* l = as<ListBox>(who);
        const size_t hash = prop.find('#');
        const int at = hash == std::string::npos ? 0 : std::stoi(prop.substr(hash + 1));
        if (prop == "AcceptsInput") return num(w.acceptsInput());
        if (prop == "Enabled") return num(w.enabled());
        if (prop == "TabIndex") return num(w.tabIndex());
        if (prop == "Default") return num(as<CommandButton>(who)->isDefault());
        if (prop == "Text") return t ? t->text() : c ? c->text() : l->text();
        if (prop == "SelStart") return num(t ? t->selStart() : c->selStart());
        if (prop == "ListIndex") return num(l ? l->listIndex() : c->listIndex());
        if (prop == "ListCount") return num(l ? l->listCount() : c->listCount());
        if (prop.rfind("List#", 0) == 0) return l ? l->list(at) : c->list(at);
        if (prop.rfind("ItemData#", 0) == 0) return num(l ? l->itemData(at) : c->itemData(at));
        if (prop == "TopIndex") return num(l->topIndex());
        if (prop == "Value" && as<VScrollBar>(who)) return num(as<VScrollBar>(who)->value());
        if (prop == "Value" && as<CheckBox>(who)) return num(static_cast<int>(as<CheckBox>(who)->value()));
        if (prop == "Value") return num(as<OptionButton>(who)->value());
        if (prop == "Marks") {
            std::string rows;
            for (int i = 0; i < l->listCount(); ++i)
                if (l->selected(i)) rows += (rows.empty() ? "" : ",") + num(i);
            return rows;
        }
        throw std::logic_error("bench: no such property: " + prop);
    }

    std::vector<std::string> trace_;
    std::map<std::string, std::vector<std::string>> reactions_;
    std::map<std::string, Filter> filters_;
    std::map<std::string, int> watching_;
    bool keys_ = false;
    int* cancel_ = nullptr;
};

// One case of a table: what it shows, the script, and the trace it must give.
struct Case {
    const char* what;
    const char* script;
    const char* trace;
};

inline void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

// Plays every case on a bench of its own.
inline void play(const std::vector<Case>& table) {
    for (const Case& c : table) {
        Bench bench;
        EXPECT_EQ(bench.run(c.script), c.trace) << c.what << "\n  script: " << c.script;
    }
}

}  // namespace uitest
