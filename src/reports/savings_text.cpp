#include "savings_text.h"

#include <array>

namespace payvanta::reports {

namespace {

// The numbered paragraphs have two spaces after the parenthesis; continuation lines are
// indented by six spaces.
constexpr std::array<std::string_view, 27> kOpportunities{
    "1)  Stravolux QVR's digital DC technology controls currents more precisely than "
    "traditional DCCP",
    "      systems.  The precisely controlled currents limit transitional torque seen by the "
    "motor",
    "      during acceleration and deceleration.  The resultant reduced stress on gears, "
    "couplings, and",
    "      shafts helps reduce maintenance of gear boxes, couplings, and line shafts.  In "
    "addition,",
    "      motor brush, commutator and field insulation life is extended by improved current",
    "      limit control during acceleration and braking.",
    "",
    "2)  An additional benefit of micro-processor control is the ability to maintain current in",
    "      the series brake until the speed of the motor decreases.  The resultant reduction in",
    "      brake shoe and wheel wear translate into direct cost avoidance savings",
    "      and increased crane availability.",
    "",
    "3)  The drive technology does not require acceleration resistors.  This means energy",
    "      savings every time while hoisting, lowering, plugging, and braking.  It also means",
    "      reduced crane weight and space requirements.",
    "",
    "4)  The Stravolux QVR is designed to be a retrofit control for existing DCCP panels.  In "
    "many",
    "      cases the new drive can be designed to fit into existing enclosures.  An added",
    "      advantage is the retained use of existing collectors and power wiring.  There is no",
    "      need to add or change the power or control wiring.  Unused accelerating resistor",
    "      wiring can simply be disconnected and left in place.",
    "",
    "5)  Unlike some competitive offerings, the Stravolux QVR is designed to meet current NEMA",
    "      and applicable AISE standards.  The use of NEMA devices reduces the need to",
    "      stock additional MRO inventory.",
    "",
    "Note: Results of this analysis are an estimate, may vary from actual experience and are "
    "not guaranteed.",
};

} // namespace

std::string loadText(std::string_view lineBreak) {
    std::string text;
    text.reserve(2400);
    for (const std::string_view line : kOpportunities) {
        text += line;
        text += lineBreak;
    }
    return text;
}

} // namespace payvanta::reports
