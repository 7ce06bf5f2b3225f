#include "editors/ToneBox.h"

#include "editors/KeyFilter.h"
#include "editors/ToneLists.h"
#include "lang/ItemTags.h"
#include "lang/TranslateForm.h"

#include <QComboBox>
#include <QLineEdit>

QComboBox* MakeToneBox(const char* name, QObject* watcher, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Completing "25" to "250.3" would store a tone the user did not type.
    box->setCompleter(nullptr);
    SetTag(*box, TagFirstItem);
    for (const std::string& tone : ToneBoxList()) {
        box->addItem(QString::fromStdString(tone));
    }
    box->lineEdit()->installEventFilter(new KeyFilter(ToneKeyAllowed, box));
    box->lineEdit()->installEventFilter(watcher);
    return box;
}
