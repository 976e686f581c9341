#include "DialogTemplate.h"

namespace {

// Reads little-endian fields from a template; any read past the end clears ok.
class TemplateCursor {
public:
    TemplateCursor(const BYTE* data, std::size_t size) : m_pData(data), m_nSize(size) {}

    bool ok() const { return m_bOk; }

    BYTE Byte()
    {
        if (!Need(1))
            return 0;
        return m_pData[m_nPos++];
    }

    WORD Word()
    {
        if (!Need(2))
            return 0;
        WORD value = static_cast<WORD>(m_pData[m_nPos] | (m_pData[m_nPos + 1] << 8));
        m_nPos += 2;
        return value;
    }

    DWORD Dword()
    {
        DWORD low = Word();
        DWORD high = Word();
        return low | (high << 16);
    }

    short Short() { return static_cast<short>(Word()); }

    // A zero-terminated UTF-16 string.
    std::wstring String()
    {
        std::wstring text;
        for (WORD c = Word(); m_bOk && c != 0; c = Word())
            text.push_back(static_cast<wchar_t>(c));
        return text;
    }

    // 0x0000 for none, 0xFFFF and an ordinal, or a string.
    NameOrOrdinal Field()
    {
        NameOrOrdinal field;
        if (!Need(2))
            return field;
        WORD first = static_cast<WORD>(m_pData[m_nPos] | (m_pData[m_nPos + 1] << 8));
        if (first == 0xFFFF) {
            m_nPos += 2;
            field.isOrdinal = true;
            field.ordinal = Word();
        } else {
            field.name = String();
        }
        return field;
    }

    void Skip(std::size_t count)
    {
        if (Need(count))
            m_nPos += count;
    }

    // Items start on DWORD boundaries from the start of the template.
    void AlignToDword()
    {
        std::size_t aligned = (m_nPos + 3) & ~static_cast<std::size_t>(3);
        // The last item may end without padding.
        m_nPos = aligned <= m_nSize ? aligned : m_nSize;
    }

private:
    bool Need(std::size_t count)
    {
        if (!m_bOk || m_nSize - m_nPos < count) {
            m_bOk = false;
            return false;
        }
        return true;
    }

    const BYTE* m_pData;     // template bytes
    std::size_t m_nSize;     // their count
    std::size_t m_nPos = 0;  // next byte to read
    bool m_bOk = true;       // no read has run past the end
};

std::wstring ClassFromField(const NameOrOrdinal& field)
{
    return field.isOrdinal ? PredefinedClassName(field.ordinal) : field.name;
}

}  // namespace

std::wstring PredefinedClassName(WORD atom)
{
    switch (atom) {
    case 0x0080: return L"BUTTON";
    case 0x0081: return L"EDIT";
    case 0x0082: return L"STATIC";
    case 0x0083: return L"LISTBOX";
    case 0x0084: return L"SCROLLBAR";
    case 0x0085: return L"COMBOBOX";
    default: return std::wstring();
    }
}

bool ParseDialogTemplate(const BYTE* data, std::size_t size, DialogTemplate& result)
{
    result = DialogTemplate();
    if (data == nullptr)
        return false;
    TemplateCursor in(data, size);

    WORD count = 0;
    WORD version = in.Word();
    WORD signature = in.Word();
    result.extended = version == 1 && signature == 0xFFFF;
    if (result.extended) {
        in.Dword();  // help id of the dialog
        result.exStyle = in.Dword();
        result.style = in.Dword();
    } else {
        // DLGTEMPLATE starts with the style, read above as two words.
        result.style = version | (static_cast<DWORD>(signature) << 16);
        result.exStyle = in.Dword();
    }
    count = in.Word();
    result.x = in.Short();
    result.y = in.Short();
    result.cx = in.Short();
    result.cy = in.Short();
    result.menu = in.Field();
    result.windowClass = in.Field();
    result.caption = in.String();
    if (result.style & DS_SETFONT) {
        result.pointSize = in.Word();
        if (result.extended) {
            result.weight = in.Word();
            result.italic = in.Byte();
            result.charset = in.Byte();
        }
        result.typeface = in.String();
    }

    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.AlignToDword();
        DialogItem item;
        if (result.extended) {
            item.helpId = in.Dword();
            item.exStyle = in.Dword();
            item.style = in.Dword();
        } else {
            item.style = in.Dword();
            item.exStyle = in.Dword();
        }
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = result.extended ? in.Dword() : in.Word();
        item.className = ClassFromField(in.Field());
        item.title = in.Field();
        item.extraBytes = in.Word();
        in.Skip(item.extraBytes);
        result.items.push_back(item);
    }
    return in.ok() && result.items.size() == count;
}
