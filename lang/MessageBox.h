#pragma once

#include <functional>
#include <string>

// The message box styles the program uses and the answers it returns.
enum MessageStyle : int {
    MsgInformation = 1, // information icon, OK
    MsgYesNo = 2,       // question icon, Yes and No
    MsgRetryCancel = 22 // question icon, Retry and Cancel
};

inline constexpr int IdOk = 1;
inline constexpr int IdCancel = 2;
inline constexpr int IdRetry = 4;
inline constexpr int IdYes = 6;
inline constexpr int IdNo = 7;

// Shows a modal message box and returns the answer. The program's one is a
// real box; tests install one that records what was shown and answers from a
// script.
using MessageHandler =
    std::function<int(const std::string& caption, const std::string& text, int style)>;

// Shows a message through `show`. Any style other than the three above shows
// nothing and answers OK. An answer that is not one of the style's buttons (the
// box was closed by its close button or Escape) counts as No or Cancel, so a
// question is never taken as a Yes that was not given.
int ShowMessage(const MessageHandler& show, const std::string& caption, const std::string& text,
                int style);
