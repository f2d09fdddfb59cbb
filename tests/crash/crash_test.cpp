// The crash test: `dnt print` killed at random moments leaves a sound database on which a re-run writes the reference records.
//
// usage: crash_test --dnt PATH [--kills N] [--seed S]    (N also from DNT_CRASH_KILLS)
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

const char* const kUsage = "usage: crash_test --dnt PATH [--kills N] [--seed S]\n";
std::string dnt;  // the program under test
fs::path work;    // this run's scratch folder

std::string slurp(const fs::path& p) {
    std::ostringstream text;
    text << std::ifstream(p, std::ios::binary).rdbuf();
    return text.str();
}

// Starts `dnt args...` with its output and errors sent to files.
pid_t start(const std::vector<std::string>& args, const fs::path& out) {
    std::vector<std::string> argv{dnt};
    argv.insert(argv.end(), args.begin(), args.end());
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> c;
        for (auto& a : argv) c.push_back(a.data());
        c.push_back(nullptr);
        if (!freopen(out.c_str(), "w", stdout) || !freopen((out.string() + ".err").c_str(), "w", stderr)) _exit(126);
        execv(c[0], c.data());
        _exit(127);
    }
    return pid;
}

int reap(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) continue;
    return status;
}

// Runs `dnt args...` to its end; its standard output is left in `out`.
bool run(const std::vector<std::string>& args, const fs::path& out) {
    int status = reap(start(args, out));
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
    std::cerr << "dnt";
    for (const auto& a : args) std::cerr << ' ' << a;
    std::cerr << ": status " << status << "\n" << slurp(out.string() + ".err");
    return false;
}

// A copy of the demo database, as a separate database file.
fs::path copyOf(const fs::path& db, const std::string& name) {
    fs::path copy = work / name;
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(copy.string() + suffix);
    for (const char* suffix : {"", "-wal"})
        if (fs::exists(db.string() + suffix)) fs::copy_file(db.string() + suffix, copy.string() + suffix);
    return copy;
}

std::vector<std::string> printArgs(const fs::path& db, const std::string& quarter) {
    return {"print", "--db", db.string(), "--quarter", quarter, "--centre", "75",
            "--output", (work / "out.pdf").string(), "--today", "15/01/2026"};
}

// The records a print writes, as the dump exports them; empty when the export fails.
std::string printed(const fs::path& db) {
    fs::path out = work / "export.jsonl";
    return run({"db", "export", "--db", db.string(), "REGULDNT", "DETAILCHGPARTEMP"}, out) ? slurp(out) : "";
}

// SQLite's own check, through its library: "ok" or the damage it found.
std::string integrity(const fs::path& db) {
    sqlite3* h = nullptr;
    std::string result;
    auto row = [](void* r, int n, char** values, char**) {
        for (int i = 0; i < n; ++i) *static_cast<std::string*>(r) += values[i] ? values[i] : "NULL";
        return 0;
    };
    if (sqlite3_open_v2(db.c_str(), &h, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        result = std::string("cannot open: ") + sqlite3_errmsg(h);
    else if (sqlite3_exec(h, "PRAGMA integrity_check", row, &result, nullptr) != SQLITE_OK)
        result = std::string("check failed: ") + sqlite3_errmsg(h);
    sqlite3_close(h);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    long kills = std::getenv("DNT_CRASH_KILLS") ? std::atol(std::getenv("DNT_CRASH_KILLS")) : 20;
    unsigned seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string o = argv[i];
        if (o == "--dnt") dnt = argv[i + 1];
        else if (o == "--kills") kills = std::atol(argv[i + 1]);
        else if (o == "--seed") seed = static_cast<unsigned>(std::stoul(argv[i + 1]));
        else return std::cerr << kUsage, 2;
    }
    if (dnt.empty() || kills < 1 || argc % 2 == 0) return std::cerr << kUsage, 2;
    dnt = fs::absolute(dnt).string();
    std::string tmpl = (fs::temp_directory_path() / "dnt-crash-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) return 3;
    work = tmpl;
    std::cout << "crash test in " << work.string() << ", seed " << seed << std::endl;

    // The demo database, its latest quarter, and the records of a print never stopped.
    fs::path demo = work / "demo.db";
    if (!run({"demo", "--db", demo.string(), "--aides", "300"}, work / "demo.out")) return 3;
    if (!run({"db", "query", "--db", demo.string(), "SSELECT PERIODESPAIE", "--fields", "1"}, work / "period")) return 3;
    std::string period = slurp(work / "period").substr(0, 6);  // the current pay period, yyyymm
    std::string quarter = period.substr(0, 4) + std::to_string((std::stoi(period.substr(4, 2)) + 2) / 3);
    fs::path reference = copyOf(demo, "reference.db");
    Clock::time_point begin = Clock::now();
    if (!run(printArgs(reference, quarter), work / "print.out")) return 3;
    const auto duration = Clock::now() - begin;
    const std::string expected = printed(reference);
    if (expected.empty()) return 3;
    std::cout << "quarter " << quarter << ", an uninterrupted print takes "
              << std::chrono::duration<double>(duration).count() << " s" << std::endl;

    std::mt19937 random(seed);
    std::uniform_int_distribution<long long> moment(0, std::chrono::nanoseconds(duration).count());
    long killed = 0, finished = 0, corrupt = 0, differing = 0;
    // A print that ends before its signal is checked all the same, but is not a kill.
    for (long i = 0; killed < kills && i < 3 * kills; ++i) {
        fs::path db = copyOf(demo, "killed.db");
        pid_t pid = start(printArgs(db, quarter), work / "killed.out");
        std::this_thread::sleep_for(std::chrono::nanoseconds(moment(random)));
        kill(pid, SIGKILL);
        int status = reap(pid);
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ++killed;
        else ++finished;
        std::string check = integrity(db);
        if (check != "ok") {
            ++corrupt;
            std::cerr << "kill " << i + 1 << ": integrity check: " << check << "\n";
            continue;
        }
        if (!run(printArgs(db, quarter), work / "rerun.out") || printed(db) != expected) {
            ++differing;
            std::cerr << "kill " << i + 1 << ": the print run again did not write the reference records\n";
        }
    }
    std::cout << "kills: " << killed << " (and " << finished << " runs that ended first), corrupt databases: "
              << corrupt << ", differing re-runs: " << differing << std::endl;
    if (corrupt || differing) return 1;
    fs::remove_all(work);
    return 0;
}
