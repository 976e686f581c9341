#include "ResultWriter.h"
#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace
{
void AppendFixed(std::string& out, double d, int nDecimals)
{
    char buffer[kMaxFixedChars];
    out.append(buffer, FormatFixed(buffer, d, nDecimals));
}

void AppendLong(std::string& out, long n)
{
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, n).ptr);
}
} // namespace

CResultWriter::CResultWriter(EOutputFormat format, std::vector<CColumn> columns)
    : m_format(format), m_columns(std::move(columns))
{
}

void CResultWriter::AddRow(const double* adValues) { m_adValues.insert(m_adValues.end(), adValues, adValues + m_columns.size()); }

void CResultWriter::WriteTo(std::string& out) const
{
    switch (m_format)
    {
    case FORMAT_CSV: WriteCsv(out); break;
    case FORMAT_JSON: WriteJson(out); break;
    case FORMAT_TEXT: WriteText(out); break;
    }
}

void CResultWriter::WriteCsv(std::string& out) const
{
    for (size_t c = 0; c < m_columns.size(); ++c)
        out.append(c ? "," : "").append(m_columns[c].pszName);
    out += '\n';
    for (size_t r = 0; r * m_columns.size() < m_adValues.size(); ++r)
    {
        for (size_t c = 0; c < m_columns.size(); ++c)
            out.append(c ? "," : "").append(Cell(r, c));
        out += '\n';
    }
}

void CResultWriter::WriteJson(std::string& out) const
{
    for (size_t r = 0; r * m_columns.size() < m_adValues.size(); ++r)
    {
        for (size_t c = 0; c < m_columns.size(); ++c)
            out.append(c ? ",\"" : "{\"").append(m_columns[c].pszName).append("\":").append(Cell(r, c));
        out += "}\n";
    }
}

void CResultWriter::WriteText(std::string& out) const
{
    const size_t nRows = m_adValues.size() / m_columns.size();
    if (m_columns.size() == 1)
    {
        for (size_t r = 0; r < nRows; ++r)
            out.append(Cell(r, 0)).append("\n");
        return;
    }
    std::vector<size_t> anWidths;
    for (size_t c = 0; c < m_columns.size(); ++c)
    {
        size_t nWidth = std::strlen(m_columns[c].pszName);
        for (size_t r = 0; r < nRows; ++r)
            nWidth = std::max(nWidth, Cell(r, c).size());
        anWidths.push_back(nWidth);
    }
    auto appendLine = [&](auto cellText) {
        for (size_t c = 0; c < m_columns.size(); ++c)
        {
            const std::string text = cellText(c);
            out.append(c ? "  " : "").append(anWidths[c] - text.size(), ' ').append(text);
        }
        out += '\n';
    };
    appendLine([&](size_t c) { return std::string(m_columns[c].pszName); });
    for (size_t r = 0; r < nRows; ++r)
        appendLine([&](size_t c) { return Cell(r, c); });
}

std::string CResultWriter::Cell(size_t nRow, size_t nColumn) const
{
    std::string text;
    AppendFixed(text, m_adValues[nRow * m_columns.size() + nColumn], m_columns[nColumn].nDecimals);
    return text;
}

void AppendBatchRecord(EOutputFormat format, std::string& out, long nLine, const char* pszQuantity, double dValue,
                       int nDecimals)
{
    const char cSeparator = format == FORMAT_CSV ? ',' : ' ';
    if (format == FORMAT_JSON)
        out.append("{\"line\":");
    AppendLong(out, nLine);
    if (format == FORMAT_JSON)
        out.append(",\"").append(pszQuantity).append("\":");
    else
        out.append(1, cSeparator).append(pszQuantity).append(1, cSeparator);
    AppendFixed(out, dValue, nDecimals);
    out.append(format == FORMAT_JSON ? "}\n" : "\n");
}

void AppendBatchHeader(EOutputFormat format, std::string& out)
{
    if (format == FORMAT_CSV)
        out.append("line,quantity,value\n");
}
