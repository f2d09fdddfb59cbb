// One Qt widget per widget model, each with its binding.
#include "desktop/form_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/option_button.h"
#include "desktop/check_box_binding.h"
#include "desktop/combo_box_binding.h"
#include "desktop/command_button_binding.h"
#include "desktop/frame_binding.h"
#include "desktop/guarded.h"
#include "desktop/label_binding.h"
#include "desktop/list_box_binding.h"
#include "desktop/option_button_binding.h"
#include "desktop/scroll_bar_binding.h"
#include "desktop/text_box_binding.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace desktop {

FormView::FormView(ui::Form& form, QWidget* parent)
    : QWidget(parent), form_(form), binding_(new FormBinding(form, *this)) {
    setObjectName(QString::fromStdString(form.name()));
    for (ui::Widget* w : form.tabOrder()) create(*w);
    setEnabled(form.enabled());
    // F1 anywhere on the form asks the form for its help.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(help, &QShortcut::activated, this, [this] { guarded([this] { form_.helpKey(); }); });
}

FormView::~FormView() = default;

void FormView::create(ui::Widget& model) {
    WidgetBinding* b = nullptr;
    if (auto* m = dynamic_cast<ui::TextBox*>(&model)) {
        b = new TextBoxBinding(*m, *new QLineEdit(this), *binding_);
    } else if (auto* m = dynamic_cast<ui::ComboBox*>(&model)) {
        b = new ComboBoxBinding(*m, *new QComboBox(this), *binding_);
    } else if (auto* m = dynamic_cast<ui::ListBox*>(&model)) {
        b = new ListBoxBinding(*m, *new QListWidget(this), *binding_);
    } else if (auto* m = dynamic_cast<ui::CheckBox*>(&model)) {
        b = new CheckBoxBinding(*m, *new QCheckBox(this), *binding_);
    } else if (auto* m = dynamic_cast<ui::OptionButton*>(&model)) {
        b = new OptionButtonBinding(*m, *new QRadioButton(this), *binding_);
    } else if (auto* m = dynamic_cast<ui::CommandButton*>(&model)) {
        b = new CommandButtonBinding(*m, *new QPushButton(this), *binding_);
    } else if (auto* m = dynamic_cast<ui::Frame*>(&model)) {
        b = new FrameBinding(*m, *new QGroupBox(this), *binding_);
    } else if (auto* m = dynamic_cast<ui::Label*>(&model)) {
        b = new LabelBinding(*m, *new QLabel(this), *binding_);
    } else if (auto* m = dynamic_cast<ui::VScrollBar*>(&model)) {
        b = new ScrollBarBinding(*m, *new QScrollBar(Qt::Vertical, this), *binding_);
    }
    if (!b) return;
    binding_->add(*b);
    b->refresh();
}

QWidget* FormView::widget(std::string_view name) const {
    ui::Widget* model = form_.find(name);
    return model ? binding_->viewOf(model) : nullptr;
}

void FormView::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    binding_->mouseDown(toolkitButton(event->button()), toolkitShift(event->modifiers()),
                        static_cast<float>(at.x()), static_cast<float>(at.y()));
}

bool FormView::focusNextPrevChild(bool) { return true; }

void FormView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, binding_, [b = binding_] { b->syncFocus(); });
}

}  // namespace desktop
