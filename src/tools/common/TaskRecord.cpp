// Writing a task's record.
#include "tools/common/TaskRecord.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace scanvo::tools {

RecordEntry WrittenOrFailed(const QString& input, const QString& output, int pages, double seconds,
                            const QString& error)
{
    return {input, output, error.isEmpty() ? kRecordDone : kRecordFailed, pages, seconds, error};
}

QByteArray RecordLine(const RecordEntry& entry)
{
    const QJsonObject object{
        {QStringLiteral("input"), entry.input},
        {QStringLiteral("output"), entry.output},
        {QStringLiteral("status"), QString::fromLatin1(entry.status)},
        {QStringLiteral("pages"), entry.pages},
        {QStringLiteral("seconds"), std::round(entry.seconds * 1000) / 1000},
        {QStringLiteral("error"), entry.error},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QString RecordFileName(const char* program, const Shard& shard)
{
    return QStringLiteral("%1.%2.jsonl").arg(QString::fromLatin1(program), shard.tag());
}

bool TaskRecord::open(const QString& path, QString* error)
{
    m_file.setFileName(path);
    // Unbuffered: each line is one write(2), never split across two by a buffer running full.
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return true;
    *error = QCoreApplication::translate("ToolTexts", "cannot write the record %1: %2").arg(path, m_file.errorString());
    return false;
}

bool TaskRecord::add(const RecordEntry& entry)
{
    const QByteArray line = RecordLine(entry);
    return m_file.write(line) == line.size();
}

}  // namespace scanvo::tools
