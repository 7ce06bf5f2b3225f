#include "cli/VerifyCommand.h"

#include "app/Maindb.h"
#include "cli/CliRadio.h"
#include "radio/HexText.h"

int VerifyCommand::Run(const ParsedArgs& args) {
    const std::string& file = args.Positionals[0];
    TfMaindb expected(ctx_.AppDir);
    if (auto opened = OpenDataFile(expected, file); !opened) {
        return Fail(opened.error().Reason);
    }
    TfMaindb db(ctx_.AppDir);
    if (auto started = StartImage(db); !started) {
        return Fail(started.error().Reason);
    }
    const auto memory = CliRadio::Read(ctx_, db, *args.Option("port"));
    if (!memory) {
        return Fail(memory.error().Reason);
    }

    // Every write stamps its own time, so the write time never matches.
    constexpr ImageRegion skipped = RadioImage::WriteTime;
    int differences = 0;
    for (std::size_t address = 0; address < memory->size(); ++address) {
        const std::size_t offset = RadioImage::ToImageOffset(address);
        const std::uint8_t want = expected.All.Image[offset];
        if ((offset >= skipped.Offset && offset < skipped.End()) || (*memory)[address] == want) {
            continue;
        }
        ++differences;
        ctx_.Out << "0x" << ByteToHex(static_cast<std::uint8_t>(address >> 8)).substr(1)
                 << ByteToHex(static_cast<std::uint8_t>(address)) << ": file " << ByteToHex(want)
                 << ", radio " << ByteToHex((*memory)[address]) << "\n";
    }
    if (differences > 0) {
        return Fail(std::to_string(differences) + " bytes of the radio differ from " + file);
    }
    ctx_.Out << "the radio holds " << file << "\n";
    return ExitOk;
}
