// Page chooser dialog.
#include "viewer/frmGoto.h"

#include "core/DocumentType.h"
#include "core/FormWidgets.h"
#include "core/IniNumber.h"
#include "core/Prompter.h"
#include "viewer/ViewerTexts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace scanvo {

namespace T = viewer_texts;

namespace {

const QString kPageDigits = QStringLiteral("0123456789");

// The item for page n: the number alone for a multi-page file, else "n/file name".
QString PageItemText(qint16 docType, const QStringList& files, int page)
{
    if (docType == DocTypeMultiPageTiff)
        return QString::number(page);
    const QString file = page >= 1 && page <= files.size() ? PathFilePart(files.at(page - 1)) : QString();
    return QString::number(page) + u'/' + file;
}

}  // namespace

frmGoto::frmGoto(QWidget* parent)
    : FormDialog(QStringLiteral("frmGoto"), T::kGotoCaption, parent)
{    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    cboPages = new QComboBox(this);
    cboPages->setObjectName(QStringLiteral("cboPages"));
    cboPages->setEditable(true);
    cboPages->setInsertPolicy(QComboBox::NoInsert);
    cboPages->lineEdit()->installEventFilter(this);
    SetTexts(T::kGotoCaption, T::kGotoLabel);

    // The box sits in the gap the label leaves between its two words.
    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(lblTitle);
    auto* main = new QVBoxLayout(this);
    main->addLayout(pageRow);
    main->addLayout(ButtonRow());
    lblTitle->setMinimumHeight(cboPages->sizeHint().height());
}

void frmGoto::SetTexts(const QString& caption, const QString& label)
{
    setWindowTitle(caption);
    // The box stands over the run of blanks inside the label, whatever the words before and after
    // it. The label's characters are spaced out until the blanks are as wide as the box, which
    // fits a number with a counter-named file.
    const qsizetype blanksStart = std::max<qsizetype>(label.indexOf(QStringLiteral("  ")), 0);
    qsizetype blanksEnd = blanksStart;
    while (blanksEnd < label.size() && label[blanksEnd] == u' ')
        ++blanksEnd;
    const QString blanks = label.mid(blanksStart, blanksEnd - blanksStart);
    QFont font = this->font();
    const QFontMetrics plain(font);
    const int boxWidth = plain.horizontalAdvance(QStringLiteral("0000/scan000000.tif")) + 40;
    const int missing = boxWidth - plain.horizontalAdvance(blanks);
    const qreal extra = missing > 0 && !blanks.isEmpty() ? qreal(missing) / blanks.size() + 1 : 0;
    font.setLetterSpacing(QFont::AbsoluteSpacing, extra);
    lblTitle->setFont(font);
    lblTitle->setText(label);
    const QFontMetrics spaced(font);
    cboPages->setParent(lblTitle);
    cboPages->setGeometry(spaced.horizontalAdvance(label.left(blanksStart)), 0, boxWidth, cboPages->sizeHint().height());
    lblTitle->setMinimumWidth(spaced.horizontalAdvance(label) + 4);
}

void frmGoto::LoadForm()
{
    cboPages->clear();
    for (int page = 1; page <= PageCount; ++page)
        cboPages->addItem(PageItemText(DocType, FileList, page));
    cboPages->setEditText(PageItemText(DocType, FileList, CurrentPage));
}

bool frmGoto::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cboPages->lineEdit() && event->type() == QEvent::KeyPress) {
        if (RefusedByKeyFilter(*static_cast<QKeyEvent*>(event), kPageDigits))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmGoto::cmdOK_Click()
{
    const QString text = cboPages->currentText();
    const qint16 page = IniNumber16(text.left(text.indexOf(u'/') < 0 ? text.size() : text.indexOf(u'/')));
    // Anything but one of the document's pages would close the dialog as a cancel does, without
    // a word: the user is told and chooses again.
    if (page < 1 || page > PageCount) {
        Inform(this, T::kGotoRange.arg(PageCount));
        cboPages->setFocus();
        cboPages->lineEdit()->selectAll();
        return;
    }
    CurrentPage = page;
    Accept();
}

void frmGoto::reject()
{
    CurrentPage = 0;
    FormDialog::reject();
}

}  // namespace scanvo
