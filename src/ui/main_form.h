#pragma once

#include "field_reactions.h"
#include "form_context.h"
#include "main_form_view.h"
#include "print_runs.h"
#include "project_flows.h"
#include "reports/report_clock.h"
#include "reports/report_page.h"
#include "selection_picks.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace payvanta::ui {

// The main form's behaviour, without a widget. It owns the open project, its models
// and the summary, and reacts to what the user does to a control, named by its control
// name. The window binds its widgets to these events and shows what the view is told.
class MainForm {
public:
    // The clock dates the report pages; by default the system's (see systemClock).
    MainForm(MainFormView& view, LocaleConventions locale, std::filesystem::path programFolder,
             TableLoader tables = {}, reports::Clock clock = {});

    // The form loads: the first help page, flags false, the start state's commands.
    void load();

    // A key pressed in a control: the character code to keep, 0 to discard the key.
    int keyPressed(ControlRef control, int key);
    // The user changed a control's text (the control already shows it).
    void textChanged(ControlRef control, std::string_view text);
    // The user left a control: its leave check runs. True when the check left the field
    // as it was: no message, no value put back, no going back.
    bool controlLeft(ControlRef control);
    // Whether the control takes any key, and so any text pasted into it.
    static bool takesAnyKey(ControlRef control);
    void controlEntered(ControlRef control);
    // An item of a list was picked (index from 0); -1 when none is selected.
    void listItemPicked(ControlRef list, int itemIndex);
    // A list is about to open.
    void listOpened(ControlRef list);
    void tabClicked(int tabIndex);
    void viewMenuOpened();

    // A button or menu item, by its control name: cmdNewFile, mnuOpenExistingFile,
    // cmdSaveExcel, cmdRealTimeSummary, mnuHoist ... mnuSavings, mnuBusinessCase,
    // mnuFont(i), cmdClose, mnuExit. Commands the form does not know do nothing.
    void command(ControlRef control);

    void newFile() { flows_.newFile(); }
    void existingFile() { flows_.existingFile(); }
    // Opens a project as if it had been chosen in the file selection dialog.
    bool openProjectFile(const std::string& path) { return flows_.openProjectFile(path); }
    void saveData() { flows_.saveData(); }
    void realTimeSummary() { form_.recalculate(); }
    // Where printing goes; until it is set, the print commands do nothing.
    void setPrinting(PrintSetup setup) { prints_.setup(std::move(setup)); }
    // A print command of the report window that shows this page.
    void printReport(const reports::ReportPage& page, ReportPrint command) {
        prints_.printReport(page, command);
    }
    // The pages Print All would print now.
    std::vector<reports::PrintPage> allReportPages() { return prints_.allReportPages(); }
    // The page as the Print command of its window would print it now.
    reports::PrintPage printedReport(ReportForm report) const {
        return prints_.printedReport(reportPage(report), ReportPrint::Print);
    }

    // A View item: the live recalculation, then the page shown until the user goes back.
    void viewReport(ReportForm report);
    // The user typed in a business-case input: kept with the project, saved with it, and
    // read by the next business-case page; no saving changes.
    void caseInputChanged(CaseInput input, std::string_view text) {
        form_.model().record.businessCase().set(input, text);
    }
    // The page as it would show now, from the results of the last recalculation.
    reports::ReportPage reportPage(ReportForm report) const;
    void choosePrintFont(std::size_t menuIndex) { flows_.choosePrintFont(menuIndex); }
    void close() { flows_.closeCommand(); }
    // The window is being closed: true when it may go.
    bool unload() { return flows_.unload(); }

    bool projectOpen() const { return flows_.projectOpen(); }
    // The open project, to read: its fields change through the form (writeField, the
    // events above), so that each change shows and runs its reaction.
    const SavingsModel& model() const { return form_.model(); }
    // Writes a field as the form's own code does: shown in its control, then its change
    // reaction runs.
    void writeField(Field field, std::string_view text) { form_.write(field, text); }
    const std::string& lastKeyedField() const { return form_.lastKeyedField(); }
    const files::SelectionLists& lists() const { return form_.lists(); }
    bool isEnabled(ControlRef control) const { return form_.isEnabled(control); }

private:
    void changed(Field field);

    FormContext form_;
    FieldReactions fields_;
    SelectionPicks picks_;
    ProjectFlows flows_;
    reports::Clock clock_;
    PrintRuns prints_;
};

} // namespace payvanta::ui
