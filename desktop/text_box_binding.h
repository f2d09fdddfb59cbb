// QLineEdit <-> ui::TextBox: the model's text, caret and selection shown at once; the
// person's keys given to the model (KeyPress before the change), the caret told back.
#pragma once

#include "desktop/edit_keys.h"
#include "desktop/widget_binding.h"
#include "ui/text_box.h"

class QLineEdit;

namespace desktop {

class TextBoxBinding : public WidgetBinding, private EditTarget {
public:
    TextBoxBinding(ui::TextBox& model, QLineEdit& view, FormBinding& form);
    void refresh() override;

protected:
    void show(ui::Property property) override;
    bool key(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showText();
    ui::Widget& widget() override { return box_; }
    std::string text() const override { return box_.text(); }
    int selStart() const override { return box_.selStart(); }
    int selLength() const override { return box_.selLength(); }
    void select(int start, int length) override;
    void replaceSelection(const std::string& text) override { box_.setSelText(text); }
    void raiseKeyPress(int& keyAscii) override { ui::raise(box_.onKeyPress, keyAscii); }

    ui::TextBox& box_;
    QLineEdit& edit_;
    int pushing_ = 0;
};

}  // namespace desktop
