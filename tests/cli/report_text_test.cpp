#include "cli/stderr_view.h"
#include "reports/page_text.h"
#include "support/locales.h"
#include "support/temp_folder.h"
#include "ui/main_form.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <sstream>

using namespace payvanta;
using reports::PlacedText;
using reports::ReportForm;
using reports::ReportItem;

namespace {

const std::string kExamples = std::string(PAYVANTA_DATA_DIR) + "/examples/";

// One text of the page as the layout placed it: its line, and the top of its line on the
// page.
struct Placed {
    const PlacedText* text;
    std::size_t line;
    int top;
};

int rightOf(const ReportItem& item) {
    return item.left + item.width;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// The rule of a page as text: every line of every caption and value is placed once, on the
// line of its top and in its item's line spacing (so a blank line of a text stays); texts
// on one line stand at least two spaces apart; texts whose boxes stand in one place (edges
// at most 120 twips apart) on nearby lines make a column, whose texts end at the same
// character column when one is a right-aligned value, else start at the same column. The
// printed text is the placed texts.
void expectGrid(const reports::ReportPage& page, const reports::ShownText& shown) {
    SCOPED_TRACE(std::string(reports::formName(page.form)));
    const std::vector<reports::TextLine> lines = reports::layOutPageText(page, shown);
    std::vector<Placed> placed;
    std::string printed;
    for (std::size_t l = 0; l < lines.size(); ++l) {
        std::size_t at = 0;
        for (const PlacedText& t : lines[l]) {
            EXPECT_GE(t.column, at == 0 ? 0 : at + 2) << "too close: \"" << t.text << '"';
            printed.append(t.column - std::min(t.column, at), ' ');
            printed += t.text;
            at = t.column + t.width;
            placed.push_back({&t, l, 0});
        }
        printed += '\n';
    }
    EXPECT_EQ(reports::pageAsText(page, shown), printed);

    // Each item's lines, in order: placed on lines as far apart as the item's lines are.
    std::size_t expected = 0;
    for (const ReportItem& item : page.items) {
        if (item.kind != reports::ItemKind::Label && item.kind != reports::ItemKind::Field) {
            continue;
        }
        std::vector<Placed*> mine;
        for (Placed& p : placed) {
            if (p.text->item == &item) {
                mine.push_back(&p);
            }
        }
        std::size_t k = 0;
        std::size_t firstLine = 0;
        const std::vector<std::string> itemLines = linesOf(item.text);
        for (std::size_t i = 0; i < itemLines.size(); ++i) {
            if (itemLines[i].empty()) {
                continue;
            }
            ++expected;
            ASSERT_LT(k, mine.size()) << item.name << " line " << i;
            Placed& p = *mine[k++];
            EXPECT_EQ(p.text->text, shown ? shown(itemLines[i]) : itemLines[i]);
            p.top = item.top + 240 * static_cast<int>(i);
            if (k == 1) {
                firstLine = p.line - i;
            }
            EXPECT_EQ(p.line, firstLine + i) << item.name << " line " << i;
        }
    }
    EXPECT_EQ(placed.size(), expected);

    // The columns: texts in the same place, each at most two lines below another.
    std::vector<std::size_t> column(placed.size());
    std::iota(column.begin(), column.end(), 0);
    const std::function<std::size_t(std::size_t)> root = [&](std::size_t i) {
        return column[i] == i ? i : column[i] = root(column[i]);
    };
    for (std::size_t i = 0; i < placed.size(); ++i) {
        for (std::size_t j = 0; j < placed.size(); ++j) {
            const Placed& a = placed[i];
            const Placed& b = placed[j];
            const ReportItem& ia = *a.text->item;
            const ReportItem& ib = *b.text->item;
            if (a.top == b.top) {
                EXPECT_EQ(a.line, b.line) << ia.name << " and " << ib.name;
            } else if (a.top + 240 <= b.top) {
                EXPECT_LT(a.line, b.line) << ia.name << " above " << ib.name;
            }
            if (a.line < b.line && b.line <= a.line + 2 && std::abs(ia.left - ib.left) <= 120 &&
                std::abs(rightOf(ia) - rightOf(ib)) <= 120) {
                column[root(j)] = root(i);
            }
        }
    }
    // A column with a right-aligned value ends each text where the others end (numbers and
    // their heading); any other starts each where the others start.
    std::map<std::size_t, std::vector<const Placed*>> columns;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        columns[root(i)].push_back(&placed[i]);
    }
    for (const auto& [_, texts] : columns) {
        const bool numbers = std::any_of(texts.begin(), texts.end(), [](const Placed* p) {
            return p->text->item->align == reports::Align::Right;
        });
        const auto edge = [numbers](const Placed* p) {
            return numbers ? p->text->column + p->text->width : p->text->column;
        };
        for (const Placed* p : texts) {
            EXPECT_EQ(edge(p), edge(texts.front()))
                << '"' << p->text->text << "\" is out of the column of \""
                << texts.front()->text->text << (numbers ? "\" (ends)" : "\" (starts)");
        }
    }
}

// Every --report page of every example, in the United States and in a locale whose
// amounts hold characters of several bytes, as the text lays them out.
TEST(ReportText, every_page_of_the_examples_is_a_grid_of_its_rows_and_columns) {
    test::TempFolder folder;
    test::copyShippedData(folder.path());
    std::ostringstream messages;
    cli::StderrView view(messages);
    for (const LocaleConventions& locale : {LocaleConventions::unitedStates(), test::french()}) {
        for (const char* example : {"paper-mill-roll-crane.QVR", "scrap-yard-magnet-crane.QVR",
                                    "steel-mill-ladle-crane.QVR"}) {
            SCOPED_TRACE(example);
            ui::MainForm form(view, locale, folder.path());
            form.load();
            ASSERT_TRUE(form.openProjectFile(kExamples + example));
            for (const ReportForm report :
                 {ReportForm::Savings, ReportForm::EnergySavings, ReportForm::Maintenance,
                  ReportForm::Inventory, ReportForm::Hoist, ReportForm::Trolley, ReportForm::Bridge,
                  ReportForm::BusinessCase}) {
                expectGrid(form.reportPage(report), {});
            }
        }
    }
    // Texts measured as shown where they are printed, wider than on the page.
    ui::MainForm form(view, LocaleConventions::unitedStates(), folder.path());
    form.load();
    ASSERT_TRUE(form.openProjectFile(kExamples + "steel-mill-ladle-crane.QVR"));
    expectGrid(form.reportPage(ReportForm::EnergySavings),
               [](std::string_view text) { return "<" + std::string(text) + "\u2192>"; });
    EXPECT_EQ(messages.str(), "");
}

} // namespace
