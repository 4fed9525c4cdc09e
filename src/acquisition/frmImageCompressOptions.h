#pragma once
// Compression options dialog: the compression of black-and-white and of grey or colour TIFF
// pages, the JPEG sub-sampling, and the quality of JPEG data in TIFF and JPEG files. OK writes the
// seven Save keys at once; the next save uses them.

#include "control/ControlState.h"

#include <QDialog>
#include <QList>
#include <QtGlobal>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace scanvo {

class Prompter;

class frmImageCompressOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmImageCompressOptions(Prompter& prompter, QWidget* parent = nullptr);

    // 1 after OK, 0 after cancel or closing the window.
    qint16 Action = 0;

    void reject() override;

private slots:
    void cmdOK_Click();

private:
    // One quality group: its options, its custom-value box and the setting behind the box.
    struct QualityGroup {
        QButtonGroup* options = nullptr;
        QLineEdit* text = nullptr;
        qint16* customValue = nullptr;
    };

    QButtonGroup* BuildOptions(QGroupBox* frame, const QString& name, const char* const* captions, int count);
    QGroupBox* BuildCompressFrame(int index, const QString& name, const char* const* captions, int count,
                                  QButtonGroup** group);
    QGroupBox* BuildQualityFrame(int index, const QString& name, const QString& textName, QualityGroup& group);
    void LoadForm();
    void OnQualityOption(QualityGroup& group, int index);
    void OnQualityEdited(const QString& text);

    Prompter& m_Prompter;
    QTabWidget* stabFileType = nullptr;
    QButtonGroup* optTif1Compress = nullptr;
    QButtonGroup* optTif2Compress = nullptr;
    QButtonGroup* optJpgCompress = nullptr;
    QualityGroup m_Tif2Quality;
    QualityGroup m_JpgQuality;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

// The settings menu's "图像压缩设置": runs the dialog through the control's prompter.
void ShowCompressOptions(ControlState& state);

}  // namespace scanvo
