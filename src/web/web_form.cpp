// The browser edition's entry: the main form's behaviour, bound for the page's script.
#include "cli/json_report.h"
#include "form_layout.h"
#include "reports/item_names.h"
#include "reports/report_menu.h"
#include "ui/controls.h"
#include "ui/main_form.h"
#include "ui/ui_texts.h"
#include "web_locale.h"
#include "web_print_target.h"
#include "web_view.h"

#include <cstdlib>
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace payvanta::web {

namespace {

// The report page a name stands for ("Hoist", ..., "BusinessCase").
std::optional<reports::ReportForm> reportNamed(std::string_view name) {
    for (int i = 0; i <= static_cast<int>(reports::ReportForm::BusinessCase); ++i) {
        const auto form = static_cast<reports::ReportForm>(i);
        if (reports::formName(form) == name) {
            return form;
        }
    }
    return std::nullopt;
}

} // namespace

// The version the page shows; the name of its offline cache has it too.
std::string versionText() {
    return "Payvanta " PAYVANTA_VERSION;
}

// The form and its view, driven by the page: events name their control as the page's
// element ids do ("txtHoistFPMHoist", "txtDutyCycleHoist(5)").
class WebForm {
public:
    // The form in the conventions the page read from the browser's language, or in United
    // States English.
    WebForm(emscripten::val page, const std::string& programFolder, emscripten::val locale)
        : view_(page), printer_(page), form_(view_, localeConventionsOf(locale), programFolder) {
        form_.setPrinting({&printer_, {}});
        current = this;
    }
    WebForm(emscripten::val page, const std::string& programFolder)
        : WebForm(std::move(page), programFolder, emscripten::val::null()) {}
    WebForm(const WebForm&) = delete;
    WebForm& operator=(const WebForm&) = delete;
    ~WebForm() {
        if (current == this) {
            current = nullptr;
        }
    }

    // The page's one form, for the entry points that may ask a question.
    static WebForm* current;

    void load() { form_.load(); }
    int keyPressed(const std::string& control, int key) {
        return form_.keyPressed(ref(control), key);
    }
    void textChanged(const std::string& control, const std::string& text) {
        form_.textChanged(ref(control), text);
    }
    bool controlLeft(const std::string& control) { return form_.controlLeft(ref(control)); }
    void controlEntered(const std::string& control) { form_.controlEntered(ref(control)); }
    void listItemPicked(const std::string& list, int index) {
        form_.listItemPicked(ref(list), index);
    }
    void listOpened(const std::string& list) { form_.listOpened(ref(list)); }
    void tabClicked(int tabIndex) { form_.tabClicked(tabIndex); }
    void command(const std::string& control) { form_.command(ref(control)); }
    bool openProjectFile(const std::string& path) { return form_.openProjectFile(path); }
    // A project file given to the page (chosen or dropped) opens as one handed to the
    // running desktop program: at once when no project is open, else the status says why not.
    void openHandedOver(const std::string& path) {
        if (form_.projectOpen()) {
            view_.showStatus(ui::texts::closeToOpen(path));
            return;
        }
        form_.openProjectFile(path);
    }
    bool projectOpen() const { return form_.projectOpen(); }
    // A print command of the report page on show: an item of its menu bar, or its Print
    // Form button. The page prints as it was loaded.
    void reportCommand(const std::string& control) {
        const auto& shown = view_.shownPage();
        if (!shown) {
            return;
        }
        if (control == reports::names::cmdPrintForm) {
            form_.printReport(*shown, reports::ReportPrint::PrintForm);
            return;
        }
        for (const reports::ReportMenuItem& item : reports::reportMenu(shown->form)) {
            if (item.control == control && item.print) {
                form_.printReport(*shown, *item.print);
            }
        }
    }

    // The business-case inputs of the page's panel, by control name ("txtCaseDriveCost"):
    // the text the project holds, a text typed (kept with the project at once, so that Save
    // Data saves it), and the box left: false when its text is refused, the message shown
    // and the focus given back. The page is built again from the inputs once a changed box
    // is left or Enter is pressed in it.
    std::string caseInput(const std::string& control) {
        const auto input = ui::caseInputOf(ref(control));
        return input ? form_.model().record.businessCase().get(*input) : std::string{};
    }
    void caseInputChanged(const std::string& control, const std::string& text) {
        if (const auto input = ui::caseInputOf(ref(control))) {
            form_.caseInputChanged(*input, text);
        }
    }
    bool caseInputLeft(const std::string& control) {
        const ui::ControlRef box = ref(control);
        const auto input = ui::caseInputOf(box);
        if (!input) {
            return true;
        }
        const auto refused = ui::texts::caseInputLeft(
            *input, form_.model().record.businessCase().get(*input), form_.model().locale());
        if (!refused) {
            return true;
        }
        view_.showMessage(*refused);
        view_.setFocus(box);
        return false;
    }
    void caseInputsApplied() {
        const auto& shown = view_.shownPage();
        if (shown && shown->form == reports::ReportForm::BusinessCase) {
            view_.redrawReport(form_.reportPage(reports::ReportForm::BusinessCase));
        }
    }

    // The project's results and a report page's fields as payvanta-calc --json writes them.
    std::string resultJson() const {
        std::ostringstream out;
        cli::writeJsonResult(out, form_.model(), "");
        out << '\n';
        return out.str();
    }
    std::string reportJson(const std::string& name) const {
        const auto report = reportNamed(name);
        if (!report) {
            return "null\n";
        }
        std::ostringstream out;
        cli::writeJsonPage(out, form_.reportPage(*report), "");
        out << '\n';
        return out.str();
    }

private:
    // A control by its name, "name(index)" for an element of a control array. The form
    // may keep a control it is told of, so each name is kept for the whole run.
    ui::ControlRef ref(const std::string& control) {
        const std::size_t open = control.find('(');
        int index = 0;
        std::string name = control;
        if (open != std::string::npos && control.back() == ')') {
            name = control.substr(0, open);
            index = std::atoi(control.c_str() + open + 1);
        }
        return {*names_.insert(std::move(name)).first, index};
    }

    WebView view_;
    WebPrintTarget printer_;
    ui::MainForm form_;
    std::set<std::string> names_;
};

WebForm* WebForm::current = nullptr;

} // namespace payvanta::web

