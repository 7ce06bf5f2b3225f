#include "ShellFakes.h"

#include <memory>

namespace {

EditorFactory Editor(const char* name, CallLog& log) {
    return [name, &log](TfMaindb&, EditorHost&) -> std::unique_ptr<QWidget> {
        log.push_back(std::string(name) + ".new");
        return std::make_unique<FakeEditor>(name, log);
    };
}

DialogRunner Dialog(const char* name, CallLog& log) {
    return [name, &log](TfMaindb&, QWidget*) {
        log.emplace_back(name);
        return true;
    };
}

} // namespace

TfWindows FakeWindows(CallLog& log) {
    TfWindows w;
    w.ChannelGrid = Editor("grid", log);
    w.ChannelEdit = Editor("edit", log);
    w.RadioInformation = Editor("info", log);
    w.Password = Editor("password", log);
    w.FunctionSetting = Editor("function", log);
    w.Print = Dialog("print", log);
    w.PrintPreview = Dialog("preview", log);
    w.TestFrequency = Dialog("testfrequency", log);
    w.EmbeddedMessage = Dialog("message", log);
    w.ReadRadio = Dialog("read", log);
    w.WriteRadio = Dialog("write", log);
    w.TestOnline = Dialog("testonline", log);
    w.SetPort = Dialog("port", log);
    w.SetLanguage = Dialog("language", log);
    return w;
}
