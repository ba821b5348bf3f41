#include "page_json.h"

#include "cli/json_report.h"
#include "reports/report_menu.h"
#include "svg_json.h"

#include <sstream>

namespace payvanta::web {

namespace {

const char* kindName(reports::ItemKind kind) {
    switch (kind) {
    case reports::ItemKind::Label:
        return "label";
    case reports::ItemKind::Field:
        return "field";
    case reports::ItemKind::Rule:
        return "rule";
    case reports::ItemKind::Frame:
        return "frame";
    case reports::ItemKind::Picture:
        return "picture";
    case reports::ItemKind::Button:
        return "button";
    case reports::ItemKind::Chart:
        return "chart";
    }
    return "label";
}

const char* kindName(reports::PrintItem::Kind kind) {
    switch (kind) {
    case reports::PrintItem::Kind::Text:
        return "text";
    case reports::PrintItem::Kind::Line:
        return "rule";
    case reports::PrintItem::Kind::Frame:
        return "frame";
    case reports::PrintItem::Kind::Picture:
        return "picture";
    case reports::PrintItem::Kind::Chart:
        return "chart";
    }
    return "text";
}

const char* alignName(reports::Align align) {
    switch (align) {
    case reports::Align::Right:
        return "right";
    case reports::Align::Center:
        return "center";
    case reports::Align::Left:
        break;
    }
    return "left";
}

void writeFont(std::ostream& out, const reports::PrintFont& font) {
    out << ",\"font\":{\"name\":";
    cli::writeJsonString(out, font.name);
    out << ",\"size\":" << font.size << ",\"bold\":" << (font.bold ? "true" : "false") << '}';
}

// The logo or a chart, drawn in the item's box.
void writeDrawing(std::ostream& out, bool logo, const reports::Chart* chart, int width, int height,
                  const reports::PrintFont& font) {
    if (logo) {
        out << ",\"svg\":";
        writeSvgJson(out, logoSvg(width, height));
    } else if (chart != nullptr) {
        out << ",\"svg\":";
        writeSvgJson(out, chartSvg(*chart, width, height, font));
    }
}

} // namespace

std::string pageJson(const reports::ReportPage& page) {
    std::ostringstream out;
    out << "{\"page\":";
    cli::writeJsonString(out, reports::formName(page.form));
    out << ",\"caption\":";
    cli::writeJsonString(out, page.caption);
    out << ",\"width\":" << page.width << ",\"height\":" << page.height << ",\"menu\":[";
    const char* separator = "";
    for (const reports::ReportMenuItem& m : reports::reportMenu(page.form)) {
        out << separator << "{\"control\":";
        cli::writeJsonString(out, m.control);
        out << ",\"caption\":";
        cli::writeJsonString(out, m.caption);
        out << ",\"prints\":" << (m.print ? "true" : "false") << '}';
        separator = ",";
    }
    out << "],\"items\":[";
    separator = "";
    for (const reports::ReportItem& item : page.items) {
        out << separator << "{\"control\":";
        cli::writeJsonString(out, item.name);
        out << ",\"kind\":\"" << kindName(item.kind) << "\",\"text\":";
        cli::writeJsonString(out, item.text);
        out << ",\"left\":" << item.left << ",\"top\":" << item.top << ",\"width\":" << item.width
            << ",\"height\":" << item.height << ",\"align\":\"" << alignName(item.align) << '"';
        reports::PrintFont font = reports::screenFont();
        font.bold = item.bold;
        writeFont(out, font);
        out << ",\"takesPrintFont\":" << (item.takesPrintFont ? "true" : "false");
        writeDrawing(out, item.kind == reports::ItemKind::Picture, item.chart.get(), item.width,
                     item.height, font);
        out << '}';
        separator = ",";
    }
    out << "]}";
    return out.str();
}

std::string printPageJson(const reports::PrintPage& page) {
    std::ostringstream out;
    out << "{\"items\":[";
    const char* separator = "";
    for (const reports::PrintItem& item : page.items) {
        out << separator << "{\"control\":";
        cli::writeJsonString(out, item.name);
        out << ",\"kind\":\"" << kindName(item.kind) << "\",\"text\":";
        cli::writeJsonString(out, item.text);
        out << ",\"left\":" << item.left << ",\"top\":";
        if (item.top) {
            out << *item.top;
        } else {
            out << "null";
        }
        out << ",\"width\":" << item.width << ",\"height\":" << item.height << ",\"align\":\""
            << alignName(item.align) << "\",\"fitGroup\":" << item.fitGroup;
        writeFont(out, item.font);
        writeDrawing(out, item.kind == reports::PrintItem::Kind::Picture, item.chart.get(),
                     item.width, item.height, item.font);
        out << '}';
        separator = ",";
    }
    out << "]}";
    return out.str();
}

} // namespace payvanta::web
