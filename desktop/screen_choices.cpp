// Reading the screen's choices and typing them back.
#include "desktop/screen_choices.h"

#include "ui/driver.h"

namespace desktop {

ScreenChoices ScreenChoices::read(const control::Ctr_ControleEditVardec& ctl) {
    ScreenChoices c;
    c.made = true;
    c.quarter = ctl.Cbo_Trimestre->text();
    c.centre = ctl.Txt_CtrUrssaf->text();
    c.from = ctl.Txt_De->text();
    c.to = ctl.Txt_A->text();
    c.individual = ctl.Cac_SelecInd->checked();
    c.sort = ctl.Opt_Commune->value() ? Sort::Commune
             : ctl.Opt_Sect->value()  ? Sort::Secteur
             : ctl.Opt_Resp->value()  ? Sort::Responsable
                                      : Sort::Alpha;
    c.entite = ctl.Cac_RegltParEntite->checked();
    c.prelevement = ctl.Cac_PrelevCpteAide->checked();
    c.aide = ctl.Cac_RegltParAide->checked();
    return c;
}

void ScreenChoices::apply(control::Ctr_ControleEditVardec& ctl) const {
    if (!made) return;
    ui::Driver person(ctl.surface());
    for (int i = 0; i < ctl.Cbo_Trimestre->listCount(); ++i)
        if (ctl.Cbo_Trimestre->list(i) == quarter && ctl.Cbo_Trimestre->listIndex() != i) person.choose(*ctl.Cbo_Trimestre, i);
    if (!centre.empty() && ctl.Txt_CtrUrssaf->enabled() && ctl.Txt_CtrUrssaf->text() != centre) {
        person.replaceText(*ctl.Txt_CtrUrssaf, centre);
        person.tab();
    }
    if (individual != ctl.Cac_SelecInd->checked()) person.click(*ctl.Cac_SelecInd);
    if (!individual) {
        if (!from.empty()) person.replaceText(*ctl.Txt_De, from);
        if (!to.empty()) person.replaceText(*ctl.Txt_A, to);
    }
    auto tick = [&](ui::CheckBox* box, bool wanted) {
        if (box->checked() != wanted) person.click(*box);
    };
    tick(ctl.Cac_RegltParEntite, entite);
    tick(ctl.Cac_PrelevCpteAide, prelevement);
    tick(ctl.Cac_RegltParAide, aide);
    ui::OptionButton* option = sort == Sort::Commune       ? ctl.Opt_Commune
                               : sort == Sort::Secteur     ? ctl.Opt_Sect
                               : sort == Sort::Responsable ? ctl.Opt_Resp
                                                           : ctl.Opt_Alpha;
    if (!option->value()) person.click(*option);
}

std::string ScreenChoices::options(long copies, const std::string& printer) const {
    std::string text;
    auto add = [&](const std::string& name, const std::string& value) {
        text += (text.empty() ? "--" : " --") + name + (value.empty() ? "" : " " + value);
    };
    if (!individual && !from.empty()) add("from", from);
    if (!individual && !to.empty()) add("to", to);
    if (individual) {
        std::string list;
        for (const std::string& code : codes) list += (list.empty() ? "" : ",") + code;
        add("select", list);
    }
    if (!(entite && prelevement && aide)) {
        std::string modes;
        for (auto [on, name] : {std::pair{entite, "entite"}, {prelevement, "prelevement"}, {aide, "aide"}})
            if (on) modes += (modes.empty() ? "" : ",") + std::string(name);
        add("modes", modes);
    }
    static const char* const kSorts[] = {"alpha", "commune", "secteur", "responsable"};
    if (sort != Sort::Alpha) add("sort", kSorts[static_cast<int>(sort)]);
    if (copies > 1) add("copies", std::to_string(copies));
    add("printer", printer);
    return text;
}

}  // namespace desktop
