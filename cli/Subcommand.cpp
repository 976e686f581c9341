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
     "The defaults are Varnok's first-run settings.\n"
     "Example: hali convert 26 prints 1.02339.\n",
     {COMPUTE_CONVERT}, 1, "temperature"},
    {"table", SUBCOMMAND_TABLE, "--from T --to T [options]", "a hydrometer's correction table over a temperature range",
     "For each temperature from --from to --to by --step: the specific gravity that water reading\n"
     "--base-gravity at --base-temperature shows there (as convert gives it), and the correction, the base\n"
     "gravity minus that value, to add to a reading taken at that temperature.\n"
     "Columns: temperature_degC or temperature_degF, with the decimals of --from and --step as written;\n"
     "sg and correction, 5 decimals. At most 100000 rows.\n"
     "Example: hali table --from 20 --to 30 --step 0.5\n",
     {}, 0, nullptr},
    {"salinity", SUBCOMMAND_COMPUTATION, "--sg SG --convention NAME [--temperature DEGC] [options]\n"
                                         "       hali salinity --conductivity MS_CM --temperature DEGC [options]",
     "salinity from a hydrometer's reading or from a conductivity",
     "Practical Salinity of seawater from a hydrometer's reading under a convention (--sg), or from its\n"
     "conductivity by PSS-78 (--conductivity).\n"
     "Examples: hali salinity --sg 1.023 --temperature 25 --convention t/4 prints 34.51;\n"
     "          hali salinity --conductivity 53.071 --temperature 25 prints 35.0000.\n",
     {COMPUTE_SALINITY_FROM_SG, COMPUTE_SALINITY_FROM_C}, 2, nullptr},
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
