// Times the contract selection sentence and record reads of the multivalue database on
// generated data, beside the same selection written in SQL on a normalised copy; with
// --server, the same on a PostgreSQL server holding a copy of the same database.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "dba/copy.h"
#include "dba/pg_storage.h"
#include "bench/goals.h"
#include "dba/sqlite_storage.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/generate.h"
#include "dba/database.h"
#include "dba/dynarray.h"

namespace {

// The quarter selected: 01/01/2010 .. 31/03/2010 as day numbers.
constexpr long kQuarterStart = 15342;
constexpr long kQuarterEnd = 15431;
constexpr const char* kEntity = "E75";
constexpr const char* kCentre = "75";
constexpr const char* kNameFrom = "D";  // the name range, as typed on the selection screen
constexpr const char* kNameTo = "M";

// ---------------------------------------------------------------- temporary files

// The database files of this run, removed at exit, also when interrupted.
char gPaths[2][1024];
int gPathCount = 0;

void removeFiles() {
    static const char* const kSuffixes[] = {"", "-wal", "-shm", "-journal"};
    for (int i = 0; i < gPathCount; ++i)
        for (const char* suffix : kSuffixes) {
            char name[sizeof gPaths + 16];
            std::snprintf(name, sizeof name, "%s%s", gPaths[i], suffix);
            unlink(name);
        }
}

void onSignal(int sig) {
    removeFiles();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

std::string tempPath(const char* what) {
    const char* dir = std::getenv("TMPDIR");
    if (!dir || !*dir) dir = "/tmp";
    std::string path = std::string(dir) + "/dnt_bench_" + std::to_string(getpid()) + "_" + what + ".db";
    std::snprintf(gPaths[gPathCount++], sizeof gPaths[0], "%s", path.c_str());
    return path;
}

struct TempFiles {
    TempFiles() {
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }
    ~TempFiles() { removeFiles(); }
};

long long fileSize(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : 0;
}

// ---------------------------------------------------------------- the two queries

std::string q(const std::string& value) { return "\"" + value + "\""; }

// The sentence the selection screen builds with no aidé chosen, a name range, all three
// payment modes as three chains each repeating the base chain, sorted by town.
std::string contractSentence() {
    const std::string base = " AVEC 1 = " + q("02") + " AND AVEC CtrUrssafContrat = " + q(kCentre) +
                             " AND AVEC 2 = " + q(kEntity) + " AND AVEC 65 # " + q("O") +
                             " AND AVEC NomAideContrat >= " + q(std::string(kNameFrom) + "]") +
                             " AND AVEC NomAideContrat <= " + q(std::string(kNameTo) + "]") +
                             " AND AVEC 7 <= " + q(std::to_string(kQuarterEnd)) +
                             " AND AVEC 8 >= " + q(std::to_string(kQuarterStart)) + " OR = " + q("");
    std::string s = base + " AND AVEC ChgURSSAFAideContrat = " + q("1");
    s += " OR" + base + " AND AVEC ChgURSSAFAideContrat # " + q("1") + " AND AVEC IBANFactAide # " + q("");
    s += " OR" + base + " AND AVEC ChgURSSAFAideContrat # " + q("1") + " AND AVEC IBANFactAide = " + q("");
    s += " PAR LibCommuneAide PAR NomAideContrat PAR PrenomAideContrat PAR 3 PAR NomPrenomAidantContrat"
         " PAR CodeAidant PAR 7";
    return "SSELECT CONTRAT" + s;
}

std::string contractRequest() {
    dba::DynArray request;
    request.setElement(1, contractSentence());
    request.setElement(2, "CONTRAT");
    request.setElement(3, "0 3");
    return request.text();
}

// The same selection on the normalised tables: a missing looked-up record reads as the
// empty text, day numbers compare as integers, and the key breaks the last ties.
// `factored` writes the base conditions once, outside the payment alternatives, as one
// would write it by hand; otherwise each alternative repeats them as the sentence does.
std::string contractSql(bool factored) {
    auto lit = [](const std::string& v) { return "'" + v + "'"; };
    const std::string nom = "coalesce(a.nom, '')";
    const std::string base =
        "c.type = '02' AND coalesce(p.centre, '') = " + lit(kCentre) + " AND c.entite = " + lit(kEntity) +
        " AND c.suspendu <> 'O'" + " AND " + nom + " >= " + lit(kNameFrom) + " AND substr(" + nom + ", 1, " +
        std::to_string(std::strlen(kNameTo)) + ") <= " + lit(kNameTo) +
        " AND c.debut <= " + std::to_string(kQuarterEnd) + " AND (c.fin >= " + std::to_string(kQuarterStart) +
        " OR c.fin IS NULL)";
    const std::string chg = "coalesce(p.chg_entite, '')";
    const std::string iban = "coalesce(f.iban, '')";
    const std::string where =
        factored ? base + " AND (" + chg + " = '1' OR (" + chg + " <> '1' AND " + iban + " <> '') OR (" + chg +
                       " <> '1' AND " + iban + " = ''))"
                 : "(" + base + " AND " + chg + " = '1') OR (" + base + " AND " + chg + " <> '1' AND " + iban +
                       " <> '') OR (" + base + " AND " + chg + " <> '1' AND " + iban + " = '')";
    return "SELECT c.cle, c.aide FROM contrat c"
           " LEFT JOIN civilaide a ON a.code = c.aide"
           " LEFT JOIN civilaidant d ON d.code = substr(c.cle, 1, 5)"
           " LEFT JOIN eltspartemp p ON p.code = c.aide"
           " LEFT JOIN eltsfactaide f ON f.code = c.aide"
           " WHERE " + where +
           " ORDER BY coalesce(a.commune, ''), coalesce(a.nom, ''), coalesce(a.prenom, ''), c.aide,"
           " coalesce(d.nom, '') || ' ' || coalesce(d.prenom, ''), substr(c.cle, 1, 5), c.debut, c.cle";
}

struct Row {
    std::string key, aide;
    bool operator==(const Row&) const = default;
    bool operator<(const Row& o) const { return key < o.key; }
};

std::vector<Row> runSql(sqlite3* sql, const std::string& text) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(sql, text.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("prepare: ") + sqlite3_errmsg(sql));
    std::vector<Row> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        auto col = [&](int i) {
            return std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                               static_cast<size_t>(sqlite3_column_bytes(stmt, i)));
        };
        rows.push_back({col(0), col(1)});
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) throw std::runtime_error(std::string("step: ") + sqlite3_errmsg(sql));
    return rows;
}

