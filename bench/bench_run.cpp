// dnt_bench_run: times whole unattended runs of the declaration print on a generated
// database (computation only, journal, PDF, journal rendering, single-aidé host calls),
// each in its own child process, and prints the figures as a table; with --server, the
// journal run again on a copy of the database on a PostgreSQL server.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/run_child.h"
#include "bench/run_modes.h"
#include "bench/goals.h"
#include "bench/run_scale.h"
#include "bench/run_server.h"

namespace fs = std::filesystem;
using benchrun::ChildOutcome;
using benchrun::Output;
using benchrun::Report;

namespace {

const char* kUsage =
    "usage: dnt_bench_run --dnt PATH [--db PATH | --aides N --seed S] [--work DIR] [--keep]\n"
    "                     [--centre CODE] [--quarter LABEL|KEY] [--aide CODE] [--single N]\n"
    "                     [--main-centre-only] [--server URI] [--gui PATH] [--scale N,N,...]\n"
    "  --dnt PATH          the dnt program, timed for the single-aidé host calls\n"
    "  --db PATH           a database to measure (copied, never written); without it a demo\n"
    "                      database of --aides aidés (default 5000) and --seed (default 1) is made\n"
    "  --work DIR          where the copies and outputs go (default a new folder in /tmp,\n"
    "                      removed at the end unless --keep)\n"
    "  --centre CODE       the main centre (default 75)\n"
    "  --quarter Q         the quarter (default the latest of the database)\n"
    "  --aide CODE         the aidé of the single-aidé runs (default 01001)\n"
    "  --single N          single-aidé host calls timed (default 20)\n"
    "  --main-centre-only  do not compute the other centres\n"
    "  --gui PATH          the dnt-gui program, timed from its start to its screen shown\n"
    "  --scale N,N,...     also print a whole quarter of generated databases of these sizes\n"
    "                      (journal and PDF, and journal on the server with --server)\n"
    "  --server URI        also run the journal print on a copy on this PostgreSQL server (URI of\n"
    "                      any database there, as a role that may create databases)\n";

struct Options {
    std::string dnt, db, work, centre = "75", quarter, aide = "01001", server;
    int aides = 5000;
    unsigned seed = 1;
    int single = 20;
    bool keep = false;
    bool otherCentres = true;
    std::string gui;
    std::vector<int> scale;
};

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::invalid_argument(a + " needs a value");
            return argv[++i];
        };
        if (a == "--dnt") o.dnt = value();
        else if (a == "--db") o.db = value();
        else if (a == "--work") o.work = value();
        else if (a == "--centre") o.centre = value();
        else if (a == "--quarter") o.quarter = value();
        else if (a == "--aide") o.aide = value();
        else if (a == "--aides") o.aides = std::stoi(value());
        else if (a == "--seed") o.seed = static_cast<unsigned>(std::stoul(value()));
        else if (a == "--single") o.single = std::stoi(value());
        else if (a == "--keep") o.keep = true;
        else if (a == "--main-centre-only") o.otherCentres = false;
        else if (a == "--gui") o.gui = value();
        else if (a == "--scale") {
            std::stringstream sizes(value());
            std::string n;
            while (std::getline(sizes, n, ',')) o.scale.push_back(std::stoi(n));
        }
        else if (a == "--server") o.server = value();
        else if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            std::exit(0);
        } else throw std::invalid_argument("unknown option " + a);
    }
    if (o.dnt.empty()) throw std::invalid_argument("--dnt is required");
    return o;
}

// A fresh copy of the database for one measurement: the runs write regularisation and
// detail records, so each starts from the same data.
void freshCopy(const std::string& from, const std::string& to) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) fs::remove(to + suffix);
    for (const char* suffix : {"", "-wal", "-shm"}) {
        if (!fs::exists(from + suffix)) continue;
        fs::copy_file(from + suffix, to + suffix, fs::copy_options::overwrite_existing);
        // On disk before the run starts: a write-back of the copy would slow the run's own syncs.
        int fd = open((to + suffix).c_str(), O_RDONLY);
        if (fd >= 0) {
            fsync(fd);
            close(fd);
        }
    }
}

