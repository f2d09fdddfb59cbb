// Left, Right, Mid, CleMois and CleMoisInterne: pieces of texts taken by position, and the
// month key of a date.
#include "payroll/text_parts.h"

#include "dba/dates.h"

namespace payroll {

std::string Left(std::string_view text, size_t n) { return std::string(text.substr(0, n)); }

std::string Right(std::string_view text, size_t n) {
    return std::string(n >= text.size() ? text : text.substr(text.size() - n));
}

std::string Mid(std::string_view text, size_t start, size_t n) {
    if (start < 1 || start > text.size()) return {};
    return std::string(text.substr(start - 1, n));
}

std::string CleMois(std::string_view dateExterne) { return Mid(dateExterne, 7, 4) + Mid(dateExterne, 4, 2); }

std::string CleMoisInterne(std::string_view jour) { return CleMois(dba::DateExterneText(jour)); }

}  // namespace payroll
