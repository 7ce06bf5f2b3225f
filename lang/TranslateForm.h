#pragma once

#include <string>

class QObject;
class QWidget;
struct TALL;

// The integer tag of a control (see lang/ItemTags.h) is its dynamic property
// "tag"; a control without one has tag 0.
inline constexpr char TagProperty[] = "tag";
void SetTag(QObject& control, int tag);
int TagOf(const QObject& control);

// Replaces the texts of `form` and of every named object inside it from the
// section named after the form's objectName in the language file of
// `languageName`. Keys are the object's name plus ".Caption", ".Hint" or an
// item number; a missing key leaves the text as it is. What each kind gets:
//   the form: its window title (form name + ".Caption");
//   QLabel, QPushButton, QCheckBox, QRadioButton, QMenu and a menu QAction:
//     the caption;
//   QToolButton and a QAction on a tool bar: the caption, then the tool tip
//     (".Hint"); menu items get no hint;
//   QGroupBox: the title; a page of a QTabWidget: its tab text;
//   QComboBox (only with `listFlag`) and QListWidget: items 0, 1, ... (".0",
//     ".1", ...), as far as the tag allows; a combo box keeps its selection;
//   QTableWidget: the heading of column c (1-based) from ".c", unless tagged
//     as data.
void TranslateForm(QWidget& form, const std::string& appDir, const std::string& languageName,
                   bool listFlag);

// What every form does when it opens: it is translated only when a language
// other than the first one is chosen (the built-in texts are the first).
void TranslateOnOpen(QWidget& form, const TALL& all, bool listFlag);
