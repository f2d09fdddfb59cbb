// Mod_ProcEditDntVardec: the helpers shared by the screen, the printing and the individual
// selection dialog.
#pragma once

#include <string>

#include "dba/dynarray.h"

namespace dnt {

// One address line from fields n to n+3 of a record: each of fields n, n+1 and n+2
// that is not empty followed by one blank, then field n+3 when not empty.
inline std::string MiseEnFormeAdresse(const dba::DynArray& rec, int n) {
    std::string line;
    for (int f = n; f <= n + 2; ++f) {
        std::string v = rec.element(f);
        if (!v.empty()) line += v + " ";
    }
    line += rec.element(n + 3);
    return line;
}

// Does some item of the list equal the text exactly? (An empty list: no.)
template <class List>
bool ListeContient(const std::string& text, const List& list) {
    for (int i = 0; i < list.listCount(); ++i)
        if (list.list(i) == text) return true;
    return false;
}

// Fits a vertical scroll bar to a list showing `visibleRows` rows.
template <class Bar, class List>
void AjusterDefilement(Bar& bar, const List& list, int visibleRows) {
    bar.setMax(list.listCount() - 1);
    bar.setEnabled(list.listCount() > visibleRows);
    bar.setValue(0);
}

}  // namespace dnt
