#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a text line by line, whatever ends its lines: CR, LF or CR LF.
class TextLineReader {
public:
    explicit TextLineReader(QByteArray content) : m_content(std::move(content)) { }

    // The next line without its ending; nothing past the end.
    std::optional<QString> ReadLine();
    bool AtEnd() const { return m_position >= m_content.size(); }

private:
    QByteArray m_content;
    qsizetype m_position = 0;
};

// Collects lines, each ended with LF.
class TextLineWriter {
public:
    void WriteLine(const QString& line);
    const QByteArray& Content() const { return m_content; }

private:
    QByteArray m_content;
};
