#pragma once
// The record of one task of a run: a JSON line for each input, in a file beside the outputs, so
// that an operator can merge the records of all tasks and find what failed.

#include "tools/common/Shard.h"

#include <QFile>
#include <QString>

namespace scanvo::tools {

// What became of one input.
constexpr const char* kRecordDone = "done";          // its output was written
constexpr const char* kRecordUpToDate = "up-to-date"; // its output was newer than it and was kept
constexpr const char* kRecordFailed = "failed";      // nothing was written; error says why

struct RecordEntry {
    QString input;
    QString output;
    const char* status = kRecordDone;
    int pages = 0;        // pages written
    double seconds = 0;   // time spent on it
    QString error;
};

// The entry of an input written (done) or not (failed, when error is set).
RecordEntry WrittenOrFailed(const QString& input, const QString& output, int pages, double seconds,
                            const QString& error);

// One line of JSON with the keys input, output, status, pages, seconds and error, ending in '\n'.
QByteArray RecordLine(const RecordEntry& entry);

// "PROGRAM.shard-K-of-N.jsonl".
QString RecordFileName(const char* program, const Shard& shard);

// A record file, started afresh: a retried task records every input of its shard again. Each
// line goes to the file in one write, so a task killed at any moment leaves whole lines only.
class TaskRecord {
public:
    // Empties or creates path; *error says why it cannot be written.
    bool open(const QString& path, QString* error);
    // Appends the entry's line; false when the file cannot take it.
    bool add(const RecordEntry& entry);

private:
    QFile m_file;
};

}  // namespace scanvo::tools
