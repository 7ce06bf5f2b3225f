#include "editors/FreqWarning.h"

#include "app/Maindb.h"
#include "lang/ShowMessageBox.h"

void ShowFreqWarning(const TfMaindb& db, FreqMsg msg) {
    if (msg == FreqMsg::None) {
        return;
    }
    const TLanguage& texts = db.Language;
    ShowMessageBox(db, texts.Caution, msg == FreqMsg::ErrRange ? texts.ErrRange : texts.OutRange,
                   MsgInformation);
}
