#pragma once
// The export's progress form: the page count and a cancel button. It closes itself when the job
// ends (accepted when the file was written); cancel, Escape and the window's close button ask the
// job to stop and leave the form open until the job has ended.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace scanvo {

class PdfExportJob;

class frmExportProgress : public QDialog {
    Q_OBJECT
public:
    frmExportProgress(PdfExportJob& job, QWidget* parent = nullptr);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowProgress(int pagesDone, int pageCount);
    void CloseWhenEnded();

    PdfExportJob& m_Job;
    QLabel* lblProgress = nullptr;
    QProgressBar* prgPages = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace scanvo
