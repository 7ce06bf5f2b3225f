#include "lang/MessageBox.h"

int ShowMessage(const MessageHandler& show, const std::string& caption, const std::string& text,
                int style) {
    switch (style) {
    case MsgInformation:
        show(caption, text, style);
        return IdOk;
    case MsgYesNo:
        return show(caption, text, style) == IdYes ? IdYes : IdNo;
    case MsgRetryCancel:
        return show(caption, text, style) == IdRetry ? IdRetry : IdCancel;
    default:
        return IdOk;
    }
}
