// Reporting of the errors that escape the models' event handlers.
#include "desktop/guarded.h"

#include <cstdint>
#include <cstdio>

#include <QApplication>
#include <QGuiApplication>

#include "numbers/error.h"
#include "desktop/presenter.h"
#include "desktop/text.h"

namespace desktop {

namespace {

std::function<void()>& recovery() {
    static std::function<void()> r;
    return r;
}

void report(const std::string& text) {
    if (recovery()) recovery()();
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    presenter().message(QApplication::activeWindow(), toQ(text), QMessageBox::Critical,
                        QStringLiteral("Erreur d'exécution"));
}

}  // namespace

void setErrorRecovery(std::function<void()> r) { recovery() = std::move(r); }

std::string errorText(const std::exception& e) {
    if (const auto* numbered = dynamic_cast<const dnt::Error*>(&e)) {
        const int32_t n = numbered->number();
        std::string number = std::to_string(n);
        if (n < 0) {
            // The database library's numbers read best in hexadecimal (0x8004000B).
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08X", static_cast<uint32_t>(n));
            number = hex;
        }
        return "Erreur " + number + " :\n" + numbered->what();
    }
    return std::string("Erreur :\n") + e.what();
}

bool guarded(const std::function<void()>& action) noexcept {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        try {
            report(errorText(e));
        } catch (...) {
        }
    } catch (...) {
        try {
            report("Erreur inconnue.");
        } catch (...) {
        }
    }
    return false;
}

}  // namespace desktop
