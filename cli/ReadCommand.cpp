#include "cli/ReadCommand.h"

#include "app/Maindb.h"
#include "cli/CliRadio.h"
#include "link/RadioReader.h"

int ReadCommand::Run(const ParsedArgs& args) {
    TfMaindb db(ctx_.AppDir);
    if (auto started = StartImage(db); !started) {
        return Fail(started.error().Reason);
    }
    auto radio = CliRadio::ForPort(ctx_, db, *args.Option("port"));
    if (!radio) {
        return Fail(radio.error().Reason);
    }
    CliRadio& line = *radio.value();
    RadioReader reader(db, line.Link(), line.Timers(), line.Events("reading", false));
    if (auto read = line.Run(reader, LinkMessage::ReadOk); !read) {
        return Fail(read.error().Reason);
    }
    if (auto saved = SaveDataFile(db, *args.Option("out")); !saved) {
        return Fail(saved.error().Reason);
    }
    ctx_.Out << "read " << db.All.ModelName << ", " << db.All.BandText << " into "
             << *args.Option("out") << "\n";
    return ExitOk;
}
