#include "svg_json.h"

#include "cli/json_report.h"
#include "reports/text_width.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace payvanta::web {

namespace {

constexpr const char* kBlue = "#1f4e8c";
constexpr const char* kSteel = "#6b7a8f";
constexpr const char* kGrid = "#d8dce2";
constexpr const char* kAxis = "#404040";
constexpr const char* kLine = "#2f4f7f";
constexpr const char* kMarker = "#a23b2a";

std::string num(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    return buffer;
}

SvgNode node(std::string tag, std::vector<std::pair<std::string, std::string>> attributes,
             std::string text = {}) {
    return {std::move(tag), std::move(attributes), std::move(text), {}};
}

SvgNode svgRoot(int width, int height) {
    return node("svg", {{"viewBox", "0 0 " + std::to_string(width) + ' ' + std::to_string(height)},
                        {"preserveAspectRatio", "none"}});
}

SvgNode rect(double x, double y, double w, double h, const char* fill) {
    return node("rect", {{"x", num(x)},
                         {"y", num(y)},
                         {"width", num(std::max(0.0, w))},
                         {"height", num(std::max(0.0, h))},
                         {"fill", fill}});
}

SvgNode line(double x1, double y1, double x2, double y2, const char* stroke, double width) {
    return node("line", {{"x1", num(x1)},
                         {"y1", num(y1)},
                         {"x2", num(x2)},
                         {"y2", num(y2)},
                         {"stroke", stroke},
                         {"stroke-width", num(width)}});
}

// A text whose baseline starts, ends or is centred at x.
SvgNode text(double x, double baseline, const std::string& s, const char* anchor, double size,
             bool bold = false, const char* fill = kAxis) {
    return node("text",
                {{"x", num(x)},
                 {"y", num(baseline)},
                 {"text-anchor", anchor},
                 {"font-size", num(size)},
                 {"font-weight", bold ? "bold" : "normal"},
                 {"fill", fill}},
                s);
}

const char* seriesColour(int series) {
    static const std::array<const char*, 3> kColours{"#4f6d9a", "#8a9a5b", "#c49a54"};
    return kColours[static_cast<std::size_t>(series) % kColours.size()];
}

// About how wide a text is in a font of this size (twips): the average character of the
// faces used is a little over half as wide as the font is high.
double textWidth(const std::string& s, double size) {
    return static_cast<double>(reports::displayWidth(s)) * size * 0.55;
}

} // namespace

void writeSvgJson(std::ostream& out, const SvgNode& n) {
    out << "{\"tag\":";
    cli::writeJsonString(out, n.tag);
    out << ",\"attributes\":{";
    const char* separator = "";
    for (const auto& [name, value] : n.attributes) {
        out << separator;
        cli::writeJsonString(out, name);
        out << ':';
        cli::writeJsonString(out, value);
        separator = ",";
    }
    out << "},\"text\":";
    cli::writeJsonString(out, n.text);
    out << ",\"children\":[";
    separator = "";
    for (const SvgNode& child : n.children) {
        out << separator;
        writeSvgJson(out, child);
        separator = ",";
    }
    out << "]}";
}

