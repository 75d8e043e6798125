#include "Pictures.h"

#include <QFile>
#include <QHash>

namespace Pictures {

namespace {

QIcon fromFiles(const QString &name, std::initializer_list<int> sizes)
{
    QIcon result;
    for (int size : sizes) {
        const QString file = QStringLiteral(":/pictures/%1-%2.png").arg(name).arg(size);
        if (QFile::exists(file))
            result.addFile(file, QSize(size, size));
    }
    return result;
}

// The freedesktop names of the actions that have one.
const QHash<QString, QString> &themeNames()
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("new"), QStringLiteral("document-new")},
        {QStringLiteral("open"), QStringLiteral("document-open")},
        {QStringLiteral("save"), QStringLiteral("document-save")},
        {QStringLiteral("saveas"), QStringLiteral("document-save-as")},
        {QStringLiteral("close"), QStringLiteral("document-close")},
        {QStringLiteral("print"), QStringLiteral("document-print")},
        {QStringLiteral("exit"), QStringLiteral("application-exit")},
        {QStringLiteral("undo"), QStringLiteral("edit-undo")},
        {QStringLiteral("redo"), QStringLiteral("edit-redo")},
        {QStringLiteral("cut"), QStringLiteral("edit-cut")},
        {QStringLiteral("copy"), QStringLiteral("edit-copy")},
        {QStringLiteral("paste"), QStringLiteral("edit-paste")},
        {QStringLiteral("delete"), QStringLiteral("edit-delete")},
        {QStringLiteral("selectall"), QStringLiteral("edit-select-all")},
        {QStringLiteral("search"), QStringLiteral("edit-find")},
        {QStringLiteral("replace"), QStringLiteral("edit-find-replace")},
        {QStringLiteral("settings"), QStringLiteral("preferences-system")},
        {QStringLiteral("help"), QStringLiteral("help-contents")},
        {QStringLiteral("info"), QStringLiteral("help-about")},
        {QStringLiteral("homepage"), QStringLiteral("go-home")},
    };
    return names;
}

} // namespace

QPixmap splash()
{
    // Through QIcon, which takes splash@2x.png on a screen of double density.
    return QIcon(QStringLiteral(":/pictures/splash.png")).pixmap(QSize(345, 90));
}

QIcon icon(const QString &name)
{
    const QIcon ours = fromFiles(name, {16, 24, 32});
    const QString themeName = themeNames().value(name);
    return themeName.isEmpty() || ours.isNull() ? ours : QIcon::fromTheme(themeName, ours);
}

QIcon analysisPicture(AnalysisPicture picture)
{
    static const char *const names[] = {"element",  "class",    "id",    "declaration",  "analysis", "selectors",
                                        "comments", "no-error", "error", "not-analysed", "atrule"};
    return fromFiles(QLatin1String(names[int(picture)]), {16, 32});
}

QIcon selectorPicture(SelectorKind kind)
{
    switch (kind) {
    case SelectorKind::Element:
        return analysisPicture(AnalysisPicture::Element);
    case SelectorKind::Class:
        return analysisPicture(AnalysisPicture::Class);
    case SelectorKind::Id:
        break;
    }
    return analysisPicture(AnalysisPicture::Id);
}

QIcon statusPicture(ParserStatus status)
{
    switch (status) {
    case ParserStatus::NoError:
        return analysisPicture(AnalysisPicture::NoError);
    case ParserStatus::Error:
        return analysisPicture(AnalysisPicture::Error);
    case ParserStatus::NotAnalysed:
        break;
    }
    return analysisPicture(AnalysisPicture::NotAnalysed);
}

} // namespace Pictures
