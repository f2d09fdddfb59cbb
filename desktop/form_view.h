// The Qt widget of a form model: creates one Qt widget per widget of the form, binds
// each to its model, and gives the person's presses on its background and the help key
// (F1) to the form.
// Each form's own view lays the widgets out (see ControlView, SelectionView).
#pragma once

#include <QWidget>

#include <string_view>

#include "ui/form.h"
#include "desktop/form_binding.h"

namespace desktop {

class FormView : public QWidget {
public:
    explicit FormView(ui::Form& form, QWidget* parent = nullptr);
    ~FormView() override;

    ui::Form& form() const { return form_; }
    FormBinding& binding() const { return *binding_; }

    // The Qt widget of the model widget of that name, nullptr when the form has none.
    QWidget* widget(std::string_view name) const;
    template <class Q>
    Q* widget(std::string_view name) const {
        return qobject_cast<Q*>(widget(name));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Tab moves through the model's tab order (see FormBinding); Qt's own chain is unused.
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;

private:
    void create(ui::Widget& model);

    ui::Form& form_;
    FormBinding* binding_;
};

}  // namespace desktop
