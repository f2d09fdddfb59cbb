// Record texts and the storage sink.
#include "demo/record_text.h"

#include "dba/database.h"
#include "dba/dynarray.h"

namespace demo {

RecordText& RecordText::set(int field, std::string value) { return values(field, {std::move(value)}); }

RecordText& RecordText::values(int field, std::vector<std::string> values) {
    if (static_cast<int>(fields_.size()) < field) fields_.resize(static_cast<size_t>(field));
    fields_[static_cast<size_t>(field - 1)] = std::move(values);
    return *this;
}

std::string RecordText::text() const {
    std::string out;
    for (size_t f = 0; f < fields_.size(); ++f) {
        if (f > 0) out += dba::FM;
        for (size_t v = 0; v < fields_[f].size(); ++v) {
            if (v > 0) out += dba::VM;
            out += fields_[f][v];
        }
    }
    return dba::trimTrailingFields(out);
}

void RecordSink::put(const std::string& file, const std::string& key, const RecordText& record) {
    storage_.put(file, key, record.text());
    ++counts_[file];
}

long RecordSink::count(const std::string& file) const {
    auto it = counts_.find(file);
    return it == counts_.end() ? 0 : it->second;
}

long RecordSink::total() const {
    long n = 0;
    for (const auto& [file, c] : counts_) n += c;
    return n;
}

}  // namespace demo
