// A selection window on the small sample database for centre 75, shown and driven as a
// person would, with the services recorded and the help calls counted.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/state.h"
#include "dialogs/frm_selind_dnt.h"
#include "rights/droits.h"
#include "ui/driver.h"
#include "ui/headless_services.h"

namespace dialogstest {

// Texts of a list, top to bottom.
inline std::vector<std::string> lignes(const ui::ListBox& l) {
    std::vector<std::string> t;
    for (int i = 0; i < l.listCount(); ++i) t.push_back(l.list(i));
    return t;
}

// Rows marked in a list.
inline std::vector<int> marques(const ui::ListBox& l) {
    std::vector<int> rows;
    for (int i = 0; i < l.listCount(); ++i)
        if (l.selected(i)) rows.push_back(i);
    return rows;
}

// Fields 1 to n of a dynamic array.
inline std::vector<std::string> champs(const dba::DynArray& a) {
    std::vector<std::string> t;
    for (int i = 1; i <= a.DCount(); ++i) t.push_back(a.element(i));
    return t;
}

// The sample database and a state holding it, with the user's rights of `login`.
class BaseEchantillon : public ::testing::Test, protected testsupport::SampleState {
protected:
    explicit BaseEchantillon(const std::string& login = "*") : SampleState(login) {}

    std::vector<std::string> textesMessages() const {
        std::vector<std::string> t;
        for (const auto& m : services.messages()) t.push_back(m.text);
        return t;
    }

    ui::HeadlessServices services;
};

// The window itself, initialised for centre 75 and shown.
class Fenetre : public BaseEchantillon {
protected:
    explicit Fenetre(const std::string& login = "*") : BaseEchantillon(login) {
        f.W_CentreUrssaf = "75";
        f.Init();
        f.form().show(true);
    }

    // Empties the code box and types a code, then Enter when it is shorter than five.
    void taperCode(const std::string& code) {
        if (!f.Txt_CodAide->text().empty()) d.replaceText(*f.Txt_CodAide, "\b");
        ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, code.size() < 5 ? code + "\n" : code));
    }
    // Types a code and adds the aidé it lists.
    void ajouterCode(const std::string& code) {
        taperCode(code);
        ASSERT_EQ(f.Lst_CodPos->listCount(), 1) << code;
        ASSERT_TRUE(d.markRows(*f.Lst_CodPos, {0}));
        ASSERT_TRUE(d.click(*f.Cmd_SelectAides));
    }
    // Searches a name with the button.
    void chercher(const std::string& nom) {
        ASSERT_TRUE(d.replaceText(*f.Txt_NomPrenomAide, nom));
        ASSERT_TRUE(d.click(*f.Cmd_Recherche));
    }

    int helpOpened = 0;
    dialogs::Frm_SelindDnt f{s, services, [this] { ++helpOpened; }};
    ui::Driver d{f.form()};
};

}  // namespace dialogstest
