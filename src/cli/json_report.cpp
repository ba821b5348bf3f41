#include "json_report.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace payvanta::cli {

namespace {

std::string number17(double value) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    return buf;
}

} // namespace

void writeJsonString(std::ostream& out, std::string_view text) {
    out << '"';
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out << "\\\"";
            break;
        case '\\':
            out << "\\\\";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\t':
            out << "\\t";
            break;
        default:
            if (b < 0x20 || b == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", b);
                out << buf;
            } else {
                out << c;
            }
        }
    }
    out << '"';
}

namespace {

struct Member {
    std::string name;
    std::string value;
    bool isText;
};

void writeObject(std::ostream& out, const std::vector<Member>& members, std::string_view indent) {
    out << "{\n";
    for (std::size_t i = 0; i < members.size(); ++i) {
        const Member& member = members[i];
        out << indent << "  ";
        writeJsonString(out, member.name);
        out << ": ";
        if (member.isText) {
            writeJsonString(out, member.value);
        } else {
            out << member.value;
        }
        out << (i + 1 < members.size() ? ",\n" : "\n");
    }
    out << indent << "}";
}

} // namespace

void writeJsonPage(std::ostream& out, const reports::ReportPage& page, std::string_view indent) {
    std::vector<Member> members;
    for (const reports::ReportItem& item : page.items) {
        if (item.kind == reports::ItemKind::Field) {
            members.push_back({std::string(item.name), item.text, true});
        }
    }
    writeObject(out, members, indent);
}

void writeJsonResult(std::ostream& out, const SavingsModel& model, std::string_view indent) {
    std::vector<Member> members;
    const auto text = [&](std::string name, const std::string& value) {
        members.push_back({std::move(name), value, true});
    };
    const auto num = [&](std::string name, double value) {
        members.push_back({std::move(name), number17(value), false});
    };
    text("lblSummaryEnergy", model.summary.lblSummaryEnergy);
    text("lblSumaryMaintenance", model.summary.lblSumaryMaintenance);
    text("lblSummaryInventory", model.summary.lblSummaryInventory);
    text("lblSummaryTotal", model.summary.lblSummaryTotal);
    num("InventorySavingsTotal", model.inventory.inventorySavingsTotal);
    num("MaintenanceSavingsTotal", model.maintenance.maintenanceSavingsTotal);
    for (const Motion m : {Motion::Bridge, Motion::Trolley, Motion::Hoist}) {
        const std::string prefix = std::string(motionName(m)) + ".";
        const MotionEnergy& r = model.energy.results(m);
        if (m == Motion::Hoist) {
            num(prefix + "DccpKwHrHoisting", r.dccpKwHrHoisting);
            num(prefix + "QvrKwHrHoisting", r.qvrKwHrHoisting);
            num(prefix + "DccpKwHrLowering", r.dccpKwHrLowering);
            num(prefix + "QvrKwHrLowering", r.qvrKwHrLowering);
        } else {
            num(prefix + "DccpKwHrPerMove", r.dccpKwHrPerMove);
            num(prefix + "QvrKwHrPerMove", r.qvrKwHrPerMove);
        }
        num(prefix + "DccpKwHrPerCycle", r.dccpKwHrPerCycle);
        num(prefix + "DccpKwHrPerTurn", r.dccpKwHrPerTurn);
        num(prefix + "QvrKwHrPerCycle", r.qvrKwHrPerCycle);
        num(prefix + "QvrKwHrPerTurn", r.qvrKwHrPerTurn);
        num(prefix + "SavingsKwHrPerTurn", r.savingsKwHrPerTurn);
    }
    writeObject(out, members, indent);
}

} // namespace payvanta::cli
