// The potential-density flag through sequences of the user's actions: the flag of record (what is saved), the
// flag a calculation uses and the box on the screen after the last action.
#include "PotentialFlags.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

const CPotentialEvent TOGGLE = POTENTIAL_TOGGLE, CALC = POTENTIAL_CALCULATE, CALC_REFUSED = POTENTIAL_CALCULATE_REFUSED,
                      CONFIRM = POTENTIAL_SETTINGS_CONFIRMED, CLOSE = POTENTIAL_CLOSE,
                      CLOSE_REFUSED = POTENTIAL_CLOSE_REFUSED;

// The flag loaded, the events after the start; the flags after the last: record, calculation's, box.
const struct { const char* pszName; int bLoaded; std::vector<CPotentialEvent> events; CPotentialFlags expected; }
    kSequences[] = {
    {"the box shows the loaded flag", 0, {}, {0, 0, 0}},
    {"a toggle changes the record and the box, not the calculation's", 1, {TOGGLE}, {0, 1, 0}},
    {"the next Calc reads the box", 1, {TOGGLE, CALC}, {0, 0, 0}},
    {"a refused Calc keeps the flag last read and shows it", 1, {TOGGLE, CALC_REFUSED}, {0, 1, 1}},
    {"confirmed settings bring back the box of the last Calc and save it", 1, {CALC, TOGGLE, CONFIRM}, {1, 1, 1}},
    {"confirmed settings after a Calc on the toggled box save the toggle", 1, {TOGGLE, CALC, CONFIRM}, {0, 0, 0}},
    {"closing reads the box into the record", 0, {TOGGLE, CLOSE}, {1, 1, 1}},
    {"closing on refused text saves the flag of the last Calc", 1, {TOGGLE, CLOSE_REFUSED}, {1, 1, 0}},
    {"closing on refused text saves the toggled box of the last Calc", 1, {TOGGLE, CALC, TOGGLE, CLOSE_REFUSED},
     {0, 0, 1}},
};

} // namespace

TEST(PotentialFlags, SequencesOfTheUsersActions)
{
    for (const auto& row : kSequences)
    {
        CPotentialFlags flags = AfterPotentialEvent({row.bLoaded, -1, -1}, POTENTIAL_START);
        for (CPotentialEvent event : row.events)
            flags = AfterPotentialEvent(flags, event);
        EXPECT_EQ(std::make_tuple(flags.bPotential, flags.bPotentialCheck, flags.bBox),
                  std::make_tuple(row.expected.bPotential, row.expected.bPotentialCheck, row.expected.bBox))
            << row.pszName << " (record, calculation's, box)";
    }
}
