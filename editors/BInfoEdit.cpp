#include "editors/BInfoEdit.h"

#include "app/Maindb.h"
#include "editors/FreqWarning.h"
#include "editors/KeyFilter.h"
#include "editors/ToneBox.h"
#include "editors/ToneLists.h"
#include "editors/ToneOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The channel box: a typed value is taken down to a whole channel and held to
// 1..16 when the box is left, never refused.
class ChannelSpin : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& input, int&) const override {
        const std::string text = input.toStdString();
        if (text.find_first_not_of(" 0123456789.") != std::string::npos) {
            return QValidator::Invalid;
        }
        const int value = ChannelBoxValue(text, 0);
        return value != 0 && QString::number(value) == input.trimmed() ? QValidator::Acceptable
                                                                       : QValidator::Intermediate;
    }
    void fixup(QString& input) const override {
        input = QString::number(ChannelBoxValue(input.toStdString(), value()));
    }
};

QLabel* AddLabel(QGridLayout* grid, const char* name, const char* caption, int row) {
    auto* label = new QLabel(QString::fromLatin1(caption));
    label->setObjectName(QString::fromLatin1(name));
    grid->addWidget(label, row, 0);
    return label;
}

template <class W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TfBInfoEdit::TfBInfoEdit(TfMaindb& db, EditorHost& host, QWidget* parent)
    : TEditorForm(QStringLiteral("fBInfoEdit"), QStringLiteral("Channel Edit"), db.All, parent),
      db_(db), editor_(db.All, host, ToneBoxList().front()) {
    PickTone = [this](QWidget* owner) { return TfToneOption::PickTone(db_, owner); };

    auto* pages = Named(new QTabWidget(this), "pcInfo");
    auto* page = Named(new QWidget, "tsInfo");
    pages->addTab(page, QStringLiteral("Information"));
    auto* grid = new QGridLayout(page);

    sexd_ = Named(new ChannelSpin, "sexd");
    sexd_->setRange(1, RadioImage::MaxChannels);
    sexd_->setKeyboardTracking(false);
    sexd_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    eRx_ = Named(new QLineEdit, "eRx");
    eTX_ = Named(new QLineEdit, "eTX");
    cbQT_ = MakeToneBox("cbQT", this, nullptr);
    cbDQT_ = MakeToneBox("cbDQT", this, nullptr);
    cbkz_ = Named(new QComboBox, "cbkz");
    cbfsgl_ = Named(new QComboBox, "cbfsgl");
    chsmtj_ = Named(new QCheckBox(QStringLiteral("Scan Add")), "chsmtj");
    chfm_ = Named(new QCheckBox(QStringLiteral("Busy Lock")), "chfm");
    chCp_ = Named(new QCheckBox(QStringLiteral("Compander")), "chCp");
    chSr_ = Named(new QCheckBox(QStringLiteral("Scrambler")), "chSr");
    chWp_ = Named(new QCheckBox(QStringLiteral("Whisper")), "chWp");
    chpppy_ = Named(new QCheckBox(QStringLiteral("Beat Shift")), "chpppy");

    const std::pair<const char*, const char*> labels[] = {
        {"lbChannel", "Channel No."}, {"lbRx", "RX Frequency[MHz]"}, {"lbTx", "TX Frequency[MHz]"},
        {"lbDec", "QT/DQT Deconde"},  {"lbEnc", "QT/DQT Encode"},    {"lbWN", "Wide/Narrow"},
        {"lbPower", "TX Power"},
    };
    QWidget* fields[] = {sexd_, eRx_, eTX_, cbQT_, cbDQT_, cbkz_, cbfsgl_};
    for (int row = 0; row < 7; ++row) {
        AddLabel(grid, labels[row].first, labels[row].second, row);
        grid->addWidget(fields[row], row, 1);
    }
    QCheckBox* checks[] = {chsmtj_, chfm_, chCp_, chSr_, chpppy_, chWp_};
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(checks[i], 7 + i / 2, i % 2);
    }
    chWp_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);

    for (QLineEdit* box : {eRx_, eTX_}) {
        box->installEventFilter(new KeyFilter(FreqKeyAllowed, box));
    }
    for (QComboBox* box : {cbQT_, cbDQT_}) {
        connect(box, &QComboBox::activated, this, [this, box] { ToneChange(box); });
        connect(box->lineEdit(), &QLineEdit::editingFinished, this,
                [this, box] { ToneChange(box); });
    }
    cbkz_->addItems({QStringLiteral("Wide"), QStringLiteral("Narrow")});
    cbfsgl_->addItems({QStringLiteral("Low"), QStringLiteral("High")});
    cbfsgl_->setCurrentIndex(1);

    connect(sexd_, &QSpinBox::valueChanged, this, &TfBInfoEdit::sexdChange);
    connect(eRx_, &QLineEdit::textEdited, this, [this] { rxEdited_ = true; });
    connect(eTX_, &QLineEdit::textEdited, this, [this] { txEdited_ = true; });
    connect(eRx_, &QLineEdit::editingFinished, this, &TfBInfoEdit::eRxChange);
    connect(eTX_, &QLineEdit::editingFinished, this, &TfBInfoEdit::eTXChange);
    for (QComboBox* box : {cbkz_, cbfsgl_}) {
        connect(box, &QComboBox::activated, this, &TfBInfoEdit::StoreChannel);
    }
    for (QCheckBox* box : {chsmtj_, chfm_, chCp_, chSr_, chpppy_}) {
        connect(box, &QCheckBox::clicked, this, &TfBInfoEdit::StoreChannel);
    }
    LoadChannel();
}

