// Writing the structured export, CSV or JSON.
#include "declaration/declaration_export.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "common/contribution_columns.h"
#include "printing/json_string.h"
#include "printing/output_error.h"

namespace declaration {

namespace {

std::string extension(const std::filesystem::path& path) {
    std::string e = path.extension().string();
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return e;
}

// A text cell of the CSV (codes, names, the payment mode): one that a spreadsheet would
// take for a formula (beginning with =, +, -, @, a tab or a carriage return) gets a
// leading ' so that it stays a text; quoted when it holds the separator, a quote or a line
// break. The figures are written by the functions below, never through this one.
std::string champCsv(std::string v) {
    if (!v.empty() && std::string_view("=+-@\t\r").find(v.front()) != std::string_view::npos) v.insert(0, "'");
    if (v.find_first_of(";\"\r\n") == std::string::npos) return v;
    std::string q = "\"";
    for (char c : v) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + "\"";
}

// A printed decimal as a French spreadsheet reads a number: "12.50" becomes "12,50".
std::string decimalCsv(std::string v) {
    std::replace(v.begin(), v.end(), '.', ',');
    return v;
}

// A printed figure as a JSON number, exactly as printed ("12.00" stays 12.00); a blank
// cell is null.
std::string nombreJson(const std::string& v) { return v.empty() ? "null" : v; }

}  // namespace

bool DeclarationExport::knownExtension(const std::filesystem::path& path) {
    const std::string e = extension(path);
    return e == ".csv" || e == ".json";
}

DeclarationExport::DeclarationExport(const std::filesystem::path& path) {
    const std::string e = extension(path);
    if (e == ".csv") format_ = Format::Csv;
    else if (e == ".json") format_ = Format::Json;
    else throw std::invalid_argument("the export is a .csv or a .json file, not " + path.string());
    file_ = std::make_unique<printing::OutputFile>(path, printing::OutputFile::Mode::Delivered);
    std::ostream& out = file_->stream();
    if (format_ == Format::Csv) {
        // The byte order mark tells a spreadsheet that the file is UTF-8.
        out << "\xEF\xBB\xBFtrimestre;centre;code_aide;nom_aide;code_aidant;nom_aidant;heures;net_horaire";
        for (const dnt::ContributionColumn& c : dnt::kContributionColumns) out << ';' << c.exportName;
        for (const dnt::ContributionColumn& c : dnt::kContributionColumns) out << ";total_" << c.exportName;
        out << ";ajouter_deduire;montant_du_a;montant_du_b;net_a_payer;reglement\r\n";
    } else {
        out << "[";
    }
    check();
}

DeclarationExport::~DeclarationExport() = default;

void DeclarationExport::check() {
    if (!file_->stream()) throw printing::OutputError(file_->error().empty() ? "cannot write the export" : file_->error());
}

void DeclarationExport::add(const dnt::AideDeclaration& d) {
    if (finished_) throw printing::OutputError("the export " + file_->path().string() + " is already finished");
    std::ostream& out = file_->stream();
    if (format_ == Format::Csv) {
        std::string pied;
        for (long t : d.totals) pied += ";" + std::to_string(t);
        pied += ";" + std::to_string(d.adjustment) + ";" + std::to_string(d.dueA) + ";" +
                std::to_string(d.dueB) + ";" + std::to_string(d.netToPay) + ";" + champCsv(d.payment);
        for (const dnt::DeclaredLine& l : d.lines) {
            out << champCsv(d.quarterKey) << ';' << champCsv(d.centre) << ';' << champCsv(d.aide) << ';'
                << champCsv(d.aideName) << ';' << champCsv(l.aidant) << ';' << champCsv(l.aidantName) << ';'
                << decimalCsv(l.hours) << ';' << decimalCsv(l.netHourly);
            for (const std::string& m : l.amounts) out << ';' << m;
            out << pied << "\r\n";
        }
    } else {
        out << (count_ ? ",\n" : "\n") << "{\"trimestre\": " << printing::jsonQuote(d.quarterKey)
            << ", \"centre\": " << printing::jsonQuote(d.centre) << ", \"aide\": {\"code\": " << printing::jsonQuote(d.aide)
            << ", \"nom\": " << printing::jsonQuote(d.aideName) << "},\n \"lignes\": [";
        for (size_t i = 0; i < d.lines.size(); ++i) {
            const dnt::DeclaredLine& l = d.lines[i];
            out << (i ? ",\n  " : "\n  ") << "{\"aidant\": {\"code\": " << printing::jsonQuote(l.aidant)
                << ", \"nom\": " << printing::jsonQuote(l.aidantName) << "}, \"heures\": " << nombreJson(l.hours)
                << ", \"net_horaire\": " << nombreJson(l.netHourly);
            for (const dnt::ContributionColumn& c : dnt::kContributionColumns)
                out << ", \"" << c.exportName << "\": " << nombreJson(l.amounts[dnt::indexOf(c.column)]);
            out << "}";
        }
        out << "],\n \"totaux\": {";
        for (const dnt::ContributionColumn& c : dnt::kContributionColumns)
            out << (c.column == dnt::Column::CsgRds ? "\"" : ", \"") << c.exportName << "\": " << d.totals[dnt::indexOf(c.column)];
        out << "}, \"ajouter_deduire\": " << d.adjustment << ", \"montants_dus\": {\"a\": " << d.dueA
            << ", \"b\": " << d.dueB << "}, \"net_a_payer\": " << d.netToPay
            << ", \"reglement\": " << printing::jsonQuote(d.payment) << "}";
    }
    ++count_;
    check();
}

void DeclarationExport::finish() {
    if (finished_) return;
    if (format_ == Format::Json) file_->stream() << (count_ ? "\n]\n" : "]\n");
    check();
    file_->sync();
    finished_ = true;
}

void DeclarationExport::deliver() {
    finish();
    try {
        file_->deliver();
    } catch (const printing::OutputError& e) {
        file_->keep();
        std::error_code ec;
        const bool there = std::filesystem::exists(file_->writtenPath(), ec);
        throw ExportNotDelivered(e.what(), there ? file_->writtenPath() : std::filesystem::path());
    }
}

namespace {

class FollowingSink : public printing::PageSink {
public:
    explicit FollowingSink(DeclarationExport& e) : export_(e) {}
    void beginPage(int) override {}
    void font(const std::string&, double, bool) override {}
    void width(int) override {}
    void text(double, double, const std::string&) override {}
    void line(double, double, double, double) override {}
    void endDocument() override { export_.finish(); }
    void deliver() override { export_.deliver(); }

private:
    DeclarationExport& export_;
};

}  // namespace

std::unique_ptr<printing::PageSink> DeclarationExport::followingSink() { return std::make_unique<FollowingSink>(*this); }

}  // namespace declaration