// The result of DBExecute: one field per contract, value 1 the key, value 2 field 3.
std::vector<Row> parseResult(std::string_view result) {
    std::vector<Row> rows;
    int n = dba::countSegments(result, dba::FM);
    rows.reserve(static_cast<size_t>(n));
    size_t start = 0;
    for (int i = 0; i < n; ++i) {
        size_t end = result.find(dba::FM, start);
        if (end == std::string_view::npos) end = result.size();
        std::string_view field = result.substr(start, end - start);
        rows.push_back({std::string(dba::segment(field, dba::VM, 1)), std::string(dba::segment(field, dba::VM, 2))});
        start = end + 1;
    }
    return rows;
}

// Prints how SQLite means to run a query, one line per step of its plan.
void printPlan(sqlite3* sql, const std::string& text) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(sql, ("EXPLAIN QUERY PLAN " + text).c_str(), -1, &stmt, nullptr) != SQLITE_OK) return;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        std::printf("plan: %s\n", reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
    sqlite3_finalize(stmt);
}

// Says whether both sides selected the same contracts in the same order; prints what
// differs otherwise. Returns false on any difference.
bool compareResults(const std::vector<Row>& ours, const std::vector<Row>& sql) {
    auto ends = [](const std::vector<Row>& r) {
        return r.empty() ? std::string("(none)") : r.front().key + " .. " + r.back().key;
    };
    std::printf("check: DBExecute %zu rows [%s], SQL %zu rows [%s]\n", ours.size(), ends(ours).c_str(), sql.size(),
                ends(sql).c_str());
    if (ours == sql) {
        std::printf("check: same contracts, same aidé codes, same order\n");
        return true;
    }
    size_t i = 0;
    while (i < ours.size() && i < sql.size() && ours[i] == sql[i]) ++i;
    std::fprintf(stderr, "WARNING: the two results differ from row %zu on: %s / %s\n", i,
                 i < ours.size() ? ours[i].key.c_str() : "(end)", i < sql.size() ? sql[i].key.c_str() : "(end)");
    std::vector<Row> a = ours, b = sql;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    if (a == b) {
        std::fprintf(stderr, "WARNING: same set of rows, ordered differently\n");
        return false;
    }
    std::vector<Row> onlyOurs, onlySql;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(onlyOurs));
    std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(onlySql));
    std::fprintf(stderr, "WARNING: %zu rows only from DBExecute, %zu only from SQL\n", onlyOurs.size(),
                 onlySql.size());
    for (size_t k = 0; k < onlyOurs.size() && k < 5; ++k)
        std::fprintf(stderr, "  DBExecute only: %s (aidé %s)\n", onlyOurs[k].key.c_str(), onlyOurs[k].aide.c_str());
    for (size_t k = 0; k < onlySql.size() && k < 5; ++k)
        std::fprintf(stderr, "  SQL only: %s (aidé %s)\n", onlySql[k].key.c_str(), onlySql[k].aide.c_str());
    return false;
}

