#include "editors/InfoMsg.h"

#include "app/Maindb.h"
#include "editors/IdentityFields.h"
#include "radio/RadioImage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace {

// Typed or pasted letters become capitals, as serial numbers are written; a
// character the image cannot hold is refused rather than stored as a space.
class TSerialValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar& c : input) {
            if (c < u' ' || c > u'~')
                return Invalid;
            if (c >= u'a' && c <= u'z')
                c = QChar(c.unicode() - u'a' + u'A');
        }
        return Acceptable;
    }
};

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// A read-only field takes the colour of the window behind it.
void ShowEditable(QLineEdit* edit, bool editable) {
    edit->setReadOnly(!editable);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base,
                     QPalette().color(editable ? QPalette::Base : QPalette::Window));
    edit->setPalette(palette);
}

} // namespace

TfInfoMsg::TfInfoMsg(TfMaindb& db, QWidget* parent)
    : TEditorForm(QStringLiteral("fInfoMsg"), QStringLiteral("Radio Information"), db.All, parent),
      db_(db) {
    auto* grid = new QGridLayout;
    auto addRow = [&](const char* label, const char* caption, const char* field) {
        auto* l = new QLabel(QString::fromLatin1(caption), this);
        l->setObjectName(QString::fromLatin1(label));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(field));
        ShowEditable(edit, false);
        l->setBuddy(edit);
        const int row = grid->rowCount();
        grid->addWidget(l, row, 0);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    cxModel_ = addRow("lbModel", "Model Type", "cxModel");
    cxFreq_ = addRow("lbFreq", "Frequency[MHz]", "cxFreq");
    cxSerial_ = addRow("lbSerial", "Serial Number", "cxSerial");
    cxRadioTime_ = addRow("lbRadioTime", "Write Time", "cxRadioTime");
    cxSerial_->setMaxLength(static_cast<int>(RadioImage::SerialNumber.Size));
    cxSerial_->setValidator(new TSerialValidator(cxSerial_));
    connect(cxSerial_, &QLineEdit::textChanged, this, &TfInfoMsg::cxSerialChange);

    SetBody(grid);
}

void TfInfoMsg::FormShow() {
    Translate();
    LoadFields();
}

void TfInfoMsg::LoadFields() {
    state_ = 1;
    const TALL& all = db_.All;
    const RadioImageView image(all.Image);
    cxModel_->setText(Text(all.ModelName));
    cxFreq_->setText(Text(all.BandText));
    if (all.SerialEditable)
        ShowEditable(cxSerial_, true);
    cxSerial_->setText(Text(SerialNumberText(image)));
    cxRadioTime_->setText(Text(WriteTimeText(image)));
    state_ = 2;
}

void TfInfoMsg::cxSerialChange() {
    if (state_ == 2)
        StoreSerialNumber(cxSerial_->text().toStdString(), db_.All);
}

void TfInfoMsg::btnOkClick() {
    StoreSerialNumber(cxSerial_->text().toStdString(), db_.All);
    CloseForm();
}
