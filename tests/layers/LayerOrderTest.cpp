// The layers of src/ point one way: a file includes headers of its own layer and of the layers
// below it, never of one above. The build enforces this through each layer's include root; this
// test names the offending include and also covers headers that no target compiles on their own.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

// The folders of src/, lowest layer first. A new folder must be placed here.
const QStringList kLayerOrder = {
    QStringLiteral("platform/engine"),
    QStringLiteral("platform/engine/ops"),
    QStringLiteral("platform/pdf"),
    QStringLiteral("platform/scanner"),
    QStringLiteral("platform/scanner/helper"),
    QStringLiteral("public"),
    QStringLiteral("core"),
    QStringLiteral("settings"),
    QStringLiteral("saving"),
    QStringLiteral("viewer"),
    QStringLiteral("document"),
    QStringLiteral("acquisition"),
    QStringLiteral("commands"),
    QStringLiteral("control"),
    QStringLiteral("demo"),
    QStringLiteral("designer"),
    QStringLiteral("tools/common"),
    QStringLiteral("tools/clean"),
    QStringLiteral("tools/pdf"),
};

// Layers split into subfolders, one a family, that belong to the layer (its CMake SUBFOLDERS).
const QStringList kLayersWithFamilies = {QStringLiteral("commands")};

const QString kSourceDir = QStringLiteral(SCANVO_SOURCE_DIR);

// The layer of a path relative to src/: the longest layer folder it lies in.
std::optional<qsizetype> LayerOf(const QString& relativePath)
{
    std::optional<qsizetype> found;
    qsizetype foundLength = -1;
    for (qsizetype i = 0; i < kLayerOrder.size(); ++i) {
        const QString& folder = kLayerOrder[i];
        if (relativePath.startsWith(folder + u'/') && folder.size() > foundLength) {
            found = i;
            foundLength = folder.size();
        }
    }
    return found;
}

// The file an include names, relative to src/: a name without a folder is a neighbour of the
// including file or a public header; anything else is relative to src/. Empty for a header that
// is not ours.
QString IncludedPath(const QString& includingFile, const QString& included)
{
    if (!included.contains(u'/')) {
        const QString neighbour = QFileInfo(includingFile).path() + u'/' + included;
        if (QFileInfo::exists(kSourceDir + u'/' + neighbour))
            return neighbour;
        if (QFileInfo::exists(kSourceDir + QStringLiteral("/public/") + included))
            return QStringLiteral("public/") + included;
        return {};
    }
    return QFileInfo::exists(kSourceDir + u'/' + included) ? included : QString();
}

// Every include of a header from a layer above the including file's, and every source file that
// lies in no layer.
QStringList LayerViolations()
{
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s+"([^"]+)")re"),
                                            QRegularExpression::MultilineOption);
    QStringList problems;
    QDirIterator it(kSourceDir, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(kSourceDir).relativeFilePath(path);
        if (!relative.contains(u'/'))
            continue;
        const std::optional<qsizetype> own = LayerOf(relative);
        if (!own) {
            problems << relative + QStringLiteral(" lies in no layer");
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            problems << relative + QStringLiteral(" cannot be read");
            continue;
        }
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = include.globalMatch(text); match.hasNext();) {
            const QString target = IncludedPath(relative, match.next().captured(1));
            if (target.isEmpty())
                continue;
            const std::optional<qsizetype> theirs = LayerOf(target);
            if (!theirs || *theirs > *own)
                problems << relative + QStringLiteral(" includes ") + target;
        }
    }
    problems.sort();
    return problems;
}

TEST(LayerOrder, NoFileIncludesAHeaderOfAHigherLayer)
{
    ASSERT_TRUE(QFileInfo(kSourceDir).isDir());
    const QStringList problems = LayerViolations();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

TEST(LayerOrder, EveryFolderWithSourcesIsALayer)
{
    QDirIterator it(kSourceDir, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(kSourceDir).relativeFilePath(it.next());
        const bool hasSources =
            !QDir(kSourceDir + u'/' + relative).entryList({QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files).isEmpty();
        const bool family = std::any_of(kLayersWithFamilies.begin(), kLayersWithFamilies.end(),
                                        [&](const QString& layer) { return relative.startsWith(layer + u'/'); });
        if (hasSources) {
            EXPECT_TRUE(kLayerOrder.contains(relative) || family) << relative.toStdString();
        }
    }
}

TEST(LayerOrder, TheCheckSeesAnUpwardInclude)
{
    // The rule itself, on the kind of include the layers forbid and the kinds they allow.
    EXPECT_GT(*LayerOf(QStringLiteral("control/Imaging.h")), *LayerOf(QStringLiteral("viewer/PageDisplay.cpp")));
    EXPECT_GT(*LayerOf(QStringLiteral("platform/engine/ops/Rotate.h")), *LayerOf(QStringLiteral("platform/engine/Image.h")));
    EXPECT_LT(*LayerOf(QStringLiteral("core/ControlState.h")), *LayerOf(QStringLiteral("settings/Settings.h")));
    EXPECT_FALSE(LayerOf(QStringLiteral("misc/Thing.h")));
    EXPECT_EQ(*LayerOf(QStringLiteral("commands/edit/EditCommands.h")), *LayerOf(QStringLiteral("commands/CommandFrame.h")));
    EXPECT_EQ(IncludedPath(QStringLiteral("control/ScanvoLibrary.cpp"), QStringLiteral("ScanvoFactory.h")),
              QStringLiteral("public/ScanvoFactory.h"));
}

}  // namespace
