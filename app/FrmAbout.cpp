#include "app/FrmAbout.h"

#include "app/Maindb.h"
#include "lang/TranslateForm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QLabel* NamedLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TfFrmAbout::TfFrmAbout(TfMaindb& db, QWidget* parent) : QDialog(parent), db_(db) {
    setObjectName(QStringLiteral("fFrmAbout"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(408, 269);

    auto* layout = new QVBoxLayout(this);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QHBoxLayout(panel);
    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QIcon(QStringLiteral(":/kx40/kx40.png")).pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    panelLayout->addWidget(picture);
    auto* lines = new QVBoxLayout;
    // Screen order differs from the names the language file uses.
    for (const auto& [name, placeholder] : {std::pair{"Label1", "1"},
                                            {"Label2", "2"},
                                            {"Label3", "3"},
                                            {"Label8", "4"},
                                            {"Label4", "5"},
                                            {"Label9", "6"}}) {
        lines->addWidget(NamedLabel(panel, name, placeholder));
    }
    lines->addStretch();
    panelLayout->addLayout(lines, 1);
    layout->addWidget(panel);

    label5_ = NamedLabel(this, "Label5", "7");
    label6_ = NamedLabel(this, "Label6", "8");
    label7_ = NamedLabel(this, "Label7", "9");
    for (QLabel* hidden : {label5_, label6_, label7_}) {
        hidden->hide();
    }
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    layout->addWidget(memo_);
}

void TfFrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfFrmAbout::FormShow() {
    // Its lines exist only in the language files, so it is translated even
    // when the other windows keep their built-in texts.
    TranslateForm(*this, db_.All.AppDir, db_.All.LanguageName, false);
    setWindowTitle(QString::fromStdString(db_.All.AppTitle));
    memo_->setPlainText(
        QStringList{label5_->text(), label6_->text(), QString(), label7_->text()}.join('\n'));
    if (parentWidget() != nullptr) {
        move(parentWidget()->geometry().center() - rect().center());
    }
}

void TfFrmAbout::mousePressEvent(QMouseEvent*) {
    accept();
}
