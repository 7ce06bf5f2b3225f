#pragma once

#include "radio/DateTimeCodec.h"

#include <optional>
#include <string>

class TfMaindb;

// What the document commands need from the user and the main window.
class DocumentUi {
public:
    virtual ~DocumentUi() = default;

    // A yes/no question under the Confirmation caption; true for Yes.
    virtual bool Ask(const std::string& text) = 0;
    // A message the user acknowledges with OK.
    virtual void Tell(const std::string& text) = 0;
    // The file dialogs; nothing when the user cancels.
    virtual std::optional<std::string> OpenPath() = 0;
    virtual std::optional<std::string> SavePath() = 0;
    // The file name changed: status bar and caption.
    virtual void FileChanged() = 0;
    // The image was replaced: status bar and caption, then every editor
    // window closes and a fresh channel grid opens.
    virtual void ImageReplaced() = 0;
    virtual DateTimeBytes Now() = 0;
};

// The document commands New, Open, Save and Save As, the save check on
// leaving and the model change, over the image of the data module and the
// current data file.
class TDocument {
public:
    enum class SaveResult { Saved, Cancelled, Failed };

    TDocument(TfMaindb& db, DocumentUi& ui) : db_(db), ui_(ui) {}

    void New();
    void Open();
    SaveResult Save();
    SaveResult SaveAs();
    // Offers to save unsaved changes, before leaving and before the image is
    // replaced. False when the user wanted them saved and that failed: the
    // caller must then keep the image (and the application open).
    bool SaveCheck();
    // Makes the model that lists the band current and starts a fresh image
    // for it; asks first when there are unsaved changes.
    void ChangeModel(const std::string& bandText);

    // "KX-40" or "KX-40 [path]".
    std::string Caption() const;

    // Path of the current data file, empty when the image has none.
    std::string FileName;

private:
    TfMaindb& db_;
    DocumentUi& ui_;
};
