#pragma once

#include <QString>
#include <optional>

// Key-by-key access to an INI file. Every call reads the file afresh; a write
// updates the key in place, or adds it at the end of its section, or adds the
// section at the end of the file, and creates the file when it does not exist.
// Section and key names match without regard to letter case; everything else in
// the file (comments, order, other lines) is kept as it is.
class IniFile
{
public:
    explicit IniFile(QString path) : m_path(std::move(path)) { }

    const QString &path() const { return m_path; }

    // The value with surrounding blanks removed; nullopt when the key is absent or
    // the file cannot be read.
    std::optional<QString> read(const QString &section, const QString &key) const;

    // Throws AppError "In %s kann nicht geschrieben werden" when the file cannot be written.
    void write(const QString &section, const QString &key, const QString &value) const;

    // Switches are written as "1" and "0"; any whole number other than 0 reads as on,
    // 0 as off, and an absent key or a value that is no whole number gives the default.
    bool readSwitch(const QString &section, const QString &key, bool defaultValue) const;
    void writeSwitch(const QString &section, const QString &key, bool on) const;

    // Decimal with an optional sign, or hexadecimal after "$" or "0x".
    static std::optional<qint64> parseWholeNumber(const QString &text);

private:
    QString m_path;
};