// ---------------------------------------------------------------- the run

struct Context {
    std::shared_ptr<dba::Database> db;
    std::shared_ptr<dba::Database> server;  // the same data on a server, with --server
    sqlite3* sql = nullptr;
    std::string request;
    std::string sqlText;          // the alternatives as the sentence writes them
    std::string sqlFactoredText;  // the base conditions written once
    std::vector<std::string> readKeys;  // existing CONTRAT keys in random order

    ~Context() {
        db.reset();
        server.reset();
        if (sql) sqlite3_close(sql);
    }
};

constexpr int kReadsPerStep = 32;

// The request on a database, and random reads of its contracts.
void registerOn(const char* suffix, std::shared_ptr<dba::Database>& db, Context& ctx) {
    // Wall time: a server's work is not this process's, and the two are compared.
    benchmark::RegisterBenchmark((std::string("ContractSelection/DBExecute") + suffix).c_str(),
                                 [&ctx, &db](benchmark::State& state) {
        std::string result;
        for (auto _ : state) {
            result = db->DBExecute(ctx.request);
            benchmark::DoNotOptimize(result.data());
        }
        state.counters["rows"] = dba::countSegments(result, dba::FM);
    })->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

    benchmark::RegisterBenchmark((std::string("PointRead/DBRead_CONTRAT") + suffix).c_str(),
                                 [&ctx, &db](benchmark::State& state) {
        std::shared_ptr<dba::File> file = db->DBOpenFile("CONTRAT");
        const size_t mask = ctx.readKeys.size() - 1;
        size_t i = 0;
        for (auto _ : state) {
            dba::Record r = file->DBRead(ctx.readKeys[i]);
            benchmark::DoNotOptimize(r.text().data());
            i = (i + 1) & mask;
        }
        state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
    })->Unit(benchmark::kMicrosecond)->MinTime(1.0)->UseRealTime();

    // The reads as a step of the print loop makes them: on one snapshot, released after
    // each step of 32 reads (an aidé's reads), so that other desks' commits show from the
    // next step on.
    benchmark::RegisterBenchmark((std::string("PointRead/DBRead_CONTRAT_in_steps") + suffix).c_str(),
                                 [&ctx, &db](benchmark::State& state) {
        std::shared_ptr<dba::File> file = db->DBOpenFile("CONTRAT");
        const size_t mask = ctx.readKeys.size() - 1;
        size_t i = 0;
        for (auto _ : state) {
            db->storage().snapshot([&] {
                for (int k = 0; k < kReadsPerStep; ++k) {
                    dba::Record r = file->DBRead(ctx.readKeys[i]);
                    benchmark::DoNotOptimize(r.text().data());
                    i = (i + 1) & mask;
                }
            });
        }
        state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kReadsPerStep);
    })->Unit(benchmark::kMicrosecond)->MinTime(1.0)->UseRealTime();
}

