// The JSON string form of the texts of a print journal: writing and reading back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace printing {

// text between double quotes; only '"', '\\' and the control characters below U+0020 are
// escaped (\b \f \n \r \t, others \u00xx in lower case), every other byte is kept as is,
// as nlohmann::json::dump writes valid UTF-8.
std::string jsonQuote(std::string_view text);

// Reads a JSON string that starts at in[pos] (the opening quote); on success returns its
// text as UTF-8 and leaves pos just after the closing quote. Any JSON escape is accepted,
// \uXXXX surrogate pairs included.
std::optional<std::string> jsonUnquote(std::string_view in, std::size_t& pos);

}  // namespace printing
