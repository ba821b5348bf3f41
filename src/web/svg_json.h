#pragma once

#include "reports/chart.h"
#include "reports/print_page.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace payvanta::web {

// An SVG element for the page to build with the DOM: its tag, attributes, text and
// children. Texts stay texts: the page never parses them as markup.
struct SvgNode {
    std::string tag;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;
    std::vector<SvgNode> children;
};

// {"tag":..., "attributes":{...}, "text":..., "children":[...]}
void writeSvgJson(std::ostream& out, const SvgNode& node);

// The logo in a box of this size, in twips: the hook and the name beside it, on a rule.
SvgNode logoSvg(int width, int height);

// A chart in a box of this size, in twips, its texts in the font given: the title and the
// legend, the value axis with its grid, the bars or the line with its marked point, the
// labels along the bottom, the x title and the note.
SvgNode chartSvg(const reports::Chart& chart, int width, int height,
                 const reports::PrintFont& font);

} // namespace payvanta::web
