#include "main_form.h"

#include "help_pages.h"
#include "model/find_by.h"
#include "reports/report_builders.h"

namespace payvanta::ui {

MainForm::MainForm(MainFormView& view, LocaleConventions locale,
                   std::filesystem::path programFolder, TableLoader tables, reports::Clock clock)
    : form_(view, std::move(locale), std::move(programFolder), [this](Field f) { changed(f); }),
      fields_(form_), picks_(form_), flows_(form_, std::move(tables)),
      clock_(clock ? std::move(clock) : reports::Clock(reports::systemClock)),
      prints_(form_, clock_) {}

void MainForm::load() {
    flows_.formLoad();
}

void MainForm::changed(Field field) {
    fields_.changed(field);
}

int MainForm::keyPressed(ControlRef control, int key) {
    const auto field = fieldOf(control);
    return field ? fields_.keyPressed(*field, key) : key;
}

void MainForm::textChanged(ControlRef control, std::string_view text) {
    if (const auto field = fieldOf(control)) {
        form_.typed(*field, text);
    }
}

bool MainForm::controlLeft(ControlRef control) {
    if (control.name == ctl::txtElectricalLife) {
        form_.recalculate();
        return true;
    }
    const auto field = fieldOf(control);
    if (!field) {
        return true;
    }
    const auto before = form_.interventions();
    if (*field == Field::cmbStateKw) {
        picks_.stateListLeft();
    }
    fields_.left(*field);
    return form_.interventions() == before;
}

bool MainForm::takesAnyKey(ControlRef control) {
    const auto field = fieldOf(control);
    return !field || ruleOf(*field).keys == KeyClass::Any;
}

void MainForm::controlEntered(ControlRef control) {
    if (fieldOf(control) == Field::CustName) {
        form_.recalculate();
    }
}

void MainForm::listItemPicked(ControlRef list, int itemIndex) {
    if (list.name == ctl::cmbHelp) {
        const int topic =
            itemIndex >= 0 && itemIndex < static_cast<int>(kHelpTopics.size()) ? itemIndex : 0;
        form_.view().setText({ctl::txtHelp}, helpPage(topic, form_.model().state.lineBreak));
        return;
    }
    if (const auto field = fieldOf(list)) {
        picks_.picked(*field, itemIndex);
    }
}

void MainForm::listOpened(ControlRef list) {
    if (fieldOf(list) == Field::cmbStateKw) {
        picks_.stateListOpened();
    }
}

void MainForm::tabClicked(int tabIndex) {
    form_.showTab(tabIndex);
}

void MainForm::viewMenuOpened() {
    // Moving the focus lets the field being edited run its leave check first.
    if (form_.isEnabled({ctl::cmdSaveExcel})) {
        form_.view().setFocus({ctl::cmdSaveExcel});
    }
}

void MainForm::viewReport(ReportForm report) {
    form_.recalculate();
    form_.view().showReport(reportPage(report));
}

reports::ReportPage MainForm::reportPage(ReportForm report) const {
    return reports::buildReport(report, {form_.model(), clock_()});
}

void MainForm::command(ControlRef c) {
    // Each command by the controls that give it: a button and its menu item run the same.
    struct Command {
        std::string_view control;
        void (*run)(MainForm& form, int index);
    };
    static constexpr Command kCommands[] = {
        {ctl::cmdNewFile, [](MainForm& f, int) { f.newFile(); }},
        {ctl::mnuOpenNewFile, [](MainForm& f, int) { f.newFile(); }},
        {ctl::cmdExistingFile, [](MainForm& f, int) { f.existingFile(); }},
        {ctl::mnuOpenExistingFile, [](MainForm& f, int) { f.existingFile(); }},
        {ctl::cmdSaveExcel, [](MainForm& f, int) { f.saveData(); }},
        {ctl::mnuSaveData, [](MainForm& f, int) { f.saveData(); }},
        {ctl::cmdRealTimeSummary, [](MainForm& f, int) { f.realTimeSummary(); }},
        {ctl::cmdClose, [](MainForm& f, int) { f.close(); }},
        {ctl::mnuExit, [](MainForm& f, int) { f.close(); }},
        {ctl::cmdPrintSummary, [](MainForm& f, int) { f.prints_.printSummary(); }},
        {ctl::mnuPrintSummary, [](MainForm& f, int) { f.prints_.printSummaryPage(); }},
        {ctl::cmdPrintAll, [](MainForm& f, int) { f.prints_.printAllReports(); }},
        {ctl::mnuPrintAll, [](MainForm& f, int) { f.prints_.printAllReports(); }},
        {ctl::cmdPrintHelp, [](MainForm& f, int) { f.prints_.printHelp(); }},
        {ctl::mnuPrintHelpFile, [](MainForm& f, int) { f.prints_.printHelp(); }},
        {ctl::mnuSaveAsPdf, [](MainForm& f, int) { f.prints_.saveAsPdf(); }},
        {ctl::mnuFont,
         [](MainForm& f, int index) { f.choosePrintFont(static_cast<std::size_t>(index)); }},
        {ctl::mnuHoist, [](MainForm& f, int) { f.viewReport(ReportForm::Hoist); }},
        {ctl::mnuTrolley, [](MainForm& f, int) { f.viewReport(ReportForm::Trolley); }},
        {ctl::mnuBridge, [](MainForm& f, int) { f.viewReport(ReportForm::Bridge); }},
        {ctl::mnuInventory, [](MainForm& f, int) { f.viewReport(ReportForm::Inventory); }},
        {ctl::mnuMaintenance, [](MainForm& f, int) { f.viewReport(ReportForm::Maintenance); }},
        {ctl::mnuEnergy, [](MainForm& f, int) { f.viewReport(ReportForm::EnergySavings); }},
        {ctl::mnuSavings, [](MainForm& f, int) { f.viewReport(ReportForm::Savings); }},
        {ctl::mnuBusinessCase, [](MainForm& f, int) { f.viewReport(ReportForm::BusinessCase); }},
    };
    if (const Command* command = findBy(kCommands, c.name, &Command::control)) {
        command->run(*this, c.index);
    }
}

} // namespace payvanta::ui
