// Layout of the individual selection window.
#include "desktop/selection_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include "desktop/layout_helpers.h"

namespace desktop {

namespace {

// One block: the column titles over three lists that read as one table, and the block's
// scroll bar at the right. The lists' own bars are hidden: the block's bar scrolls them.
void layBlock(SelectionView& v, const char* frame, const char* suffix) {
    auto* box = v.widget<QGroupBox>(frame);
    if (!box) return;
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(2);
    const char* columns[] = {"Cod", "NomPrenom", "Adresse"};
    const int widths[] = {64, 230, 360};
    for (int c = 0; c < 3; ++c) {
        std::string label = std::string("Etq_") + columns[c] + suffix;
        std::string list = std::string("Lst_") + columns[c] + suffix;
        if (QWidget* title = v.widget(label)) grid->addWidget(title, 0, c);
        if (auto* l = v.widget<QListWidget>(list)) {
            l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            l->setMinimumWidth(widths[c]);
            grid->addWidget(l, 1, c);
            grid->setColumnStretch(c, c == 0 ? 0 : c);
        }
    }
    if (QWidget* bar = v.widget(std::string("Bdv_") + suffix)) grid->addWidget(bar, 1, 3);
}

}  // namespace

bool SelectionView::fits(const ui::Form& form) {
    for (const char* name : {"Txt_CodAide", "Fra_Pos", "Lst_CodPos", "Fra_Selec", "Lst_CodSel", "Cmd_Imprimer"})
        if (!form.find(name)) return false;
    return true;
}

SelectionView::SelectionView(ui::Form& form, QWidget* parent) : FormView(form, parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setVerticalSpacing(8);

    if (auto* code = widget<QLineEdit>("Txt_CodAide")) code->setFixedWidth(charsWidth(*code, 7));
    if (auto* name = widget<QLineEdit>("Txt_NomPrenomAide")) name->setMinimumWidth(260);
    auto* search = row({widget("Etq_Aide"), widget("Txt_CodAide"), widget("Txt_NomPrenomAide"),
                        widget("Cmd_Recherche")}, true);
    grid->addLayout(search, 0, 0);

    layBlock(*this, "Fra_Pos", "Pos");
    if (QWidget* pos = widget("Fra_Pos")) grid->addWidget(pos, 1, 0);

    // The picture buttons: down adds the marked possible aidés, up removes the marked
    // selected ones.
    if (auto* add = widget<QPushButton>("Cmd_SelectAides")) {
        add->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
        add->setToolTip(QStringLiteral("Ajouter les aidés marqués à la sélection"));
        add->setMinimumWidth(64);
    }
    if (auto* remove = widget<QPushButton>("Cmd_SuppAides")) {
        remove->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
        remove->setToolTip(QStringLiteral("Retirer les aidés marqués de la sélection"));
        remove->setMinimumWidth(64);
    }
    auto* arrows = new QHBoxLayout;
    arrows->addStretch(1);
    for (const char* name : {"Cmd_SelectAides", "Cmd_SuppAides"})
        if (QWidget* w = widget(name)) arrows->addWidget(w);
    arrows->addStretch(1);
    grid->addLayout(arrows, 2, 0);

    layBlock(*this, "Fra_Selec", "Sel");
    if (QWidget* sel = widget("Fra_Selec")) grid->addWidget(sel, 3, 0);

    auto* buttons = row({}, true);
    for (const char* name : {"Cmd_Imprimer", "Cmd_Retour"}) {
        if (QWidget* w = widget(name)) {
            w->setMinimumWidth(96);
            buttons->addWidget(w);
        }
    }
    grid->addLayout(buttons, 4, 0);
}

}  // namespace desktop
