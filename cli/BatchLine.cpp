#include "BatchLine.h"
#include "NumberText.h"
#include "QuotedText.h"
#include "ResultWriter.h"

#include <halic.h>

#include <cmath>
#include <cstring>

namespace
{
// Splits at commas into at most nMax fields; how many there were (more than
// nMax when the line has too many).
int SplitFields(std::string_view line, std::string_view* aFields, int nMax)
{
    int nFields = 0;
    for (;;)
    {
        const size_t nComma = line.find(',');
        if (nFields < nMax)
            aFields[nFields] = TrimBlanks(line.substr(0, nComma));
        ++nFields;
        if (nComma == std::string_view::npos)
            return nFields;
        line.remove_prefix(nComma + 1);
    }
}

// The computation a line's first fields name; how many fields the name took
// (0 when it names none).
int FindComputation(const std::string_view* aFields, int nFields, EComputation* pComputation)
{
    for (int n = 0; n < COMPUTE_COUNT; ++n)
    {
        const CComputation& computation = GetComputation(static_cast<EComputation>(n));
        if (aFields[0] != computation.pszCommand)
            continue;
        if (computation.pszSource != nullptr && (nFields < 2 || aFields[1] != computation.pszSource))
            continue;
        *pComputation = static_cast<EComputation>(n);
        return computation.pszSource == nullptr ? 1 : 2;
    }
    return 0;
}

bool HasSources(std::string_view command)
{
    for (int n = 0; n < COMPUTE_COUNT; ++n)
    {
        const CComputation& computation = GetComputation(static_cast<EComputation>(n));
        if (command == computation.pszCommand && computation.pszSource != nullptr)
            return true;
    }
    return false;
}

std::string CommandList()
{
    std::string list;
    for (int n = 0; n < COMPUTE_COUNT; ++n)
    {
        const CComputation& computation = GetComputation(static_cast<EComputation>(n));
        list += (n ? ", " : "") + std::string(computation.pszCommand) +
                (computation.pszSource ? std::string(" ") + computation.pszSource : "");
    }
    return list;
}

bool Fail(std::string* pError, std::string error)
{
    *pError = std::move(error);
    return false;
}
} // namespace

EBatchLine ParseBatchLine(std::string_view line, CBatchLine* pLine, std::string* pError)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == '#')
        return BATCH_LINE_SKIPPED;

    const int kMaxFields = kMaxParameters + 2;
    std::string_view aFields[kMaxFields];
    const int nFields = SplitFields(trimmed, aFields, kMaxFields);
    const int nNameFields = FindComputation(aFields, nFields < kMaxFields ? nFields : kMaxFields, &pLine->computation);
    if (nNameFields == 0)
    {
        // For a command with sources the second field is part of the name.
        const bool bSourceWrong = nFields > 1 && HasSources(aFields[0]);
        const std::string name = std::string(aFields[0]) + (bSourceWrong ? "," + std::string(aFields[1]) : "");
        Fail(pError, "unknown computation " + QuotedText(name) + "; accepts " + CommandList());
        return BATCH_LINE_BAD;
    }
    const CComputation& computation = GetComputation(pLine->computation);
    const int nArguments = nFields - nNameFields;
    if (nArguments > computation.nParameters)
    {
        Fail(pError, std::string(computation.pszCommand) + " takes at most " + std::to_string(computation.nParameters) +
                         " fields after its name, not " + std::to_string(nArguments));
        return BATCH_LINE_BAD;
    }
    // An empty field is one left out: the way to give a later field alone.
    pLine->nNameFields = nNameFields;
    for (int i = 0; i < computation.nParameters; ++i)
        pLine->aTexts[i] = i < nArguments && !aFields[nNameFields + i].empty() ? OptionalText(aFields[nNameFields + i])
                                                                            : std::nullopt;
    EArgumentProblem problem = ARGUMENT_OK;
    const int nRefused = BindArguments(computation.pParameters, computation.nParameters, pLine->aTexts,
                                       pLine->adArguments, &problem);
    if (nRefused < 0)
        return BATCH_LINE_RESULT;
    const CParameter& param = computation.pParameters[nRefused];
    Fail(pError, ArgumentMessage(param, FieldLabel(*pLine, nRefused).c_str(), pLine->aTexts[nRefused].value_or(""),
                                 problem));
    return BATCH_LINE_BAD;
}

std::string FieldLabel(const CBatchLine& line, int nParameter)
{
    return std::string(GetComputation(line.computation).pParameters[nParameter].pszName) + " (field " +
           std::to_string(line.nNameFields + nParameter + 1) + ")";
}

std::string NoAnswerMessage(const CBatchLine& line)
{
    const CComputation& computation = GetComputation(line.computation);
    if (halic_last_error() == HALIC_E_CONVENTION_TEMPERATURE)
    {
        int nTemperature = 0, nConvention = 0;
        SampleTemperatureOf(computation, line.adArguments, &nTemperature, &nConvention);
        return FieldLabel(line, nTemperature) + " " + QuotedText(line.aTexts[nTemperature].value_or("")) + ": " +
               FixedTemperatureReason(nConvention) + "; leave the field empty";
    }
    CNamedArgument aNamed[kMaxParameters];
    for (int i = 0; i < computation.nParameters; ++i)
        aNamed[i] = {FieldLabel(line, i), line.aTexts[i] ? QuotedText(*line.aTexts[i])
                                                         : ValueText(computation.pParameters[i],
                                                                     computation.pParameters[i].dDefault)};
    return std::string(computation.pszCommand) + ": no answer: " +
           NoAnswerReason(computation.pParameters, computation.nParameters, aNamed);
}

bool RunBatchLine(std::string_view line, long nLine, EOutputFormat format, std::string& out, std::string& err)
{
    CBatchLine parsed;
    std::string error;
    switch (ParseBatchLine(line, &parsed, &error))
    {
    case BATCH_LINE_SKIPPED: return true;
    case BATCH_LINE_BAD:
        err.append("hali batch: line ").append(std::to_string(nLine)).append(": ").append(error).append("\n");
        return false;
    case BATCH_LINE_RESULT: break;
    }
    const CComputation& computation = GetComputation(parsed.computation);
    const double dResult = computation.pfnCompute(parsed.adArguments);
    if (std::isnan(dResult))
    {
        err.append("hali batch: line ").append(std::to_string(nLine)).append(": ").append(NoAnswerMessage(parsed))
            .append("\n");
        return false;
    }
    AppendBatchRecord(format, out, nLine, computation.pszQuantity, dResult,
                      ResultDecimals(computation, parsed.adArguments));
    return true;
}
