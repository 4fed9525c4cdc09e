#pragma once
// The user's way to end a running scan job early. The control takes no input while a job runs,
// so the stop lives outside it: a small window beside the control with a stop button, and Escape
// pressed on the control's window or on that one. Either asks once; the job ends after the page
// in hand, keeping every page stored.

#include <QObject>

#include <functional>
#include <memory>

class QPushButton;
class QWidget;

namespace scanvo {

class ScanStop final : public QObject {
public:
    // Shows the stop window beside control until destroyed; stop runs at the first ask.
    ScanStop(QWidget* control, std::function<void()> stop);
    ~ScanStop() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdStop_Click();

    QWidget* m_Control;
    std::function<void()> m_Stop;
    std::unique_ptr<QWidget> m_Window;  // no child of the control: a disabled control disables its children
    QPushButton* cmdStop = nullptr;
};

}  // namespace scanvo
