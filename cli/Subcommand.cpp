#include "Subcommand.h"

#include <cstring>

namespace
{
const CParameter kJobs = {"jobs", "N", "threads that compute lines, 0 for one per processor", PARAMETER_NUMBER, "",
                          0, 64, false, PRESENCE_DEFAULT, 0};

const CSubcommand kSubcommands[] = {
    {"convert", SUBCOMMAND_COMPUTATION, "[options] TEMPERATURE",
     "Varnok's conversion of a hydrometer's reading to another water temperature",
     "Varnok's calculation: the specific gravity at TEMPERATURE of water that read --base-gravity at\n"
     "--base-temperature, by EOS-80, rounded half up to five decimals exactly as Varnok shows it.\n"
     "The defaults are Varnok's first-run settings. --expansion adds a glass hydrometer's own growth,\n"
     "1 + gamma (TEMPERATURE - base temperature), which Varnok leaves out.\n"
     "Example: hali convert 26 prints 1.02339; hali convert 26 --expansion 25e-6 prints 1.02344.\n",
     {COMPUTE_CONVERT}, 1, "temperature"},
    {"table", SUBCOMMAND_TABLE,
     "--from T --to T [options]\n"
     "       hali table --instrument hydrometer|refractometer --salinity-from S --salinity-to S --from T --to T\n"
     "                  [options]",
     "a correction table, or an instrument's readings over salinities and temperatures",
     "For each temperature from --from to --to by --step: the specific gravity that water reading\n"
     "--base-gravity at --base-temperature shows there (as convert gives it), and the correction, the base\n"
     "gravity minus that value, to add to a reading taken at that temperature.\n"
     "Columns: temperature_degC or temperature_degF, with the decimals of --from and --step as written;\n"
     "sg and correction, 5 decimals. At most 100000 rows.\n"
     "With --instrument: what a glass hydrometer (under --convention) or a refractometer (on --scale) reads\n"
     "for each salinity from --salinity-from to --salinity-to by --salinity-step (a row each) at each\n"
     "temperature from --from to --to by --step (a column each), the numbers the hydrometer and\n"
     "refractometer commands give, after a line that names the formulas and their sources (text and csv\n"
     "\"# ...\", json {\"source\":...}).\n"
     "Examples: hali table --from 20 --to 30 --step 0.5\n"
     "          hali table --instrument hydrometer --convention 60/60F --salinity-from 30 --salinity-to 40\n"
     "                     --from 20 --to 30 --step 2\n",
     {}, 0, nullptr},
    {"salinity", SUBCOMMAND_COMPUTATION, "--sg SG --convention NAME [--temperature DEGC] [options]\n"
                                         "       hali salinity --conductivity MS_CM --temperature DEGC [options]",
     "salinity from a hydrometer's reading, a conductivity, a refractive index or a refractometer",
     "Practical Salinity of seawater from a hydrometer's reading under a convention (--sg), from its\n"
     "conductivity by PSS-78 (--conductivity), from its refractive index (--refractive-index), from a\n"
     "refractometer's reading (--refractometer), from a glass hydrometer's reading with its glass term\n"
     "(--hydrometer), or from Baume degrees (--baume). Past salinity 42 the seawater equations stop: a\n"
     "reading beyond is refused, never extrapolated.\n"
     "Examples: hali salinity --sg 1.023 --temperature 25 --convention t/4 prints 34.51;\n"
     "          hali salinity --conductivity 53.071 --temperature 25 prints 35.0000;\n"
     "          hali salinity --refractometer 36.5 --scale nacl prints 35.00;\n"
     "          hali salinity --hydrometer 1.0240 --temperature 26 --convention 15/4 prints 35.87.\n",
     {COMPUTE_SALINITY_FROM_SG, COMPUTE_SALINITY_FROM_C, COMPUTE_SALINITY_FROM_INDEX,
      COMPUTE_SALINITY_FROM_REFRACTOMETER, COMPUTE_SALINITY_FROM_HYDROMETER, COMPUTE_SALINITY_FROM_BAUME},
     6, nullptr},
    {"sg", SUBCOMMAND_COMPUTATION, "--salinity S --convention NAME [--temperature DEGC] [options]",
     "specific gravity of a salinity under a convention",
     "Specific gravity of seawater under a convention: its density at the sample's temperature divided by\n"
     "that of pure water at the reference temperature, both by EOS-80 at the surface. A convention names\n"
     "the two temperatures; one that leaves the sample's open takes it from --temperature.\n"
     "Example: hali sg --salinity 35 --convention 25/25 prints 1.02637.\n",
     {COMPUTE_SG}, 1, nullptr},
    {"density", SUBCOMMAND_COMPUTATION, "--salinity S --temperature DEGC [--pressure DBAR] [options]",
     "in-situ density of seawater (EOS-80)",
     "In-situ density of seawater by EOS-80, the full density (not density minus 1000).\n"
     "Example: hali density --salinity 35 --temperature 25 prints 1023.343.\n",
     {COMPUTE_DENSITY}, 1, nullptr},
    {"ptemp", SUBCOMMAND_COMPUTATION, "--salinity S --temperature DEGC --pressure DBAR [options]",
     "potential temperature referred to the surface",
     "Potential temperature of seawater referred to the surface (Bryden 1973).\n"
     "Example: hali ptemp --salinity 40 --temperature 40 --pressure 10000\n",
     {COMPUTE_PTEMP}, 1, nullptr},
    {"depth", SUBCOMMAND_COMPUTATION, "--pressure DBAR --latitude DEG [options]", "depth of a sea pressure",
     "Depth of a standard ocean column at a sea pressure (UNESCO 1983), metres, positive downwards.\n"
     "Example: hali depth --pressure 10000 --latitude 30\n",
     {COMPUTE_DEPTH}, 1, nullptr},
    {"refractive-index", SUBCOMMAND_COMPUTATION, "--salinity S --temperature DEGC [--wavelength NM] [options]",
     "refractive index of seawater (Quan and Fry 1995)",
     "Refractive index of seawater relative to air by Quan and Fry (1995, Applied Optics 34, 3477), fitted\n"
     "to Austin and Halikas's measurements (1976) over 0 to 30 degC, salinity 0 to 35 and 400 to 700 nm.\n"
     "Salinity 35 to 42 extends its straight line in salinity, -2 to 0 and 30 to 32 degC its parabola in\n"
     "temperature, which there stays as near pure water's index (IAPWS R9-97) as inside the fit.\n"
     "Example: hali refractive-index --salinity 35 --temperature 20 prints 1.339406.\n",
     {COMPUTE_REFRACTIVE_INDEX}, 1, nullptr},
    {"refractometer", SUBCOMMAND_COMPUTATION, "--salinity S [--scale NAME] [--temperature DEGC] [options]",
     "a refractometer's reading of a salinity, on its scale",
     "What a refractometer shows for seawater of a salinity: the rise of its refractive index (Quan and\n"
     "Fry, sodium D line) over the pure water it was set to zero on, on a scale drawn for 20 degC: per\n"
     "mille of natural seawater, specific gravity under a convention, or per mille of sodium chloride (the\n"
     "CRC Handbook's table of NaCl solutions at 20 degC, by a monotone cubic), which reads natural\n"
     "seawater about 1.5 high. Without temperature compensation give the sample's --temperature.\n"
     "Example: hali refractometer --salinity 35 --scale nacl prints 36.50.\n",
     {COMPUTE_REFRACTOMETER}, 1, nullptr},
    {"hydrometer", SUBCOMMAND_COMPUTATION,
     "--salinity S --convention NAME --temperature DEGC [--calibrated-at DEGC] [options]",
     "a glass hydrometer's reading of a salinity, with its glass term",
     "What a glass hydrometer reads in seawater at --temperature: SG (1 + gamma (t - t_cal)), SG the\n"
     "sample's density at t over pure water's at the convention's reference temperature (EOS-80), gamma\n"
     "the hydrometer's cubical expansion (ISO 1768's 25e-6 per degC for glass), t_cal its calibration\n"
     "temperature, which a convention that fixes the sample's temperature fixes.\n"
     "Example: hali hydrometer --salinity 35 --temperature 26 --convention 15/4 prints 1.02334.\n",
     {COMPUTE_HYDROMETER}, 1, nullptr},
    {"baume", SUBCOMMAND_COMPUTATION, "--sg SG [--scale NAME] [options]\n"
                                      "       hali baume --degrees DEG [--scale NAME] [options]",
     "Baume degrees of a specific gravity, and back",
     "Baume degrees of liquids heavier than water, m - m / SG on a scale of modulus m (CRC Handbook of\n"
     "Chemistry and Physics, 51st edition): 145 american, at 60/60 degF; 144 dutch; 146.78 gerlach.\n"
     "hali salinity --baume gives the salinity of a reading.\n"
     "Examples: hali baume --sg 1.0264 prints 3.73; hali baume --degrees 3.73 prints 1.02640.\n",
     {COMPUTE_BAUME, COMPUTE_SG_FROM_BAUME}, 2, nullptr},
    {"batch", SUBCOMMAND_BATCH, "[--format text|csv|json] [--jobs N] < LINES",
     "one computation per line of the standard input", "", {}, 0, nullptr},
};
} // namespace

const CSubcommand* FindSubcommand(const char* pszName)
{
    for (const CSubcommand& subcommand : kSubcommands)
        if (std::strcmp(subcommand.pszName, pszName) == 0)
            return &subcommand;
    return nullptr;
}

const CParameter& BatchJobs() { return kJobs; }

const CSubcommand* GetSubcommands(int* pnCount)
{
    *pnCount = static_cast<int>(sizeof kSubcommands / sizeof kSubcommands[0]);
    return kSubcommands;
}

std::string SubcommandList()
{
    std::string list;
    for (const CSubcommand& subcommand : kSubcommands)
        list += (list.empty() ? "" : ", ") + std::string(subcommand.pszName);
    return list;
}