// Every timing is by the clock, as the goals compare them.
void registerBenchmarks(Context& ctx) {
    registerOn("", ctx.db, ctx);
    if (ctx.server) registerOn("_server", ctx.server, ctx);

    for (auto [name, text] : {std::pair{"ContractSelection/SQLite", &ctx.sqlText},
                              std::pair{"ContractSelection/SQLite_factored", &ctx.sqlFactoredText}}) {
        benchmark::RegisterBenchmark(name, [&ctx, text = text](benchmark::State& state) {
            size_t rows = 0;
            for (auto _ : state) {
                std::vector<Row> r = runSql(ctx.sql, *text);
                benchmark::DoNotOptimize(r.data());
                rows = r.size();
            }
            state.counters["rows"] = static_cast<double>(rows);
        })->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
    }

    // For scale: the same random keys looked up in the normalised table, every column copied.
    benchmark::RegisterBenchmark("PointRead/SQLite_contrat", [&ctx](benchmark::State& state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(ctx.sql, "SELECT * FROM contrat WHERE cle = ?1", -1, &stmt, nullptr);
        const size_t mask = ctx.readKeys.size() - 1;
        size_t i = 0;
        for (auto _ : state) {
            const std::string& key = ctx.readKeys[i];
            sqlite3_bind_text(stmt, 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
            if (sqlite3_step(stmt) != SQLITE_ROW) state.SkipWithError("key not found");
            std::string row;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                if (c) row.push_back('\t');
                const unsigned char* t = sqlite3_column_text(stmt, c);
                if (t) row.append(reinterpret_cast<const char*>(t), static_cast<size_t>(sqlite3_column_bytes(stmt, c)));
            }
            benchmark::DoNotOptimize(row.data());
            sqlite3_reset(stmt);
            i = (i + 1) & mask;
        }
        sqlite3_finalize(stmt);
        state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
    })->Unit(benchmark::kMicrosecond)->MinTime(1.0);
}

// The console's report, with the wall times kept for the goals.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) seconds_[r.benchmark_name()] = r.GetAdjustedRealTime() / timeUnitPerSecond(r);
        ConsoleReporter::ReportRuns(runs);
    }
    double seconds(const std::string& name) const {
        auto it = seconds_.find(name);
        return it == seconds_.end() ? 0 : it->second;
    }

private:
    static double timeUnitPerSecond(const Run& r) {
        switch (r.time_unit) {
        case benchmark::kNanosecond: return 1e9;
        case benchmark::kMicrosecond: return 1e6;
        case benchmark::kMillisecond: return 1e3;
        default: return 1;
        }
    }
    std::map<std::string, double> seconds_;
};

// The request and the hand-factored SQL timed in turns, each round running both, the
// first of the two changing every round: a noisy host slows both of a round alike, so the
// median of the rounds' ratios holds where two separate timings a few seconds apart do not.
struct Paired {
    double ratio = 0, ours = 0, sql = 0;  // the median ratio; each side's fastest round
};

