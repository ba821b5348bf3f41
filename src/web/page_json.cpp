#include "page_json.h"

#include "cli/json_report.h"

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

} // namespace

std::string pageJson(const reports::ReportPage& page) {
    std::ostringstream out;
    out << "{\"page\":";
    cli::writeJsonString(out, reports::formName(page.form));
    out << ",\"caption\":";
    cli::writeJsonString(out, page.caption);
    out << ",\"width\":" << page.width << ",\"height\":" << page.height << ",\"items\":[";
    const char* separator = "";
    for (const reports::ReportItem& item : page.items) {
        out << separator << "{\"control\":";
        cli::writeJsonString(out, item.name);
        out << ",\"kind\":\"" << kindName(item.kind) << "\",\"text\":";
        cli::writeJsonString(out, item.text);
        out << ",\"left\":" << item.left << ",\"top\":" << item.top << ",\"width\":" << item.width
            << ",\"height\":" << item.height << ",\"align\":" << static_cast<int>(item.align)
            << ",\"bold\":" << (item.bold ? "true" : "false") << '}';
        separator = ",";
    }
    out << "]}";
    return out.str();
}

} // namespace payvanta::web