SvgNode logoSvg(int width, int height) {
    SvgNode svg = svgRoot(width, height);
    svg.attributes.emplace_back("font-family", "Arial, Helvetica, sans-serif");
    const double h = height;
    const double s = h * 0.9; // the hook's square
    const double top = (h - s) / 2;
    // The block and the rope, then the hook: a thick arc open to the upper left.
    SvgNode block = rect(0.30 * s, top + 0.02 * s, 0.40 * s, 0.18 * s, kBlue);
    block.attributes.emplace_back("rx", num(0.04 * s));
    svg.children.push_back(std::move(block));
    svg.children.push_back(rect(0.47 * s, top + 0.20 * s, 0.06 * s, 0.16 * s, kBlue));
    const std::string arc = "M" + num(0.56 * s) + ' ' + num(top + 0.36 * s) + " L" + num(0.56 * s) +
                            ' ' + num(top + 0.61 * s) + " A" + num(0.15 * s) + ' ' + num(0.15 * s) +
                            " 0 1 1 " + num(0.41 * s) + ' ' + num(top + 0.46 * s);
    svg.children.push_back(node("path", {{"d", arc},
                                         {"fill", "none"},
                                         {"stroke", kBlue},
                                         {"stroke-width", num(0.09 * s)},
                                         {"stroke-linecap", "round"},
                                         {"stroke-linejoin", "round"}}));
    // The name beside the hook, "QVR" in steel grey, on a rule.
    const double textLeft = s * 1.05;
    const double baseline = h * 0.62;
    SvgNode name = node("text", {{"x", num(textLeft)},
                                 {"y", num(baseline)},
                                 {"font-size", num(h * 0.42)},
                                 {"textLength", num(width - textLeft)},
                                 {"lengthAdjust", "spacingAndGlyphs"}});
    name.children.push_back(
        node("tspan", {{"font-weight", "bold"}, {"fill", kBlue}}, "STRAVOLUX\u00a0"));
    name.children.push_back(node("tspan", {{"fill", kSteel}}, "QVR"));
    svg.children.push_back(std::move(name));
    svg.children.push_back(rect(textLeft, baseline + h * 0.12, width - textLeft, h * 0.04, kBlue));
    return svg;
}

