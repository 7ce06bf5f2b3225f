#pragma once

#include "app/Desktop.h"
#include "app/Document.h"
#include "app/EditorHost.h"
#include "app/Windows.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class EditorWindow;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class TfMaindb;

// The frame of the application: menu, tool bar, navigation tree, status bar
// and the work area for the editor windows. Every command comes down to a
// number that RunCommand carries out; the windows behind the numbers come
// from the TfWindows table, so the frame itself only dispatches and keeps the
// open windows in step.
class TfMainFrm : public QMainWindow, public EditorHost, private DocumentUi {
    Q_OBJECT
public:
    TfMainFrm(TfMaindb& db, TfWindows windows, std::unique_ptr<Desktop> desktop,
              QWidget* parent = nullptr);
    ~TfMainFrm() override;

    void RunCommand(int no);
    void RefreshEditors(int kind) override;
    void SelectChannelNode(bool reload) override;
    void RefreshStatus();
    void SetTreeTexts();
    void CloseEditorWindows();
    void ShowHelp();

    // Focuses the window when it is open, else creates it; null when the
    // window has no factory yet.
    QMdiSubWindow* ShowChildWindow(EditorKind kind);
    // The open window of that kind, or null.
    QMdiSubWindow* ChildWindow(EditorKind kind) const;

    // The current data file and the document commands on it.
    TDocument& Document() { return doc_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildTreePanel();
    void BuildStatusBar();
    void FormShow();
    void cxQN7415DblClick(QTreeWidgetItem* item);
    void TimerTimer();
    void TileChildren(Qt::Orientation orientation);
    void ArrangeIcons();
    EditorWindow* Editor(EditorKind kind) const;
    void LanguageChanged();

    bool Ask(const std::string& text) override;
    void Tell(const std::string& text) override;
    std::optional<std::string> OpenPath() override;
    std::optional<std::string> SavePath() override;
    void FileChanged() override;
    void ImageReplaced() override;
    DateTimeBytes Now() override;

    TfMaindb& db_;
    TfWindows windows_;
    std::unique_ptr<Desktop> desktop_;
    TDocument doc_{db_, *this};
    std::array<QPointer<QMdiSubWindow>, EditorKindCount> children_;
    bool shown_ = false;

    QMdiArea* work_ = nullptr;
    QToolBar* tbar_ = nullptr;
    QWidget* pTree_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QTimer* timer_ = nullptr;
    std::array<QLabel*, 7> panels_{};
    QLabel* lCom_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label6_ = nullptr;
};
