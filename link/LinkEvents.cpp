#include "link/LinkEvents.h"

#include "lang/Language.h"

const std::string& MessageText(const TLanguage& texts, LinkMessage message) {
    switch (message) {
    case LinkMessage::LPortError:
        return texts.LPortError;
    case LinkMessage::ComError:
        return texts.ComError;
    case LinkMessage::ModError:
        return texts.ModError;
    case LinkMessage::ReadOk:
        return texts.ReadOk;
    case LinkMessage::WriteOk:
        break;
    }
    return texts.WriteOk;
}
