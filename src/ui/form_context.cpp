#include "form_context.h"

#include "model/number_text.h"

namespace payvanta::ui {

FormContext::FormContext(MainFormView& v, LocaleConventions locale,
                         std::filesystem::path folder)
    : model(std::move(locale)), view(v), programFolder(std::move(folder)) {
    model.record.setChangeObserver([this](Field f) { fieldWritten(f); });
}

void FormContext::fieldWritten(Field field) {
    const ControlRef control = controlOf(field);
    if (alreadyShown_ == field) {
        alreadyShown_.reset();
    } else if (!control.name.empty()) {
        view.setText(control, model.record.get(field));
    }
    if (quiet_) {
        return;
    }
    if (changeReaction) {
        changeReaction(field);
    }
}

void FormContext::write(Field field, std::string_view text) {
    model.record.set(field, text);
}

void FormContext::typed(Field field, std::string_view text) {
    alreadyShown_ = field;
    typing_ = field;
    textBeforeTyping_ = model.record.get(field);
    model.record.set(field, text);
    typing_.reset();
}

void FormContext::writeQuietly(Field field, std::string_view text) {
    quiet_ = true;
    model.record.set(field, text);
    quiet_ = false;
}

std::optional<double> FormContext::number(Field field) const {
    return model.record.number(field, model.locale());
}

bool FormContext::hasNoValue(Field field) const {
    const std::string& t = text(field);
    if (t.empty() || t == ".") {
        return true;
    }
    const auto value = number(field);
    return !value || *value == 0;
}

bool FormContext::motorIsNone(Motion m) const {
    return text(motorField(m)).find("NONE") != std::string::npos;
}

void FormContext::showTab(int tabIndex) {
    view.showFrame(tabIndex);
}

void FormContext::goBack(ControlRef control, int tabIndex) {
    view.selectTab(tabIndex);
    showTab(tabIndex);
    view.setFocus(control);
}

void FormContext::recalculate() {
    model.RecalculateAll();
    showSummary();
}

void FormContext::showSummary() {
    const SummaryTexts& s = model.summary;
    const auto show = [this](std::string_view name, const std::string& now, std::string& shown) {
        if (now != shown) {
            shown = now;
            view.setText({name}, now);
        }
    };
    show(ctl::lblSummaryEnergy, s.lblSummaryEnergy, shownSummary_.lblSummaryEnergy);
    show(ctl::lblSumaryMaintenance, s.lblSumaryMaintenance, shownSummary_.lblSumaryMaintenance);
    show(ctl::lblSummaryInventory, s.lblSummaryInventory, shownSummary_.lblSummaryInventory);
    show(ctl::lblSummaryTotal, s.lblSummaryTotal, shownSummary_.lblSummaryTotal);
}

void FormContext::setEnabled(ControlRef control, bool enabled) {
    enabled_[{std::string(control.name), control.index}] = enabled;
    view.setEnabled(control, enabled);
}

bool FormContext::isEnabled(ControlRef control) const {
    const auto it = enabled_.find({std::string(control.name), control.index});
    return it == enabled_.end() || it->second;
}

void FormContext::restoreEnabledState(const EnabledState& state) {
    for (const auto& [key, enabled] : state) {
        if (isEnabled({key.first, key.second}) != enabled) {
            setEnabled({key.first, key.second}, enabled);
        }
    }
}

} // namespace payvanta::ui
