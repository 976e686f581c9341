// Results in text, csv or json, appended to a string the caller writes out.
// The same columns and digits in every format; json numbers are plain JSON
// numbers, one object per result and line. No NaN reaches a writer: a
// result that is NaN is an error, reported elsewhere.
#pragma once
#include "OutputFormat.h"

#include <string>
#include <vector>

struct CColumn
{
    const char* pszName; // header in csv and text, key in json
    int nDecimals;       // decimals every value of the column is written with
};

class CResultWriter
{
public:
    CResultWriter(EOutputFormat format, std::vector<CColumn> columns);

    // One result: a value per column, finite.
    void AddRow(const double* adValues);
    // Appends every row: csv with its header line; text with a header line
    // and right-aligned columns when there are two or more columns, the bare
    // values when there is one.
    void WriteTo(std::string& out) const;

private:
    void WriteCsv(std::string& out) const;
    void WriteJson(std::string& out) const;
    void WriteText(std::string& out) const;
    // The text of one cell, as every format writes it.
    std::string Cell(size_t nRow, size_t nColumn) const;

    EOutputFormat m_format;
    std::vector<CColumn> m_columns;
    std::vector<double> m_adValues; // the rows, one after the other
};

// The batch mode's record for one line's result, written as it comes:
//   text "12 sg 1.02339", csv "12,sg,1.02339", json {"line":12,"sg":1.02339}.
//   nLine        the input line's number, from 1
//   pszQuantity  the result's name (CComputation::pszQuantity)
//   dValue       the result, finite, in its quantity's unit
//   nDecimals    decimals it is written with
void AppendBatchRecord(EOutputFormat format, std::string& out, long nLine, const char* pszQuantity, double dValue,
                       int nDecimals);
// What precedes the first record: csv's header line "line,quantity,value".
void AppendBatchHeader(EOutputFormat format, std::string& out);
