#include "launcher/matching.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <utility>

#include "catalogue/shortcut_record.h"
#include "fake_platform.h"
#include "app/result_list.h"
#include "platform/ascii.h"
#include "platform/trace.h"

namespace vtx {
namespace {

std::string Rec(std::string_view name, std::initializer_list<std::pair<int, std::string_view>> fields = {}) {
    Fields f = NewRecord(name, "x", "Other");
    for (const auto& [col, value] : fields) f[static_cast<std::size_t>(col)] = std::string(value);
    return JoinRecord(f);
}

class MatchingTest : public ::testing::Test {
protected:
    void Load(std::initializer_list<std::string> lines) {
        for (const auto& l : lines) catalogue.Append(l);
        FillMainListBox(catalogue, text, list);
        matcher.Clear();
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (int r = 0; r < list.size(); ++r) out.emplace_back(list.Name(r));
        return out;
    }
    std::string SelectedName() const { return std::string(list.Name(matcher.selected())); }

    fake::FakeText text;
    Catalogue catalogue;
    ResultList list;
    Matcher matcher{list, text};
};

TEST_F(MatchingTest, ListHoldsVisibleLinesInSortedOrder) {
    Load({Rec("zeta"), Rec("calculator"), Rec("hidden", {{kVis, "0"}}), Rec("calc"), Rec("blank vis", {{kVis, ""}}),
          Rec("Beta", {{kVis, "00"}})});
    EXPECT_EQ(Names(), (std::vector<std::string>{"Beta", "blank vis", "calc", "calculator", "zeta"}));
    for (int r = 0; r < list.size(); ++r) {
        EXPECT_EQ(&list.Line(r), &catalogue.lines()[static_cast<std::size_t>(list.CatalogueIndex(r))]);
        EXPECT_EQ(FieldOf(list.Line(r), kName), list.Name(r));
    }
    EXPECT_EQ(list.Line(-1), "");
    EXPECT_EQ(list.Line(list.size()), "");
    EXPECT_EQ(list.Name(99), "");
    EXPECT_EQ(list.CatalogueIndex(-1), -1);
}

TEST_F(MatchingTest, MatchingTable) {
    // "Note" sorts before "notebook"; typed letters find it whatever its capitals.
    Load({Rec("calc"), Rec("calculator"), Rec("Note"), Rec("notebook"), Rec("word"), Rec("secret", {{kVis, "0"}})});
    struct Case {
        const char* typed;
        const char* selected;  // "" when nothing is selected
    };
    const Case cases[] = {
        {"CALC", "calc"},      {"calc", "calc"},     {"calcu", "calculator"}, {"  cal\t", "calc"},
        {"n", "Note"},         {"NOTE", "Note"},     {"noteb", "notebook"},   {"notes", ""},           {"w", "word"},
        {"secret", ""},        {"calculators", ""},  {"x", ""},
    };
    for (const auto& c : cases) {
        Matcher fresh(list, text);
        const bool found = fresh.Edit2Change(c.typed);
        EXPECT_EQ(found, *c.selected != '\0') << c.typed;
        EXPECT_EQ(std::string(list.Name(fresh.selected())), c.selected) << c.typed;
        EXPECT_EQ(fresh.labels().shname, c.typed);
    }
}

TEST_F(MatchingTest, LabelsFollowTheSelection) {
    Load({Rec("alpha"), Rec("calc"), Rec("calculator"), Rec("zulu")});
    matcher.Edit2Change("cal");
    EXPECT_EQ(matcher.labels(), (CoolLabels{"cal", "calc", "alpha", "calculator"}));
    matcher.Edit2Change("a");
    EXPECT_EQ(matcher.labels(), (CoolLabels{"a", "alpha", "", "calc"}));
    matcher.Edit2Change("Zu");
    EXPECT_EQ(matcher.labels(), (CoolLabels{"Zu", "zulu", "calculator", ""}));
    // No match: the typed text shows, the rest keep what they had.
    matcher.Edit2Change("cal");
    matcher.Edit2Change("calq");
    EXPECT_EQ(matcher.selected(), -1);
    EXPECT_EQ(matcher.labels(), (CoolLabels{"calq", "calc", "alpha", "calculator"}));
    // Moves and mouse selections leave the labels alone.
    matcher.Edit2Change("cal");
    matcher.MoveDown();
    matcher.Select(3);
    EXPECT_EQ(matcher.labels().shinfo, "calc");
}

TEST_F(MatchingTest, BlankTextDiffersBetweenTheTwoHandlers) {
    Load({Rec("alpha"), Rec("beta")});
    matcher.Edit2Change("b");
    matcher.Edit2Change(" \t ");
    EXPECT_EQ(matcher.selected(), -1);
    EXPECT_EQ(matcher.labels(), CoolLabels{});

    std::vector<std::string> traces;
    SetTraceSink([&](std::string_view label, int) { traces.emplace_back(label); });
    matcher.Edit2Change("b");
    EXPECT_TRUE(traces.empty());
    EXPECT_TRUE(matcher.Edit1Change("  "));
    SetTraceSink(nullptr);
    EXPECT_EQ(traces, std::vector<std::string>{"Form1.Edit1Change"});
    EXPECT_EQ(matcher.selected(), 0);
    EXPECT_EQ(matcher.labels(), (CoolLabels{"", "alpha", "", "beta"}));
    // With text, Edit1Change matches like Edit2Change.
    matcher.Edit1Change("BE");
    EXPECT_EQ(matcher.labels(), (CoolLabels{"BE", "beta", "alpha", ""}));
}

TEST_F(MatchingTest, KeyboardAndMouseMoves) {
    Load({Rec("a"), Rec("b"), Rec("c")});
    matcher.MoveDown();
    matcher.MoveUp();
    EXPECT_EQ(matcher.selected(), -1);  // nothing selected: the keys select nothing
    matcher.Edit2Change("c");
    matcher.MoveDown();
    EXPECT_EQ(matcher.selected(), 2);
    matcher.MoveUp();
    matcher.MoveUp();
    matcher.MoveUp();
    EXPECT_EQ(matcher.selected(), 0);
    matcher.MoveDown();
    EXPECT_EQ(SelectedName(), "b");
    matcher.Select(7);
    EXPECT_EQ(matcher.selected(), -1);
    matcher.Select(2);
    EXPECT_EQ(matcher.selected(), 2);
    matcher.Clear();
    EXPECT_EQ(matcher.selected(), -1);
    EXPECT_EQ(matcher.labels().shinfo, "c");

    // Row under the pointer: 16-pixel rows, scrolled by one row, three rows in the list.
    EXPECT_EQ(RowAt(0, 16, 1, 3), 1);
    EXPECT_EQ(RowAt(31, 16, 1, 3), 2);
    EXPECT_EQ(RowAt(32, 16, 1, 3), -1);  // below the last row
    EXPECT_EQ(RowAt(-1, 16, 0, 3), -1);
    EXPECT_EQ(RowAt(5, 0, 0, 3), -1);
}

TEST_F(MatchingTest, EmptyListMatchesNothing) {
    Load({Rec("hidden", {{kVis, "0"}})});
    EXPECT_EQ(list.size(), 0);
    EXPECT_FALSE(matcher.Edit1Change(""));
    EXPECT_FALSE(matcher.Edit2Change("h"));
    matcher.Select(0);
    matcher.MoveDown();
    EXPECT_EQ(matcher.selected(), -1);
}

TEST(ResultListDrawing, RowsShowColourIconAndName) {
    EXPECT_EQ(ColorLabelRgb("Red"), (Rgb{255, 148, 137}));
    EXPECT_EQ(ColorLabelRgb("Gray"), (Rgb{198, 198, 198}));
    EXPECT_FALSE(ColorLabelRgb("red"));
    EXPECT_FALSE(ColorLabelRgb("None"));
    EXPECT_FALSE(ColorLabelRgb(""));

    const RowPaint prog = DescribeRow(Rec("calc", {{kTy1, "Program"}, {kColor, "Blue"}}), true);
    EXPECT_TRUE(prog.icon);
    EXPECT_EQ(prog.text, "Calc");
    EXPECT_EQ(std::pair(prog.text_x, prog.text_y), std::pair(24, 2));
    EXPECT_EQ(prog.background, (Rgb{140, 196, 253}));

    const RowPaint url = DescribeRow(Rec("web", {{kTy1, "URL"}}), true);
    EXPECT_FALSE(url.icon);
    EXPECT_EQ(url.text, "web");
    EXPECT_EQ(std::pair(url.text_x, url.text_y), std::pair(3, 1));
    EXPECT_FALSE(url.background);

    EXPECT_FALSE(DescribeRow(Rec("calc", {{kTy1, "Program"}}), false).icon);
    EXPECT_EQ(DescribeRow(Rec("1st", {{kTy1, "File"}}), true).text, "1st");
    EXPECT_EQ(RowHeight(true), 18);
    EXPECT_EQ(RowHeight(false), 16);
}

// ---------------------------------------------------------------- randomized equivalence
// The indexed search must pick exactly the row the plain pass over the list picks.

// The plain pass: every name lower-cased by itself, compared with the lower-cased query.
int LinearFirstMatch(const ResultList& list, Text& text, std::string_view q) {
    for (int r = 0; r < list.size(); ++r)
        if (StartsWith(text.ToLower(list.Name(r)), q)) return r;
    return -1;
}

std::string RandomName(std::mt19937& rng) {
    // A small alphabet makes shared prefixes and duplicates common.
    static const std::string kAlphabet = std::string("aAbBcC01 .-_\xE9\xC9\xFF\x8A\x9A") + '\0';
    std::uniform_int_distribution<int> len(0, 6), pick(0, static_cast<int>(kAlphabet.size()) - 1);
    std::string s;
    for (int n = len(rng); n > 0; --n) s += kAlphabet[static_cast<std::size_t>(pick(rng))];
    return s;
}

std::string RandomLine(std::mt19937& rng) {
    std::uniform_int_distribution<int> kind(0, 9);
    std::string line = RandomName(rng);
    switch (kind(rng)) {
        case 0: return line;                                   // a bare name, no fields at all
        case 1: return line + "|||";                           // "|"-heavy short line
        case 2: return line + "||||||||||||||0|";              // invisible
        case 3: return line + "|" + RandomName(rng) + "|x|";   // extra fields after the name
        default: {
            Fields f = NewRecord(line, RandomName(rng), "Other");
            if (kind(rng) == 0) f[kVis] = "0";
            return JoinRecord(f);
        }
    }
}

TEST(MatchingRandomized, IndexedSearchEqualsLinearPass) {
    std::mt19937 rng(20240611u);
    fake::FakeText text;
    for (int round = 0; round < 40; ++round) {
        Catalogue catalogue;
        std::uniform_int_distribution<int> count(0, round < 10 ? 8 : 400);
        for (int n = count(rng); n > 0; --n) catalogue.Append(RandomLine(rng));
        // Exact duplicates of whole lines.
        for (int i = 0, n = catalogue.size(); i < n / 10; ++i) catalogue.Append(catalogue.line(i));
        ResultList list;
        if (round % 2) FillMainListBox(catalogue, text, list);
        else list.Fill(catalogue, text);  // unsorted order too: the index must not rely on it
        Matcher matcher(list, text);

        std::uniform_int_distribution<int> how(0, 3);
        for (int query = 0; query < 150; ++query) {
            std::string typed;
            if (list.size() > 0 && how(rng) != 0) {
                // A prefix of an existing name, sometimes changed at one position.
                const std::string name(list.Name(std::uniform_int_distribution<int>(0, list.size() - 1)(rng)));
                typed = name.substr(0, std::uniform_int_distribution<std::size_t>(0, name.size())(rng));
                if (!typed.empty() && how(rng) == 0) typed.back() = RandomName(rng).append("a")[0];
            } else {
                typed = RandomName(rng);
            }
            const std::string q = TrimBlanks(text.ToLower(typed));
            ASSERT_EQ(list.FirstRowStartingWith(q), LinearFirstMatch(list, text, q)) << "round " << round << " q " << q;
            // Capitals in the query itself never match: names are compared lower-cased.
            ASSERT_EQ(list.FirstRowStartingWith(typed), LinearFirstMatch(list, text, typed));

            const int expected = q.empty() ? -1 : LinearFirstMatch(list, text, q);
            matcher.Edit2Change(typed);
            ASSERT_EQ(matcher.selected(), expected) << "round " << round << " typed " << typed;
            if (expected >= 0) {
                ASSERT_EQ(matcher.labels().shinfo, list.Name(expected));
                ASSERT_EQ(matcher.labels().shinfoleft, list.Name(expected - 1));
                ASSERT_EQ(matcher.labels().shinforight, list.Name(expected + 1));
            }
        }
    }
}

}  // namespace
}  // namespace vtx
