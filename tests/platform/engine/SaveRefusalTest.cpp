// Saves that must not happen: over a write-protected file, into a write-protected directory, onto
// a full or a read-only file system. Every save mode of every format fails with ErrFileWrite naming
// the document, and leaves the document byte for byte as it was with nothing beside it.
#include "EngineTestPages.h"

#include "platform/engine/AtomicFile.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace scanvo::engine;
using namespace enginetest;

namespace {

constexpr int kDelete = -1;  // Edit::mode of a page deletion
constexpr uid_t kNobody = 65534;

struct Edit {
    int format;
    int mode;  // a save mode, or kDelete
    int page;
};

std::string describe(const Edit& edit)
{
    static const char* const modes[] = {"new", "append", "replace", "insert"};
    return "format " + std::to_string(edit.format) + ", " + (edit.mode == kDelete ? "delete" : modes[edit.mode]);
}

// Every save mode of every format code, and page deletion, on a document of that format.
std::vector<Edit> everyEdit()
{
    std::vector<Edit> edits;
    for (const int format : {FormatTiffUncompressed, FormatTiffJpeg444, FormatTiffLzw, FormatTiffJpeg411,
                             FormatTiffJpeg422, FormatTiffCcitt, FormatTiffG3OneDim, FormatTiffG3TwoDim, FormatTiffG4}) {
        edits.push_back({format, SaveNew, 0});
        edits.push_back({format, SaveAppend, 0});
        edits.push_back({format, SaveReplace, 2});
        edits.push_back({format, SaveInsert, 1});
        edits.push_back({format, kDelete, 2});
    }
    for (const int format : {FormatJpeg444, FormatJpeg411, FormatJpeg422}) {
        edits.push_back({format, SaveNew, 0});
        edits.push_back({format, SaveReplace, 1});
    }
    return edits;
}

QString documentIn(const QString& dir, const Edit& edit, const QString& stem = QStringLiteral("document"))
{
    return dir + QLatin1Char('/') + stem + (IsJpegFileFormat(edit.format) ? QStringLiteral(".jpg") : QStringLiteral(".tif"));
}

// Drawn once each: the pages are the same for every edit, and a child process finds them ready.
const Image& pageFor(int format, int label)
{
    static std::map<std::pair<bool, int>, Image> pages;
    const bool bitonal = IsBitonalFormat(format);
    Image& page = pages[{bitonal, label}];
    if (page.isNull())
        page = bitonal ? BitonalPage(160, 120, label) : ColourPage(160, 120, label);
    return page;
}

void save(int format, int mode, int page, int label, const QString& path)
{
    SaveOptions options;
    options.format = format;
    options.mode = mode;
    options.page = page;
    SavePage(pageFor(format, label), path, options);
}

// A document of the edit's format: two pages, or one in a JPEG file.
void makeDocument(const Edit& edit, const QString& path)
{
    save(edit.format, SaveNew, 0, 1, path);
    if (!IsJpegFileFormat(edit.format))
        save(edit.format, SaveAppend, 0, 2, path);
}

void runEdit(const Edit& edit, const QString& path)
{
    if (edit.mode == kDelete)
        DeletePage(path, edit.page);
    else
        save(edit.format, edit.mode, edit.page, 3, path);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What is wrong with the way edit was refused on path (empty when nothing): it must fail with
// ErrFileWrite naming the document, never its temporary file, and change nothing in the directory.
// Plain text, so that a child process can report it as well.
QString refusalProblems(const Edit& edit, const QString& path)
{
    const QString dir = QFileInfo(path).absolutePath();
    const QByteArray before = contents(path);
    const QStringList entries = DirEntries(dir);
    QString problems;
    try {
        runEdit(edit, path);
        problems += QStringLiteral("the edit went through; ");
    } catch (const EngineError& error) {
        if (error.number() != ErrFileWrite || !error.description().contains(path) ||
            error.description().contains(QStringLiteral(".tmp-")))
            problems += QStringLiteral("error %1 %2; ").arg(error.number()).arg(error.description());
    } catch (const std::exception& error) {
        problems += QStringLiteral("unexpected exception %1; ").arg(QString::fromLocal8Bit(error.what()));
    }
    if (contents(path) != before)
        problems += QStringLiteral("the document changed; ");
    if (DirEntries(dir) != entries)
        problems += QStringLiteral("the directory now holds %1; ").arg(DirEntries(dir).join(QLatin1Char(' ')));
    return problems;
}

void setMode(const QString& path, mode_t mode)
{
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

// A small tmpfs mounted for the scope (as root only: see mounted()).
class SmallFileSystem {
public:
    SmallFileSystem(const QString& at, int kilobytes) : m_at(QFile::encodeName(at))
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
        m_mounted = ::getuid() == 0 && ::mount("tmpfs", m_at.constData(), "tmpfs", 0, options.constData()) == 0;
        m_error = errno;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(m_at.constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return m_mounted; }
    std::string whyNot() const
    {
        return ::getuid() != 0 ? std::string("not run as root") : std::string(std::strerror(m_error));
    }
    bool setReadOnly(bool readOnly)
    {
        return ::mount(nullptr, m_at.constData(), nullptr, MS_REMOUNT | (readOnly ? MS_RDONLY : 0), nullptr) == 0;
    }

private:
    QByteArray m_at;
    bool m_mounted = false;
    int m_error = 0;
};

// Extends the file at path with zero bytes to a whole number of 4 KiB blocks.
void padToBlock(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite | QIODevice::Append));
    const qint64 size = file.size();
    ASSERT_TRUE(file.write(QByteArray((4096 - size % 4096) % 4096, '\0')) >= 0);
}

// Fills the file system of dir to the last byte with one file.
void fill(const QString& filler)
{
    const int fd = ::open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    const QByteArray block(64 * 1024, 'f');
    for (qsizetype size = block.size(); size > 0; size /= 2)
        while (::write(fd, block.constData(), size_t(size)) == ssize_t(size)) {
        }
    ::close(fd);
}

}  // namespace

