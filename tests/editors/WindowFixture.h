#pragma once

#include "EditorFixture.h"
#include "RecordingHost.h"
#include "ScriptedMessages.h"

#include <string>
#include <vector>

// A started data module whose message boxes are recorded instead of shown,
// and a host that records what the editor windows ask of the main window.
class WindowFixture : public EditorFixture {
protected:
    // Each message shown, as "caption|text|style".
    std::vector<std::string> Messages() const {
        std::vector<std::string> shown;
        for (const auto& message : messages.shown) {
            shown.push_back(message.Caption + "|" + message.Text + "|" +
                            std::to_string(message.Style));
        }
        return shown;
    }
    std::string Warning(const std::string& text) const {
        return db.Language.Caution + "|" + text + "|1";
    }

    RecordingHost host;
    ScriptedMessages messages{db};
};
