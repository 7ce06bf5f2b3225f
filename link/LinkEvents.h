#pragma once

#include <functional>
#include <string>

struct TLanguage;

// What the radio engines tell their user: a window shows these as message
// boxes, the command-line tool prints them.
enum class LinkMessage { LPortError, ComError, ModError, ReadOk, WriteOk };

// The text of a message in the current language.
const std::string& MessageText(const TLanguage& texts, LinkMessage message);

// How an engine reports to its front end. Any of them may be left empty.
struct LinkEvents {
    // Blocks done so far, at most the bar's maximum.
    std::function<void(int value)> Progress;
    // `reason` says more about a failure when there is more to say (why a port
    // did not open), else it is empty.
    std::function<void(LinkMessage message, const std::string& reason)> Message;
    // The radio is of another model than the current one: write anyway?
    std::function<bool()> AskForce;
    std::function<void()> CloseRequest;
    std::function<void(bool enabled)> EnableOk;
};
