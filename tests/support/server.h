// The throw-away PostgreSQL cluster ctest starts for the server tests: its URIs, and a fresh database per test.
#pragma once

#include <unistd.h>

#include <string>

#include "dba/pg_connection.h"

namespace testsupport {

// The URI of a database of the test cluster, connecting as `role` (trusted, no password).
inline std::string serverUri(const std::string& database, const std::string& role = "postgres") {
    return "postgresql:///" + database + "?host=" DNT_TEST_CLUSTER "/run&port=" DNT_TEST_CLUSTER_PORT "&user=" + role;
}

// Runs SQL of the test's own on a database of the cluster, as its superuser.
inline void serverSql(const std::string& database, const std::string& sql) {
    dba::pg::Connection(serverUri(database), false).exec(sql);
}

// A new empty database of the test cluster, dropped with the object. A cluster that does
// not answer fails the test: the server tests are never skipped.
class ServerDb {
public:
    ServerDb() {
        static int serial = 0;
        name_ = "t" + std::to_string(getpid()) + "_" + std::to_string(++serial);
        serverSql("postgres", "CREATE DATABASE " + name_);
        uri_ = serverUri(name_);
    }
    ~ServerDb() {
        try {
            serverSql("postgres", "DROP DATABASE " + name_ + " WITH (FORCE)");
        } catch (...) {
            // The cluster goes with its folder anyway.
        }
    }
    ServerDb(const ServerDb&) = delete;

    const std::string& name() const { return name_; }
    const std::string& uri() const { return uri_; }
    std::string uriAs(const std::string& role) const { return serverUri(name_, role); }
    void sql(const std::string& text) const { serverSql(name_, text); }

private:
    std::string name_, uri_;
};

}  // namespace testsupport
