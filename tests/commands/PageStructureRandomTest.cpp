// Random sequences of delete, move, unite and divide on a multi-page and a single-page document,
// checked after every step against a plain list of the pages the document should hold. Every
// page has its own pixel pattern, so a page lost, doubled or out of place shows at once. The
// pixels a unite or divide makes are the pure functions' (tested on their own); this test is
// about where the pages end up.
#include "PageStructureFixture.h"

#include "core/Routines.h"
#include "document/DirectoryListing.h"

#include <QRandomGenerator>

namespace scanvo::fixtures {
namespace {

class PageStructureRandomTest : public PageStructureTest {
protected:
    // The pages the document holds, in order.
    std::vector<engine::Image> model;
    std::unique_ptr<QRandomGenerator> random;

    int pick(int low, int high) { return random->bounded(low, high + 1); }

    std::vector<engine::Image> firstPages(int count, int depth)
    {
        std::vector<engine::Image> pages;
        for (int n = 1; n <= count; ++n)
            pages.push_back(PatternPage(60 + 7 * n, 40 + 3 * n, depth, n));
        return pages;
    }

    ControlState& openMultiPageOf(const std::vector<engine::Image>& pages)
    {
        for (const engine::Image& page : pages) {
            engine::SaveOptions options;
            options.format = engine::FormatTiffG4;
            options.mode = engine::SaveAppend;
            engine::SavePage(page, multiPagePath(), options);
        }
        return showControl(DocTypeMultiPageTiff);
    }

    engine::Image documentPage(const ControlState& s, int n)
    {
        return s.props.m_DocType == DocTypeMultiPageTiff ? engine::LoadPage(multiPagePath(), n)
                                                   : engine::LoadPage(s.doc.m_Files.at(n));
    }

    void expectModel(const ControlState& s)
    {
        ASSERT_EQ(s.doc.m_PageCount, static_cast<int>(model.size()));
        if (s.props.m_DocType == DocTypeMultiPageTiff) {
            ASSERT_EQ(engine::PageCount(multiPagePath()), static_cast<int>(model.size()));
        } else {
            // The list is what opening the document again would list, in the same order.
            QStringList listed = ListMatchingNames(documentDir() + QStringLiteral("/*.tif"));
            QStringList files;
            for (const QString& file : s.doc.m_Files.toList())
                files << PathFilePart(file);
            ASSERT_EQ(files, listed);
        }
        for (int n = 1; n <= static_cast<int>(model.size()); ++n)
            ASSERT_TRUE(documentPage(s, n).samePixels(model[n - 1])) << "page " << n;
        ASSERT_TRUE(page().samePixels(model[s.doc.m_CurrentPage - 1]));
        ASSERT_FALSE(s.doc.m_PageModified);
    }

    // One random step the user could take; the model takes it too.
    void step(ControlState& s)
    {
        const int count = static_cast<int>(model.size());
        const int current = pick(1, count);
        goTo(s, static_cast<qint16>(current));
        // Unite and divide add pages; past a dozen the document only loses them until it is back.
        switch (count > 12 ? 0 : pick(0, 3)) {
        case 0:
            if (count > 3) {
                SCOPED_TRACE(testing::Message() << "delete " << current);
                deleteConfirmed(s);
                model.erase(model.begin() + (current - 1));
                return;
            }
            [[fallthrough]];
        case 1: {
            const int target = pick(1, count);
            SCOPED_TRACE(testing::Message() << "move " << current << " to " << target);
            moveTo(s, target);
            if (target != current) {
                engine::Image moving = model[current - 1];
                model.erase(model.begin() + (current - 1));
                model.insert(model.begin() + (target - 1), moving);
            }
            return;
        }
        case 2: {
            const int first = pick(1, count - 1);
            const int second = pick(1, count);
            const int after = pick(1, count);
            const engine::Image& a = model[first - 1];
            const engine::Image& b = model[second - 1];
            // Pages stay small: a unite that would grow one past 300 pixels goes the other way.
            const int orientation = a.width() + b.width() <= 300 ? 1 : 2;
            if (orientation == 2 && a.height() + b.height() > 300)
                return;
            SCOPED_TRACE(testing::Message() << "unite " << first << " and " << second << " after " << after);
            unite(s, first, second, after, orientation);
            model.insert(model.begin() + after, UnitedPage(a, b, orientation));
            return;
        }
        default: {
            const engine::Image& original = model[current - 1];
            const int direction = original.width() >= original.height() ? 0 : 1;
            if ((direction == 0 ? original.width() : original.height()) < 30)
                return;
            const int percent = pick(5, 90);
            const int after = pick(1, count);
            const bool deleteOriginal = pick(0, 1) == 1;
            SCOPED_TRACE(testing::Message() << "divide " << current << " at " << percent << " after " << after
                                            << (deleteOriginal ? " deleting it" : ""));
            divide(s, percent, direction, after, deleteOriginal);
            const PageParts parts = DividedPage(original, percent, direction);
            model.insert(model.begin() + after, {parts.first, parts.second});
            if (deleteOriginal)
                model.erase(model.begin() + (current <= after ? current - 1 : current + 1));
            return;
        }
        }
    }

    void run(ControlState& s, quint32 seed, int steps)
    {
        random = std::make_unique<QRandomGenerator>(seed);
        for (int i = 0; i < steps; ++i) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", step " << i);
            step(s);
            ASSERT_TRUE(prompter.messages.isEmpty()) << prompter.messageTexts().join('\n').toStdString();
            ASSERT_NO_FATAL_FAILURE(expectModel(s));
        }
    }
};

TEST_F(PageStructureRandomTest, AMultiPageDocumentKeepsEveryPageInItsPlace)
{
    model = firstPages(6, 1);
    ControlState& s = openMultiPageOf(model);
    ASSERT_EQ(s.doc.m_PageCount, 6);
    run(s, 1201, 250);
}

TEST_F(PageStructureRandomTest, ASinglePageDocumentKeepsEveryPageInItsPlace)
{
    model = firstPages(6, 8);
    ControlState& s = open(model);
    ASSERT_EQ(s.doc.m_PageCount, 6);
    run(s, 1202, 250);
}

}  // namespace
}  // namespace scanvo::fixtures
