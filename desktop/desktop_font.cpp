// The desktop's own font, DejaVu Sans, taken from its file rather than from whatever the
// machine's font configuration offers as "sans-serif".
#include "desktop/desktop_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "printing/qt/printer_fonts.h"

namespace desktop {

bool useDesktopFont(const std::filesystem::path& dir) {
    try {
        printing::qt::registerPrinterFonts();
    } catch (const std::exception&) {
        // The printers say so when they are used; the screens do without.
    }
    QString family;
    for (const char* name : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
        const std::filesystem::path file = dir / name;
        if (!std::filesystem::is_regular_file(file)) return false;
        const int id = QFontDatabase::addApplicationFont(QString::fromStdString(file.string()));
        if (id < 0) return false;
        if (family.isEmpty() && !QFontDatabase::applicationFontFamilies(id).isEmpty())
            family = QFontDatabase::applicationFontFamilies(id).first();
    }
    if (family.isEmpty()) return false;
    QFont font(family, 9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    return true;
}

}  // namespace desktop
