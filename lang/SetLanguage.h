#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class TfMaindb;

// The Language File Setup dialog: picks one of the languages listed in the
// settings. Ok changes LanguageName and LanguageIndex in the application state;
// the file keeps the old choice until the settings are saved at exit.
class TfSetLanguage : public QDialog {
    Q_OBJECT

public:
    explicit TfSetLanguage(TfMaindb& db, QWidget* parent = nullptr);

    // True after Ok with a language other than the current one.
    bool LanguageChanged() const { return languageChanged_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnOkClick();

    TfMaindb& db_;
    bool languageChanged_ = false;
    QLabel* lbName;
    QComboBox* cbLanguage;
    QListWidget* Language; // the language names, hidden, in the order of cbLanguage
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

// The language command of the main window: runs the dialog and, when the user
// chose another language, loads its message texts and returns true. The main
// window then translates itself (TranslateForm with the new LanguageName and
// list items on, whatever the index), refreshes its texts and reopens its
// editors.
bool ChooseLanguage(TfMaindb& db, QWidget* parent);