TfBInfoEdit::~TfBInfoEdit() {
    // The boxes lose the focus while QWidget tears them down; their signals
    // must not reach this window any more.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

void TfBInfoEdit::FormShow() {
    loading_ = true;
    Translate();
    loading_ = false;
    // The first tone entry is the text of "no tone" in the current language.
    if (cbQT_->count() > 0) {
        editor_.SetNoneText(cbQT_->itemText(0).toStdString());
        cbDQT_->setItemText(0, cbQT_->itemText(0));
    }
    LoadChannel();
}

void TfBInfoEdit::LoadChannel() {
    loading_ = true;
    sexd_->setValue(db_.All.CurrentChannel);
    editor_.LoadChannel();
    ShowForm();
    loading_ = false;
}

void TfBInfoEdit::ReadControls() {
    TChannelForm& form = editor_.Form;
    form.Rx = eRx_->text().toStdString();
    form.Tx = eTX_->text().toStdString();
    form.RxTone = cbQT_->currentText().toStdString();
    form.TxTone = cbDQT_->currentText().toStdString();
    form.Narrow = cbkz_->currentIndex() == 1 ? 1 : 0;
    form.HighPower = cbfsgl_->currentIndex() == 1 ? 1 : 0;
    form.ScanAdd = chsmtj_->isChecked();
    form.BusyLock = chfm_->isChecked();
    form.Compander = chCp_->isChecked();
    form.Scrambler = chSr_->isChecked();
    form.BeatShift = chpppy_->isChecked();
    form.Whisper = chWp_->isChecked();
}

void TfBInfoEdit::ShowForm() {
    const bool wasLoading = loading_;
    loading_ = true;
    const TChannelForm& form = editor_.Form;
    eRx_->setText(Text(form.Rx));
    eTX_->setText(Text(form.Tx));
    cbQT_->setEditText(Text(form.RxTone));
    cbDQT_->setEditText(Text(form.TxTone));
    cbkz_->setCurrentIndex(form.Narrow);
    cbfsgl_->setCurrentIndex(form.HighPower);
    chsmtj_->setChecked(form.ScanAdd);
    chfm_->setChecked(form.BusyLock);
    chCp_->setChecked(form.Compander);
    chSr_->setChecked(form.Scrambler);
    chpppy_->setChecked(form.BeatShift);
    for (QWidget* field : std::initializer_list<QWidget*>{eTX_, cbQT_, cbkz_, cbfsgl_, chsmtj_,
                                                          chfm_, chCp_, chSr_, chpppy_}) {
        field->setEnabled(form.FieldsEnabled);
    }
    cbDQT_->setEnabled(form.TxToneEnabled);
    rxEdited_ = false;
    txEdited_ = false;
    loading_ = wasLoading;
}

void TfBInfoEdit::StoreChannel() {
    if (loading_) {
        return;
    }
    ReadControls();
    editor_.StoreChannel();
}

void TfBInfoEdit::eRxChange() {
    if (loading_ || !rxEdited_) {
        return;
    }
    rxEdited_ = false;
    ReadControls();
    const auto messages = editor_.RxChanged();
    ShowForm();
    for (FreqMsg msg : messages) {
        ShowFreqWarning(db_, msg);
    }
}

void TfBInfoEdit::eTXChange() {
    if (loading_ || !txEdited_) {
        return;
    }
    txEdited_ = false;
    ReadControls();
    const auto messages = editor_.TxChanged();
    ShowForm();
    if (!eTX_->text().isEmpty()) {
        cbQT_->setFocus();
    }
    for (FreqMsg msg : messages) {
        ShowFreqWarning(db_, msg);
    }
}

void TfBInfoEdit::ToneChange(QComboBox* box) {
    const bool encode = box == cbDQT_;
    const std::string& shown = encode ? editor_.Form.TxTone : editor_.Form.RxTone;
    if (loading_ || box->currentText().toStdString() == shown) {
        return;
    }
    ReadControls();
    editor_.ToneChanged(encode);
    ShowForm();
}

void TfBInfoEdit::sexdChange(int value) {
    if (loading_) {
        return;
    }
    loading_ = true;
    editor_.ChannelChosen(value);
    ShowForm();
    loading_ = false;
}

bool TfBInfoEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (QComboBox* box : {cbQT_, cbDQT_}) {
            if (watched == box->lineEdit() && box->isEnabled()) {
                const QString tone = PickTone(this);
                if (!tone.isEmpty()) {
                    box->setEditText(tone);
                    ToneChange(box);
                }
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
