#include "PdfTools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace pdftest {

ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs)
{
    ToolRun run;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        ADD_FAILURE() << program.toStdString() << " did not start";
        return run;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        ADD_FAILURE() << program.toStdString() << " did not end in time";
        return run;
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

QString PdfText(const QString& pdf)
{
    const ToolRun run = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QString::fromUtf8(run.out);
}

int PdfPageCount(const QString& pdf)
{
    const ToolRun run = RunTool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(run.out));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QList<QPair<QString, QByteArray>> PdfImageStreams(const QString& pdf, const QString& workDir)
{
    QDir().mkpath(workDir);
    const ToolRun run = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-all"), pdf, workDir + QStringLiteral("/img")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QList<QPair<QString, QByteArray>> streams;
    const QStringList names = QDir(workDir).entryList({QStringLiteral("img-*")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (name.endsWith(QStringLiteral(".params")))
            continue;
        QFile file(workDir + u'/' + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        streams.append({name, file.readAll()});
    }
    return streams;
}

QList<QImage> PdfDecodedImages(const QString& pdf, const QString& workDir)
{
    QDir().mkpath(workDir);
    const ToolRun run = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, workDir + QStringLiteral("/dec")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QList<QImage> images;
    for (const QString& name : QDir(workDir).entryList({QStringLiteral("dec-*.png")}, QDir::Files, QDir::Name))
        images.append(QImage(workDir + u'/' + name));
    return images;
}

QImage RenderPage(const QString& pdf, int page, int dpi, const QString& workDir)
{
    QDir().mkpath(workDir);
    const QString base = workDir + QStringLiteral("/page");
    const ToolRun run = RunTool(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page),
                                 QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"),
                                 QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
                                 QStringLiteral("-png"), pdf, base});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QImage(base + QStringLiteral(".png"));
}

QStringList Words(const QString& text)
{
    QStringList words;
    for (const QString& word : text.toLower().split(QRegularExpression(QStringLiteral("[^\\p{L}\\p{N}]+")), Qt::SkipEmptyParts))
        words.append(word);
    return words;
}

int WordsFound(const QStringList& expected, const QStringList& actual)
{
    QStringList pool = actual;
    int found = 0;
    for (const QString& word : expected) {
        const qsizetype at = pool.indexOf(word);
        if (at >= 0) {
            pool.removeAt(at);
            ++found;
        }
    }
    return found;
}

}  // namespace pdftest
