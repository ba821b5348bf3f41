#include "selection_picks.h"

#include "controls.h"
#include "model/find_by.h"

namespace payvanta::ui {

namespace {

constexpr std::size_t kMotorRestLength = 10;

// Position (counted from 1) of c in s from position start on, or 0: the positions of the
// item arithmetic below count from 1.
std::size_t find1(const std::string& s, char c, std::size_t start = 1) {
    const auto p = s.find(c, start - 1);
    return p == std::string::npos ? 0 : p + 1;
}

// Characters from position start (from 1), at most count of them.
std::string mid(const std::string& s, std::size_t start, std::size_t count) {
    if (start < 1 || start > s.size()) {
        return {};
    }
    return s.substr(start - 1, count);
}

} // namespace

void splitAtFirstSpace(std::string& text, std::string& rest) {
    const auto space = text.find(' ');
    if (space == std::string::npos) {
        return;
    }
    rest = text.substr(space + 1);
    text.resize(space);
}

bool parseMotorItem(std::string& item, std::string& volts, std::string& amps, std::string& rest) {
    const std::size_t p1 = find1(item, '~');
    if (p1 == 0) {
        return true; // nothing to split; the item is taken as it stands
    }
    const std::size_t p2 = find1(item, '~', p1 + 1);
    const std::size_t p3 = p2 == 0 ? 0 : find1(item, '~', p2 + 1);
    // Each value lies between " ~ " separators: a sign needs a description before it and
    // room for the spaces between the signs.
    if (p2 == 0 || p3 == 0 || p1 < 3 || p2 < p1 + 3 || p3 < p2 + 3) {
        return false;
    }
    volts = mid(item, p1 + 2, p2 - p1 - 3);
    amps = mid(item, p2 + 2, p3 - p2 - 3);
    rest = mid(item, p3 + 2, kMotorRestLength);
    item.resize(p1 - 2);
    return true;
}

Field costFieldOf(Field sizeListField) {
    switch (sizeListField) {
    case Field::BrakeSize:
        return Field::BrakeShoe;
    case Field::HoistNemaSize:
        return Field::ContactHoist;
    case Field::TrolleyNemaSize:
        return Field::ContactTrolley;
    default:
        return Field::ContactBridge;
    }
}

const std::vector<std::string>* SelectionPicks::itemsOf(Field listField) const {
    const files::SelectionLists& l = form_.lists();
    switch (listField) {
    case Field::cmbStateKw:
        return &l.cmbStateKw;
    case Field::HoistNemaSize:
        return &l.cmbHoistNemaSize;
    case Field::TrolleyNemaSize:
        return &l.cmbTrolleyNemaSize;
    case Field::BridgeNemaSize:
        return &l.cmbBridgeNemaSize;
    case Field::BrakeSize:
        return &l.cmbBrakeSize;
    case Field::HoistMotor:
        return &l.cmbHoistMotor;
    case Field::TrolleyMotor:
        return &l.cmbTrolleyMotor;
    case Field::BridgeMotor:
        return &l.cmbBridgeMotor;
    default:
        return nullptr;
    }
}

void SelectionPicks::picked(Field listField, int itemIndex) {
    if (listField == Field::cmbStateKw) {
        // Picking closes the list: it shows in its usual font again.
        form_.view().setFont(controlOf(listField), kClosedListFont);
    }
    const auto* items = itemsOf(listField);
    if (items == nullptr || itemIndex < 0 || static_cast<std::size_t>(itemIndex) >= items->size()) {
        return; // no item selected
    }
    const std::string item = (*items)[static_cast<std::size_t>(itemIndex)];
    // The list shows the picked item before its click reaction runs; that is no change
    // of the text as typing or code makes one.
    form_.writeQuietly(listField, item);
    if (const auto m = motionOf(listField)) {
        pickMotor(*m, item);
    } else if (listField == Field::cmbStateKw) {
        pickState(item);
    } else {
        pickSize(listField, item);
    }
}

void SelectionPicks::pickMotor(Motion m, const std::string& picked) {
    std::string item = picked;
    std::string volts = form_.text(motorVoltsField(m));
    std::string amps = form_.text(motorFLCAmpsField(m));
    std::string rest;
    if (!parseMotorItem(item, volts, amps, rest)) {
        return; // an item that cannot be split is ignored
    }
    const std::size_t p = find1(rest, '~');
    if (p != 0) {
        const std::size_t n = rest.size();
        const std::string brake = n > p + 1 ? rest.substr(p + 1) : std::string();
        rest = p > 2 ? rest.substr(0, p - 2) : std::string();
        selectBrakeSize(brake);
    }
    switch (m) {
    case Motion::Hoist:
        selectHoistNemaSize(rest);
        break;
    case Motion::Trolley:
        selectTrolleyNemaSize(rest);
        break;
    case Motion::Bridge:
        selectBridgeNemaSize(rest);
        break;
    }
    form_.write(motorField(m), item);
    form_.write(motorVoltsField(m), volts);
    form_.write(motorFLCAmpsField(m), amps);
    if (item.find("NONE") != std::string::npos) {
        form_.write(numMotorField(m), "1");
    }
}

void SelectionPicks::pickSize(Field listField, const std::string& item) {
    std::string size = item;
    std::string cost;
    splitAtFirstSpace(size, cost);
    form_.write(listField, size);
    form_.write(costFieldOf(listField), cost);
}

void SelectionPicks::pickState(const std::string& item) {
    // States are split at the last space, so that a state written in words ("New
    // York 0.0687") keeps its name whole and the rate gets only the rate.
    std::string state = item;
    std::string rate;
    const auto space = item.rfind(' ');
    if (space != std::string::npos) {
        state = item.substr(0, space);
        rate = item.substr(space + 1);
    }
    form_.write(Field::cmbStateKw, state);
    form_.write(Field::KwHrRate, rate);
}

void SelectionPicks::selectSize(Field listField, const std::string& size) {
    const auto sizeOf = [](std::string entry) {
        std::string cost;
        splitAtFirstSpace(entry, cost);
        return entry;
    };
    if (const std::string* entry = findBy(*itemsOf(listField), size, sizeOf)) {
        pickSize(listField, *entry);
    }
}

void SelectionPicks::selectBrakeSize(const std::string& size) {
    selectSize(Field::BrakeSize, size);
}
void SelectionPicks::selectHoistNemaSize(const std::string& size) {
    selectSize(Field::HoistNemaSize, size);
}
void SelectionPicks::selectTrolleyNemaSize(const std::string& size) {
    selectSize(Field::TrolleyNemaSize, size);
}
void SelectionPicks::selectBridgeNemaSize(const std::string& size) {
    selectSize(Field::BridgeNemaSize, size);
}

void SelectionPicks::stateListOpened() {
    form_.view().setFont(controlOf(Field::cmbStateKw), kOpenListFont);
}

void SelectionPicks::stateListLeft() {
    form_.view().setFont(controlOf(Field::cmbStateKw), kClosedListFont);
}

} // namespace payvanta::ui
