#include "editors/EmbeddedMessage.h"

#include "editors/MessageFilter.h"
#include "lang/TranslateForm.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Refuses any text with a character the line does not take, so neither a
// typed key, an input method nor a paste can bring one in.
class TMessageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (char32_t c : input.toUcs4()) {
            if (!AcceptMessageKey(c))
                return Invalid;
        }
        return Acceptable;
    }
};

} // namespace

TfEmbeddedMessage::TfEmbeddedMessage(const TALL& all, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fEmbeddedMessage"));
    setWindowTitle(QStringLiteral("Embedded Message"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    auto* top = new QVBoxLayout(this);
    auto addLine = [&](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(MessageLineLength);
        edit->setValidator(new TMessageValidator(edit));
        top->addWidget(edit);
    };
    addLine("edEMA");
    addLine("edEMB");

    auto* btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
    TranslateOnOpen(*this, all, true);
}
