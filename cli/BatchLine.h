// One line of the batch mode: a computation's name, then its arguments in
// the order of its parameters, separated by commas:
//   convert,26                    convert,26,24,1.024,1,35,0
//   sg,35,25/25                   sg,35,t/4,25
//   salinity,sg,1.023,t/4,25      salinity,conductivity,53.071,25,0
//   density,35,25,0               ptemp,35,10,4000               depth,10000,30
// An empty or left-out field takes the parameter's default (a line has no
// other way to give a later field alone). Blanks around
// fields and a carriage return at the end are ignored; a line that is blank
// or starts with # is skipped.
#pragma once
#include "Computation.h"
#include "OutputFormat.h"

#include <string>
#include <string_view>

enum EBatchLine
{
    BATCH_LINE_RESULT,  // a computation with its arguments
    BATCH_LINE_SKIPPED, // blank or a comment
    BATCH_LINE_BAD      // the reason is in *pError
};

struct CBatchLine
{
    EComputation computation;
    int nNameFields;                    // fields the computation's name takes, 1 or 2
    OptionalText aTexts[kMaxParameters]; // each parameter's field, trimmed; nullopt when empty or left out
    double adArguments[kMaxParameters]; // checked, one per parameter of the computation
};

// Reads one line (without its newline). The texts point into line.
EBatchLine ParseBatchLine(std::string_view line, CBatchLine* pLine, std::string* pError);

// How a message names parameter nParameter of a parsed line: "salinity (field 3)".
std::string FieldLabel(const CBatchLine& line, int nParameter);

// Why a parsed line has no answer, after its computation returned NaN:
// "salinity: no answer: sg (field 3) 1.5 is read by no salinity ...".
std::string NoAnswerMessage(const CBatchLine& line);

// Reads, computes and writes one line: its record appended to out, or, for a
// bad line or one without an answer, "hali batch: line N: reason" appended to
// err. False for such a line.
bool RunBatchLine(std::string_view line, long nLine, EOutputFormat format, std::string& out, std::string& err);
