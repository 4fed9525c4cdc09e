#pragma once
// The PDF tools the export is checked with (poppler-utils, qpdf), run with bounded waits.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace pdftest {

struct ToolRun {
    int exitCode = -1;  // -1: did not start or did not end in time
    QByteArray out;
    QByteArray err;
};

ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 120000);
// pdftotext's text of the whole file.
QString PdfText(const QString& pdf);
// pdfinfo's "Pages:".
int PdfPageCount(const QString& pdf);
// The image streams of every page as stored (pdfimages -all), in page order: file name and bytes.
QList<QPair<QString, QByteArray>> PdfImageStreams(const QString& pdf, const QString& workDir);
// The images of every page decoded (pdfimages -png), in page order.
QList<QImage> PdfDecodedImages(const QString& pdf, const QString& workDir);
// Page (1-based) rendered at dpi without smoothing, as pdftoppm draws it.
QImage RenderPage(const QString& pdf, int page, int dpi, const QString& workDir);
// Words of text, lower case, letters and digits only.
QStringList Words(const QString& text);
// How many of expected's words appear in actual (each counted once per occurrence).
int WordsFound(const QStringList& expected, const QStringList& actual);

}  // namespace pdftest
