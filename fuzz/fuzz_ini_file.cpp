// The settings file: any file, then one key written. Reading gives the value back, and
// every other key keeps its value.

#include "FuzzInput.h"
#include "app/AppError.h"
#include "app/WholeFile.h"
#include "document/TextFileFormat.h"
#include "settings/IniFile.h"

#include <QDir>

#include <unistd.h>

namespace {

// A name or value drawn from characters that a settings file can hold in that place.
QString pick(FuzzedDataProvider &in, const char *alphabet, size_t maxLength)
{
    const QString characters = QString::fromUtf8(alphabet);
    QString s;
    const size_t length = in.ConsumeIntegralInRange<size_t>(1, maxLength);
    for (size_t i = 0; i < length; ++i)
        s += characters[in.ConsumeIntegralInRange<qsizetype>(0, characters.size() - 1)];
    return s;
}

// Every section and key the file shows, as a reader finds them.
QList<QPair<QString, QString>> keysOf(const QByteArray &bytes)
{
    QList<QPair<QString, QString>> keys;
    QString section;
    for (const QString &line : TextFileFormat::decode(bytes).lines) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.indexOf(QLatin1Char(']')) > 0)
            section = t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
        else if (line.contains(QLatin1Char('=')))
            keys.append({section, line.left(line.indexOf(QLatin1Char('='))).trimmed()});
    }
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory where the system offers it: the settings file is written in full each time.
    static const QString path
        = (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
        + QStringLiteral("/stylograf-fuzz-%1.ini").arg(::getpid());
    FuzzedDataProvider in(data, size);
    const QString section = pick(in, "Fenster Sprache aB_1äß", 12).trimmed();
    const QString key = pick(in, "parserLingualäX_9", 10);
    const QString value = pick(in, "0123 ab=€ä;#[]", 12).trimmed();
    const QByteArray file = QByteArray::fromStdString(in.ConsumeRemainingBytesAsString());
    if (section.isEmpty() || value.isEmpty() || !writeWholeFile(path, file))
        return 0;
    // A file that only starts like UTF-16 ("ÿþ" in Windows-1252) may read as UTF-16
    // once a line is added: no settings file looks like that.
    const auto encoding = TextFileFormat::decode(file).format.encoding;
    if ((file.startsWith("\xff\xfe") || file.startsWith("\xfe\xff")) && encoding != TextFileFormat::Encoding::Utf16Le
        && encoding != TextFileFormat::Encoding::Utf16Be)
        return 0;
    const IniFile ini(path);
    QList<QPair<QPair<QString, QString>, std::optional<QString>>> others;
    for (const auto &k : keysOf(file)) {
        if (k.first.compare(section, Qt::CaseInsensitive) != 0 || k.second.compare(key, Qt::CaseInsensitive) != 0)
            others.append({k, ini.read(k.first, k.second)});
    }
    try {
        ini.write(section, key, value);
    } catch (const AppError &) {
        FUZZ_CHECK(false, QStringLiteral("a value that every encoding holds was refused"));
    }
    FUZZ_CHECK(
        ini.read(section, key) == value,
        QStringLiteral("[%1] %2=%3 read as %4").arg(section, key, value, ini.read(section, key).value_or("none")));
    for (const auto &other : others) {
        FUZZ_CHECK(ini.read(other.first.first, other.first.second) == other.second,
                   QStringLiteral("[%1] %2 changed").arg(other.first.first, other.first.second));
    }
    return 0;
}
