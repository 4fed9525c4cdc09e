// Saves killed at random moments: a process writing back, appending, inserting, replacing or
// deleting pages is killed mid-way, again and again. Every document must then hold either its old
// or its new content, never a mix or a truncation: page for page, each page's stored data as it
// was or as the save makes it (an append writes in place, so a killed one leaves bytes after the
// file's end that no page reaches; other saves replace the file whole); and the temporary file a killed
// save leaves is removed the next time the document is opened, while that of a save still at work
// is left alone.
//
// SCANVO_CRASH_KILLS sets how many kills must land on a running save (200 by default).
#include "EngineTestPages.h"

#include "platform/engine/AtomicFile.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <poll.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace scanvo::engine;
using namespace enginetest;

namespace {

constexpr int kDefaultKills = 200;
constexpr int kReadyTimeoutMs = 20000;

struct Document {
    QString name;
    int format;
    QString newPage;  // file holding the page saves put into it
    bool singlePage;  // written back whole (mode 0), as single-page documents are
};

constexpr int kDelete = -1;
constexpr int kCompact = -2;

struct Operation {
    const char* name;  // as the worker takes it
    int mode;          // save mode, kDelete or kCompact
    int page;
};

// Starts the worker on one operation; its standard output is returned in *output.
pid_t startWorker(const QString& document, const Operation& op, const Document& doc, int* output)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return -1;
    const QByteArray path = QFile::encodeName(document), page = QByteArray::number(op.page),
                     format = QByteArray::number(doc.format), fresh = QFile::encodeName(doc.newPage);
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        const char* argv[] = {SCANVO_SAVE_WORKER, path.constData(), op.name, page.constData(),
                              format.constData(), fresh.constData(), nullptr};
        execv(SCANVO_SAVE_WORKER, const_cast<char* const*>(argv));
        _exit(127);
    }
    ::close(pipeEnds[1]);
    *output = pipeEnds[0];
    return child;
}

bool waitReady(int output)
{
    pollfd readable{output, POLLIN, 0};
    char byte = 0;
    return poll(&readable, 1, kReadyTimeoutMs) > 0 && read(output, &byte, 1) == 1 && byte == 'R';
}

// True when the system lists a lock on the file at path (its writer's flock).
bool isLocked(const QString& path)
{
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inode = ':' + QByteArray::number(qulonglong(st.st_ino)) + ' ';
    return locks.readAll().contains(inode);
}

// A document's content: the stored data of each page in order (a JPEG file's bytes as its page).
using Content = std::vector<std::vector<QByteArray>>;
Content contentOf(const QString& path, const Document& doc)
{
    if (IsJpegFileFormat(doc.format))
        return {{FileBytes(path)}};
    return RawPages(path);
}

void runInProcess(const QString& path, const Operation& op, const Document& doc)
{
    if (op.mode == kDelete) {
        DeletePage(path, op.page);
        return;
    }
    if (op.mode == kCompact) {
        CompactPageFile(path);
        return;
    }
    SaveOptions options;
    options.format = doc.format;
    options.mode = op.mode;
    options.page = op.page;
    SavePage(LoadPage(doc.newPage), path, options);
}

class CrashSafety : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_docs.isValid());
        ASSERT_TRUE(m_scratch.isValid());
        const QString bitonal = m_scratch.filePath(QStringLiteral("new-bitonal.tif"));
        const QString colour = m_scratch.filePath(QStringLiteral("new-colour.tif"));
        SavePage(BitonalPage(1240, 1754, 500), bitonal, SaveOptions());
        SaveOptions lossless;
        lossless.format = FormatTiffLzw;
        SavePage(ColourPage(620, 877, 501), colour, lossless);
        m_documents = {
            {QStringLiteral("letters.tif"), FormatTiffG4, bitonal, false},
            {QStringLiteral("photos.tif"), FormatTiffJpeg422, colour, false},
            {QStringLiteral("plans.tif"), FormatTiffLzw, colour, false},
            {QStringLiteral("page.tif"), FormatTiffG4, bitonal, true},
            {QStringLiteral("photo.jpg"), FormatJpeg422, colour, true},
        };
        for (const Document& doc : m_documents) {
            const QString path = m_docs.filePath(doc.name);
            const int pages = doc.singlePage ? 1 : 8;
            for (int i = 0; i < pages; ++i) {
                SaveOptions options;
                options.format = doc.format;
                options.mode = i == 0 ? SaveNew : SaveAppend;
                const Image page = IsBitonalFormat(doc.format) ? BitonalPage(1240, 1754, i + 1) : ColourPage(620, 877, i + 1);
                SavePage(page, path, options);
            }
            m_names << doc.name;
        }
        m_names.sort();
    }

    // The next operation on doc, its pages kept between 2 and 14.
    Operation pick(const Document& doc, int pages)
    {
        if (doc.singlePage)
            return {"new", SaveNew, 0};
        const int page = 1 + int(m_random() % unsigned(pages));
        if (m_random() % 8 == 0)
            return {"compact", kCompact, 0};  // whole rewrites, as edits that leave much unused make them
        switch (m_random() % 4) {
        case 0:
            return {"replace", SaveReplace, page};  // a page written back
        case 1:
            return pages < 14 ? Operation{"append", SaveAppend, 0} : Operation{"delete", kDelete, page};
        case 2:
            return pages < 14 ? Operation{"insert", SaveInsert, page} : Operation{"replace", SaveReplace, page};
        default:
            return pages > 2 ? Operation{"delete", kDelete, page} : Operation{"append", SaveAppend, 0};
        }
    }

    QTemporaryDir m_docs;
    QTemporaryDir m_scratch;
    std::vector<Document> m_documents;
    QStringList m_names;
    std::mt19937 m_random{20250611};
};

}  // namespace

