// The potential-density flag as the main window keeps it, in three places,
// and what each of the user's actions does to them.
#pragma once

struct CPotentialFlags
{
    int bPotential;      // of record: loaded, saved, flipped by a toggle
    int bPotentialCheck; // the box as last read: the flag a calculation passes to the library
    int bBox;            // the check box as it shows
};

enum CPotentialEvent
{
    POTENTIAL_START,              // the flag of record loaded: the box shows it
    POTENTIAL_TOGGLE,             // a click on the box, or Ctrl+P: only the flag of record and the box change
    POTENTIAL_CALCULATE,          // Calc with a number in the edit: the box read, then shown again
    POTENTIAL_CALCULATE_REFUSED,  // Calc with text that is no number: the box not read, shown as last read
    POTENTIAL_SETTINGS_CONFIRMED, // the settings dialog's OK: the box and the record as last read
    POTENTIAL_CLOSE,              // closing with a number in the edit: the box read into the record
    POTENTIAL_CLOSE_REFUSED,      // closing with text that is no number: the record as last read
};

// The flags after the event. A cancelled settings dialog, Off and Escape
// change nothing; the record is saved after a confirmed settings dialog and
// on closing.
CPotentialFlags AfterPotentialEvent(CPotentialFlags flags, CPotentialEvent event);
