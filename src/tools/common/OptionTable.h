#pragma once
// A tool's command-line options declared once, as a table that both the parser and --help read.

#include <QCommandLineParser>
#include <QString>

#include <span>

namespace scanvo::tools {

struct OptionRow {
    int id;                   // the tool's own name for the option
    char shortName;           // 0 for none
    const char* longName;
    const char* valueName;    // nullptr for a flag
    const char* description;  // lines split at '\n'
    const char* group;        // the heading it is listed under in --help
};

class OptionTable {
public:
    explicit OptionTable(std::span<const OptionRow> rows) : m_rows(rows) {}

    // Parses arguments (the program name first) with every option of the table; single-dash
    // words are compacted short options ("-bsB").
    bool parse(QCommandLineParser& parser, const QStringList& arguments) const;
    bool isSet(const QCommandLineParser& parser, int id) const;
    QString value(const QCommandLineParser& parser, int id) const;
    // A whole number in min ... max, fallback when the option is not given, or an error naming
    // the option (and fallback).
    int number(const QCommandLineParser& parser, int id, int min, int max, int fallback, QString* error) const;
    // The options as --help lists them: under their group headings, in table order, the
    // descriptions in one column.
    QString help() const;

private:
    const OptionRow& row(int id) const;

    std::span<const OptionRow> m_rows;
};

}  // namespace scanvo::tools
