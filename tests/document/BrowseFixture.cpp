#include "BrowseFixture.h"

#include "control/PaneLayout.h"
#include "control/ToolbarBuilder.h"
#include "control/ToolbarTables.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "core/ToolbarStates.h"
#include "document/FileList.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>

namespace scanvo::fixtures {

engine::Image MarkedPage(int width, int height, int depth, int mark, int xDpi, int yDpi)
{
    QImage drawn(width, height, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.fillRect(0, 0, std::min(mark, width), std::max(1, height / 4), depth == 24 ? Qt::red : Qt::black);
    painter.end();
    QImage converted = depth == 1    ? drawn.convertToFormat(QImage::Format_Mono)
                       : depth == 8  ? drawn.convertToFormat(QImage::Format_Grayscale8)
                                     : drawn;
    engine::Image page = engine::Image::fromQImage(converted);
    page.setResolution(xDpi, yDpi);
    return page;
}

void WriteTiff(const QString& path, int pages, int width, int height)
{
    for (int page = 1; page <= pages; ++page) {
        engine::SaveOptions options;
        options.format = engine::FormatTiffG4;
        options.mode = page == 1 ? engine::SaveNew : engine::SaveAppend;
        engine::SavePage(MarkedPage(width, height, 1, 10 * page), path, options);
    }
}

void WriteJpeg(const QString& path, int width, int height)
{
    engine::SaveOptions options;
    options.format = engine::FormatJpeg444;
    options.quality = 50;
    engine::SavePage(MarkedPage(width, height, 24, 30), path, options);
}

void WriteCutTiff(const QString& path, int pages, int width, int height)
{
    WriteTiff(path, pages, width, height);
    const qint64 intact = QFileInfo(path).size();
    engine::SaveOptions options;
    options.format = engine::FormatTiffG4;
    options.mode = engine::SaveAppend;
    engine::SavePage(MarkedPage(width, height, 1, 10 * (pages + 1)), path, options);
    // Each page's data comes before its directory, so the intact pages end where they ended before.
    ASSERT_TRUE(QFile(path).resize(intact + 40));
}

void WriteCorruptTiff(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A TIFF header pointing at a directory beyond the end of the file.
    ASSERT_EQ(file.write(QByteArray("II*\0\xff\xff\x00\x00 not an image", 22)), 22);
}

void BrowseTest::SetUp()
{
    ASSERT_TRUE(m_config.isValid());
    ASSERT_TRUE(m_root.isValid());
    qputenv("SCANVO_CONFIG_DIR", m_config.path().toLocal8Bit());
    g_Settings = SettingsRecord();
    g_CurrentFilePath.clear();

    state.props.m_LocalPath = m_root.path();
    state.props.m_DocName = QStringLiteral("2024/box1");
    buildSurface();
    // As the control's first show leaves it: no document yet.
    SetNoDocumentState(state.doc, state.widgets);
    host->resize(1000, 800);
    state.widgets.mtMain->resize(600, 700);
    state.widgets.picMain->setGeometry(300, 0, 700, 760);
    state.widgets.picLeft->setGeometry(0, 0, 290, 760);
}

void BrowseTest::TearDown()
{
    host.reset();
    g_CurrentFilePath.clear();
    qunsetenv("SCANVO_CONFIG_DIR");
}

QString BrowseTest::documentDir() const
{
    const QString dir = m_root.path() + QStringLiteral("/2024/box1");
    QDir().mkpath(dir);
    return dir;
}

void BrowseTest::openDocument(qint16 requestedType, qint16 position)
{
    documentDir();
    state.doc.m_RequestedDocType = requestedType;
    state.props.m_DocType = requestedType;
    // As the control opens a document: the list, then the scan pane and the toolbars' state.
    const bool shown = BuildFileList(state, position);
    ArrangeLeftPane(state.props, state.widgets);
    if (shown)
        SetDocumentState(state);
}

engine::ImageViewer* BrowseTest::viewer() const
{
    return static_cast<engine::ImageViewer*>(state.widgets.mtMain);
}

QStringList BrowseTest::listTexts() const
{
    QStringList texts;
    for (int i = 0; i < state.widgets.lvwFileList->count(); ++i)
        texts.append(state.widgets.lvwFileList->text(i));
    return texts;
}

int BrowseTest::selectedEntry() const
{
    const QList<int> selected = state.widgets.lvwFileList->selectedRows();
    return selected.size() == 1 ? selected.first() + 1 : 0;
}

QString BrowseTest::panel(int n) const
{
    const auto* label = state.widgets.sbTotalInfo->findChild<QLabel*>(QStringLiteral("sbTotalInfoPanel%1").arg(n));
    return label ? label->text() : QStringLiteral("<no panel>");
}

bool BrowseTest::keyEnabled(QToolBar* toolbar, const char* key) const
{
    const QAction* action = FindToolbarAction(toolbar, QString::fromLatin1(key));
    return action != nullptr && action->isEnabled();
}

QStringList BrowseTest::zoomBoxEntries() const
{
    QStringList entries;
    for (int i = 0; i < state.widgets.cboZoomFactor->count(); ++i)
        entries.append(state.widgets.cboZoomFactor->itemText(i));
    return entries;
}

}  // namespace scanvo::fixtures
