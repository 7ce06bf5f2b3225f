#include "cli/ImportCommand.h"

#include "app/Maindb.h"
#include "app/TextFile.h"
#include "editors/ChannelCsv.h"

int ImportCommand::Run(const ParsedArgs& args) {
    TfMaindb db(ctx_.AppDir);
    const auto base = args.Option("base");
    if (auto started = base ? OpenDataFile(db, *base) : StartImage(db); !started) {
        return Fail(started.error().Reason);
    }
    const auto text = ReadTextFile(args.Positionals[0]);
    if (!text) {
        return Fail(text.error().Reason);
    }
    const auto imported = ImportChannelCsv(db.All, *text);
    if (!imported) {
        return Fail(args.Positionals[0] + ": " + imported.error().Reason);
    }
    for (const std::string& warning : *imported) {
        Warn(args.Positionals[0] + ": " + warning);
    }
    if (auto saved = SaveDataFile(db, *args.Option("out")); !saved) {
        return Fail(saved.error().Reason);
    }
    return ExitOk;
}
