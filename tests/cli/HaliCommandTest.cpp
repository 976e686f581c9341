// The command's decisions, run in-process: which subcommand and computation
// the arguments make, the exit code, and what goes to which stream.
#include "HaliCommand.h"
#include "Subcommand.h"

#include "CommandCases.h"

#include <halic.h>

#include "StreamText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
struct CRun
{
    int nExitCode;
    std::string out, err;
};

CRun RunHali(std::vector<const char*> args)
{
    args.insert(args.begin(), "hali");
    FILE* pIn = std::tmpfile(); // batch's input: none
    FILE* pOut = std::tmpfile();
    FILE* pErr = std::tmpfile();
    CRun run = {-1, "", ""};
    if (pIn == nullptr || pOut == nullptr || pErr == nullptr)
    {
        ADD_FAILURE() << "no temporary file";
        return run;
    }
    run.nExitCode = CHaliCommand(pIn, pOut, pErr).Run(static_cast<int>(args.size()), args.data());
    run.out = ReadAll(pOut);
    run.err = ReadAll(pErr);
    for (FILE* pFile : {pIn, pOut, pErr})
        std::fclose(pFile);
    return run;
}

const char kNoMore[] = "";
} // namespace

TEST(HaliCommand, ExitCodesAndStreams)
{
    const struct { std::vector<const char*> args; int nExitCode; std::string out, errStart; } rows[] = {
        {{"convert", "26"}, kExitOk, "1.02339\n", kNoMore},
        {{"--format", "json", "convert", "26"}, kExitOk, "{\"sg\":1.02339}\n", kNoMore},
        {{"convert", "--no-potential", "--depth", "1000", "10"}, kExitOk, "1.02749\n", kNoMore},
        {{"--version"}, kExitOk, std::string("hali ") + halic_version() + "\n", kNoMore},
        {{"--version", "--format", "json"}, kExitOk, std::string("{\"version\":\"") + halic_version() + "\"}\n", kNoMore},
        {{"--format=csv", "--version"}, kExitOk, std::string("version\n") + halic_version() + "\n", kNoMore},
        {{"--version", "extra"}, kExitUsage, "", "hali: unexpected argument extra\n"},
        {{"--format", "json"}, kExitUsage, "", "hali: no command; accepts convert, table,"},
        {{"convert", "50"}, kExitUsage, "", "hali convert: --temperature 50: outside the range; accepts -2 to 40 degC\n"},
        {{}, kExitUsage, "", "Usage: hali COMMAND"},
        {{"bogus"}, kExitUsage, "", "hali: unknown command bogus; accepts convert, table, salinity, sg, density, ptemp, "
                                   "depth, refractive-index, refractometer, hydrometer, baume, batch\n"
                                   "(hali --help tells the options)\n"},
        {{"salinity", "--sg", "1.023", "--conductivity", "50", "--temperature", "25"}, kExitUsage, "",
         "hali salinity: --sg and --conductivity exclude each other\n"},
        {{"salinity", "--sg", "1.023", "--convention", "t/4", "--temperature", "25", "--pressure", "5"}, kExitUsage, "",
         "hali salinity: --pressure does not go with --sg\n"},
        // the option at fault as the user gave it, not the library's argument
        {{"salinity", "--sg", "1.5", "--convention", "t/4", "--temperature", "25"}, kExitNoAnswer, "",
         "hali salinity: no answer: --sg 1.5 is read by no salinity from 0 to 42 at these temperatures\n"},
        {{"salinity", "--conductivity", "2e2", "--temperature", "25"}, kExitNoAnswer, "",
         "hali salinity: no answer: --conductivity 2e2 mS/cm gives no salinity from 0 to 42 at this --temperature "
         "and --pressure\n"},
        {{"sg", "--salinity", "35", "--convention", "60/60F", "--temperature", "20"}, kExitUsage, "",
         "hali sg: --temperature 20: convention 60/60F fixes the sample's temperature at 15.5556 degC; leave "
         "--temperature out\n"},
        {{"batch", "--jobs", "1.5"}, kExitUsage, "", "hali batch: --jobs 1.5: not a whole number; accepts 0 to 64\n"},
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

TEST(HaliCommand, TableInEitherUnit)
{
    const struct { std::vector<const char*> args; int nExitCode; std::string out, err; } rows[] = {
        {{"table", "--from", "24", "--to", "26", "--step", "2", "--format", "csv"}, kExitOk,
         "temperature_degC,sg,correction\n24,1.02400,0.00000\n26,1.02339,0.00061\n", ""},
        // 24 and 26 degC, the base temperature's default given in degF
        {{"table", "--unit", "F", "--from", "75.2", "--to", "78.8", "--step", "3.6", "--format", "csv"}, kExitOk,
         "temperature_degF,sg,correction\n75.2,1.02400,0.00000\n78.8,1.02339,0.00061\n", ""},
        {{"table", "--unit", "F", "--from", "20", "--to", "30"}, kExitUsage, "",
         "hali table: --from 20: outside the range; accepts 28.4 to 104 degF\n(hali table --help tells the options)\n"},
    };
    for (const auto& row : rows)
    {
        const CRun run = RunHali(row.args);
        EXPECT_EQ(run.nExitCode, row.nExitCode) << row.args[2];
        EXPECT_EQ(run.out, row.out) << row.args[2];
        EXPECT_EQ(run.err, row.err) << row.args[2];
    }
}

// A table of an instrument's readings: each cell is the single-value command's number, after the line that names
// the sources; a row with a cell without an answer is reported and left out.
TEST(HaliCommand, InstrumentTables)
{
    const CRun table = RunHali({"table", "--instrument", "hydrometer", "--convention", "60/60F", "--salinity-from", "35",
                                "--salinity-to", "36", "--unit", "F", "--from", "68", "--to", "77", "--step", "9",
                                "--format", "csv"});
    std::string cells = "salinity,68,77\n"; // 68 and 77 degF are 20 and 25 degC
    for (const char* pszSalinity : {"35", "36"})
    {
        cells += pszSalinity;
        for (const char* pszCelsius : {"20", "25"})
        {
            const CRun cell = RunHali({"hydrometer", "--salinity", pszSalinity, "--convention", "60/60F",
                                       "--temperature", pszCelsius});
            cells += "," + cell.out.substr(0, cell.out.size() - 1);
        }
        cells += "\n";
    }
    EXPECT_EQ(table.nExitCode, kExitOk) << table.err;
    EXPECT_EQ(table.out.substr(table.out.find('\n') + 1), cells);
    EXPECT_EQ(table.out.compare(0, 52, "# glass hydrometer, convention 60/60F, calibrated at"), 0) << table.out;

    const CRun cut = RunHali({"table", "--instrument", "refractometer", "--scale", "nacl", "--salinity-from", "0",
                              "--salinity-to", "10", "--salinity-step", "10", "--from", "25", "--to", "25",
                              "--format", "json"});
    const CRun fresh = RunHali({"refractometer", "--salinity", "0", "--scale", "nacl", "--temperature", "25"});
    const CRun ten = RunHali({"refractometer", "--salinity", "10", "--scale", "nacl", "--temperature", "25"});
    EXPECT_EQ(cut.nExitCode, kExitNoAnswer);
    EXPECT_EQ(cut.out.substr(cut.out.find('\n') + 1), "{\"salinity\":10,\"25\":" + ten.out.substr(0, 4) + "}\n");
    // The single command's reason, with the salinity and temperature named as the row and column.
    const std::string reason = fresh.err.substr(fresh.err.find(" is outside "));
    EXPECT_EQ(cut.err, "hali table: no answer at salinity 0, 25 degC: the salinity 0" + reason);
}

// An option given an empty or blank value is refused, naming the option, at
// every option of every command: none silently takes its default.
TEST(HaliCommand, EmptyValuesAreRefusedAtEveryOption)
{
    std::vector<CCommandCase> cases = CommandCases();
    cases.push_back({"batch", "", COMPUTE_COUNT, {}});
    int nChecked = 0;
    for (const CCommandCase& c : cases)
    {
        int nParameters = 0;
        const CParameter* pParameters = c.pszSection[0] ? c.Parameters(&nParameters) : &BatchJobs();
        nParameters = c.pszSection[0] ? nParameters : 1;
        for (int i = 0; i < nParameters; ++i)
        {
            if (pParameters[i].kind == PARAMETER_SWITCH)
                continue; // takes no value
            // Empty as a word of its own and blank inline: CommandLineTest and ArgumentTest hold the other spellings.
            const std::string name = std::string("--") + pParameters[i].pszName, inlineTab = name + "=\t";
            const struct { std::vector<const char*> given; std::string shown; } spellings[] = {
                {{name.c_str(), ""}, "\"\""}, {{inlineTab.c_str()}, "\"\\t\""}};
            for (const auto& spelling : spellings)
            {
                std::vector<const char*> args = {c.pszCommand};
                for (size_t n = 0; n < c.required.size(); n += 2)
                    if (c.required[n] != name)
                        args.insert(args.end(), {c.required[n], c.required[n + 1]});
                args.insert(args.end(), spelling.given.begin(), spelling.given.end());
                const CRun run = RunHali(args);
                const std::string expected = std::string("hali ") + c.pszCommand + ": " + name + " " + spelling.shown +
                                             ": empty; accepts ";
                EXPECT_EQ(run.nExitCode, kExitUsage) << c.pszCommand << " " << spelling.given[0] << "\n" << run.out;
                EXPECT_EQ(run.err.compare(0, expected.size(), expected), 0) << run.err;
                ++nChecked;
            }
        }
    }
    EXPECT_EQ(nChecked, 2 * 88); // every option with a value, of every command
}
