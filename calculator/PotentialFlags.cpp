#include "PotentialFlags.h"

CPotentialFlags AfterPotentialEvent(CPotentialFlags flags, CPotentialEvent event)
{
    switch (event)
    {
    case POTENTIAL_START:
        flags.bPotentialCheck = flags.bPotential;
        flags.bBox = flags.bPotentialCheck;
        break;
    case POTENTIAL_TOGGLE:
        flags.bPotential = flags.bPotential == 0 ? 1 : 0;
        flags.bBox = flags.bPotential;
        break;
    case POTENTIAL_CALCULATE:
        flags.bPotentialCheck = flags.bBox;
        break;
    case POTENTIAL_CALCULATE_REFUSED:
        flags.bBox = flags.bPotentialCheck;
        break;
    case POTENTIAL_SETTINGS_CONFIRMED:
        flags.bBox = flags.bPotentialCheck;
        flags.bPotential = flags.bPotentialCheck;
        break;
    case POTENTIAL_CLOSE:
        flags.bPotentialCheck = flags.bBox;
        flags.bPotential = flags.bPotentialCheck;
        break;
    case POTENTIAL_CLOSE_REFUSED:
        flags.bPotential = flags.bPotentialCheck;
        break;
    }
    return flags;
}
