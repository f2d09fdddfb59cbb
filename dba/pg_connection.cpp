// The libpq connection of the server back-end.
#include "dba/pg_connection.h"

#include <endian.h>

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <vector>

#include "dba/errors.h"
#include "dba/pg_library.h"

namespace dba::pg {

namespace {

// A bare "postgresql:" takes everything from libpq's environment (PGHOST, PGDATABASE...).
std::string conninfoOf(const std::string& target) {
    return target == "postgresql:" || target == "postgres:" ? std::string() : target;
}

std::string uriOf(std::string_view user, std::string_view host, std::string_view port, std::string_view db) {
    // A socket folder cannot stand in the host part: it goes into the query, as libpq reads it back.
    if (host.empty() || host.front() == '/') {
        std::string q;
        auto add = [&q](const char* k, std::string_view v) {
            if (v.empty()) return;
            q += q.empty() ? "?" : "&";
            q += k;
            q += "=";
            q += v;
        };
        add("host", host);
        add("port", port);
        add("user", user);
        return "postgresql:///" + std::string(db) + q;
    }
    std::string uri = "postgresql://";
    if (!user.empty()) uri += std::string(user) + "@";
    uri += host;
    if (!port.empty()) uri += ":" + std::string(port);
    return uri + "/" + std::string(db);
}

// libpq gives a null pointer for what a connection that never started does not know.
std::string_view orEmpty(const char* text) { return text ? text : ""; }

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Blanks the user information's password of every postgresql:// URI of the text. Like
// libpq, the user information runs to the first "@" before any "/".
void blankUriPasswords(std::string& text) {
    for (const char* scheme : {"postgresql://", "postgres://"}) {
        for (size_t at = text.find(scheme); at != std::string::npos; at = text.find(scheme, at + 1)) {
            const size_t start = at + std::strlen(scheme);
            size_t end = start;
            while (end < text.size() && text[end] != '@' && text[end] != '/' && text[end] != '"' && !blank(text[end]))
                ++end;
            if (end >= text.size() || text[end] != '@') continue;
            const size_t colon = text.find(':', start);
            if (colon < end) text.replace(colon + 1, end - colon - 1, "***");
        }
    }
}

// Blanks the value of every "password=" field: of a connection string (up to a blank, or
// quoted in single quotes) or of a URI's query (up to the next "&").
void blankPasswordFields(std::string& text) {
    const std::string keyword = "password";
    for (size_t at = text.find(keyword); at != std::string::npos; at = text.find(keyword, at + 1)) {
        const char before = at ? text[at - 1] : ' ';
        if (!blank(before) && before != '?' && before != '&' && before != '"' && before != '\'') continue;
        size_t v = at + keyword.size();
        while (v < text.size() && blank(text[v])) ++v;
        if (v >= text.size() || text[v] != '=') continue;
        ++v;
        while (v < text.size() && blank(text[v])) ++v;
        size_t end = v;
        if (v < text.size() && text[v] == '\'') {
            for (end = ++v; end < text.size() && text[end] != '\''; ++end)
                if (text[end] == '\\') ++end;
            end = std::min(end, text.size());
        } else {
            const bool query = before == '?' || before == '&';
            while (end < text.size() && !blank(text[end]) && text[end] != '"' && (!query || (text[end] != '&' && text[end] != '#')))
                ++end;
        }
        if (end > v) text.replace(v, end - v, "***");
    }
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// The password a target carries, so that a message quoting libpq can blank it.
std::string passwordOf(const std::string& target) {
    std::string secret;
    if (PQconninfoOption* opts = libpq().PQconninfoParse(conninfoOf(target).c_str(), nullptr)) {
        for (PQconninfoOption* o = opts; o->keyword; ++o)
            if (std::strcmp(o->keyword, "password") == 0 && o->val) secret = o->val;
        libpq().PQconninfoFree(opts);
        return secret;
    }
    // Unreadable: whatever stands between "user:" and "@" is taken for a password.
    size_t scheme = target.find("://");
    size_t at = target.rfind('@');
    if (scheme == std::string::npos || at == std::string::npos || at < scheme) return {};
    size_t colon = target.find(':', scheme + 3);
    return colon != std::string::npos && colon < at ? target.substr(colon + 1, at - colon - 1) : std::string();
}

// libpq's messages end with a newline and may run over several lines.
std::string oneLine(const char* message) {
    std::string text = message ? message : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            out += "; ";
            while (i + 1 < text.size() && (text[i + 1] == '\t' || text[i + 1] == ' ')) ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void ignoreNotice(void*, const char*) {}

}  // namespace

std::string withoutPassword(std::string text, const std::string& secret) {
    blankUriPasswords(text);
    blankPasswordFields(text);
    // libpq quotes, alone, the part of a URI it cannot decode, which may be the password.
    if (!secret.empty()) {
        const std::string quoted = "\"" + secret + "\"";
        for (size_t at = text.find(quoted); at != std::string::npos; at = text.find(quoted, at + 5))
            text.replace(at, quoted.size(), "\"***\"");
    }
    return text;
}

std::string describeTarget(const std::string& target) {
    if (target.rfind("postgresql:", 0) != 0 && target.rfind("postgres:", 0) != 0) return target;
    std::string host = env("PGHOST"), port = env("PGPORT"), db = env("PGDATABASE"), user = env("PGUSER");
    PQconninfoOption* opts = libpq().PQconninfoParse(conninfoOf(target).c_str(), nullptr);
    // What libpq cannot read is named as it was given, without its password.
    if (!opts) return withoutPassword(target, passwordOf(target));
    for (PQconninfoOption* o = opts; o->keyword; ++o) {
        if (!o->val || !*o->val) continue;
        if (std::strcmp(o->keyword, "host") == 0) host = o->val;
        else if (std::strcmp(o->keyword, "port") == 0) port = o->val;
        else if (std::strcmp(o->keyword, "dbname") == 0) db = o->val;
        else if (std::strcmp(o->keyword, "user") == 0) user = o->val;
    }
    libpq().PQconninfoFree(opts);
    return uriOf(user, host, port, db);
}

Result::~Result() {
    if (r_) libpq().PQclear(r_);
}

Result& Result::operator=(Result&& o) noexcept {
    if (this != &o) {
        if (r_) libpq().PQclear(r_);
        r_ = o.r_;
        o.r_ = nullptr;
    }
    return *this;
}

int Result::rows() const { return r_ ? libpq().PQntuples(r_) : 0; }
bool Result::isNull(int row, int col) const { return libpq().PQgetisnull(r_, row, col) != 0; }

std::string_view Result::bytes(int row, int col) const {
    return {libpq().PQgetvalue(r_, row, col), static_cast<size_t>(libpq().PQgetlength(r_, row, col))};
}

long long Result::int64(int row, int col) const {
    if (isNull(row, col)) return 0;
    uint64_t v = 0;
    std::memcpy(&v, libpq().PQgetvalue(r_, row, col), sizeof v);
    return static_cast<long long>(be64toh(v));
}

bool Result::boolean(int row, int col) const { return !isNull(row, col) && libpq().PQgetvalue(r_, row, col)[0] != 0; }

std::string_view Result::command() const { return r_ ? libpq().PQcmdStatus(r_) : ""; }

Connection::Connection(const std::string& target, bool readOnly) {
    const std::string conninfo = conninfoOf(target);
    // A URI libpq cannot read is told as such before anything is tried.
    char* unreadable = nullptr;
    if (PQconninfoOption* opts = libpq().PQconninfoParse(conninfo.c_str(), &unreadable)) {
        libpq().PQconninfoFree(opts);
    } else {
        const std::string why = unreadable ? oneLine(unreadable) : "out of memory";
        if (unreadable) libpq().PQfreemem(unreadable);
        throw DbError(kErrStorage, "cannot connect to server " + describeTarget(target) + ": " +
                                       withoutPassword(why, passwordOf(target)));
    }
    // Our defaults come first: what the URI says overrides them.
    const char* keys[] = {"connect_timeout", "application_name", "keepalives", "keepalives_idle",
                          "keepalives_interval", "keepalives_count", "dbname", nullptr};
    const char* values[] = {"10", "dnt", "1", "30", "10", "3", conninfo.c_str(), nullptr};
    conn_ = libpq().PQconnectdbParams(keys, values, 1);
    if (!conn_) throw DbError(kErrStorage, "cannot connect to a PostgreSQL server: out of memory");
    if (libpq().PQstatus(conn_) != CONNECTION_OK) {
        const std::string secret = passwordOf(target);
        std::string message = withoutPassword(oneLine(libpq().PQerrorMessage(conn_)), secret);
        std::string server = orEmpty(libpq().PQhost(conn_)).empty()
                                 ? describeTarget(target)
                                 : uriOf(orEmpty(libpq().PQuser(conn_)), orEmpty(libpq().PQhost(conn_)),
                                         orEmpty(libpq().PQport(conn_)), orEmpty(libpq().PQdb(conn_)));
        libpq().PQfinish(conn_);
        conn_ = nullptr;
        throw DbError(kErrStorage, "cannot connect to server " + server + ": " + message);
    }
    where_ = uriOf(orEmpty(libpq().PQuser(conn_)), orEmpty(libpq().PQhost(conn_)), orEmpty(libpq().PQport(conn_)),
                   orEmpty(libpq().PQdb(conn_)));
    libpq().PQsetNoticeProcessor(conn_, ignoreNotice, nullptr);
    // Every commit is on the server's disk before it returns; no statement waits long for
    // a lock, none runs forever; a client that vanished is noticed and its locks freed.
    std::string settings =
        "SET synchronous_commit = on; SET lock_timeout = '10s'; SET statement_timeout = '10min';"
        "SET default_transaction_isolation = 'read committed'; SET client_min_messages = warning;"
        "SET tcp_keepalives_idle = 30; SET tcp_keepalives_interval = 10; SET tcp_keepalives_count = 3";
    if (libpq().PQserverVersion(conn_) >= 140000) settings += "; SET client_connection_check_interval = '10s'";
    if (readOnly) settings += "; SET default_transaction_read_only = on";
    try {
        exec(settings);
    } catch (...) {
        libpq().PQfinish(conn_);
        conn_ = nullptr;
        throw;
    }
}

Connection::~Connection() {
    if (conn_) libpq().PQfinish(conn_);
}

std::string Connection::role() const { return libpq().PQuser(conn_); }
std::string Connection::database() const { return libpq().PQdb(conn_); }

std::string Connection::identifier(const std::string& name) const {
    char* quoted = libpq().PQescapeIdentifier(conn_, name.c_str(), name.size());
    if (!quoted) throw DbError(kErrStorage, "server " + where_ + ": cannot quote the name \"" + name + "\"");
    std::string out = quoted;
    libpq().PQfreemem(quoted);
    return out;
}

bool Connection::lost() const { return libpq().PQstatus(conn_) != CONNECTION_OK; }

bool Connection::inTransaction() const {
    // Statements are sent ahead only inside a transaction, its BEGIN among them.
    return pending_ > 0 || libpq().PQtransactionStatus(conn_) != PQTRANS_IDLE;
}

Result Connection::check(pg_result* r, std::string_view what) {
    ExecStatusType status = r ? libpq().PQresultStatus(r) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return Result(r);
    Result owned(r);
    if (lost())
        lostConnection(r ? libpq().PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY) : nullptr);
    const char* state = r ? libpq().PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
    const char* primary = r ? libpq().PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    std::string message = primary ? primary : oneLine(libpq().PQerrorMessage(conn_));
    std::string code = state ? state : "";
    if (code == "55P03") throw DbError(kErrLockRefused, "server " + where_ + ": " + message + " (" + std::string(what) + ")");
    if (code == "42501")
        throw DbError(kErrStorage, "role " + role() + " may not do this on server " + where_ + ": " + message);
    throw DbError(kErrStorage, "server " + where_ + ": " + message + (code.empty() ? "" : " (SQLSTATE " + code + ")"));
}

Result Connection::exec(const std::string& sql) {
    drain();
    ++statements_;
    ++roundTrips_;
    return check(libpq().PQexec(conn_, sql.c_str()), "statement");
}

void Connection::prepare(const Query& q) {
    if (prepared_.count(q.name)) return;
    drain();
    ++roundTrips_;
    check(libpq().PQprepare(conn_, q.name, q.sql, 0, nullptr), q.name);
    prepared_.insert(q.name);
}

namespace {

// libpq reads a null pointer as SQL NULL, so an empty value needs a real one, and a value
// in text form up to its terminating zero, so such values are copied with one.
struct Bound {
    std::vector<const char*> values;
    std::vector<int> lengths, formats;
    std::vector<std::string> texts;
    template <class Params>
    explicit Bound(const Params& params) {
        texts.reserve(params.size());
        for (const Param& p : params) {
            if (p.null) {
                values.push_back(nullptr);
            } else if (p.binary) {
                values.push_back(p.value.data() ? p.value.data() : "");
            } else {
                texts.emplace_back(p.value);
                values.push_back(texts.back().c_str());
            }
            lengths.push_back(static_cast<int>(p.value.size()));
            formats.push_back(p.binary ? 1 : 0);
        }
    }
};

}  // namespace

Result Connection::run(const Query& q, std::initializer_list<Param> params) {
    prepare(q);
    ++statements_;
    Bound b(params);
    if (pending_ > 0) {
        // After the statements sent, in the same round trip.
        ++pending_;
        if (libpq().PQsendQueryPrepared(conn_, q.name, static_cast<int>(b.values.size()), b.values.data(), b.lengths.data(),
                                b.formats.data(), 1) != 1)
            return failedSend(q.name);
        return collect(true, q.name);
    }
    ++roundTrips_;
    return check(libpq().PQexecPrepared(conn_, q.name, static_cast<int>(b.values.size()), b.values.data(), b.lengths.data(),
                                b.formats.data(), 1),
                 q.name);
}

Result Connection::runOnce(const std::string& sql, const std::vector<Param>& params) {
    ++statements_;
    Bound b(params);
    if (pending_ > 0) {
        ++pending_;
        if (libpq().PQsendQueryParams(conn_, sql.c_str(), static_cast<int>(b.values.size()), nullptr, b.values.data(),
                              b.lengths.data(), b.formats.data(), 1) != 1)
            return failedSend("statement");
        return collect(true, "statement");
    }
    ++roundTrips_;
    return check(libpq().PQexecParams(conn_, sql.c_str(), static_cast<int>(b.values.size()), nullptr, b.values.data(),
                              b.lengths.data(), b.formats.data(), 1),
                 "statement");
}

void Connection::enterPipeline() {
    if (pending_ == 0 && libpq().PQenterPipelineMode(conn_) != 1) failedSend("pipeline");
}

void Connection::sent(int accepted) {
    ++statements_;
    keep_.resize(static_cast<size_t>(pending_), 0);
    keep_.push_back(keepNext_);
    keepNext_ = 0;
    // Results are read back every so many statements: the server's answers must never
    // fill the socket while this side is still sending.
    constexpr int kMostPending = 500;
    ++pending_;
    if (accepted != 1) failedSend("statement");
    if (pending_ >= kMostPending) drain();
}

void Connection::send(const Query& q, std::initializer_list<Param> params) {
    prepare(q);
    enterPipeline();
    Bound b(params);
    sent(libpq().PQsendQueryPrepared(conn_, q.name, static_cast<int>(b.values.size()), b.values.data(), b.lengths.data(),
                             b.formats.data(), 1));
}

void Connection::sendKept(int tag, const Query& q, std::initializer_list<Param> params) {
    keepNext_ = tag;
    send(q, params);
}

std::vector<Result> Connection::takeKept(int tag) {
    std::vector<Result> out;
    std::vector<std::pair<int, Result>> others;
    for (auto& [t, r] : kept_) {
        if (t == tag) out.push_back(std::move(r));
        else others.emplace_back(t, std::move(r));
    }
    kept_ = std::move(others);
    return out;
}

void Connection::sendText(const std::string& sql) {
    enterPipeline();
    sent(libpq().PQsendQueryParams(conn_, sql.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 1));
}

void Connection::sendKeptNow(int tag, const std::string& sql) {
    keepNext_ = tag;
    sendText(sql);
    if (libpq().PQsendFlushRequest(conn_) != 1 || libpq().PQflush(conn_) != 0) failedSend("statement");
}

void Connection::lostConnection(const char* cause) {
    // The first cause is the one worth telling: later statements only find no connection.
    if (lostBecause_.empty()) lostBecause_ = cause && *cause ? cause : oneLine(libpq().PQerrorMessage(conn_));
    throw DbError(kErrStorage, "lost the connection to server " + where_ + ": " + lostBecause_);
}

Result Connection::failedSend(std::string_view what) {
    const std::string message = oneLine(libpq().PQerrorMessage(conn_));
    if (pending_ > 0) collect(false, what);
    if (lost()) lostConnection(nullptr);
    throw DbError(kErrStorage, "server " + where_ + ": " + message);
}

void Connection::drain(bool raise) {
    if (pending_ > 0) collect(raise, "statement sent before");
}

Result Connection::collect(bool raise, std::string_view what) {
    const int statements = pending_;
    pending_ = 0;
    ++roundTrips_;
    // The first failure is kept (the statements after it were not run); the last
    // statement's result is given back.
    Result failure, last;
    bool failed = libpq().PQpipelineSync(conn_) != 1;
    int index = 0;
    for (bool synced = failed; !synced;) {
        PGresult* r = libpq().PQgetResult(conn_);
        if (!r) {
            if (lost()) break;
            ++index;  // the end of one statement's results
            continue;
        }
        switch (libpq().PQresultStatus(r)) {
        case PGRES_PIPELINE_SYNC: synced = true; libpq().PQclear(r); break;
        case PGRES_PIPELINE_ABORTED: libpq().PQclear(r); break;
        case PGRES_COMMAND_OK:
        case PGRES_TUPLES_OK:
            if (index < static_cast<int>(keep_.size()) && keep_[static_cast<size_t>(index)])
                kept_.emplace_back(keep_[static_cast<size_t>(index)], Result(r));
            else if (index == statements - 1) last = Result(r);
            else libpq().PQclear(r);
            break;
        default:
            if (!failed) {
                failure = Result(r);
                failed = true;
            } else {
                libpq().PQclear(r);
            }
        }
    }
    keep_.clear();
    libpq().PQexitPipelineMode(conn_);
    if (raise && (failed || lost())) check(failure.release(), what);  // raised as its own failure would be
    return last;
}

}  // namespace dba::pg
