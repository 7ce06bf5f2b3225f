#pragma once

#include "EditorFixture.h"
#include "RecordingHost.h"

#include <string>
#include <vector>

// A started data module whose message boxes are recorded instead of shown,
// and a host that records what the editor windows ask of the main window.
class WindowFixture : public EditorFixture {
protected:
    WindowFixture() {
        db.MessageBox = [this](const std::string& caption, const std::string& text, int style) {
            Messages.push_back(caption + "|" + text + "|" + std::to_string(style));
            return 1;
        };
    }

    std::string Warning(const std::string& text) const {
        return db.Language.Caution + "|" + text + "|1";
    }

    RecordingHost host;
    std::vector<std::string> Messages;
};
