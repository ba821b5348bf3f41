#include "form_layout.h"

#include "cli/json_report.h"
#include "model/field.h"
#include "ui/captions.h"
#include "ui/controls.h"
#include "ui/selection_picks.h"
#include "ui/ui_texts.h"

#include <algorithm>
#include <sstream>
#include <string_view>

namespace payvanta::web {

namespace {

using ui::ControlRef;

enum class Kind { Text, List };

// Fields a user neither sees nor types in: kept for earlier files, loaded and saved.
enum class Shown { Yes, Hidden, ReadOnly };

class LayoutWriter {
public:
    explicit LayoutWriter(std::ostringstream& out) : out_(out) {}

    void control(ControlRef ref, std::string_view kind, Shown shown = Shown::Yes, int column = 0) {
        const auto caption = ui::captionOf(ref);
        out_ << separator_ << "{\"control\":";
        cli::writeJsonString(out_, ui::controlName(ref));
        out_ << ",\"kind\":\"" << kind << "\",\"caption\":";
        cli::writeJsonString(out_, caption ? caption->caption : std::string_view{});
        out_ << ",\"toolTip\":";
        cli::writeJsonString(out_, caption ? caption->toolTip : std::string_view{});
        // What a screen reader says where the caption alone does not say it.
        const auto spoken = ui::spokenOf(ref);
        out_ << ",\"spoken\":";
        cli::writeJsonString(out_, spoken ? spoken->name : std::string_view{});
        out_ << ",\"description\":";
        cli::writeJsonString(out_, spoken ? spoken->description : std::string_view{});
        out_ << ",\"hidden\":" << (shown == Shown::Hidden ? "true" : "false")
             << ",\"readOnly\":" << (shown == Shown::ReadOnly ? "true" : "false")
             << ",\"column\":" << column << '}';
        separator_ = ",";
    }
    void field(Field field, Kind kind, Shown shown = Shown::Yes, int column = 0) {
        control(ui::controlOf(field), kind == Kind::Text ? "text" : "list", shown, column);
    }
    void begin(std::string_view key) {
        out_ << separator_ << '"' << key << "\":[";
        separator_ = "";
    }
    void end() {
        out_ << ']';
        separator_ = ",";
    }

private:
    std::ostringstream& out_;
    const char* separator_ = "";
};

void motionFrame(LayoutWriter& w, Motion m) {
    w.field(motorField(m), Kind::List);
    for (const Field f : {numMotorField(m), motorVoltsField(m), motorFLCAmpsField(m), speedField(m),
                          distanceField(m)}) {
        w.field(f, Kind::Text);
    }
    for (int step = 1; step <= 5; ++step) {
        // The fifth step is what remains of the travel time: computed, never typed.
        w.field(dutyCycleField(m, step), Kind::Text, step == 5 ? Shown::ReadOnly : Shown::Yes, 1);
    }
}

void inventoryFrame(LayoutWriter& w) {
    w.field(Field::ContactElec, Kind::Text);
    w.field(Field::ContactMech, Kind::Text, Shown::Hidden);
    for (const Field size :
         {Field::HoistNemaSize, Field::TrolleyNemaSize, Field::BridgeNemaSize, Field::BrakeSize}) {
        w.field(size, Kind::List);
        w.field(ui::costFieldOf(size), Kind::Text, Shown::Yes, 1);
    }
    w.field(Field::ShoeLife, Kind::Text);
}

} // namespace

std::string formLayoutJson() {
    std::ostringstream out;
    out << "{\"title\":";
    const auto title = ui::captionOf({ui::ctl::frmMain});
    cli::writeJsonString(out, title ? title->caption : std::string_view{});
    out << ",\"messageTitle\":";
    cli::writeJsonString(out, ui::texts::kApplicationTitle);
    // The same title as a screen reader should say it: the underscore would be read aloud.
    std::string spokenTitle(ui::texts::kApplicationTitle);
    std::replace(spokenTitle.begin(), spokenTitle.end(), '_', ' ');
    out << ",\"spokenMessageTitle\":";
    cli::writeJsonString(out, spokenTitle);
    out << ',';
    LayoutWriter w(out);
    w.begin("tabs");
    for (int tab = 1; tab <= 6; ++tab) {
        w.control({ui::ctl::TabStrip1, tab}, "tab");
    }
    w.end();
    w.begin("frames");
    for (int frame = 1; frame <= 6; ++frame) {
        w.control({ui::ctl::Frame1, frame}, "frame");
    }
    w.end();
    for (int frame = ui::tab::Help; frame <= ui::tab::InventoryCosts; ++frame) {
        w.begin("frame" + std::to_string(frame));
        if (frame == ui::tab::Help) {
            w.control({ui::ctl::cmbHelp}, "topics");
            w.control({ui::ctl::txtHelp}, "help");
        } else if (frame == ui::tab::ProjectInformation) {
            for (const Field f : {Field::CustName, Field::ProjName}) {
                w.field(f, Kind::Text);
            }
            w.field(Field::cmbStateKw, Kind::List);
            for (const Field f : {Field::KwHrRate, Field::NumLifts, Field::MaintPerHour}) {
                w.field(f, Kind::Text);
            }
            w.control({ui::ctl::txtElectricalLife}, "text", Shown::Hidden);
        } else if (frame == ui::tab::InventoryCosts) {
            inventoryFrame(w);
        } else {
            motionFrame(w, kMotions[static_cast<std::size_t>(frame - ui::tab::Hoist)]);
        }
        w.end();
    }
    w.begin("summary");
    w.control({ui::ctl::fraRealTimeSummary}, "frame");
    for (const auto name : {ui::ctl::lblSummaryEnergy, ui::ctl::lblSumaryMaintenance,
                            ui::ctl::lblSummaryInventory, ui::ctl::lblSummaryTotal}) {
        w.control({name}, "label");
    }
    w.end();
    w.begin("commands");
    for (const auto name : {ui::ctl::cmdNewFile, ui::ctl::cmdExistingFile, ui::ctl::cmdSaveExcel,
                            ui::ctl::cmdPrintSummary, ui::ctl::cmdPrintAll, ui::ctl::cmdPrintHelp,
                            ui::ctl::cmdRealTimeSummary, ui::ctl::cmdClose}) {
        w.control({name}, "button");
    }
    w.end();
    // The View menu and the Printer-Fonts menu, each first, then its items in order.
    w.begin("viewMenu");
    for (const auto name : {ui::ctl::mnuView, ui::ctl::mnuHoist, ui::ctl::mnuTrolley,
                            ui::ctl::mnuBridge, ui::ctl::mnuInventory, ui::ctl::mnuMaintenance,
                            ui::ctl::mnuEnergy, ui::ctl::mnuSavings, ui::ctl::mnuBusinessCase}) {
        w.control({name}, "menu");
    }
    w.end();
    w.begin("fontMenu");
    w.control({ui::ctl::mnuPrinterFonts}, "menu");
    for (int font = 0; ui::captionOf({ui::ctl::mnuFont, font}); ++font) {
        w.control({ui::ctl::mnuFont, font}, "menu");
    }
    w.end();
    // The business-case inputs over the Business Case page, the frame first.
    w.begin("caseInputs");
    w.control({ui::ctl::fraBusinessCase}, "frame");
    for (const CaseInput input : kCaseInputs) {
        w.control(ui::controlOf(input), "text");
    }
    w.end();
    w.begin("status");
    w.control({ui::ctl::lblFileName}, "label");
    w.end();
    out << '}';
    return out.str();
}

} // namespace payvanta::web
