#include "cli/ReadCommand.h"

#include "app/Maindb.h"
#include "cli/CliRadio.h"

int ReadCommand::Run(const ParsedArgs& args) {
    TfMaindb db(ctx_.AppDir);
    if (auto started = StartImage(db); !started) {
        return Fail(started.error().Reason);
    }
    if (auto read = CliRadio::Read(ctx_, db, *args.Option("port")); !read) {
        return Fail(read.error().Reason);
    }
    if (auto saved = SaveDataFile(db, *args.Option("out")); !saved) {
        return Fail(saved.error().Reason);
    }
    ctx_.Out << "read " << db.All.ModelName << ", " << db.All.BandText << " into "
             << *args.Option("out") << "\n";
    return ExitOk;
}
