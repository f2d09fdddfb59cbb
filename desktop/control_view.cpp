// Layout of the selection screen.
#include "desktop/control_view.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "desktop/layout_helpers.h"

namespace desktop {

ControlView::ControlView(ui::Form& surface, QWidget* parent) : FormView(surface, parent) {
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setContentsMargins(12, 12, 12, 12);

    // Quarter: the labels are 19 characters of a fixed pitch.
    if (auto* quarter = widget<QComboBox>("Cbo_Trimestre")) {
        QFont courier(QStringLiteral("Courier New"));
        courier.setStyleHint(QFont::TypeWriter);
        courier.setPointSizeF(font().pointSizeF());
        quarter->setFont(courier);
        quarter->setMinimumContentsLength(19);
        quarter->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    grid->addWidget(orSpacer(widget("Etq_Trimestre")), 0, 0);
    grid->addLayout(row({widget("Cbo_Trimestre")}, true), 0, 1);

    // Centre: the two-digit code and the centre's name.
    if (auto* code = widget<QLineEdit>("Txt_CtrUrssaf")) code->setFixedWidth(charsWidth(*code, 4));
    if (auto* name = widget<QComboBox>("Cbo_CtrUrssaf")) name->setMinimumWidth(320);
    grid->addWidget(orSpacer(widget("Etq_CtrUrssaf")), 1, 0);
    grid->addLayout(row({widget("Txt_CtrUrssaf"), widget("Cbo_CtrUrssaf")}, true), 1, 1);

    // The range of names.
    if (auto* range = widget<QGroupBox>("Cdr_Selection")) {
        auto* inner = new QHBoxLayout(range);
        for (const char* name : {"Etq_De", "Txt_De", "Etq_A", "Txt_A"})
            if (QWidget* w = widget(name)) inner->addWidget(w, qobject_cast<QLineEdit*>(w) ? 1 : 0);
        grid->addWidget(range, 2, 0, 1, 2);
    }
    if (QWidget* individual = widget("Cac_SelecInd")) grid->addWidget(individual, 3, 0, 1, 2);

    // Sort order and payment modes, side by side.
    auto* frames = new QHBoxLayout;
    if (auto* sort = widget<QGroupBox>("Cdr_Tri")) {
        auto* inner = new QVBoxLayout(sort);
        for (const char* name : {"Opt_Alpha", "Opt_Commune", "Opt_Sect", "Opt_Resp"})
            if (QWidget* w = widget(name)) inner->addWidget(w);
        inner->addStretch();
        frames->addWidget(sort);
    }
    if (auto* modes = widget<QGroupBox>("Cdr_PiedDnt")) {
        auto* inner = new QVBoxLayout(modes);
        for (const char* name : {"Cac_RegltParAide", "Cac_PrelevCpteAide", "Cac_RegltParEntite"})
            if (QWidget* w = widget(name)) inner->addWidget(w);
        inner->addStretch();
        frames->addWidget(modes, 1);
    }
    grid->addLayout(frames, 4, 0, 1, 2);

    // Return date, then the buttons.
    if (auto* date = widget<QLineEdit>("Txt_DateRetour")) date->setFixedWidth(charsWidth(*date, 12));
    auto* bottom = row({widget("Etq_DateRetour"), widget("Txt_DateRetour")}, true);
    for (const char* name : {"Cmd_OK", "Cmd_Sortir"}) {
        if (QWidget* w = widget(name)) {
            w->setMinimumWidth(96);
            bottom->addWidget(w);
        }
    }
    grid->addLayout(bottom, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);
}

}  // namespace desktop
