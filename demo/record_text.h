// Building record texts field by field, and the sink that writes them into a database.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "dba/storage.h"

namespace demo {

// A record under construction: field n (from 1) holds one or several values.
class RecordText {
public:
    RecordText& set(int field, std::string value);
    RecordText& values(int field, std::vector<std::string> values);
    // The stored form: fields joined by field marks, values by value marks, without
    // trailing empty fields.
    std::string text() const;

private:
    std::vector<std::vector<std::string>> fields_;
};

// Writes records into one open storage (inside the caller's transaction) and counts them.
class RecordSink {
public:
    explicit RecordSink(dba::Storage& storage) : storage_(storage) {}

    void put(const std::string& file, const std::string& key, const RecordText& record);
    long count(const std::string& file) const;
    long total() const;

private:
    dba::Storage& storage_;
    std::map<std::string, long> counts_;
};

}  // namespace demo
