#pragma once

#include "command_states.h"
#include "controls.h"
#include "files/reference_tables.h"
#include "main_form_view.h"
#include "model/savings_model.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace payvanta::ui {

// What the parts of the main form share: the open project and its models, the window,
// the selection lists and the few run-time values of the form itself. It also owns the
// one path by which a field is written, so that every write is shown in its control and
// runs the field's change reaction, as a change of the control would.
class FormContext {
public:
    // changeReaction: the change reaction of every field, run after each write.
    FormContext(MainFormView& view, LocaleConventions locale, std::filesystem::path programFolder,
                std::function<void(Field)> changeReaction);
    FormContext(const FormContext&) = delete;
    FormContext& operator=(const FormContext&) = delete;

    // The open project; the parts of the form write its fields through write() below.
    SavingsModel& model() { return model_; }
    const SavingsModel& model() const { return model_; }
    MainFormView& view() { return view_; }
    const std::filesystem::path& programFolder() const { return programFolder_; }
    const files::SelectionLists& lists() const { return lists_; }
    void setLists(files::SelectionLists lists) { lists_ = std::move(lists); }
    // The tracked field in which a key was pressed last (a duty-cycle array by its name
    // without index); empty at start, never cleared.
    const std::string& lastKeyedField() const { return lastKeyedField_; }
    void setLastKeyedField(std::string_view name) { lastKeyedField_ = name; }

    // Writes a field from code: shown in its control, then its change reaction runs.
    void write(Field field, std::string_view text);
    // The user changed the control's text: the control shows it already.
    void typed(Field field, std::string_view text);
    // Shows the text without a change reaction: a list shows a picked item this way.
    void writeQuietly(Field field, std::string_view text);

    // While the change reaction of a typed text runs: the text the field held before.
    const std::string* textBeforeTyping(Field field) const {
        return typing_ == field ? &textBeforeTyping_ : nullptr;
    }

    const std::string& text(Field field) const { return model_.record.get(field); }
    std::optional<double> number(Field field) const;
    // Empty, or the locale's decimal separator alone ("." here, "," in Germany): what a
    // user leaves who typed no digit.
    bool isEmptyOrLoneSeparator(std::string_view text) const;
    // Empty, a lone separator, not a number or 0: the field has no value.
    bool hasNoValue(Field field) const;
    // The motion's motor description holds "NONE" in capitals.
    bool motorIsNone(Motion m) const;

    void message(std::string_view text) {
        ++interventions_;
        view_.showMessage(text);
    }
    // Selects the tab (which shows its frame), then gives the control the focus.
    void goBack(ControlRef control, int tabIndex);
    void showTab(int tabIndex);

    // The live recalculation, with the summary brought up to date on the window.
    void recalculate();
    void showSummary();

    // The commands of a state, menus, the tab strip and the frames included; the window is
    // told only what changes.
    void enterState(FormState state);
    FormState state() const { return state_; }
    // One command on its own, as Save Data switches itself off while it saves.
    void setEnabled(ControlRef control, bool enabled);
    bool isEnabled(ControlRef control) const;

    // How often the form has told the user something, written a field from code or sent
    // the focus back: a leave check that changes it did more than look.
    std::uint64_t interventions() const { return interventions_; }

    // The progress bar: shown with its first value, hidden again by hideProgress.
    void progress(int value);
    void hideProgress();

private:
    void fieldWritten(Field field);

    SavingsModel model_;
    MainFormView& view_;
    std::filesystem::path programFolder_;
    files::SelectionLists lists_;
    std::string lastKeyedField_;
    std::function<void(Field)> changeReaction_;

    std::optional<Field> alreadyShown_;
    std::optional<Field> typing_;
    std::string textBeforeTyping_;
    bool quiet_ = false;
    SummaryTexts shownSummary_;
    FormState state_ = FormState::Start;
    std::map<std::string, bool> enabled_;
    bool progressShown_ = false;
    std::uint64_t interventions_ = 0;
};

} // namespace payvanta::ui