// A command, which may ask the user (New File, Existing File, Save Data, Close, Exit).
// The page calls it through ccall with {async: true}: Asyncify can suspend and resume
// only calls that came in through the module's exports, not embind's method calls.
extern "C" EMSCRIPTEN_KEEPALIVE void payvantaCommand(const char* control) {
    if (payvanta::web::WebForm::current != nullptr) {
        payvanta::web::WebForm::current->command(control);
    }
}

EMSCRIPTEN_BINDINGS(payvanta) {
    using payvanta::web::WebForm;
    emscripten::class_<WebForm>("WebForm")
        .constructor<emscripten::val, std::string>()
        .constructor<emscripten::val, std::string, emscripten::val>()
        .function("load", &WebForm::load)
        .function("keyPressed", &WebForm::keyPressed)
        .function("textChanged", &WebForm::textChanged)
        .function("controlLeft", &WebForm::controlLeft)
        .function("controlEntered", &WebForm::controlEntered)
        .function("listItemPicked", &WebForm::listItemPicked)
        .function("listOpened", &WebForm::listOpened)
        .function("tabClicked", &WebForm::tabClicked)
        .function("command", &WebForm::command)
        .function("openProjectFile", &WebForm::openProjectFile)
        .function("openHandedOver", &WebForm::openHandedOver)
        .function("projectOpen", &WebForm::projectOpen)
        .function("reportCommand", &WebForm::reportCommand)
        .function("caseInput", &WebForm::caseInput)
        .function("caseInputChanged", &WebForm::caseInputChanged)
        .function("caseInputLeft", &WebForm::caseInputLeft)
        .function("caseInputsApplied", &WebForm::caseInputsApplied)
        .function("resultJson", &WebForm::resultJson)
        .function("reportJson", &WebForm::reportJson);
    emscripten::function("formLayout", &payvanta::web::formLayoutJson);
    emscripten::function("versionText", &payvanta::web::versionText);
}
