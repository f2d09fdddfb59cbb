// The Debian package as an administrator gets it: built by cpack from this build, the files
// it installs with their modes, its control fields, and the programs run from it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>

#include "support/database.h"

namespace {

using testsupport::has;
using testsupport::slurp;

struct Shell {
    int status;
    std::string out;
};

// Runs a command line through the shell: its status and its standard output.
Shell sh(const std::string& command) {
    Shell r{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
    int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

// The package that ctest's fixture Package.Build made from this build (into a folder of
// its own, not the one `make package` writes), and its files extracted as dpkg installs them.
struct Package {
    testsupport::TempDb folder;
    std::string deb, root;
    Package() {
        const std::string arch = sh("dpkg --print-architecture").out;
        deb = DNT_PACKAGE_DIR "/dnt_" DNT_VERSION "_" + arch.substr(0, arch.find('\n')) + ".deb";
        root = folder.dir() + "/root";
        sh("dpkg-deb -x " + deb + " " + root);
    }
};

const Package& package() {
    static Package p;
    return p;
}

}  // namespace

// Every file where Debian lays it out, owned by root, programs executable and nothing else.
TEST(Package, HoldsTheProgramsAndTheirFilesWhereDebianPutsThem) {
    ASSERT_TRUE(std::filesystem::exists(package().deb)) << package().deb << " is missing: ctest's Package.Build makes it";
    std::set<std::string> expected = {
        "usr/bin/dnt",
        "usr/bin/dnt-gui",
        "usr/lib/dnt/libdnt_qt_printers.so",  // the Qt printers, loaded by dnt when it prints on one
        "usr/share/applications/dnt-gui.desktop",
        "usr/share/bash-completion/completions/dnt",
        "usr/share/doc/dnt/changelog.gz",
        "usr/share/doc/dnt/copyright",
        "usr/share/doc/dnt/usage.md",
        "usr/share/icons/hicolor/scalable/apps/dnt-gui.svg",
        "usr/share/man/man1/dnt-gui.1.gz",
        "usr/share/man/man1/dnt.1.gz",
    };
    for (const auto& page : std::filesystem::directory_iterator(DNT_SOURCE_DIR "/help"))
        expected.insert("usr/share/dnt/help/" + page.path().filename().string());
    std::set<std::string> files;
    std::istringstream listing(sh("dpkg-deb -c " + package().deb).out);
    for (std::string mode, owner, size, date, time, path; listing >> mode >> owner >> size >> date >> time >> path;) {
        EXPECT_EQ(owner, "root/root") << path;
        if (mode[0] == 'd') {
            EXPECT_EQ(mode, "drwxr-xr-x") << path;
            continue;
        }
        path = path.substr(2);  // "./usr/..."
        EXPECT_EQ(mode, path.rfind("usr/bin/", 0) == 0 ? "-rwxr-xr-x" : "-rw-r--r--") << path;
        files.insert(path);
    }
    EXPECT_EQ(files, expected);
}

TEST(Package, ControlFieldsNameItsVersionAndWhatItNeeds) {
    auto field = [](const std::string& name) {
        std::string v = sh("dpkg-deb -f " + package().deb + " " + name).out;
        return v.substr(0, v.find_last_not_of('\n') + 1);
    };
    EXPECT_EQ(field("Package"), "dnt");
    EXPECT_EQ(field("Version"), DNT_VERSION);
    EXPECT_EQ(field("Architecture") + "\n", sh("dpkg --print-architecture").out);
    const std::string depends = field("Depends");
    for (const char* needed : {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                               "libqt6printsupport6", "libsqlite3-0", "fonts-liberation", "fonts-dejavu-core"})
        EXPECT_TRUE(has(depends, needed)) << needed << " in " << depends;
    // PostgreSQL's client is loaded only when a server is named.
    EXPECT_FALSE(has(depends, "libpq")) << depends;
    EXPECT_EQ(field("Recommends"), "libpq5");
    EXPECT_TRUE(has(field("Maintainer"), "@")) << field("Maintainer");
    EXPECT_TRUE(has(sh("zcat " + package().root + "/usr/share/doc/dnt/changelog.gz | head -1").out,
                    "dnt (" DNT_VERSION ")"));
}

// The programs as installed: their version, a demo database made and printed, the manual
// pages of every verb.
TEST(Package, ProgramsRunFromIt) {
    const std::string bin = package().root + "/usr/bin/";
    EXPECT_TRUE(sh(bin + "dnt --version").out.rfind("dnt " DNT_VERSION, 0) == 0);
    EXPECT_TRUE(sh("env -u DISPLAY -u WAYLAND_DISPLAY " + bin + "dnt-gui --version").out.rfind("dnt-gui " DNT_VERSION, 0) == 0);
    testsupport::TempDb tmp;
    ASSERT_EQ(sh(bin + "dnt demo --db " + tmp.path() + " --aides 3 --quarter 20251 2>&1").status, 0);
    EXPECT_EQ(sh(bin + "dnt db quarters --db " + tmp.path() + " | head -1").out, "20251\t1er  TRIMESTRE 2025\n");
    Shell print = sh(bin + "dnt print --db " + tmp.path() + " --quarter 20251 --centre 75 --output " + tmp.dir() +
                     "/d.pdf 2>&1");
    EXPECT_EQ(print.status, 0) << print.out;
    EXPECT_TRUE(slurp(tmp.dir() + "/d.pdf").rfind("%PDF", 0) == 0);
    const std::string man = sh("zcat " + package().root + "/usr/share/man/man1/dnt.1.gz").out;
    for (const char* part : {".SH SYNOPSIS", ".SS dnt db runs", "\\fB\\-\\-pages\\-max\\fR", ".SH EXIT STATUS",
                             ".SH FILES", ".SH ENVIRONMENT"})
        EXPECT_TRUE(has(man, part)) << part;
    EXPECT_TRUE(has(sh("zcat " + package().root + "/usr/share/man/man1/dnt-gui.1.gz").out, "\\fB\\-\\-db\\fR"));
}
