#include "IniFile.h"

#include "app/AppError.h"
#include "document/TextFileFormat.h"

#include "app/WholeFile.h"
#include <QFile>

namespace {

using TextFileFormat::Decoded;

struct Located
{
    qsizetype section = -1; // index of the section header line
    qsizetype lastEntry = -1; // last non-empty line of the section
    qsizetype key = -1; // index of the key's line
};

QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.front() == QLatin1Char('[')) {
        const qsizetype close = t.indexOf(QLatin1Char(']'));
        if (close > 0)
            return t.mid(1, close - 1).trimmed();
    }
    return {};
}

bool isSectionLine(const QString &line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.indexOf(QLatin1Char(']')) > 0;
}

bool splitEntry(const QString &line, QString &key, QString &value)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    key = line.left(eq).trimmed();
    value = line.mid(eq + 1).trimmed();
    return true;
}

Located locate(const QStringList &lines, const QString &section, const QString &key)
{
    Located at;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (isSectionLine(line)) {
            if (at.section >= 0)
                break; // the first matching section is the one that counts
            if (sectionName(line).compare(section, Qt::CaseInsensitive) == 0)
                at.section = at.lastEntry = i;
            continue;
        }
        if (at.section < 0)
            continue;
        if (!line.trimmed().isEmpty())
            at.lastEntry = i;
        QString k, v;
        if (at.key < 0 && splitEntry(line, k, v) && k.compare(key, Qt::CaseInsensitive) == 0)
            at.key = i;
    }
    return at;
}

bool load(const QString &path, Decoded &decoded)
{
    QByteArray bytes;
    if (readWholeFile(path, bytes) != ReadResult::Read)
        return false;
    decoded = TextFileFormat::decode(bytes);
    return true;
}

} // namespace

std::optional<QString> IniFile::read(const QString &section, const QString &key) const
{
    Decoded decoded;
    if (!load(m_path, decoded))
        return std::nullopt;
    const Located at = locate(decoded.lines, section, key);
    if (at.key < 0)
        return std::nullopt;
    QString k, v;
    splitEntry(decoded.lines[at.key], k, v);
    return v;
}

void IniFile::write(const QString &section, const QString &key, const QString &value) const
{
    Decoded decoded;
    if (!load(m_path, decoded) && QFile::exists(m_path))
        throw AppError::cannotWriteTo(m_path);
    QStringList &lines = decoded.lines;
    const QString entry = key + QLatin1Char('=') + value;
    const Located at = locate(lines, section, key);
    if (at.key >= 0)
        lines[at.key] = entry;
    else if (at.section >= 0)
        lines.insert(at.lastEntry + 1, entry);
    else
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;

    QByteArray bytes;
    TextFileFormat::Format format = decoded.format;
    if (!TextFileFormat::encode(lines, format, bytes)) {
        // A value that Windows-1252 cannot hold turns the file into UTF-8; one that
        // not even UTF-8 can hold is not written at all.
        format.encoding = TextFileFormat::Encoding::Utf8;
        if (!TextFileFormat::encode(lines, format, bytes))
            throw AppError::cannotWriteTo(m_path);
    }
    if (!writeWholeFile(m_path, bytes))
        throw AppError::cannotWriteTo(m_path);
}

bool IniFile::readSwitch(const QString &section, const QString &key, bool defaultValue) const
{
    const auto text = read(section, key);
    if (!text)
        return defaultValue;
    const auto number = parseWholeNumber(*text);
    return number ? *number != 0 : defaultValue;
}

void IniFile::writeSwitch(const QString &section, const QString &key, bool on) const
{
    write(section, key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

std::optional<qint64> IniFile::parseWholeNumber(const QString &text)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.front() == QLatin1Char('-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(QLatin1Char('$'))) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty() || t.front() == QLatin1Char('+') || t.front() == QLatin1Char('-'))
        return std::nullopt;
    bool ok = false;
    const qint64 value = t.toLongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    return negative ? -value : value;
}
