#pragma once

#include "app/EditorWindow.h"
#include "editors/ChannelTable.h"
#include "editors/EditorForm.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

class EditorHost;
class QComboBox;
class QListWidget;
class QTableWidget;
class QTableWidgetItem;
class TfMaindb;
class ChannelGridView;

// The channel information window: every channel of the image in one grid,
// edited in place. The rules live in TChannelTable; this window shows its
// cells, turns the user's edits into its calls and places the drop-down
// editors over option and tone cells.
class TfChInfo : public TEditorForm, public EditorWindow {
    Q_OBJECT
public:
    TfChInfo(TfMaindb& db, EditorHost& host, QWidget* parent = nullptr);
    ~TfChInfo() override;

    void FinishEditing() override;
    void ShowCurrentChannel() override;
    void LoadChannelRow(int channel);

    const TChannelTable& Table() const { return *table_; }
    QTableWidget* Grid() const;
    // The drop-down editor of a kind (DecodeTone .. YesNo), for tests.
    QComboBox* Box(CellEditor kind) const;

    // Runs the tone picker; tests replace it.
    std::function<QString(QWidget* parent)> PickTone;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow() override;
    void BuildColumns();
    QSize FormSize() const;
    void ShowRow(int channel);
    void ShowAllRows();
    void gvDataSetForeText(QTableWidgetItem* item);
    void gvDataCellSelected(int row, int column);
    void gvDataMouseDown(int row, int column);
    void ShowCellEditor();
    void HideEditors();
    void ListChange(CellEditor kind, int index);
    void ToneChange(CellEditor kind);
    void ToneDblClick(CellEditor kind);
    int CurrentChannelRow() const { return row_ + 1; }
    int CurrentColumn() const { return column_ + 1; }

    TfMaindb& db_;
    EditorHost& host_;
    std::unique_ptr<TChannelTable> table_;
    ChannelGridView* gvData_;
    QListWidget* lbColumns_;
    std::array<QComboBox*, 5> boxes_{}; // DecodeTone, EncodeTone, Power, Bandwidth, YesNo
    bool loading_ = false;
    int row_ = -1;
    int column_ = -1;
};
