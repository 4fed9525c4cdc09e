#pragma once
// The keys whose press went to one widget (itself or a child in its window). A dialog or message
// box that closes when a key goes down leaves the key's release to whatever window is below it;
// that release is not the user pressing the key there, and must not act.

#include <QObject>
#include <QSet>

class QWidget;

namespace scanvo {

class KeyPresses final : public QObject {
public:
    // Watches every key press of the application from now on, for as long as it lives.
    explicit KeyPresses(QWidget* owner);

    // True when key went down on the owner and has not been taken since; forgets the press.
    bool TakePress(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_Owner;
    QSet<int> m_Pressed;
};

}  // namespace scanvo