SvgNode chartSvg(const reports::Chart& chart, int width, int height,
                 const reports::PrintFont& font) {
    using reports::Chart;
    SvgNode svg = svgRoot(width, height);
    const bool serif = font.name.find("Times") != std::string::npos;
    svg.attributes.emplace_back("font-family", "\"" + font.name + "\", " +
                                                   (serif ? "serif" : "Arial, sans-serif"));
    // Sizes in twips: the title in the font, the rest a point smaller (never below 6).
    const double titleSize = (font.size > 0 ? font.size : 8) * 20.0;
    const double small = std::max(6.0 * 20, titleSize - 20);
    const double row = small * 1.2;
    const double gap = row / 3;
    const double hairline = std::max(15.0, row / 12);
    auto& out = svg.children;

    double top = 0;
    out.push_back(text(width / 2.0, top + titleSize, chart.title, "middle", titleSize, true));
    top += titleSize * 1.2 + gap;
    double x = 0;
    for (std::size_t s = 0; s < chart.series.size(); ++s) {
        if (chart.kind == Chart::Kind::Bars) {
            out.push_back(
                rect(x, top + row * 0.25, row * 0.9, row * 0.5, seriesColour(static_cast<int>(s))));
        } else {
            out.push_back(rect(x, top + row * 0.5 - hairline, row * 0.9, 2 * hairline, kLine));
        }
        x += row * 0.9 + gap;
        out.push_back(text(x, top + small, chart.series[s], "start", small));
        x += textWidth(chart.series[s], small) + 2 * gap;
    }
    top += row + gap;

    double bottom = height;
    if (!chart.note.empty()) {
        out.push_back(text(0, bottom - row * 0.25, chart.note, "start", small));
        bottom -= row;
    }
    if (!chart.xTitle.empty()) {
        out.push_back(text(width / 2.0, bottom - row * 0.25, chart.xTitle, "middle", small));
        bottom -= row;
    }
    bottom -= row + gap;

    double labelWidth = 0;
    for (const reports::ChartTick& t : chart.valueTicks) {
        labelWidth = std::max(labelWidth, textWidth(t.text, small));
    }
    const double plotLeft = labelWidth + gap;
    const double plotRight = width - gap;
    const double plotTop = top + row;
    if (plotRight <= plotLeft || bottom <= plotTop) {
        return svg;
    }
    double low = 0;
    double high = 1;
    if (!chart.valueTicks.empty()) {
        low = chart.valueTicks.front().value;
        high = chart.valueTicks.back().value;
    }
    const auto y = [&](double value) {
        const double range = high > low ? high - low : 1;
        return bottom - (value - low) / range * (bottom - plotTop);
    };
    for (const reports::ChartTick& t : chart.valueTicks) {
        out.push_back(line(plotLeft, y(t.value), plotRight, y(t.value),
                           t.value == 0 ? kAxis : kGrid, hairline));
        out.push_back(text(labelWidth, y(t.value) + small * 0.35, t.text, "end", small));
    }
    out.push_back(line(plotLeft, plotTop, plotLeft, bottom, kAxis, hairline));
    const double zero = y(0);
    const double plotWidth = plotRight - plotLeft;

    if (chart.kind == Chart::Kind::Bars && !chart.bars.empty()) {
        const double slot = plotWidth / static_cast<double>(chart.bars.size());
        for (std::size_t i = 0; i < chart.bars.size(); ++i) {
            const reports::ChartBar& bar = chart.bars[i];
            const double left = plotLeft + slot * (static_cast<double>(i) + 0.2);
            const double end = y(bar.value);
            out.push_back(rect(left, std::min(zero, end), slot * 0.6, std::abs(zero - end),
                               seriesColour(bar.series)));
            // The amount beyond the bar's end, the label under the axis.
            const double centre = plotLeft + slot * (static_cast<double>(i) + 0.5);
            const double valueTop = bar.value < 0 ? std::max(zero, end) : std::min(zero, end) - row;
            out.push_back(text(centre, valueTop + small, bar.valueText, "middle", small));
            out.push_back(text(centre, bottom + gap + small, bar.label, "middle", small));
        }
    } else if (chart.kind == Chart::Kind::Line && chart.points.size() > 1) {
        const double last = static_cast<double>(chart.points.size() - 1);
        const auto xOf = [&](double v) { return plotLeft + v / last * plotWidth; };
        for (const reports::ChartTick& t : chart.xTicks) {
            out.push_back(
                line(xOf(t.value), bottom, xOf(t.value), bottom + gap / 2, kAxis, hairline));
            out.push_back(text(xOf(t.value), bottom + gap + small, t.text, "middle", small));
        }
        std::string points;
        for (std::size_t i = 0; i < chart.points.size(); ++i) {
            points += num(xOf(static_cast<double>(i))) + ',' + num(y(chart.points[i])) + ' ';
        }
        out.push_back(node("polyline", {{"points", points},
                                        {"fill", "none"},
                                        {"stroke", kLine},
                                        {"stroke-width", num(2 * hairline)},
                                        {"stroke-linejoin", "round"}}));
        for (std::size_t i = 0; i < chart.points.size(); ++i) {
            out.push_back(node("circle", {{"cx", num(xOf(static_cast<double>(i)))},
                                          {"cy", num(y(chart.points[i]))},
                                          {"r", num(1.5 * hairline)},
                                          {"fill", kLine}}));
        }
        if (chart.markerX) {
            // The payback: where the line crosses zero, ringed, with its words beside it.
            const double at = xOf(*chart.markerX);
            SvgNode dashed = line(at, plotTop, at, bottom, kMarker, hairline);
            dashed.attributes.emplace_back("stroke-dasharray", num(4 * hairline));
            out.push_back(std::move(dashed));
            out.push_back(node("circle", {{"cx", num(at)},
                                          {"cy", num(zero)},
                                          {"r", num(row / 3)},
                                          {"fill", "#fff"},
                                          {"stroke", kMarker},
                                          {"stroke-width", num(2 * hairline)}}));
            // Below the zero line and right of the point, where a rising line never is.
            const double apart = row / 2 + gap;
            const bool leftOfIt = at + apart + textWidth(chart.markerText, small) > plotRight;
            out.push_back(text(leftOfIt ? at - apart : at + apart, zero + apart + small,
                               chart.markerText, leftOfIt ? "end" : "start", small, false,
                               kMarker));
        }
    }
    return svg;
}

} // namespace payvanta::web
