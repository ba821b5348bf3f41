#include "web_view.h"

#include "page_json.h"
#include "web_questions.h"

#include <string>

namespace payvanta::web {

namespace {

using emscripten::val;

// A text answer from the page: a string, or null or undefined when the user cancelled.
std::optional<std::string> textAnswer(const val& answer) {
    if (answer.isNull() || answer.isUndefined()) {
        return std::nullopt;
    }
    return answer.as<std::string>();
}

std::string text(std::string_view s) {
    return std::string(s);
}

} // namespace

void WebView::setText(ui::ControlRef control, std::string_view text) {
    page_.call<void>("setText", ui::controlName(control), std::string(text));
}

void WebView::setListItems(std::string_view list, const std::vector<std::string>& items) {
    val array = val::array();
    for (const std::string& item : items) {
        array.call<void>("push", item);
    }
    page_.call<void>("setListItems", text(list), array);
}

void WebView::showMessage(std::string_view message) {
    page_.call<void>("showMessage", text(message));
}

bool WebView::askYesNo(std::string_view question) {
    return web::askYesNo(question);
}

std::optional<std::string> WebView::askText(std::string_view prompt) {
    return web::askText(prompt);
}

std::optional<std::string> WebView::chooseProjectFile() {
    return web::chooseProjectFile();
}

void WebView::selectTab(int tabIndex) {
    page_.call<void>("selectTab", tabIndex);
}

void WebView::showFrame(int frameIndex) {
    page_.call<void>("showFrame", frameIndex);
}

void WebView::setFocus(ui::ControlRef control) {
    page_.call<void>("setFocus", ui::controlName(control));
}

void WebView::setEnabled(ui::ControlRef control, bool enabled) {
    page_.call<void>("setEnabled", ui::controlName(control), enabled);
}

void WebView::setChecked(ui::ControlRef menuItem, bool checked) {
    page_.call<void>("setChecked", ui::controlName(menuItem), checked);
}

void WebView::setFont(ui::ControlRef control, std::string_view fontName) {
    page_.call<void>("setFont", ui::controlName(control), text(fontName));
}

void WebView::setProgressVisible(bool visible) {
    page_.call<void>("setProgressVisible", visible);
}

void WebView::setProgress(int value) {
    page_.call<void>("setProgress", value);
}

void WebView::beep() {
    page_.call<void>("beep");
}

void WebView::showReport(const reports::ReportPage& page) {
    shown_ = page;
    page_.call<void>("showReport", pageJson(page));
}

void WebView::redrawReport(const reports::ReportPage& page) {
    shown_ = page;
    page_.call<void>("redrawReport", pageJson(page));
}

std::optional<std::string> WebView::choosePdfFile(std::string_view suggestedName) {
    return textAnswer(page_.call<val>("choosePdfFile", text(suggestedName)));
}

void WebView::showStatus(std::string_view message) {
    page_.call<void>("showStatus", text(message));
}

void WebView::endProgram() {
    page_.call<void>("endProgram");
}

} // namespace payvanta::web