TEST(SaveRefusals, AReadOnlyFileIsNotReplaced)
{
    // As root too: a file no one may write is left alone by everyone.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Edit& edit : everyEdit()) {
        SCOPED_TRACE(describe(edit));
        const QString path = documentIn(dir.path(), edit);
        makeDocument(edit, path);
        setMode(path, 0444);
        EXPECT_EQ(refusalProblems(edit, path).toStdString(), "");
        struct stat st {};
        ASSERT_EQ(stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0444u);
        // Made writable again, the same edit goes through.
        setMode(path, 0644);
        EXPECT_NO_THROW(runEdit(edit, path));
        ASSERT_TRUE(QFile::remove(path));
    }
}

TEST(SaveRefusals, AReadOnlyDirectoryTakesNoFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("document"));
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const Edit& edit : everyEdit()) {
        SCOPED_TRACE(describe(edit));
        const QString path = documentIn(folder, edit);
        makeDocument(edit, path);
        setMode(folder, 0555);
        EXPECT_EQ(refusalProblems(edit, path).toStdString(), "");
        // Not even a new file.
        if (edit.mode == SaveNew) {
            EXPECT_EQ(refusalProblems(edit, documentIn(folder, edit, QStringLiteral("new"))).toStdString(), "");
        }
        setMode(folder, 0755);
        EXPECT_NO_THROW(runEdit(edit, path));
        ASSERT_TRUE(QFile::remove(path));
    }
}

