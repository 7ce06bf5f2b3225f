#include "cli/NewCommand.h"

#include "app/Maindb.h"
#include "radio/Catalogue.h"

#include <algorithm>
#include <cctype>

namespace {

// Band texts are compared without their spaces and case, so "440-530mhz"
// names "440 - 530MHz" and the shell needs no quotes.
std::string BandKey(std::string_view text) {
    std::string key;
    for (const char c : text) {
        if (c != ' ') {
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return key;
}

} // namespace

int NewCommand::Run(const ParsedArgs& args) {
    TfMaindb db(ctx_.AppDir);
    if (auto started = StartImage(db); !started) {
        return Fail(started.error().Reason);
    }
    const std::string wanted = BandKey(*args.Option("band"));
    std::string known;
    for (int i = 0; const TMacType* model = db.Models.Items(i); ++i) {
        for (const std::string& band : model->Bands) {
            if (BandKey(band) == wanted) {
                if (auto applied =
                        ApplyModel(db.All, db.Models, db.Bands, db.Bands.CodeOf(band), true);
                    !applied) {
                    return Fail(applied.error().Reason);
                }
                ResetImage(db.All, db.Bands, ctx_.Now());
                if (auto saved = SaveDataFile(db, *args.Option("out")); !saved) {
                    return Fail(saved.error().Reason);
                }
                return ExitOk;
            }
            known += (known.empty() ? "" : ", ") + band;
        }
    }
    return Fail("no model has the band \"" + *args.Option("band") + "\"; the bands are: " + known);
}
