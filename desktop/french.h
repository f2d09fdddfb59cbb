// The desktop speaks French: Qt's own dialogs and buttons (the file dialogs, the "replace
// the file?" question, the standard buttons) through Qt's French translations, and French
// dates and numbers, whatever the machine's locale.
#pragma once

class QCoreApplication;

namespace desktop {

// Loads Qt's French translations (Debian's qt6-translations-l10n) into the application and
// makes French the default locale; false when the translations are not installed (the
// standard dialogs then speak English).
bool useFrench(QCoreApplication& app);

}  // namespace desktop
