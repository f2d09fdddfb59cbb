// QComboBox <-> ui::ComboBox: items, current item and text shown at once; an item picked
// from the drop-down chosen in the model; in a drop-down combo, the keys typed into its
// text given to the model as in a text box.
#pragma once

#include "ui/combo_box.h"
#include "desktop/edit_keys.h"
#include "desktop/widget_binding.h"

class QComboBox;
class QLineEdit;

namespace desktop {

class ComboBoxBinding : public WidgetBinding, private EditTarget {
public:
    ComboBoxBinding(ui::ComboBox& model, QComboBox& view, FormBinding& form);
    void refresh() override;

protected:
    void show(ui::Property property) override;
    bool key(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showItems();
    void showCurrent();
    void picked(int index);
    ui::Widget& widget() override { return combo_; }
    std::string text() const override { return combo_.text(); }
    int selStart() const override { return combo_.selStart(); }
    int selLength() const override { return combo_.selLength(); }
    void select(int start, int length) override;
    void replaceSelection(const std::string& text) override;
    void raiseKeyPress(int& keyAscii) override { ui::raise(combo_.onKeyPress, keyAscii); }

    ui::ComboBox& combo_;
    QComboBox& box_;
    QLineEdit* edit_ = nullptr;  // the text of a drop-down combo
    int pushing_ = 0;
};

}  // namespace desktop
