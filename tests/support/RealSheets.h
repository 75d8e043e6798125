#pragma once

#include <QDir>
#include <QTest>

// Real framework sheets, minified and not, that tools/perf/fetch-sheets.sh fetches for
// `make test`: a "path" column with one row per sheet, or one empty row when none was
// fetched; a test skips that row with SKIP_WITHOUT_REAL_SHEET.
inline void addRealSheetRows()
{
    QTest::addColumn<QString>("path");
    const QDir sheets(QStringLiteral(STYLOGRAF_SHEETS_DIR));
    const QStringList names = sheets.entryList({QStringLiteral("*.css")}, QDir::Files);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << sheets.filePath(name);
    if (names.isEmpty())
        QTest::newRow("no sheets") << QString();
}

#define SKIP_WITHOUT_REAL_SHEET(path) \
    if ((path).isEmpty()) \
    QSKIP("no real sheets: run tools/perf/fetch-sheets.sh " STYLOGRAF_SHEETS_DIR)
