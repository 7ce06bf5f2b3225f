#include "cli/ExportCommand.h"

#include "app/AtomicFile.h"
#include "app/Maindb.h"
#include "editors/ChannelCsv.h"

int ExportCommand::Run(const ParsedArgs& args) {
    TfMaindb db(ctx_.AppDir);
    if (auto opened = OpenDataFile(db, args.Positionals[0]); !opened) {
        return Fail(opened.error().Reason);
    }
    if (auto written = WriteFileAtomic(*args.Option("csv"), ExportChannelCsv(db.All)); !written) {
        return Fail(written.error().Reason);
    }
    return ExitOk;
}
