#pragma once
// A control open on a document of single-page TIFF files whose pages the test chooses, for the
// editing commands: pages with a pattern that differs at every pixel, clicks through the toolbars
// as the user makes them, and the page on view.

#include "BrowseFixture.h"

#include "control/Imaging.h"
#include "platform/engine/ImageViewer.h"

#include <QStringList>

#include <memory>
#include <vector>

class QToolBar;

namespace scanvo::fixtures {

// width x height, depth 1, 8 or 24, no two neighbouring rows or columns alike; seed varies it.
engine::Image PatternPage(int width, int height, int depth, int seed = 0);

class EditTest : public BrowseTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the pages as the document's files and shows a control on the first one.
    ControlState& open(const std::vector<engine::Image>& pages);
    ControlState& openPage(int depth, int width = 120, int height = 90) { return open({PatternPage(width, height, depth)}); }
    // A control of docType shown on the document's files as they are, at its first position, and
    // made the active window (the keys and the focus tests need it).
    ControlState& showControl(qint16 docType);

    ControlState& shown() { return control->State(); }
    const engine::Image& page() { return shown().widgets.mtMain->image(); }
    // Clicks the button or menu item key the way the user does; fails the test when it is disabled.
    void click(QToolBar* toolbar, const char* key);
    bool enabled(QToolBar* toolbar, const char* key);
    QString statusText();

    std::unique_ptr<Imaging> control;
};

}  // namespace scanvo::fixtures
