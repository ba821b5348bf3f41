#include "form_context.h"

#include "model/number_text.h"

namespace payvanta::ui {

FormContext::FormContext(MainFormView& v, LocaleConventions locale, std::filesystem::path folder,
                         std::function<void(Field)> changeReaction)
    : model_(std::move(locale)), view_(v), programFolder_(std::move(folder)),
      changeReaction_(std::move(changeReaction)) {
    model_.record.setChangeObserver([this](Field f) { fieldWritten(f); });
}

void FormContext::fieldWritten(Field field) {
    const ControlRef control = controlOf(field);
    if (alreadyShown_ == field) {
        alreadyShown_.reset();
    } else if (!control.name.empty()) {
        view_.setText(control, model_.record.get(field));
    }
    if (quiet_) {
        return;
    }
    if (changeReaction_) {
        changeReaction_(field);
    }
}

void FormContext::write(Field field, std::string_view text) {
    ++interventions_;
    model_.record.set(field, text);
}

void FormContext::typed(Field field, std::string_view text) {
    alreadyShown_ = field;
    typing_ = field;
    textBeforeTyping_ = model_.record.get(field);
    model_.record.set(field, text);
    typing_.reset();
}

void FormContext::writeQuietly(Field field, std::string_view text) {
    quiet_ = true;
    model_.record.set(field, text);
    quiet_ = false;
}

std::optional<double> FormContext::number(Field field) const {
    return model_.record.number(field, model_.locale());
}

bool FormContext::isEmptyOrLoneSeparator(std::string_view text) const {
    return text.empty() || text == model_.locale().decimalPoint;
}

bool FormContext::hasNoValue(Field field) const {
    if (isEmptyOrLoneSeparator(text(field))) {
        return true;
    }
    const auto value = number(field);
    return !value || *value == 0;
}

bool FormContext::motorIsNone(Motion m) const {
    return text(motorField(m)).find("NONE") != std::string::npos;
}

void FormContext::showTab(int tabIndex) {
    view_.showFrame(tabIndex);
}

void FormContext::goBack(ControlRef control, int tabIndex) {
    ++interventions_;
    view_.selectTab(tabIndex);
    showTab(tabIndex);
    view_.setFocus(control);
}

void FormContext::recalculate() {
    model_.RecalculateAll();
    showSummary();
}

void FormContext::showSummary() {
    const SummaryTexts& s = model_.summary;
    const auto show = [this](std::string_view name, const std::string& now, std::string& shown) {
        if (now != shown) {
            shown = now;
            view_.setText({name}, now);
        }
    };
    show(ctl::lblSummaryEnergy, s.lblSummaryEnergy, shownSummary_.lblSummaryEnergy);
    show(ctl::lblSumaryMaintenance, s.lblSumaryMaintenance, shownSummary_.lblSumaryMaintenance);
    show(ctl::lblSummaryInventory, s.lblSummaryInventory, shownSummary_.lblSummaryInventory);
    show(ctl::lblSummaryTotal, s.lblSummaryTotal, shownSummary_.lblSummaryTotal);
}

void FormContext::enterState(FormState state) {
    state_ = state;
    for (const CommandStateRow& row : commandStates()) {
        const auto known = enabled_.find(controlName(row.control));
        if (known == enabled_.end() || known->second != row.in(state)) {
            setEnabled(row.control, row.in(state));
        }
    }
}

void FormContext::setEnabled(ControlRef control, bool enabled) {
    enabled_[controlName(control)] = enabled;
    view_.setEnabled(control, enabled);
}

bool FormContext::isEnabled(ControlRef control) const {
    const auto it = enabled_.find(controlName(control));
    return it == enabled_.end() || it->second;
}

void FormContext::progress(int value) {
    if (!progressShown_) {
        view_.setProgressVisible(true);
        progressShown_ = true;
    }
    view_.setProgress(value);
}

void FormContext::hideProgress() {
    if (progressShown_) {
        view_.setProgressVisible(false);
        progressShown_ = false;
    }
}

} // namespace payvanta::ui
