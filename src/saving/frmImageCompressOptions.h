#pragma once
// Compression options dialog: the compression of black-and-white and of grey or colour TIFF
// pages, the JPEG sub-sampling, and the quality of JPEG data in TIFF and JPEG files. OK writes the
// seven Save keys at once; the next save uses them.

#include "core/ControlState.h"
#include "core/FormDialog.h"

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

class frmImageCompressOptions : public FormDialog {
    Q_OBJECT
public:
    explicit frmImageCompressOptions(Prompter& prompter, QWidget* parent = nullptr);

private:
    void cmdOK_Click() override;

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
    void LoadForm() override;
    void OnQualityOption(QualityGroup& group, int index);
    void OnQualityEdited(const QString& text);

    Prompter& m_Prompter;
    QTabWidget* stabFileType = nullptr;
    QButtonGroup* optTif1Compress = nullptr;
    QButtonGroup* optTif2Compress = nullptr;
    QButtonGroup* optJpgCompress = nullptr;
    QualityGroup m_Tif2Quality;
    QualityGroup m_JpgQuality;
};

// The settings menu's "图像压缩设置": runs the dialog through the control's prompter.
void ShowCompressOptions(ControlState& state);

}  // namespace scanvo
