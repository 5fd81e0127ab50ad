#include "preferences/TextLines.h"

std::optional<QString> TextLineReader::ReadLine()
{
    if (AtEnd())
        return std::nullopt;
    const qsizetype start = m_position;
    qsizetype end = start;
    while (end < m_content.size() && m_content[end] != '\n' && m_content[end] != '\r')
        ++end;
    m_position = end;
    if (m_position < m_content.size() && m_content[m_position] == '\r')
        ++m_position;
    if (m_position < m_content.size() && m_content[m_position] == '\n')
        ++m_position;
    return QString::fromUtf8(m_content.constData() + start, end - start);
}

void TextLineWriter::WriteLine(const QString& line)
{
    m_content += line.toUtf8();
    m_content += '\n';
}
