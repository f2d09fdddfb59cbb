// The rights component: what a user may do in a module and which sectors of aidés
// the user may see, read from the DROITS file of the database.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dba/database.h"

namespace rights {

// The sector list of a module's rights: refreshed by InitialiserListe before each run.
class ListeSecteurs {
public:
    // Reads the user's sectors again.
    void InitialiserListe();
    // The sectors the user is restricted to (empty when the user sees every sector).
    const std::vector<std::string>& W_Liste() const { return liste_; }
    int Count() const { return static_cast<int>(liste_.size()); }

private:
    friend class ModuleRights;
    std::function<std::vector<std::string>()> lire_;
    std::vector<std::string> liste_;
};

// One user's rights in one module.
class ModuleRights {
public:
    ModuleRights(std::shared_ptr<dba::Database> db, std::string login, std::string module);
    ModuleRights(const ModuleRights&) = delete;  // its sector list reads through it
    ModuleRights& operator=(const ModuleRights&) = delete;

    // 2 is full access; 0 when the user has no right at all.
    int NiveauAcces() const { return niveau_; }
    ListeSecteurs& listeSecteurs() { return liste_; }
    bool TousSecteurs() const { return tous_; }
    // May an aidé of this sector (its first three characters) be shown?
    bool AccesSecteur(const std::string& secteur) const;

    const std::string& login() const { return login_; }

private:
    struct Lecture {
        int niveau = 0;
        bool tous = false;
        std::vector<std::string> secteurs;
    };
    Lecture lire() const;

    std::shared_ptr<dba::Database> db_;
    std::string login_, module_;
    int niveau_ = 0;
    bool tous_ = false;
    std::vector<std::string> secteurs_;
    ListeSecteurs liste_;
};

// The rights of the logged-in user, as the host hands them to the control.
class DroitsUtilisateur {
public:
    DroitsUtilisateur(std::shared_ptr<dba::Database> db, std::string login)
        : db_(std::move(db)), login_(std::move(login)) {}

    std::shared_ptr<ModuleRights> DroitsModule(const std::string& module) const {
        return std::make_shared<rights::ModuleRights>(db_, login_, module);
    }
    const std::string& login() const { return login_; }

private:
    std::shared_ptr<dba::Database> db_;
    std::string login_;
};

}  // namespace rights
