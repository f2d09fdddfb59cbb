// Text conversions between the models (UTF-8, positions in characters) and Qt (UTF-16).
#pragma once

#include <QString>

#include <string>

namespace desktop {

inline QString toQ(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string fromQ(const QString& text) { return text.toUtf8().toStdString(); }

// Characters (code points) before UTF-16 position `index` of `text`.
int charsBefore(const QString& text, int index);
// UTF-16 position of character `chars` of `text`, clamped to its end.
int utf16Index(const QString& text, int chars);

}  // namespace desktop
