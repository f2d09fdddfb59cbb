// The fonts the Qt printers draw with: Liberation Mono, standing for Courier New.
#include "printing/qt/printer_fonts.h"

#include "printing/page_metrics.h"
#include "printing/output_error.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QString>

#include <algorithm>
#include <cmath>

namespace printing::qt {

namespace {

bool registered = false;

void requireFile(const std::filesystem::path& file) {
    if (!std::filesystem::is_regular_file(file))
        throw OutputError("the font file " + file.string() +
                           " is missing (Debian package fonts-liberation)");
}

void addFont(const std::filesystem::path& file) {
    if (QFontDatabase::addApplicationFont(QString::fromStdString(file.string())) < 0)
        throw OutputError("the font file " + file.string() + " cannot be loaded");
}

QString resolvedFamily(const QString& family) { return QFontInfo(QFont(family)).family(); }

}  // namespace

void checkPrinterFontFiles(const std::filesystem::path& dir) {
    requireFile(dir / "LiberationMono-Regular.ttf");
    requireFile(dir / "LiberationMono-Bold.ttf");
}

void registerPrinterFonts(const std::filesystem::path& dir) {
    const std::filesystem::path regular = dir / "LiberationMono-Regular.ttf";
    const std::filesystem::path bold = dir / "LiberationMono-Bold.ttf";
    requireFile(regular);
    requireFile(bold);
    if (registered) return;
    addFont(regular);
    addFont(bold);
    const QString courier = QStringLiteral("Courier New");
    const QString liberation = QStringLiteral("Liberation Mono");
    QString family = resolvedFamily(courier);
    if (family != courier && family != liberation) {
        QFont::insertSubstitution(courier, liberation);
        family = resolvedFamily(courier);
        if (family != courier && family != liberation)
            throw OutputError("the font Courier New resolves to " + family.toStdString() +
                               ", not to Liberation Mono");
    }
    registered = true;
}

QRawFont printerFont(const std::string& name, double points, bool bold) {
    registerPrinterFonts();
    QFont font(QString::fromStdString(name));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kTwipsPerPoint))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::ForceOutline);
    QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid()) throw OutputError("no font found for " + name);
    return raw;
}

}  // namespace printing::qt