TEST(SaveRefusals, AFullOrReadOnlyFileSystemLeavesEveryDocumentAsItWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SmallFileSystem disk(dir.path(), 512);
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system to fill (" << disk.whyNot() << "); full-disk saves not tried";
    const QString filler = dir.filePath(QStringLiteral("filler"));
    for (const Edit& edit : everyEdit()) {
        SCOPED_TRACE(describe(edit));
        const QString path = documentIn(dir.path(), edit);
        makeDocument(edit, path);
        // A multi-page edit writes its page after the document's end, where the last block may have
        // room left: bytes after a TIFF's last page belong to no page, so padding to a whole block
        // leaves none.
        const bool multiPage = !IsJpegFileFormat(edit.format) && edit.mode != SaveNew;
        if (multiPage)
            padToBlock(path);
        fill(filler);
        if (edit.mode == kDelete) {
            // A deletion only relinks the chain of pages in place: it needs no room.
            EXPECT_NO_THROW(runEdit(edit, path)) << "full";
            EXPECT_EQ(PageCount(path), 1);
        } else {
            EXPECT_EQ(refusalProblems(edit, path).toStdString(), "") << "full";
        }
        ASSERT_TRUE(QFile::remove(filler));
        if (edit.mode == kDelete)
            makeDocument(edit, path);

        ASSERT_TRUE(disk.setReadOnly(true));
        EXPECT_EQ(refusalProblems(edit, path).toStdString(), "") << "read-only";
        ASSERT_TRUE(disk.setReadOnly(false));

        EXPECT_NO_THROW(runEdit(edit, path));
        ASSERT_TRUE(QFile::remove(path));
    }
}

TEST(SaveRefusals, AnOrdinaryUserChangesNoFileNotTheirs)
{
    // What the system's permission checks decide, seen by a user they apply to: run as root, the
    // checks run in a child process that has become the user "nobody".
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const bool root = ::getuid() == 0;
    const QString shared = dir.filePath(QStringLiteral("shared"));
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_TRUE(QDir().mkdir(locked));
    setMode(dir.path(), 0755);
    setMode(shared, 0777);
    const Edit jpeg{FormatJpeg422, SaveNew, 0};
    const Edit append{FormatTiffG4, SaveAppend, 0};
    // Someone else's files in a directory everyone may write to, and a directory only its owner may.
    const QString foreignJpeg = documentIn(shared, jpeg, QStringLiteral("foreign"));
    const QString foreignTiff = documentIn(shared, append, QStringLiteral("foreign"));
    makeDocument(jpeg, foreignJpeg);
    makeDocument(append, foreignTiff);
    const QString inLocked = documentIn(locked, jpeg);
    // One's own files, made read-only.
    const QString own = documentIn(shared, append, QStringLiteral("own"));
    const Edit ownJpeg{FormatJpeg444, SaveNew, 0};
    const QString ownPhoto = documentIn(shared, ownJpeg, QStringLiteral("own"));
    makeDocument(append, own);
    makeDocument(ownJpeg, ownPhoto);
    for (const QString& path : {own, ownPhoto}) {
        if (root) {
            ASSERT_EQ(chown(QFile::encodeName(path).constData(), kNobody, kNobody), 0);
        }
        setMode(path, 0444);
    }
    for (const Edit& edit : {jpeg, append, ownJpeg})
        pageFor(edit.format, 3);

    const auto checks = [&] {
        QString problems = refusalProblems(append, own) + refusalProblems(ownJpeg, ownPhoto);
        if (root)
            problems += refusalProblems(jpeg, foreignJpeg) + refusalProblems(append, foreignTiff) +
                        refusalProblems(jpeg, inLocked);
        return problems;
    };
    if (!root) {
        EXPECT_EQ(checks().toStdString(), "");
        return;
    }

    int out[2];
    ASSERT_EQ(pipe2(out, O_CLOEXEC), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QByteArray report;
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
            report = "cannot become nobody";
        else
            report = checks().toUtf8();
        (void)!write(out[1], report.constData(), size_t(report.size()));
        _exit(0);
    }
    ::close(out[1]);
    const QByteArray report = ReadAll(out[0], 60000);
    ::close(out[0]);
    EXPECT_EQ(WaitForChild(child, 10000), 0);
    EXPECT_EQ(report.toStdString(), "");
}
