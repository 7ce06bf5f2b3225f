#include "app/Document.h"

#include "app/Maindb.h"
#include "radio/Catalogue.h"
#include "radio/DataFile.h"

void TDocument::New() {
    if (!SaveCheck()) {
        return;
    }
    ResetImage(db_.All, db_.Bands, ui_.Now());
    FileName.clear();
    ui_.ImageReplaced();
    db_.All.Modified = false;
}

void TDocument::Open() {
    if (!SaveCheck()) {
        return;
    }
    const std::optional<std::string> path = ui_.OpenPath();
    if (!path) {
        return;
    }
    FileName = *path;
    const auto loaded = LoadDataFile(db_.All, db_.Models, db_.Bands, FileName);
    if (!loaded) {
        // Forgotten, so that a later Save cannot overwrite the file that
        // failed to open.
        FileName.clear();
        ui_.FileChanged();
        ui_.Tell(loaded.error().UnknownModel ? db_.Language.ModError : loaded.error().Reason);
        return;
    }
    ui_.ImageReplaced();
    db_.All.Modified = false;
}

TDocument::SaveResult TDocument::Save() {
    if (FileName.empty()) {
        const std::optional<std::string> path = ui_.SavePath();
        if (!path) {
            ui_.FileChanged();
            return SaveResult::Cancelled;
        }
        FileName = *path;
    }
    const auto saved = SaveDataFile(db_.All, FileName, ui_.Now());
    ui_.FileChanged();
    if (!saved) {
        ui_.Tell(saved.error().Reason);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

TDocument::SaveResult TDocument::SaveAs() {
    FileName.clear();
    return Save();
}

bool TDocument::SaveCheck() {
    if (!db_.All.Modified || !ui_.Ask(db_.Language.SaveProgram)) {
        return true;
    }
    return Save() != SaveResult::Failed;
}

void TDocument::ChangeModel(const std::string& bandText) {
    if (db_.All.Modified && !ui_.Ask(db_.Language.ClearData)) {
        return;
    }
    const auto applied =
        ApplyModel(db_.All, db_.Models, db_.Bands, db_.Bands.CodeOf(bandText), true);
    if (!applied) {
        ui_.Tell(applied.error().Reason);
        return;
    }
    New();
}

std::string TDocument::Caption() const {
    return FileName.empty() ? db_.All.AppTitle : db_.All.AppTitle + " [" + FileName + "]";
}