Paired timeInTurns(Context& ctx, int rounds) {
    using Clock = std::chrono::steady_clock;
    auto time = [](auto&& work) {
        auto t0 = Clock::now();
        work();
        return std::chrono::duration<double>(Clock::now() - t0).count();
    };
    std::vector<double> ratios;
    Paired p{0, 1e9, 1e9};
    for (int i = 0; i < rounds; ++i) {
        double ours = 0, sql = 0;
        auto runOurs = [&] { ours = time([&] { benchmark::DoNotOptimize(ctx.db->DBExecute(ctx.request).size()); }); };
        auto runSqlSide = [&] { sql = time([&] { benchmark::DoNotOptimize(runSql(ctx.sql, ctx.sqlFactoredText).size()); }); };
        if (i % 2) {
            runSqlSide();
            runOurs();
        } else {
            runOurs();
            runSqlSide();
        }
        ratios.push_back(ours / sql);
        p.ours = std::min(p.ours, ours);
        p.sql = std::min(p.sql, sql);
    }
    std::sort(ratios.begin(), ratios.end());
    p.ratio = ratios[ratios.size() / 2];
    return p;
}

void printGoals(const GoalReporter& r, Context& ctx) {
    using bench::figure;
    using bench::printGoal;
    const double file = r.seconds("ContractSelection/DBExecute/min_time:2.000/real_time");
    const double sql = r.seconds("ContractSelection/SQLite_factored/min_time:2.000/real_time");
    const double steps = r.seconds("PointRead/DBRead_CONTRAT_in_steps/min_time:1.000/real_time");
    std::printf("\n");
    if (file > 0 && sql > 0) {
        const Paired p = timeInTurns(ctx, 21);
        printGoal("DBExecute / hand-factored SQL without index, file",
                  figure(p.ratio, 2) + " (median of 21 rounds in turns; best " + figure(p.ours * 1e3, 0) + " / " +
                      figure(p.sql * 1e3, 0) + " ms)",
                  "<= 0.8", p.ratio <= 0.8);
    }
    if (steps > 0) {
        const double perSecond = kReadsPerStep / steps;
        printGoal("DBRead of random keys in steps, file", figure(perSecond, 0) + " reads/s", ">= 400000",
                  perSecond >= 400000);
    }
    const double server = r.seconds("ContractSelection/DBExecute_server/min_time:2.000/real_time");
    const double read = r.seconds("PointRead/DBRead_CONTRAT_server/min_time:1.000/real_time");
    const double serverSteps = r.seconds("PointRead/DBRead_CONTRAT_in_steps_server/min_time:1.000/real_time");
    if (file <= 0 || server <= 0 || read <= 0) return;
    printGoal("DBExecute, server / file", figure(server / file, 2) + " (" + figure(server * 1e3, 0) + " / " +
                  figure(file * 1e3, 0) + " ms)", "<= 1.5", server / file <= 1.5);
    printGoal("DBRead of random keys, server", figure(1 / read, 0) + " reads/s", "-", false, true);
    if (sql > 0)
        printGoal("DBExecute / hand-factored SQL, server", figure(server / sql, 2), "-", false, true);
    if (serverSteps > 0)
        printGoal("DBRead of random keys in steps, server", figure(kReadsPerStep / serverSteps, 0) + " reads/s", "-",
                  false, true);
}

}  // namespace

