#include "cli/CliCommand.h"

#include "app/Maindb.h"
#include "radio/DataFile.h"

int CliCommand::execute() {
    const auto parsed = ParseArgs(args_, Rules());
    if (!parsed) {
        ctx_.Err << "kx40ctl: " << parsed.error().Reason << "\nusage: " << Usage() << "\n";
        return ExitUsage;
    }
    return Run(*parsed);
}

int CliCommand::Fail(std::string_view reason) {
    ctx_.Err << "kx40ctl: " << reason << "\n";
    return ExitFailed;
}

void CliCommand::Warn(std::string_view text) {
    ctx_.Err << "kx40ctl: warning: " << text << "\n";
}

Result<void> CliCommand::StartImage(TfMaindb& db) {
    return db.CompleteStartup(ctx_.Now());
}

Result<void> CliCommand::OpenDataFile(TfMaindb& db, const std::string& fileName) {
    if (auto started = StartImage(db); !started) {
        return started;
    }
    if (auto loaded = LoadDataFile(db.All, db.Models, db.Bands, fileName); !loaded) {
        return Error{loaded.error().Reason};
    }
    return {};
}

Result<void> CliCommand::SaveDataFile(TfMaindb& db, const std::string& fileName) {
    return ::SaveDataFile(db.All, fileName, ctx_.Now());
}
