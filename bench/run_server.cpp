// Server copies of the benchmark's database, from a template database.
#include "bench/run_server.h"
#include "numbers/ascii.h"

#include <libpq-fe.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <stdexcept>

#include "dba/copy.h"
#include "dba/database.h"
#include "dba/pg_connection.h"
#include "dba/pg_storage.h"
#include "common/declaration_database.h"

namespace benchrun {

namespace {

std::string percentEncoded(const std::string& v) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : v) {
        if (dnt::isAsciiAlnum(static_cast<char>(c)) || std::strchr("/-._~", c)) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    return out;
}

}  // namespace

std::string withDatabase(const std::string& uri, const std::string& database) {
    PQconninfoOption* opts = PQconninfoParse(uri.c_str(), nullptr);
    if (!opts) throw std::invalid_argument("not a PostgreSQL URI: " + uri);
    std::string query;
    for (PQconninfoOption* o = opts; o->keyword; ++o) {
        if (!o->val || !*o->val || std::strcmp(o->keyword, "dbname") == 0) continue;
        query += (query.empty() ? "?" : "&") + std::string(o->keyword) + "=" + percentEncoded(o->val);
    }
    PQconninfoFree(opts);
    return "postgresql:///" + percentEncoded(database) + query;
}

ServerCopies::ServerCopies(const std::string& serverUri, const std::string& sourceFile) : server_(serverUri) {
    const std::string tag = std::to_string(getpid());
    source_ = "bench_source_" + tag;
    run_ = "bench_run_" + tag;
    dba::pg::Connection admin(server_, false);
    admin.exec("DROP DATABASE IF EXISTS " + source_);
    admin.exec("CREATE DATABASE " + source_);
    {
        auto from = dnt::openDeclarationDatabase(sourceFile, dba::OpenMode::ReadOnly);
        auto to = dnt::openDeclarationDatabase(withDatabase(server_, source_), dba::OpenMode::Create);
        dba::copyDatabase(from->storage(), to->storage(), false);
        // As its autovacuum would leave it.
        dynamic_cast<dba::PgStorage&>(to->storage()).connection().exec("VACUUM ANALYZE");
    }
}

ServerCopies::~ServerCopies() {
    try {
        dba::pg::Connection admin(server_, false);
        admin.exec("DROP DATABASE IF EXISTS " + run_ + " WITH (FORCE)");
        admin.exec("DROP DATABASE IF EXISTS " + source_ + " WITH (FORCE)");
    } catch (...) {
        // The cluster is thrown away after the benchmark anyway.
    }
}

std::string ServerCopies::fresh() {
    dba::pg::Connection admin(server_, false);
    admin.exec("DROP DATABASE IF EXISTS " + run_ + " WITH (FORCE)");
    admin.exec("CREATE DATABASE " + run_ + " TEMPLATE " + source_);
    // Its pages are on disk before the run starts, as the file's copy is.
    admin.exec("CHECKPOINT");
    return withDatabase(server_, run_);
}

}  // namespace benchrun
