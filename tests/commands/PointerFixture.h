#pragma once

// A control on a page shown at its actual size, so one image pixel is one viewer pixel, and the
// mouse driven on the viewer in image coordinates.

#include "EditFixture.h"

#include "core/ToolbarKeys.h"

#include <QAction>
#include <QTest>
#include <QToolBar>

namespace scanvo::fixtures {

class PointerTest : public EditTest {
protected:
    ControlState& openAtActualSize(int depth, int width = 200, int height = 150)
    {
        ControlState& s = openPage(depth, width, height);
        s.widgets.mtMain->setPaintMode(engine::ImageViewer::PaintActualSize);
        return s;
    }
    QWidget* surface() { return shown().widgets.mtMain->viewport(); }
    QPoint at(QPointF imagePoint) { return shown().widgets.mtMain->imageToWidget(imagePoint).toPoint(); }
    // Presses at from, moves through the middle to to and releases there.
    void drag(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mousePress(surface(), Qt::LeftButton, modifiers, at(from));
        QTest::mouseMove(surface(), at((from + to) / 2));
        QTest::mouseMove(surface(), at(to));
        QTest::mouseRelease(surface(), Qt::LeftButton, modifiers, at(to));
    }
    // Whether the toggle button key of the toolbar is down.
    bool pressed(QToolBar* toolbar, const char* key)
    {
        return FindToolbarAction(toolbar, QString::fromLatin1(key))->isChecked();
    }
};

}  // namespace scanvo::fixtures
