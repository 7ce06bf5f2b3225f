#include "lang/TranslateForm.h"

#include "app/TALL.h"
#include "lang/IniFile.h"
#include "lang/ItemTags.h"
#include "lang/Language.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

// The texts of one form section, keyed by the lower-case key; the first of two
// equal keys wins, as in any lookup of the file.
class FormTexts {
public:
    FormTexts(const IniFile& ini, const QString& section) {
        for (const auto& [key, value] : ini.Items(section.toStdString())) {
            const QString k = QString::fromStdString(key).toLower();
            if (!texts_.contains(k)) {
                texts_.insert(k, QString::fromStdString(value));
            }
        }
    }
    bool Empty() const { return texts_.isEmpty(); }
    QString Get(const QString& key, const QString& current) const {
        return texts_.value(key.toLower(), current);
    }

private:
    QHash<QString, QString> texts_;
};

bool OnToolBar(const QAction& action) {
    const auto objects = action.associatedObjects();
    return std::any_of(objects.begin(), objects.end(),
                       [](const QObject* o) { return qobject_cast<const QToolBar*>(o); });
}

QTabWidget* TabsOf(QWidget& page) {
    QWidget* stack = page.parentWidget();
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(&page) >= 0 ? tabs : nullptr;
}

QString ItemKey(const QString& name, int i) {
    return name + QLatin1Char('.') + QString::number(i);
}

void TranslateComboBox(QComboBox& combo, const FormTexts& texts, const QString& name,
                       bool listFlag) {
    const int n = TranslatedItemCount(ItemList::ComboBox, TagOf(combo), listFlag, combo.count());
    const int selected = combo.currentIndex();
    for (int i = 0; i < n; ++i) {
        combo.setItemText(i, texts.Get(ItemKey(name, i), combo.itemText(i)));
    }
    combo.setCurrentIndex(selected);
}

void TranslateListBox(QListWidget& list, const FormTexts& texts, const QString& name) {
    const int n = TranslatedItemCount(ItemList::ListBox, TagOf(list), false, list.count());
    for (int i = 0; i < n; ++i) {
        list.item(i)->setText(texts.Get(ItemKey(name, i), list.item(i)->text()));
    }
}

void TranslateGrid(QTableWidget& grid, const FormTexts& texts, const QString& name) {
    const int n =
        TranslatedItemCount(ItemList::GridHeadings, TagOf(grid), false, grid.columnCount());
    for (int c = 0; c < n; ++c) {
        QTableWidgetItem* heading = grid.horizontalHeaderItem(c);
        const QString current = heading ? heading->text() : QString();
        const QString text = texts.Get(ItemKey(name, c + 1), current);
        if (heading) {
            heading->setText(text);
        } else if (text != current) {
            grid.setHorizontalHeaderItem(c, new QTableWidgetItem(text));
        }
    }
}

void TranslateObject(QObject& object, const FormTexts& texts, bool listFlag) {
    const QString name = object.objectName();
    const QString caption = name + QStringLiteral(".Caption");
    const QString hint = name + QStringLiteral(".Hint");
    if (auto* label = qobject_cast<QLabel*>(&object)) {
        label->setText(texts.Get(caption, label->text()));
    } else if (auto* menu = qobject_cast<QMenu*>(&object)) {
        menu->setTitle(texts.Get(caption, menu->title()));
    } else if (auto* action = qobject_cast<QAction*>(&object)) {
        action->setText(texts.Get(caption, action->text()));
        if (OnToolBar(*action)) {
            action->setToolTip(texts.Get(hint, action->toolTip()));
        }
    } else if (auto* push = qobject_cast<QPushButton*>(&object)) {
        push->setText(texts.Get(caption, push->text()));
    } else if (auto* tool = qobject_cast<QToolButton*>(&object)) {
        tool->setText(texts.Get(caption, tool->text()));
        tool->setToolTip(texts.Get(hint, tool->toolTip()));
    } else if (auto* grid = qobject_cast<QTableWidget*>(&object)) {
        TranslateGrid(*grid, texts, name);
    } else if (auto* combo = qobject_cast<QComboBox*>(&object)) {
        TranslateComboBox(*combo, texts, name, listFlag);
    } else if (auto* check = qobject_cast<QCheckBox*>(&object)) {
        check->setText(texts.Get(caption, check->text()));
    } else if (auto* radio = qobject_cast<QRadioButton*>(&object)) {
        radio->setText(texts.Get(caption, radio->text()));
    } else if (auto* group = qobject_cast<QGroupBox*>(&object)) {
        group->setTitle(texts.Get(caption, group->title()));
    } else if (auto* list = qobject_cast<QListWidget*>(&object)) {
        TranslateListBox(*list, texts, name);
    } else if (auto* page = qobject_cast<QWidget*>(&object); page && TabsOf(*page)) {
        QTabWidget* tabs = TabsOf(*page);
        const int index = tabs->indexOf(page);
        tabs->setTabText(index, texts.Get(caption, tabs->tabText(index)));
    }
}

} // namespace

void SetTag(QObject& control, int tag) {
    control.setProperty(TagProperty, tag);
}

int TagOf(const QObject& control) {
    return control.property(TagProperty).toInt();
}

void TranslateForm(QWidget& form, const std::string& appDir, const std::string& languageName,
                   bool listFlag) {
    const IniFile ini = IniFile::Load(LanguageFilePath(appDir, languageName));
    const FormTexts texts(ini, form.objectName());
    if (texts.Empty()) {
        return;
    }
    form.setWindowTitle(
        texts.Get(form.objectName() + QStringLiteral(".Caption"), form.windowTitle()));
    // Depth first in creation order, the order the form's components were made.
    const auto objects = form.findChildren<QObject*>();
    for (QObject* object : objects) {
        if (!object->objectName().isEmpty()) {
            TranslateObject(*object, texts, listFlag);
        }
    }
}

void TranslateOnOpen(QWidget& form, const TALL& all, bool listFlag) {
    if (all.LanguageIndex > 0) {
        TranslateForm(form, all.AppDir, all.LanguageName, listFlag);
    }
}
