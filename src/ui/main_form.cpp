#include "main_form.h"

#include "help_pages.h"
#include "reports/report_builders.h"

namespace payvanta::ui {

MainForm::MainForm(MainFormView& view, LocaleConventions locale,
                   std::filesystem::path programFolder, TableLoader tables, reports::Clock clock)
    : form_(view, std::move(locale), std::move(programFolder)), fields_(form_), picks_(form_),
      flows_(form_, std::move(tables)),
      clock_(clock ? std::move(clock) : reports::Clock(reports::systemClock)),
      prints_(form_, clock_) {
    form_.changeReaction = [this](Field f) { changed(f); };
}

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
        form_.view.setText({ctl::txtHelp}, helpPage(topic, form_.model.state.lineBreak));
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
        form_.view.setFocus({ctl::cmdSaveExcel});
    }
}

void MainForm::viewReport(ReportForm report) {
    form_.recalculate();
    form_.view.showReport(reportPage(report));
}

reports::ReportPage MainForm::reportPage(ReportForm report) const {
    return reports::buildReport(report, {form_.model, clock_()});
}

void MainForm::command(ControlRef c) {
    const std::string_view n = c.name;
    if (n == ctl::cmdNewFile || n == ctl::mnuOpenNewFile) {
        newFile();
    } else if (n == ctl::cmdExistingFile || n == ctl::mnuOpenExistingFile) {
        existingFile();
    } else if (n == ctl::cmdSaveExcel || n == ctl::mnuSaveData) {
        saveData();
    } else if (n == ctl::cmdRealTimeSummary) {
        realTimeSummary();
    } else if (n == ctl::cmdClose || n == ctl::mnuExit) {
        close();
    } else if (n == ctl::cmdPrintSummary) {
        prints_.printSummary();
    } else if (n == ctl::mnuPrintSummary) {
        prints_.printSummaryPage();
    } else if (n == ctl::cmdPrintAll || n == ctl::mnuPrintAll) {
        prints_.printAllReports();
    } else if (n == ctl::cmdPrintHelp || n == ctl::mnuPrintHelpFile) {
        prints_.printHelp();
    } else if (n == ctl::mnuSaveAsPdf) {
        prints_.saveAsPdf();
    } else if (n == ctl::mnuFont) {
        choosePrintFont(static_cast<std::size_t>(c.index));
    } else if (n == ctl::mnuHoist) {
        viewReport(ReportForm::Hoist);
    } else if (n == ctl::mnuTrolley) {
        viewReport(ReportForm::Trolley);
    } else if (n == ctl::mnuBridge) {
        viewReport(ReportForm::Bridge);
    } else if (n == ctl::mnuInventory) {
        viewReport(ReportForm::Inventory);
    } else if (n == ctl::mnuMaintenance) {
        viewReport(ReportForm::Maintenance);
    } else if (n == ctl::mnuEnergy) {
        viewReport(ReportForm::EnergySavings);
    } else if (n == ctl::mnuSavings) {
        viewReport(ReportForm::Savings);
    } else if (n == ctl::mnuBusinessCase) {
        viewReport(ReportForm::BusinessCase);
    }
}

} // namespace payvanta::ui
