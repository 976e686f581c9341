// The command's decisions, run in-process: which subcommand and computation
// the arguments make, the exit code, and what goes to which stream.
#include "HaliCommand.h"
#include "HelpText.h"

#include "StreamText.h"

#include <halic.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

const char kNoMore[] = ""; // nothing on the standard error

TEST(HaliCommand, ExitCodesAndStreams)
{
    const struct { std::vector<const char*> args; int nExitCode; std::string out, errStart; } rows[] = {
        {{"convert", "26"}, kExitOk, "1.02339\n", kNoMore},
        {{"--format", "json", "convert", "26"}, kExitOk, "{\"sg\":1.02339}\n", kNoMore},
        {{"convert", "--no-potential", "--depth", "1000", "10"}, kExitOk, "1.02749\n", kNoMore},
        {{"--help"}, kExitOk, OverviewHelp(), kNoMore},
        {{"--version"}, kExitOk, std::string("hali ") + halic_version() + "\n", kNoMore},
        {{"--version", "--format", "json"}, kExitOk, std::string("{\"version\":\"") + halic_version() + "\"}\n", kNoMore},
        {{"--format=csv", "--version"}, kExitOk, std::string("version\n") + halic_version() + "\n", kNoMore},
        {{"--version", "extra"}, kExitUsage, "", "hali: unexpected argument extra\n"},
        {{"--format", "json"}, kExitUsage, "", "hali: no command; accepts convert, table,"},
        {{}, kExitUsage, "", "Usage: hali COMMAND"},
        {{"bogus"}, kExitUsage, "", "hali: unknown command bogus; accepts convert, table, salinity, sg, density, ptemp, "
                                   "depth, refractive-index, refractometer, hydrometer, baume, batch\n"
                                   "(hali --help tells the options)\n"},
        {{"\x1b[2J\t"}, kExitUsage, "", "hali: unknown command \"\\x1b[2J\\t\"; accepts convert,"}, // quoted
        {{"salinity", "--sg", "1.023", "--conductivity", "50", "--temperature", "25"}, kExitUsage, "",
         "hali salinity: --sg and --conductivity exclude each other\n"},
        {{"salinity", "--sg", "1.023", "--convention", "t/4", "--temperature", "25", "--pressure", "5"}, kExitUsage, "",
         "hali salinity: --pressure does not go with --sg\n"},
        // the options at fault as the user gave them, not the library's arguments
        {{"salinity", "--conductivity", "2e2", "--temperature", "25"}, kExitNoAnswer, "",
         "hali salinity: no answer: --conductivity 2e2 mS/cm gives no salinity from 0 to 42 at this --temperature "
         "and --pressure\n"},
        {{"sg", "--salinity", "35", "--convention", "60/60F", "--temperature", "20"}, kExitUsage, "",
         "hali sg: --temperature 20: convention 60/60F fixes the sample's temperature at 15.5556 degC; leave "
         "--temperature out\n"},
        {{"batch", "--jobs", "1.5"}, kExitUsage, "", "hali batch: --jobs 1.5: not a whole number; accepts 0 to 64\n"},
        {{"batch", "--jobs", ""}, kExitUsage, "", "hali batch: --jobs \"\": empty; accepts 0 to 64\n"},
        {{"table", "--from", "24", "--to", "26", "--step", "2", "--format", "csv"}, kExitOk,
         "temperature_degC,sg,correction\n24,1.02400,0.00000\n26,1.02339,0.00061\n", kNoMore},
        // 24 and 26 degC, the base temperature's default given in degF
        {{"table", "--unit", "F", "--from", "75.2", "--to", "78.8", "--step", "3.6", "--format", "csv"}, kExitOk,
         "temperature_degF,sg,correction\n75.2,1.02400,0.00000\n78.8,1.02339,0.00061\n", kNoMore},
        {{"table", "--unit", "F", "--from", "20", "--to", "30"}, kExitUsage, "",
         "hali table: --from 20: outside the range; accepts 28.4 to 104 degF\n(hali table --help tells the options)\n"},
    };
    for (const auto& row : rows)
    {
        const CRun run = RunHali(row.args);
        const std::string what = row.args.empty() ? "(none)" : row.args[0];
        EXPECT_EQ(run.nExitCode, row.nExitCode) << what << "\n" << run.err;
        EXPECT_EQ(run.out, row.out) << what;
        EXPECT_EQ(run.err.compare(0, row.errStart.size(), row.errStart), 0) << what << "\n" << run.err;
        EXPECT_EQ(run.err.empty(), row.errStart.empty()) << what << "\n" << run.err;
    }
}

// A table of an instrument's readings: each cell is the single-value command's number, after the line that names
// the sources; a row with a cell without an answer is reported and left out.
TEST(HaliCommand, InstrumentTables)
{
    const CRun table = RunHali({"table", "--instrument", "hydrometer", "--convention", "60/60F", "--salinity-from", "35",
                                "--salinity-to", "36", "--unit", "F", "--from", "68", "--to", "77", "--step", "9",
                                "--format", "csv"});
    auto result = [](std::vector<const char*> args) { // a single command's, without its newline
        const std::string out = RunHali(args).out;
        return out.substr(0, out.find('\n'));
    };
    auto cell = [&](const char* pszSalinity, const char* pszCelsius) { // 68 and 77 degF are 20 and 25 degC
        return result({"hydrometer", "--salinity", pszSalinity, "--convention", "60/60F", "--temperature", pszCelsius});
    };
    EXPECT_EQ(table.nExitCode, kExitOk) << table.err;
    EXPECT_EQ(table.out.substr(table.out.find('\n') + 1), "salinity,68,77\n35," + cell("35", "20") + "," +
                                                              cell("35", "25") + "\n36," + cell("36", "20") + "," +
                                                              cell("36", "25") + "\n");
    EXPECT_EQ(table.out.compare(0, 52, "# glass hydrometer, convention 60/60F, calibrated at"), 0) << table.out;

    const CRun cut = RunHali({"table", "--instrument", "refractometer", "--scale", "nacl", "--salinity-from", "0",
                              "--salinity-to", "10", "--salinity-step", "10", "--from", "25", "--to", "25",
                              "--format", "json"});
    const CRun fresh = RunHali({"refractometer", "--salinity", "0", "--scale", "nacl", "--temperature", "25"});
    const std::string ten = result({"refractometer", "--salinity", "10", "--scale", "nacl", "--temperature", "25"});
    EXPECT_EQ(cut.nExitCode, kExitNoAnswer);
    EXPECT_EQ(cut.out.substr(cut.out.find('\n') + 1), "{\"salinity\":10,\"25\":" + ten + "}\n");
    // The single command's reason, with the salinity and temperature named as the row and column.
    EXPECT_EQ(cut.err, "hali table: no answer at salinity 0, 25 degC: the salinity 0" +
                           fresh.err.substr(fresh.err.find(" is outside ")));
}