TEST_F(CrashSafety, KilledSavesLeaveOldOrNewContentAndNoTemporaryFile)
{
    const int wanted = qEnvironmentVariableIsSet("SCANVO_CRASH_KILLS") ? qEnvironmentVariableIntValue("SCANVO_CRASH_KILLS")
                                                                       : kDefaultKills;
    int kills = 0, keptOld = 0, tookNew = 0, finished = 0, leftovers = 0, rounds = 0;
    QElapsedTimer clock;
    clock.start();
    for (; kills < wanted && rounds < wanted * 4; ++rounds) {
        const Document& doc = m_documents[m_random() % m_documents.size()];
        const QString path = m_docs.filePath(doc.name);
        const Operation op = pick(doc, doc.singlePage ? 1 : PageCount(path));
        SCOPED_TRACE(testing::Message() << "round " << rounds << ": " << op.name << " " << op.page << " on "
                                        << doc.name.toStdString());
        // What the save makes of the document, made here first on a copy.
        const QByteArray before = FileBytes(path);
        const Content beforePages = contentOf(path, doc);
        const QString copy = m_scratch.filePath(doc.name);
        WriteBytes(copy, before);
        QElapsedTimer timer;
        timer.start();
        runInProcess(copy, op, doc);
        const qint64 took = std::max<qint64>(timer.nsecsElapsed() / 1000, 200);
        const Content afterPages = contentOf(copy, doc);

        int output = -1;
        const pid_t worker = startWorker(path, op, doc, &output);
        ASSERT_GT(worker, 0);
        const bool ready = waitReady(output);
        ::close(output);
        if (ready)
            usleep(useconds_t(m_random() % std::uint64_t(took * 5 / 4)));
        ::kill(worker, SIGKILL);
        const int status = WaitForChild(worker, 20000);
        ASSERT_TRUE(ready) << "the worker did not start its save";
        if (status == 0)
            ++finished;
        else if (status == -1)
            ++kills;
        else
            ADD_FAILURE() << "the save failed in the worker: exit code " << status;

        const Content now = contentOf(path, doc);
        if (now == beforePages)
            ++keptOld;
        else if (now == afterPages)
            ++tookNew;
        else
            ADD_FAILURE() << "neither old nor new content: " << now.size() << " pages, old " << beforePages.size()
                          << ", new " << afterPages.size();
        // Opening the document removes what the killed save left; nothing else is there.
        leftovers += AtomicFile::RemoveStaleTemporaries(m_docs.path());
        ASSERT_EQ(DirEntries(m_docs.path()), m_names);
        if (HasFailure())
            break;
    }
    EXPECT_GE(kills, wanted);
    std::cout << "[ KILLS    ] " << kills << " saves killed while running in " << rounds << " rounds (" << finished
              << " finished first): " << keptOld << " documents kept their old content, " << tookNew
              << " their new one; " << leftovers << " temporary files removed on the next open; "
              << clock.elapsed() / 1000 << " s" << std::endl;
    RecordProperty("kills", kills);
    RecordProperty("leftovers", leftovers);
}

TEST_F(CrashSafety, ASaveAtWorkInAnotherProcessKeepsItsTemporaryFile)
{
    // A long document, so that the rewrite is still copying pages when it is caught.
    const Document& doc = m_documents[0];
    const QString path = m_docs.filePath(doc.name);
    for (int i = 0; i < 60; ++i)
        runInProcess(path, {"append", SaveAppend, 0}, doc);
    const QByteArray before = FileBytes(path);
    const Operation op{"compact", kCompact, 0};
    const QString copy = m_scratch.filePath(doc.name);
    WriteBytes(copy, before);
    runInProcess(copy, op, doc);
    const QByteArray after = FileBytes(copy);

    bool caught = false;
    for (int attempt = 0; attempt < 10 && !caught; ++attempt) {
        WriteBytes(path, before);
        int output = -1;
        const pid_t worker = startWorker(path, op, doc, &output);
        ASSERT_GT(worker, 0);
        ASSERT_TRUE(waitReady(output));
        ::close(output);
        // Stopped as soon as its temporary file shows, locked, the save is still at work.
        QString temporary;
        for (int waited = 0; waited < 5000 && temporary.isEmpty(); ++waited) {
            const QStringList found =
                QDir(m_docs.path()).entryList({QStringLiteral(".letters.tif.tmp-*")}, QDir::Files | QDir::Hidden);
            if (!found.isEmpty() && isLocked(m_docs.filePath(found.first())))
                temporary = found.first();
            else
                usleep(200);
        }
        ::kill(worker, SIGSTOP);
        caught = !temporary.isEmpty() && QFileInfo::exists(m_docs.filePath(temporary));
        if (caught) {
            EXPECT_EQ(AtomicFile::RemoveStaleTemporaries(m_docs.path()), 0);
            EXPECT_TRUE(QFileInfo::exists(m_docs.filePath(temporary)));
        }
        ::kill(worker, SIGCONT);
        EXPECT_EQ(WaitForChild(worker, 20000), 0);
        EXPECT_EQ(FileBytes(path), after);
        EXPECT_EQ(DirEntries(m_docs.path()), m_names);
    }
    EXPECT_TRUE(caught) << "no save was caught at work";
}
