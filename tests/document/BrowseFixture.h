#pragma once
// What the browsing tests share: a document root and settings directory of their own, the child
// controls the browsing code works on (built by the control's own step), and page
// files written through the engine.

#include "fixtures/ControlSurface.h"
#include "fixtures/ScriptedPrompter.h"
#include "platform/engine/Image.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failures for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace scanvo::engine {
class ImageViewer;
}

namespace scanvo::fixtures {

// A page of the given size and depth (1, 8 or 24) whose pixels tell pages apart: a block of
// ink whose width is the page's mark.
engine::Image MarkedPage(int width, int height, int depth, int mark, int xDpi = 300, int yDpi = 300);
// Writes pages as one TIFF file (G4 for 1-bit pages, LZW otherwise), or a JPEG file.
void WriteTiff(const QString& path, int pages, int width = 200, int height = 300);
void WriteJpeg(const QString& path, int width = 240, int height = 320);
// A TIFF of pages + 1 pages cut short after page `pages`: those stay readable, the last is lost.
void WriteCutTiff(const QString& path, int pages, int width = 200, int height = 300);
// A file whose name says TIFF but whose bytes are not an image.
void WriteCorruptTiff(const QString& path);

class BrowseTest : public ::testing::Test, protected ControlSurface {
protected:
    void SetUp() override;
    void TearDown() override;

    // The document directory of m_DocName below the root, created on first use.
    QString documentDir() const;
    QString documentFile(const QString& name) const { return documentDir() + u'/' + name; }
    // Opens the document docName with the requested type at the remembered position.
    void openDocument(qint16 requestedType, qint16 position);

    engine::ImageViewer* viewer() const;
    QStringList listTexts() const;
    // 1-based number of the selected list entry, 0 when none is selected.
    int selectedEntry() const;
    QString panel(int n) const;
    bool keyEnabled(QToolBar* toolbar, const char* key) const;
    QStringList zoomBoxEntries() const;

    ScriptedPrompter prompter;

private:
    QTemporaryDir m_config;
    QTemporaryDir m_root;
};

}  // namespace scanvo::fixtures