int main(int argc, char** argv) {
    bench::programStart();  // what the rest of the machine does is counted from here
    benchmark::Initialize(&argc, argv);
    bench::GenerateOptions options;
    long cacheMb = 0;  // 0: SQLite's default page cache on both connections, as the database library leaves it
    std::string serverUri;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--contracts=", 0) == 0) {
            options.contracts = std::stoul(arg.substr(12));
        } else if (arg.rfind("--cache-mb=", 0) == 0) {
            cacheMb = std::stol(arg.substr(11));
        } else if (arg.rfind("--server=", 0) == 0) {
            serverUri = arg.substr(9);
        } else {
            std::fprintf(stderr,
                         "%s: unknown argument %s (besides the --benchmark_* flags: --contracts=N, --cache-mb=N, "
                         "--server=URI)\n",
                         argv[0], argv[i]);
            return 1;
        }
    }

    TempFiles files;
    try {
        Context ctx;
        const std::string dbPath = tempPath("dba");
        const std::string sqlPath = tempPath("sql");
        ctx.db = dba::Database::Open(dbPath, dba::OpenMode::Create);
        if (sqlite3_open(sqlPath.c_str(), &ctx.sql) != SQLITE_OK) throw std::runtime_error("cannot open " + sqlPath);
        sqlite3_exec(ctx.sql, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
        if (cacheMb > 0) {
            const std::string pragma = "PRAGMA cache_size=-" + std::to_string(cacheMb * 1024);
            dynamic_cast<dba::SqliteStorage&>(ctx.db->storage()).exec(pragma.c_str());
            sqlite3_exec(ctx.sql, pragma.c_str(), nullptr, nullptr, nullptr);
            std::printf("cache: %ld MB of SQLite page cache on both connections\n", cacheMb);
        }

        auto t0 = std::chrono::steady_clock::now();
        bench::Generated data = bench::generate(*ctx.db, ctx.sql, options);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("data: %zu contracts, %zu aidés, %zu aidants, %zu records in all, made in %.1f s\n",
                    data.contractKeys.size(), data.aides, data.aidants, data.records, seconds);
        std::printf("data: multivalue database %.1f MB, normalised copy %.1f MB (in %s)\n",
                    static_cast<double>(fileSize(dbPath)) / 1e6, static_cast<double>(fileSize(sqlPath)) / 1e6,
                    dbPath.substr(0, dbPath.rfind('/')).c_str());

        ctx.request = contractRequest();
        ctx.sqlText = contractSql(false);
        ctx.sqlFactoredText = contractSql(true);
        std::printf("sentence: %zu characters, 3 chains, 7 sort keys\n", contractSentence().size());

        // The answers are compared once, outside the timings.
        std::vector<Row> ours = parseResult(ctx.db->DBExecute(ctx.request));
        std::vector<Row> theirs = runSql(ctx.sql, ctx.sqlText);
        bool same = compareResults(ours, theirs);
        if (runSql(ctx.sql, ctx.sqlFactoredText) != theirs) {
            std::fprintf(stderr, "WARNING: the factored SQL query gives another result\n");
            same = false;
        }
        if (!serverUri.empty()) {
            // The same database on the server, vacuumed and analysed as its autovacuum would leave
            // it: its index entries too, or every index-only scan visits the table.
            ctx.server = dba::Database::Open(serverUri, dba::OpenMode::Create);
            auto c0 = std::chrono::steady_clock::now();
            dba::copyDatabase(ctx.db->storage(), ctx.server->storage(), true);
            dynamic_cast<dba::PgStorage&>(ctx.server->storage()).connection().exec("VACUUM ANALYZE");
            std::printf("server: %s, copied in %.1f s\n", ctx.server->storage().where().c_str(),
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - c0).count());
            if (parseResult(ctx.server->DBExecute(ctx.request)) != ours) {
                std::fprintf(stderr, "WARNING: DBExecute gives another result on the server\n");
                same = false;
            } else {
                std::printf("check: the server's DBExecute gives the same rows in the same order\n");
            }
        }
        printPlan(ctx.sql, ctx.sqlText);
        printPlan(ctx.sql, "SELECT * FROM contrat WHERE cle = ?1");

        // 65,536 keys drawn at random (fixed seed) among the existing ones.
        uint64_t state = 0x5EED;
        ctx.readKeys.resize(65536);
        for (std::string& k : ctx.readKeys) {
            state = state * 6364136223846793005ull + 1442695040888963407ull;
            k = data.contractKeys[(state >> 33) % data.contractKeys.size()];
        }

        registerBenchmarks(ctx);
        GoalReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
        printGoals(reporter, ctx);
        if (!same) return 2;  // the timings are printed, but the answers disagreed
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
