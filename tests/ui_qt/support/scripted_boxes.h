#pragma once

#include "ui/qt/message_boxes.h"

#include <QStringList>
#include <deque>
#include <optional>

namespace payvanta::test {

// The main window's message boxes, answered in advance: messages are recorded, questions
// take the next queued answer, and a question nobody answered is recorded as unexpected
// (and answered No, or cancelled) instead of waiting for a person.
class ScriptedBoxes final : public ui::qt::MessageBoxes {
public:
    QStringList messages;
    QStringList questions;
    QStringList prompts;
    QStringList unexpected;
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<QString>> inputAnswers;

    void message(QWidget*, const QString& text) override { messages << text; }

    bool yesNo(QWidget*, const QString& question) override {
        questions << question;
        if (yesNoAnswers.empty()) {
            unexpected << QStringLiteral("question: ") + question;
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }

    std::optional<QString> input(QWidget*, const QString& prompt) override {
        prompts << prompt;
        if (inputAnswers.empty()) {
            unexpected << QStringLiteral("input box: ") + prompt;
            return std::nullopt;
        }
        std::optional<QString> answer;
        answer.swap(inputAnswers.front());
        inputAnswers.pop_front();
        return answer;
    }
};

} // namespace payvanta::test
