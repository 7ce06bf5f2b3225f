#include "cli/WriteCommand.h"

#include "app/Maindb.h"
#include "cli/CliRadio.h"
#include "editors/IdentityFields.h"
#include "link/RadioWriter.h"

int WriteCommand::Run(const ParsedArgs& args) {
    TfMaindb db(ctx_.AppDir);
    const std::string& file = args.Positionals[0];
    if (auto opened = OpenDataFile(db, file); !opened) {
        return Fail(opened.error().Reason);
    }
    if (const auto password = args.Option("new-password")) {
        if (password->size() > RadioImage::NewPassword.Size) {
            return Fail("the new password has more than " +
                        std::to_string(RadioImage::NewPassword.Size) + " characters");
        }
        db.All.NewPasswordEnabled = true;
        StorePasswords(PasswordText(RadioImageView(db.All.Image)), *password, db.All);
    }
    auto radio = CliRadio::ForPort(ctx_, db, *args.Option("port"));
    if (!radio) {
        return Fail(radio.error().Reason);
    }
    CliRadio& line = *radio.value();
    RadioWriter writer(db, line.Link(), line.Timers(), line.Events("writing", args.Flag("force")),
                       ctx_.Now);
    if (auto written = line.Run(writer, LinkMessage::WriteOk); !written) {
        return Fail(written.error().Reason);
    }
    ctx_.Out << "wrote " << file << " to the radio\n";
    return ExitOk;
}
