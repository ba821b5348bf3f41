#pragma once

#include "form_context.h"

#include <string>
#include <vector>

namespace payvanta::ui {

// Splits "size cost" at its first space: text keeps what is before it, rest gets what
// follows. Without a space neither changes.
void splitAtFirstSpace(std::string& text, std::string& rest);

// Splits a motor item "description ~ volts ~ amperes ~ rest" at its "~" signs: item keeps
// the description, rest gets at most 10 characters after the third sign. Without any
// "~" nothing changes. False (and nothing changes) for an item that cannot be split:
// fewer than three "~", the first at position 1 or 2, or two signs side by side.
bool parseMotorItem(std::string& item, std::string& volts, std::string& amps, std::string& rest);

// What a pick in one of the eight selection lists does: a motor fills the motion's
// volts, amperes, NEMA size and (when the item has one) brake size with their costs; a
// size fills its cost; a state fills the rate.
class SelectionPicks {
public:
    explicit SelectionPicks(FormContext& form) : form_(form) {}

    // The items of the list that shows this field.
    const std::vector<std::string>* itemsOf(Field listField) const;

    void picked(Field listField, int itemIndex);
    void stateListOpened();
    void stateListLeft();

    // Select...Size: the first item whose size part is exactly this size sets the list
    // and its cost field; when none is, nothing is written.
    void selectBrakeSize(const std::string& size);
    void selectHoistNemaSize(const std::string& size);
    void selectTrolleyNemaSize(const std::string& size);
    void selectBridgeNemaSize(const std::string& size);

    static constexpr std::string_view kClosedListFont = "MS Sans Serif";
    static constexpr std::string_view kOpenListFont = "Courier New";

private:
    void pickMotor(Motion m, const std::string& item);
    void pickSize(Field listField, const std::string& item);
    void pickState(const std::string& item);
    void selectSize(Field listField, const std::string& size);

    FormContext& form_;
};

// The field that holds the cost of a size list's size.
Field costFieldOf(Field sizeListField);

} // namespace payvanta::ui
