#pragma once

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "radio/Result.h"

#include <string>
#include <string_view>
#include <vector>

class TfMaindb;

// One subcommand of kx40ctl. execute() checks the arguments (a usage line on
// stderr when they do not fit), runs the command and returns the exit code:
// 0 done, 1 failed, 2 bad arguments. Errors go to stderr; a failed command
// creates or changes no output file.
class CliCommand {
public:
    CliCommand(CliContext& ctx, std::vector<std::string> args)
        : ctx_(ctx), args_(std::move(args)) {}
    virtual ~CliCommand() = default;
    CliCommand(const CliCommand&) = delete;
    CliCommand& operator=(const CliCommand&) = delete;

    int execute();

    // "kx40ctl NAME ARGS..." as the usage line shows it.
    virtual std::string_view Usage() const = 0;

    static constexpr int ExitOk = 0;
    static constexpr int ExitFailed = 1;
    static constexpr int ExitUsage = 2;

protected:
    virtual ArgRules Rules() const = 0;
    virtual int Run(const ParsedArgs& args) = 0;

    // Prints "kx40ctl: REASON" on stderr and returns ExitFailed.
    int Fail(std::string_view reason);
    void Warn(std::string_view text);

    // The data module of one command: settings and texts from the program
    // folder, and a fresh image of the default band.
    Result<void> StartImage(TfMaindb& db);
    // Opens a data file as the window's Open does.
    Result<void> OpenDataFile(TfMaindb& db, const std::string& fileName);
    // Saves the image as the window's Save does.
    Result<void> SaveDataFile(TfMaindb& db, const std::string& fileName);

    CliContext& ctx_;

private:
    std::vector<std::string> args_;
};
