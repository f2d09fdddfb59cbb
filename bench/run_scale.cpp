// Scale runs: generation, the whole quarter to the journal and to PDF, and the figures.
#include "bench/run_scale.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <stdexcept>

#include "bench/goals.h"
#include "bench/run_child.h"
#include "bench/run_modes.h"
#include "bench/run_server.h"

namespace fs = std::filesystem;

namespace benchrun {

namespace {

ChildOutcome checked(const std::string& what, ChildOutcome c) {
    if (!c.ok) throw std::runtime_error(what + ": " + (c.error.empty() ? "failed" : c.error));
    return c;
}

}  // namespace

std::vector<ScaleRow> runScale(const std::vector<int>& sizes, unsigned seed, const std::string& centre,
                               const std::string& work, const std::string& server) {
    std::vector<ScaleRow> rows;
    for (int aides : sizes) {
        const std::string db = work + "/scale-" + std::to_string(aides) + ".db";
        if (!fs::exists(db)) {
            std::cerr << "scale: generating " << aides << " aidés ...\n";
            checked("generation", runInChild([&](Report& r) { r.set("summary", generateDatabase(db, aides, seed)); }));
        }
        ChildOutcome facts = checked("reading the database", runInChild([&](Report& r) {
            r.set("quarter", readFacts(db).quarters.front());
        }));
        const std::string quarter = facts.text("quarter");
        std::unique_ptr<ServerCopies> copies;
        if (!server.empty()) copies = std::make_unique<ServerCopies>(server, db);
        for (const char* output : {"journal", "pdf", "journal server"}) {
            const bool onServer = std::string(output) == "journal server";
            if (onServer && !copies) continue;
            const std::string run = work + "/scale-run.db";
            std::string target = run;
            if (onServer) {
                target = copies->fresh();
            } else {
                fs::copy_file(db, run, fs::copy_options::overwrite_existing);
                for (const char* c : {"-wal", "-shm", "-locks"}) fs::remove(run + c);
            }
            const bool pdf = std::string(output) == "pdf";
            const std::string file = work + (pdf ? "/scale.pdf" : "/scale.journal");
            std::cerr << "scale: " << aides << " aidés, " << output << " ...\n";
            ChildOutcome c = checked(output, runInChild([&](Report& r) {
                RunOptions ro;
                ro.db = target;
                ro.quarterLabel = quarter;
                ro.centre = centre;
                ro.output = pdf ? Output::Pdf : Output::Journal;
                ro.file = file;
                RunFigures fig = runUnattended(ro);
                r.set("seconds", fig.seconds);
                r.set("aides", fig.aides);
            }));
            rows.push_back({aides, output, static_cast<long>(c.number("aides")), c.number("seconds"), c.peakRssKb});
        }
    }
    return rows;
}

void printScale(const std::vector<ScaleRow>& rows) {
    std::printf("%8s  %-14s  %12s  %9s  %13s  %11s\n", "aidés", "output", "declarations", "time s", "ms/declaration",
                "peak RSS MB");
    for (const ScaleRow& r : rows)
        std::printf("%8d  %-14s  %12ld  %9.3f  %13.3f  %11.1f\n", r.aides, r.output.c_str(), r.declarations, r.seconds,
                    r.perDeclarationMs(), r.peakRssKb / 1024.0);
    std::fflush(stdout);
}

void printScaleGoals(const std::vector<ScaleRow>& rows) {
    std::map<std::string, std::pair<const ScaleRow*, const ScaleRow*>> ends;  // smallest, largest
    for (const ScaleRow& r : rows) {
        auto& e = ends[r.output];
        if (!e.first || r.aides < e.first->aides) e.first = &r;
        if (!e.second || r.aides > e.second->aides) e.second = &r;
    }
    for (const auto& [output, e] : ends) {
        if (e.first == e.second || e.first->perDeclarationMs() <= 0) continue;
        const double ratio = e.second->perDeclarationMs() / e.first->perDeclarationMs();
        const bool server = output == "journal server";
        bench::printGoal("time per declaration, " + std::to_string(e.second->aides) + " / " +
                             std::to_string(e.first->aides) + " aidés, " + output,
                         bench::figure(ratio, 2) + " (" + bench::figure(e.second->perDeclarationMs(), 3) + " / " +
                             bench::figure(e.first->perDeclarationMs(), 3) + " ms)",
                         server ? "-" : "<= 1.20", ratio <= 1.2, server);
        const double mb = e.second->peakRssKb / 1024.0;
        bench::printGoal("peak RSS at " + std::to_string(e.second->aides) + " aidés, " + output,
                         bench::figure(mb, 1) + " MB", server ? "-" : "< 200 MB", mb < 200, server);
    }
}

}  // namespace benchrun
