// Parsing and listing the options of a table.
#include "tools/common/OptionTable.h"

#include "tools/common/ToolTexts.h"

#include <QCoreApplication>

#include <algorithm>

namespace scanvo::tools {

namespace {

QCommandLineOption OptionOf(const OptionRow& row)
{
    QStringList names;
    if (row.shortName != 0)
        names << QString(QLatin1Char(row.shortName));
    names << QString::fromLatin1(row.longName);
    QCommandLineOption option(names);
    if (row.valueName)
        option.setValueName(QString::fromLatin1(row.valueName));
    return option;
}

}  // namespace

bool OptionTable::parse(QCommandLineParser& parser, const QStringList& arguments) const
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    for (const OptionRow& row : m_rows)
        parser.addOption(OptionOf(row));
    return parser.parse(arguments);
}

const OptionRow& OptionTable::row(int id) const
{
    const auto found = std::ranges::find(m_rows, id, &OptionRow::id);
    Q_ASSERT(found != m_rows.end());
    return *found;
}

bool OptionTable::isSet(const QCommandLineParser& parser, int id) const
{
    return parser.isSet(QString::fromLatin1(row(id).longName));
}

QString OptionTable::value(const QCommandLineParser& parser, int id) const
{
    return parser.value(QString::fromLatin1(row(id).longName));
}

int OptionTable::number(const QCommandLineParser& parser, int id, int min, int max, int fallback, QString* error) const
{
    if (!isSet(parser, id))
        return fallback;
    bool ok = false;
    const int value = this->value(parser, id).toInt(&ok);
    if (!ok || value < min || value > max) {
        *error = QCoreApplication::translate("ToolTexts", "invalid value '%1' for --%2 (%3 to %4)")
                     .arg(this->value(parser, id), QString::fromLatin1(row(id).longName))
                     .arg(min)
                     .arg(max);
        return fallback;
    }
    return value;
}

QString OptionTable::help() const
{
    QString text;
    const char* group = nullptr;
    for (const OptionRow& row : m_rows) {
        if (row.group != group) {
            group = row.group;
            text += u'\n' + ToolText(group) + u'\n';
        }
        QString names = row.shortName ? QStringLiteral("  -%1, ").arg(QLatin1Char(row.shortName)) : QStringLiteral("      ");
        names += QStringLiteral("--") + QString::fromLatin1(row.longName);
        if (row.valueName)
            names += u'=' + QString::fromLatin1(row.valueName);
        const QStringList lines = ToolText(row.description).split(u'\n');
        for (int i = 0; i < lines.size(); ++i)
            text += (i == 0 ? names : QString()).leftJustified(28) + lines[i] + u'\n';
    }
    return text;
}

}  // namespace scanvo::tools
