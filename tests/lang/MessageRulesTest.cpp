#include "lang/ItemTags.h"
#include "lang/MessageBox.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ShowMessage, StylesAndTheirAnswers) {
    struct Case {
        int style;
        int answer; // what the box reports
        int result;
        bool shown;
    };
    for (const Case& c : {
             Case{MsgInformation, IdOk, IdOk, true},
             Case{MsgInformation, 0, IdOk, true},
             Case{MsgYesNo, IdYes, IdYes, true},
             Case{MsgYesNo, IdNo, IdNo, true},
             Case{MsgYesNo, 0, IdNo, true}, // closed without an answer
             Case{MsgRetryCancel, IdRetry, IdRetry, true},
             Case{MsgRetryCancel, IdCancel, IdCancel, true},
             Case{MsgRetryCancel, IdYes, IdCancel, true},
             Case{5, IdNo, IdOk, false},
             Case{0, IdNo, IdOk, false},
         }) {
        std::vector<std::string> shown;
        const MessageHandler script = [&](const std::string& caption, const std::string& text,
                                          int style) {
            shown.push_back(caption + "|" + text + "|" + std::to_string(style));
            return c.answer;
        };
        EXPECT_EQ(ShowMessage(script, "Cap", "Text", c.style), c.result) << c.style;
        EXPECT_EQ(shown, c.shown ? std::vector<std::string>{"Cap|Text|" + std::to_string(c.style)}
                                 : std::vector<std::string>{})
            << c.style;
    }
}

TEST(ItemTags, WhichItemsAreTranslated) {
    struct Case {
        ItemList list;
        int tag;
        bool listFlag;
        int count;
        int expected;
    };
    for (const Case& c : {
             Case{ItemList::ComboBox, 0, true, 3, 3},
             Case{ItemList::ComboBox, 0, false, 3, 0},
             Case{ItemList::ComboBox, TagData, true, 3, 0},
             Case{ItemList::ComboBox, TagFirstItem, true, 3, 1},
             Case{ItemList::ComboBox, TagFirstItem, true, 0, 0},
             Case{ItemList::ListBox, 0, false, 3, 3},
             Case{ItemList::ListBox, TagData, true, 3, 0},
             Case{ItemList::ListBox, TagFirstItem, false, 3, 1},
             Case{ItemList::GridHeadings, 7, false, 4, 4},
             Case{ItemList::GridHeadings, TagData, true, 4, 0},
             Case{ItemList::GridHeadings, TagFirstItem, true, 4, 4},
         }) {
        EXPECT_EQ(TranslatedItemCount(c.list, c.tag, c.listFlag, c.count), c.expected)
            << int(c.list) << " tag " << c.tag << " flag " << c.listFlag;
    }
}

} // namespace
