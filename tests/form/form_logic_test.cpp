#include "form/form_logic.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/fake_view.h"
#include "common/temp_dir.h"

namespace tolvane {
namespace {

using Log = std::vector<std::string>;

constexpr const char* kFailure =
    "critical:アルゴリズム内でエラーが発生しました。作者に連絡してください。";
// Every unit lasts 60 seconds: easy sums.
constexpr const char* kEvenTable =
    "60,60,60,60,60,60\n60,60,60,60,60,60\n60,60,60,60,60,60\n60,60,60,60,60,60\n";

// The form over a fake window, with `table` beside the program (none if null); started, with
// what the start did forgotten, unless `started` is false.
struct Form {
    explicit Form(const char* table = kEvenTable, bool started = true) {
        if (table != nullptr) {
            dir.Write("table.csv", table);
        }
        if (started) {
            logic.Start();
            view.log.clear();
        }
    }
    std::uint32_t FactorBits() const {
        return __builtin_bit_cast(std::uint32_t, logic.State().PlanFactor);
    }

    testing::TempDir dir;
    testing::FakeView view;
    FormLogic logic{view, testing::Utf8(dir.path())};
};

TEST(FormStart, TheTableMessageComesBeforeTheWindowAndTheSelectionsAreReset) {
    for (const char* table : {static_cast<const char*>(nullptr), kEvenTable}) {
        Form form(table, false);
        form.logic.Option1_Click(1);
        form.logic.Option3_Click(3);
        form.logic.Option4_Click(5);
        form.logic.Start();
        const Log expected = table == nullptr
                                 ? Log{"critical:料金設定ファイル(table.csv)"
                                       "がありません。再インストールしてください。 [0|0]",
                                       "shown"}
                                 : Log{"shown"};
        EXPECT_EQ(form.view.log, expected);
        EXPECT_EQ(form.FactorBits(), 0x3F666666u);
        EXPECT_EQ(form.logic.State().TimeBand + form.logic.State().DistanceBand, 0);
        EXPECT_EQ(form.logic.State().RateTable[23], table == nullptr ? 0 : 60);
        // Before the window is shown a box stands alone; after, the window owns it.
        EXPECT_EQ(form.view.last.ownedByWindow, false);
        form.logic.Command1_Click(0);
        EXPECT_EQ(form.view.last.ownedByWindow, true);
    }
}

// One dispatch: the control that raised the event decides the handler; the destination group,
// the frames and the labels have none, and no option writes a box or shows a message.
TEST(FormClick, EachGroupSelectsItsOwnPartOfTheState) {
    Form form;
    for (const ControlRef control :
         {ControlRef{ControlArray::Option1, 2}, ControlRef{ControlArray::Option1, 1},
          ControlRef{ControlArray::Option3, 2}, ControlRef{ControlArray::Option4, 4},
          ControlRef{ControlArray::Option2, 1}, ControlRef{ControlArray::Frame1, 3},
          ControlRef{ControlArray::Label1, 0}, ControlRef{ControlArray::Text1, 0}}) {
        form.logic.Click(control);
    }
    EXPECT_EQ(form.FactorBits(), 0x3F99999Au);
    EXPECT_EQ(form.logic.State().TimeBand, 2);
    EXPECT_EQ(form.logic.State().DistanceBand, 4);
    EXPECT_TRUE(form.view.log.empty());
    form.logic.Click({ControlArray::Command1, 1});
    EXPECT_EQ(form.view.log.back(), "Text1=0");
}

// Which box is read and which written, the destination, the message, and what is left where.
TEST(FormCommand1, ReadsOneBoxAnnouncesThenWritesTheOther) {
    struct Case {
        const char* table;
        bool ordinary;
        std::int16_t index;
        std::string text1, text2, message, written;  // no text written: the conversion fails
        std::int32_t lastResult;
    };
    const std::string failure = std::string(kFailure) + " [5|x]";
    for (const Case& c : {
             Case{kEvenTable, false, 0, "1", "7",
                  "information:1分間の通話で料金は約46円です。 [1|7]", "Text2=46", 46},
             // Any index but 0 is yen to minutes.
             Case{kEvenTable, false, 7, "7", "46", "information:46円で約1分間通話できます。 [7|46]",
                  "Text1=1", 1},
             // 13.5 units at 10 × 0.9f yen: 121.4999…, not 121.5 (which would round to 122).
             Case{kEvenTable, true, 0, " １２．５分", "",
                  "information: １２．５分分間の通話で料金は約121円です。 [ １２．５分|]",
                  "Text2=121", 121},
             // No rate: the failure, and the boxes as they were.
             Case{"0,0,0,0,0,0\n", true, 0, "5", "x", failure, "", 0},
         }) {
        SCOPED_TRACE(c.message);
        Form form(c.table);
        // A success first, so that a failure's reset of the latest result shows.
        form.view.ordinaryChecked = false;
        form.view.texts = {"3", "0"};
        form.logic.Command1_Click(0);
        ASSERT_NE(form.logic.State().LastResult, 0);
        form.view.log.clear();

        form.view.ordinaryChecked = c.ordinary;
        form.view.texts = {c.text1, c.text2};
        form.logic.Command1_Click(c.index);
        EXPECT_EQ(form.view.log, (c.written.empty() ? Log{c.message} : Log{c.message, c.written}));
        EXPECT_EQ(form.logic.State().LastResult, c.lastResult);
    }
}

TEST(FormCommand1, AFailureAfterTheResultKeepsItAndLeavesTheBoxes) {
    Form form;
    form.view.ordinaryChecked = false;
    form.view.failInformation = true;
    form.view.texts = {"1", "7"};
    form.logic.Command1_Click(0);
    EXPECT_EQ(form.view.log, (Log{"information:1分間の通話で料金は約46円です。 [1|7]",
                                  std::string(kFailure) + " [1|7]"}));
    EXPECT_EQ(form.logic.State().LastResult, 46);
}

// A pasted text: the box shows the sentence shortened, its line break a blank; Ctrl+C copies it
// as it is.
TEST(FormCommand1, ShowsTheSentenceShortenedAndCopiesItWhole) {
    Form form;
    form.view.texts = {"1\n" + std::string(300, '0'), "0"};
    form.logic.Command1_Click(0);
    EXPECT_EQ(form.view.last.copied, form.view.texts[0] + "分間の通話で料金は約18円です。");
    EXPECT_EQ(form.view.last.shown, "1 " + std::string(118, '0') + "…" + std::string(44, '0') +
                                        "分間の通話で料金は約18円です。");
}

// Two quick access keys: the second button's click arrives from inside the first one's box.
TEST(FormCommand1, AClickWhileAMessageIsUpIsIgnored) {
    Form form;
    form.view.ordinaryChecked = false;
    form.view.texts = {"1", "100"};
    form.view.whileShown = [&form] { form.logic.Command1_Click(1); };
    form.logic.Command1_Click(0);
    EXPECT_EQ(form.view.log,
              (Log{"information:1分間の通話で料金は約46円です。 [1|100]", "Text2=46"}));
    EXPECT_EQ(form.logic.State().LastResult, 46);
    form.logic.Command1_Click(1);  // and once the box is gone, a click works again
    EXPECT_EQ(form.view.log.back(), "Text1=1");
}

}  // namespace
}  // namespace tolvane
