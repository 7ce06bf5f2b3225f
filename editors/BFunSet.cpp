#include "editors/BFunSet.h"

#include "app/Maindb.h"
#include "lang/TranslateForm.h"
#include "radio/RadioImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Takes any number: a level outside the range is moved into it rather than
// refused, as the user expects from a radio programmer.
class TGainSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& input, int&) const override {
        if (input.isEmpty() || input == QLatin1String("-"))
            return QValidator::Intermediate;
        bool ok = false;
        input.toDouble(&ok);
        return ok ? QValidator::Acceptable : QValidator::Invalid;
    }
    int valueFromText(const QString& text) const override {
        return ValidateGainLevel(text.toDouble());
    }
};

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TfBFunSet::TfBFunSet(TfMaindb& db, QWidget* parent)
    : TEditorForm(QStringLiteral("fBFunSet"), QStringLiteral("Function Setting"), db.All, parent),
      db_(db) {
    auto* lists = new QGridLayout;
    auto* vox = new QVBoxLayout;
    auto* checks = new QVBoxLayout;

    auto* gbVox = new QGroupBox(QStringLiteral("VOX"), this);
    gbVox->setObjectName(QStringLiteral("gbVox"));
    gbVox->setLayout(vox);
    pVox_ = new QWidget(gbVox);
    pVox_->setObjectName(QStringLiteral("pVox"));
    auto* panel = new QGridLayout(pVox_);
    panel->setContentsMargins(0, 0, 0, 0);

    int row = 0;
    for (const auto& c : FunSetControls()) {
        QLabel* label = c.Kind == FunSetKind::Check ? nullptr : AddLabel(c);
        QWidget* control = AddControl(c);
        switch (c.Id) {
        case FunSetId::VoxFunction:
            vox->addWidget(control);
            vox->addWidget(pVox_);
            break;
        case FunSetId::VoxGainLevel:
            panel->addWidget(label, 0, 0);
            panel->addWidget(control, 0, 1);
            break;
        case FunSetId::VoxInhibit:
            panel->addWidget(control, 1, 0, 1, 2);
            break;
        default:
            if (label) {
                lists->addWidget(label, row, 0);
                lists->addWidget(control, row++, 1);
            } else {
                checks->addWidget(control);
            }
        }
        if (!c.Visible) {
            if (label)
                label->hide();
            control->hide();
        }
    }
    checks->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(gbVox);
    right->addLayout(checks);
    auto* body = new QHBoxLayout;
    body->addLayout(lists);
    body->addLayout(right);
    SetBody(body);

    pVox_->setEnabled(false);
}

QLabel* TfBFunSet::AddLabel(const TFunSetControl& c) {
    auto* label = new QLabel(Text(c.Caption), this);
    label->setObjectName(Text(c.Label));
    // The report finds the control a caption belongs to through this name.
    label->setProperty("hint", Text(c.Name));
    return label;
}

QWidget* TfBFunSet::AddControl(const TFunSetControl& c) {
    QWidget* control = nullptr;
    switch (c.Kind) {
    case FunSetKind::List: {
        auto* box = new QComboBox(this);
        for (auto entry : c.Entries)
            box->addItem(Text(entry));
        box->setCurrentIndex(c.Start);
        // Hidden lists only travel with the other changes.
        if (c.Visible) {
            connect(box, &QComboBox::currentIndexChanged, this, &TfBFunSet::ControlChanged);
        }
        control = box;
        break;
    }
    case FunSetKind::Check: {
        auto* box = new QCheckBox(Text(c.Caption), this);
        connect(box, &QCheckBox::toggled, this, &TfBFunSet::ControlChanged);
        if (c.Id == FunSetId::VoxFunction)
            connect(box, &QCheckBox::clicked, this, &TfBFunSet::chVoxFunClick);
        control = box;
        break;
    }
    case FunSetKind::Spin: {
        auto* box = new TGainSpinBox(this);
        box->setRange(GainLevelMin, GainLevelMax);
        box->setValue(c.Start);
        connect(box, &QSpinBox::valueChanged, this, &TfBFunSet::ControlChanged);
        control = box;
        break;
    }
    }
    control->setObjectName(Text(c.Name));
    SetTag(*control, c.Tag);
    controls_[static_cast<std::size_t>(c.Id)] = control;
    return control;
}

void TfBFunSet::FormShow() {
    loading_ = true;
    Translate();
    LoadSettings();
    loading_ = false;
}

void TfBFunSet::LoadSettings() {
    const bool wasLoading = loading_;
    loading_ = true;
    const TFunctionSettings s = ::LoadSettings(RadioImageView(db_.All.Image));
    for (const auto& c : FunSetControls()) {
        QWidget* control = Control(c.Id);
        switch (c.Kind) {
        case FunSetKind::List:
            static_cast<QComboBox*>(control)->setCurrentIndex(s[c.Id]);
            break;
        case FunSetKind::Check:
            static_cast<QCheckBox*>(control)->setChecked(s[c.Id] != 0);
            break;
        case FunSetKind::Spin:
            static_cast<QSpinBox*>(control)->setValue(s[c.Id]);
            break;
        }
    }
    pVox_->setEnabled(s[FunSetId::VoxFunction] != 0);
    loading_ = wasLoading;
}

TFunctionSettings TfBFunSet::Settings() const {
    TFunctionSettings s;
    for (const auto& c : FunSetControls()) {
        QWidget* control = Control(c.Id);
        switch (c.Kind) {
        case FunSetKind::List:
            s[c.Id] = static_cast<QComboBox*>(control)->currentIndex();
            break;
        case FunSetKind::Check:
            s[c.Id] = static_cast<QCheckBox*>(control)->isChecked() ? 1 : 0;
            break;
        case FunSetKind::Spin:
            s[c.Id] = static_cast<QSpinBox*>(control)->value();
            break;
        }
    }
    return s;
}

QString TfBFunSet::ControlText(FunSetId id) const {
    QWidget* control = Control(id);
    switch (FunSetControl(id).Kind) {
    case FunSetKind::List:
        return static_cast<QComboBox*>(control)->currentText();
    case FunSetKind::Spin:
        return static_cast<QSpinBox*>(control)->text();
    case FunSetKind::Check:
        break;
    }
    return {};
}

void TfBFunSet::StoreSettings() {
    const TFunctionSettings s = Settings();
    ::StoreSettings(s, db_.All);
    pVox_->setEnabled(s[FunSetId::VoxFunction] != 0);
}

void TfBFunSet::ControlChanged() {
    if (!loading_)
        StoreSettings();
}

void TfBFunSet::chVoxFunClick() {
    pVox_->setEnabled(static_cast<QCheckBox*>(Control(FunSetId::VoxFunction))->isChecked());
}
