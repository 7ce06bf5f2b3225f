#pragma once

#include "app/EditorHost.h"

#include <string>
#include <vector>

// Stands in for the main window: records what the editors ask of it.
class RecordingHost : public EditorHost {
public:
    void RefreshEditors(int kind) override { Calls.push_back("refresh" + std::to_string(kind)); }
    void SelectChannelNode(bool reload) override {
        Calls.push_back(reload ? "select+reload" : "select");
    }

    std::vector<std::string> Calls;
};
