#include "editors/EditorForm.h"

#include "lang/TranslateForm.h"

#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The sub-window of the work area that holds the editor, or the editor itself
// when it is shown on its own.
QWidget* Frame(QWidget* editor) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(editor->parentWidget()))
        return sub;
    return editor;
}

} // namespace

TEditorForm::TEditorForm(const QString& name, const QString& caption, const TALL& all,
                         QWidget* parent)
    : QWidget(parent), all_(all) {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
}

void TEditorForm::SetBody(QLayout* body) {
    auto* btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->hide();
    connect(btnOk, &QPushButton::clicked, this, &TEditorForm::btnOkClick);
    auto* btnCancel = new QPushButton(QStringLiteral("&Close"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnCancel, &QPushButton::clicked, this, &TEditorForm::CloseForm);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* top = new QVBoxLayout(this);
    top->addLayout(body);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

void TEditorForm::Translate() {
    TranslateOnOpen(*this, all_, true);
}

void TEditorForm::CloseForm() {
    Frame(this)->close();
}

void TEditorForm::btnOkClick() {
    CloseForm();
}

void TEditorForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
        constexpr int Margin = 20;
        Frame(this)->move(Margin, Margin);
    }
}
