// Position conversions between characters and UTF-16 units.
#include "desktop/text.h"

namespace desktop {

int charsBefore(const QString& text, int index) {
    int chars = 0;
    for (int i = 0; i < index && i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
        ++chars;
    }
    return chars;
}

int utf16Index(const QString& text, int chars) {
    int i = 0;
    for (int c = 0; c < chars && i < text.size(); ++c) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
        ++i;
    }
    return i;
}

}  // namespace desktop