std::string fixed(double v, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

std::string megabytes(double bytesOrKb, bool kb) {
    return fixed(kb ? bytesOrKb / 1024.0 : bytesOrKb / (1024.0 * 1024.0), 1);
}

struct Row {
    std::string measure, centre, aides, pages, seconds, cpu, rate, rss, size, note;
};

void printTable(const std::vector<Row>& rows) {
    std::vector<std::string> head = {"measure", "centre", "aidés", "pages", "time s", "CPU s", "aidés/s", "peak RSS MB", "output MB", "note"};
    std::vector<std::vector<std::string>> cells;
    cells.push_back(head);
    for (const auto& r : rows) cells.push_back({r.measure, r.centre, r.aides, r.pages, r.seconds, r.cpu, r.rate, r.rss, r.size, r.note});
    // Widths in characters, counting a UTF-8 sequence once.
    auto width = [](const std::string& t) {
        size_t n = 0;
        for (unsigned char c : t)
            if ((c & 0xC0) != 0x80) ++n;
        return n;
    };
    std::vector<size_t> w(head.size(), 0);
    for (const auto& line : cells)
        for (size_t i = 0; i < line.size(); ++i) w[i] = std::max(w[i], width(line[i]));
    for (size_t l = 0; l < cells.size(); ++l) {
        std::string out;
        for (size_t i = 0; i < cells[l].size(); ++i) {
            const std::string& t = cells[l][i];
            std::string pad(w[i] - width(t), ' ');
            bool left = i == 0 || i == 1 || i + 1 == cells[l].size();
            out += left ? t + pad : pad + t;
            if (i + 1 < cells[l].size()) out += "  ";
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        std::cout << out << "\n";
        if (l == 0) {
            size_t total = 0;
            for (size_t x : w) total += x + 2;
            std::cout << std::string(total - 2, '-') << "\n";
        }
    }
}

std::string shellQuote(const std::string& t) {
    if (!t.empty() && t.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-./=:") ==
                          std::string::npos)
        return t;
    std::string q = "'";
    for (char c : t) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

void fail(const std::string& what, const ChildOutcome& c) {
    throw std::runtime_error(what + ": " + (c.error.empty() ? "failed" : c.error));
}

}  // namespace

int main(int argc, char** argv) {
    bench::programStart();  // what the rest of the machine does is counted from here
    Options o;
    try {
        o = parse(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "dnt_bench_run: " << e.what() << "\n" << kUsage;
        return 2;
    }
    const std::string dnt = fs::absolute(o.dnt).string();
    bool madeWork = false;
    if (o.work.empty()) {
        char pattern[] = "/tmp/dnt-bench-run-XXXXXX";
        if (!mkdtemp(pattern)) {
            std::perror("mkdtemp");
            return 1;
        }
        o.work = pattern;
        madeWork = true;
    } else {
        fs::create_directories(o.work);
    }
    const std::string work = fs::absolute(o.work).string();
    std::vector<Row> rows;
    int status = 0;
    try {
        // 1. The database: generated once, in a child, unless one is given.
        std::string source = o.db.empty() ? work + "/source.db" : fs::absolute(o.db).string();
        if (o.db.empty()) {
            std::cerr << "generating " << o.aides << " aidés (seed " << o.seed << ") into " << source << " ...\n";
            ChildOutcome g = benchrun::runInChild([&](Report& r) {
                r.set("summary", benchrun::generateDatabase(source, o.aides, o.seed));
            });
            if (!g.ok) fail("generation", g);
            std::cerr << "  " << g.text("summary") << " (" << fixed(g.wallSeconds, 1) << " s)\n";
            rows.push_back({"generate", "", std::to_string(o.aides), "", fixed(g.wallSeconds, 2), fixed(g.cpuSeconds, 2), "",
                            megabytes(g.peakRssKb, true), megabytes(fs::file_size(source), false), "database file"});
        }
        ChildOutcome f = benchrun::runInChild([&](Report& r) {
            benchrun::DatabaseFacts facts = benchrun::readFacts(source);
            std::string quarters, centres;
            for (const auto& q : facts.quarters) quarters += (quarters.empty() ? "" : "|") + q;
            for (const auto& c : facts.centres) centres += (centres.empty() ? "" : " ") + c;
            r.set("quarters", quarters);
            r.set("centres", centres);
            r.set("aides", facts.aides);
        });
        if (!f.ok) fail("reading the database", f);
        std::vector<std::string> quarters, centres;
        {
            std::string q = f.text("quarters"), item;
            std::istringstream in(q);
            while (std::getline(in, item, '|')) quarters.push_back(item);
            std::istringstream cin(f.text("centres"));
            while (cin >> item) centres.push_back(item);
        }
        if (quarters.empty()) throw std::runtime_error("the database has no quarter to print");
        std::string label = quarters.front();
        if (!o.quarter.empty()) {
            auto it = std::find_if(quarters.begin(), quarters.end(), [&](const std::string& q) {
                return q == o.quarter || benchrun::quarterKey(q) == o.quarter;
            });
            if (it == quarters.end()) throw std::runtime_error("no quarter \"" + o.quarter + "\" in the database");
            label = *it;
        }
        const std::string key = benchrun::quarterKey(label);
        std::cerr << "database " << source << ": " << f.text("aides") << " aidés; quarter " << label << " (" << key
                  << "); centres " << f.text("centres") << "\n";

        const std::string runDb = work + "/run.db";
        std::unique_ptr<benchrun::ServerCopies> serverCopies;
        if (!o.server.empty()) {
            std::cerr << "copying the database to the server ...\n";
            serverCopies = std::make_unique<benchrun::ServerCopies>(o.server, source);
        }
        auto measure = [&](const std::string& name, const std::string& centre, Output output, const std::string& file,
                           const std::string& aide = "", bool onServer = false) {
            std::string target = runDb;
            if (onServer) target = serverCopies->fresh();
            else freshCopy(source, runDb);
            if (!file.empty()) fs::remove(file);
            std::cerr << name << " (centre " << centre << (aide.empty() ? "" : ", aidé " + aide) << ") ...\n";
            ChildOutcome c = benchrun::runInChild([&](Report& r) {
                benchrun::RunOptions ro;
                ro.db = target;
                ro.quarterLabel = label;
                ro.centre = centre;
                ro.aide = aide;
                ro.output = output;
                ro.file = file;
                benchrun::RunFigures fig = benchrun::runUnattended(ro);
                r.set("seconds", fig.seconds);
                r.set("aides", fig.aides);
                r.set("pages", fig.pages);
                r.set("round_trips", static_cast<long>(fig.roundTrips));
            });
            if (!c.ok) fail(name, c);
            return c;
        };
        auto rowOf = [&](const std::string& name, const std::string& centre, const ChildOutcome& c,
                         const std::string& file, const std::string& note) {
            double s = c.number("seconds");
            double aides = c.number("aides");
            Row r{name, centre, fixed(aides, 0), fixed(c.number("pages"), 0), fixed(s, 3), fixed(c.cpuSeconds, 3),
                  s > 0 ? fixed(aides / s, 0) : "", megabytes(c.peakRssKb, true), "", note};
            if (!file.empty() && fs::exists(file)) r.size = megabytes(fs::file_size(file), false);
            return r;
        };

        // 2. Computation and database work, no rendering.
        ChildOutcome compute = measure("compute", o.centre, Output::Null, "");
        rows.push_back(rowOf("compute", o.centre, compute, "", "null printer"));
        if (o.otherCentres) {
            for (const auto& c : centres) {
                if (c == o.centre) continue;
                ChildOutcome other = measure("compute", c, Output::Null, "");
                rows.push_back(rowOf("compute", c, other, "", "null printer"));
            }
        }
        // 3. The journal printer.
        const std::string journal = work + "/run.journal";
        ChildOutcome jnl = measure("journal", o.centre, Output::Journal, journal);
        rows.push_back(rowOf("journal", o.centre, jnl, journal, "journal file"));
        // The same journal run on the server, taking turns with the file's three times: the
        // goal compares the medians, the machine being shared.
        ChildOutcome jnlServer;
        std::vector<double> fileTimes, serverTimes;
        bench::Busy serverBusy;
        if (serverCopies) {
            const bench::MachineSnapshot serverStart = bench::MachineSnapshot::now();
            const std::string serverJournal = work + "/run-server.journal";
            auto median = [](std::vector<double> v) {
                std::sort(v.begin(), v.end());
                return v[v.size() / 2];
            };
            for (int turn = 0; turn < 3; ++turn) {
                if (turn > 0) fileTimes.push_back(measure("journal", o.centre, Output::Journal, journal).number("seconds"));
                else fileTimes.push_back(jnl.number("seconds"));
                jnlServer = measure("journal on the server", o.centre, Output::Journal, serverJournal, "", true);
                serverTimes.push_back(jnlServer.number("seconds"));
            }
            Row r = rowOf("journal server", o.centre, jnlServer, serverJournal, "journal file, PostgreSQL");
            r.seconds = fixed(median(serverTimes), 3);
            r.note += ", median of 3, " + fixed(jnlServer.number("round_trips"), 0) + " round trips";
            serverBusy = bench::busySince(serverStart);
            rows.push_back(r);
            fileTimes = {median(fileTimes)};
            serverTimes = {median(serverTimes)};
            auto bytes = [](const std::string& path) {
                std::ifstream in(path, std::ios::binary);
                return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            };
            if (bytes(serverJournal) != bytes(journal)) std::cerr << "warning: the server's journal differs from the file's\n";
        }
        // 4. The PDF printer.
        const std::string pdf = work + "/run.pdf";
        const bench::MachineSnapshot pdfStart = bench::MachineSnapshot::now();
        ChildOutcome pdfRun = measure("pdf", o.centre, Output::Pdf, pdf);
        rows.push_back(rowOf("pdf", o.centre, pdfRun, pdf, "QtPrinterSystem index 0"));
        // 5. The journal of step 3 rendered to PDF alone.
        const std::string rendered = work + "/render.pdf";
        fs::remove(rendered);
        std::cerr << "render ...\n";
        ChildOutcome render = benchrun::runInChild([&](Report& r) {
            r.set("seconds", benchrun::renderJournal(journal, rendered));
        });
        if (!render.ok) fail("render", render);
        const bench::Busy pdfBusy = bench::busySince(pdfStart);  // both sides of the ratio
        {
            Row r = rowOf("render", o.centre, render, rendered, "journal -> PDF");
            r.aides = jnl.text("aides");
            r.pages = jnl.text("pages");
            double s = render.number("seconds");
            r.rate = s > 0 ? fixed(jnl.number("aides") / s, 0) : "";
            rows.push_back(r);
        }
        // 6. The single aidé in process (shows what the host call adds), then as a host calls it.
        ChildOutcome one = measure("single in-process", o.centre, Output::Pdf, work + "/one-inproc.pdf", o.aide);
        rows.push_back(rowOf("single in-process", o.centre, one, work + "/one-inproc.pdf", "aidé " + o.aide + ", PDF"));
        if (one.number("aides") != 1)
            std::cerr << "warning: aidé " << o.aide << " printed " << one.text("aides")
                      << " declarations on centre " << o.centre << " (expected 1)\n";
        // The unattended run of one aidé as a host calls it, against the floor of any program
        // that opens the database: the sqlite3 shell opening the same copy and reading one
        // row. Run in turns, pair by pair, the first of the pair changing every time, so that
        // a noisy host slows both sides of a pair alike; the goal is the median of the
        // pairs' ratios.
        struct Single {
            const char* name;
            std::vector<std::string> printer;  // the options that choose the output
            std::vector<double> times, ratios;
            long rss = 0;
            double cpu = 0;
            bench::Busy busy;
        };
        const std::string oneJournal = work + "/one.journal";
        const std::string onePdf = work + "/one.pdf";
        std::vector<Single> singles = {
            {"single dnt, journal", {"--printer", "MATRICIELLE", "--output", "/dev/null", "--journal", oneJournal}},
            {"single dnt, PDF", {"--output", onePdf}},
        };
        std::vector<double> shellTimes;
        const std::string row = "SELECT data FROM records WHERE file = 'CIVILAIDE' AND key = '" + o.aide + "'";
        std::cerr << "single x" << o.single << " (" << dnt << ", each beside sqlite3) ...\n";
        for (Single& one : singles) {
            const bench::MachineSnapshot singleStart = bench::MachineSnapshot::now();
            for (int i = 0; i < o.single; ++i) {
                freshCopy(source, runDb);
                std::vector<std::string> args = {dnt, "print", "--db", runDb, "--quarter", key, "--centre", o.centre,
                                                 "--omr", "--aide", o.aide};
                args.insert(args.end(), one.printer.begin(), one.printer.end());
                auto ours = [&] {
                    ChildOutcome c = benchrun::runProgram(args);
                    if (!c.ok) fail("dnt print", c);
                    return c;
                };
                auto shell = [&] {
                    ChildOutcome c = benchrun::runProgram({"/usr/bin/sqlite3", runDb, row});
                    if (!c.ok) fail("sqlite3", c);
                    return c.wallSeconds;
                };
                ChildOutcome c;
                double floor = 0;
                if (i % 2) {
                    floor = shell();
                    c = ours();
                } else {
                    c = ours();
                    floor = shell();
                }
                one.times.push_back(c.wallSeconds);
                one.ratios.push_back(c.wallSeconds / floor);
                shellTimes.push_back(floor);
                one.rss = std::max(one.rss, c.peakRssKb);
                one.cpu += c.cpuSeconds;
            }
            one.busy = bench::busySince(singleStart);
        }
        auto medianOf = [](std::vector<double> v) {
            if (v.empty()) return 0.0;
            std::sort(v.begin(), v.end());
            const size_t n = v.size();
            return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
        };
        for (const Single& one : singles) {
            if (one.times.empty()) continue;
            const size_t n = one.times.size();
            Row r{one.name, o.centre, "1", "", fixed(medianOf(one.times) * 1000, 1) + " ms",
                  fixed(one.cpu / static_cast<double>(n) * 1000, 1) + " ms", "", megabytes(one.rss, true), "",
                  "median of " + std::to_string(n) + ", min " +
                      fixed(*std::min_element(one.times.begin(), one.times.end()) * 1000, 1) + " ms"};
            rows.push_back(r);
        }
        if (!shellTimes.empty())
            rows.push_back({"sqlite3 shell, one row", o.centre, "", "", fixed(medianOf(shellTimes) * 1000, 1) + " ms", "",
                            "", "", "", "median of " + std::to_string(shellTimes.size()) + ", the floor of the single runs"});

        // The desktop, as a person starts it: process start to its screen shown (offscreen,
        // grabbed to a picture), median of the same number of starts.
        double guiMedian = 0;
        if (!o.gui.empty()) {
            std::vector<double> starts;
            std::cerr << "dnt-gui x" << std::max(o.single, 1) << " ...\n";
            for (int i = 0; i < std::max(o.single, 1); ++i) {
                ChildOutcome c = benchrun::runProgram({fs::absolute(o.gui).string(), "--db", source, "--screenshot",
                                                       work + "/screen.png"});
                if (!c.ok) fail("dnt-gui", c);
                starts.push_back(c.wallSeconds);
            }
            std::sort(starts.begin(), starts.end());
            guiMedian = starts[starts.size() / 2];
            rows.push_back({"dnt-gui screen", "", "", "", fixed(guiMedian * 1000, 1) + " ms", "", "", "", "",
                            "median of " + std::to_string(starts.size()) + ", start to screen shown"});
        }

        // A whole quarter of databases of growing size: the time per declaration and the
        // memory should not grow with the number of aidés.
        std::vector<benchrun::ScaleRow> scale;
        if (!o.scale.empty())
            scale = benchrun::runScale(o.scale, o.seed, o.centre, work, serverCopies ? o.server : std::string());

        // The table and the goals.
        std::cout << "\nWhole runs, quarter " << label << " (" << key << "), database " << source << " ("
                  << f.text("aides") << " aidés)\n\n";
        printTable(rows);
        if (!scale.empty()) {
            std::cout << "\nA whole quarter (centre " << o.centre << ") of databases of growing size\n\n";
            benchrun::printScale(scale);
        }
        double ratio = render.number("seconds") > 0 ? pdfRun.number("seconds") / render.number("seconds") : 0;
        double pdfMb = pdfRun.peakRssKb / 1024.0;
        std::cout << "\n";
        std::cout.flush();
        using bench::printGoal;
        printGoal("PDF run / rendering its journal alone, " + f.text("aides") + " aidés", fixed(ratio, 2) + " (" +
                      fixed(pdfRun.number("seconds"), 3) + " s / " + fixed(render.number("seconds"), 3) + " s)",
                  "<= 1.10", ratio <= 1.1, false, pdfBusy);
        if (serverCopies && fileTimes.front() > 0) {
            const double r = serverTimes.front() / fileTimes.front();
            printGoal("journal run, server / file, " + f.text("aides") + " aidés, medians of 3",
                      fixed(r, 2) + " (" + fixed(serverTimes.front(), 3) + " s / " + fixed(fileTimes.front(), 3) + " s)",
                      "<= 1.50", r <= 1.5, false, serverBusy);
            const double perDeclaration = jnl.number("aides") > 0 ? jnlServer.number("round_trips") / jnl.number("aides") : 0;
            printGoal("round trips per declaration, server (counted by the client)",
                      fixed(perDeclaration, 2) + " (" + fixed(jnlServer.number("round_trips"), 0) + " for " +
                          jnl.text("aides") + " declarations)",
                      "<= 2", perDeclaration <= 2, false, serverBusy);
        }
        printGoal("PDF run peak RSS", fixed(pdfMb, 1) + " MB", "< 200 MB", pdfMb < 200, false, pdfBusy);
        for (const Single& one : singles) {
            if (one.ratios.empty()) continue;
            const bool pdfOutput = std::string(one.name).find("PDF") != std::string::npos;
            const double r = medianOf(one.ratios);
            printGoal(std::string("dnt print --omr --aide") + (pdfOutput ? " to PDF" : " to the journal") +
                          " / sqlite3 reading one row, in pairs",
                      fixed(r, 2) + " (median of " + std::to_string(one.ratios.size()) + " pairs; " +
                          fixed(medianOf(one.times) * 1000, 1) + " / " + fixed(medianOf(shellTimes) * 1000, 1) + " ms)",
                      pdfOutput ? "<= 4" : "<= 3", r <= (pdfOutput ? 4.0 : 3.0), false, one.busy);
        }
        if (!o.gui.empty())
            printGoal("dnt-gui --db, start to screen shown, median", fixed(guiMedian * 1000, 1) + " ms", "< 300 ms",
                      guiMedian < 0.3);
        benchrun::printScaleGoals(scale);
        std::cout << "\nTime: inside each child, database open to document closed (the PDF runs create the GUI\n"
                     "application before). CPU: user + system of the whole child. Peak RSS: the child's ru_maxrss.\n"
                     "single dnt: wall time of the whole process, fork to reaping; its CPU is the mean.\n";
        std::cout << "\nReproduce:";
        for (int i = 0; i < argc; ++i) std::cout << " " << shellQuote(argv[i]);
        std::cout << "\n";
    } catch (const std::exception& e) {
        std::cerr << "dnt_bench_run: " << e.what() << "\n";
        status = 1;
    }
    if (madeWork && !o.keep) {
        std::error_code ec;
        fs::remove_all(work, ec);
    } else {
        std::cerr << "outputs kept in " << work << "\n";
    }
    return status;
}
