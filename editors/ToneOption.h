#pragma once

#include "editors/ToneTable.h"

#include <QDialog>
#include <QString>

#include <array>

class QGroupBox;
class QListWidget;
class QRadioButton;
class QTableWidget;
class TfMaindb;

// The tone picker: a modal dialog that offers the CTCSS tones and the DCS
// codes in three tables. Its only result is the picked tone text, empty when
// the user closed it without a pick. It never touches the image.
class TfToneOption : public QDialog {
    Q_OBJECT
public:
    explicit TfToneOption(TfMaindb& db, QWidget* parent = nullptr);

    // Shows a new picker modally and returns its result.
    static QString PickTone(TfMaindb& db, QWidget* parent);

    const QString& Result() const { return result_; }
    QTableWidget* Table(TonePage page) const { return tables_[static_cast<std::size_t>(page)]; }
    QRadioButton* PageButton(TonePage page) const {
        return buttons_[static_cast<std::size_t>(page)];
    }
    QGroupBox* CodeGroup() const { return gbCode_; }

private:
    void FormShow();
    void PageClick(TonePage page);
    void TableDblClick(TonePage page, int row, int column);

    TfMaindb& db_;
    QGroupBox* gbVoice_;
    QGroupBox* gbCode_;
    QListWidget* lbTitle_;
    std::array<QRadioButton*, 3> buttons_{};
    std::array<QTableWidget*, 3> tables_{};
    std::array<TToneTable, 3> pages_{};
    QString result_;
};
