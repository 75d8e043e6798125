#include "TestFiles.h"
#include "app/AppError.h"
#include "reference/Catalogue.h"
#include "reference/DataFile.h"
#include "reference/Insertion.h"
#include "reference/StyleDefinition.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A tree written as "text(child,child)" lists, for compact expectations.
QString shape(const QList<TreeNode> &nodes)
{
    QStringList parts;
    for (const TreeNode &n : nodes)
        parts << (n.children.isEmpty() ? n.text : n.text + QLatin1Char('(') + shape(n.children) + QLatin1Char(')'));
    return parts.join(QLatin1Char(','));
}

} // namespace

class TestReferenceData : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("last line without a line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("no extra line after CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("CR and LF alone") << QByteArray("a\rb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("NUL ends the text") << QByteArray("a\nb\0c\nd", 7) << QStringList{"a", "b"};
        QTest::newRow("blanks kept") << QByteArray(" a \n\n") << QStringList{" a ", ""};
        QTest::newRow("Windows-1252") << QByteArray("gr\xf6\xdf"
                                                    "e")
                                      << QStringList{QString::fromUtf8("größe")};
    }
    void lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(DataFile::splitLines(bytes), lines);
    }

    void treeText_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("error");
        QTest::newRow("levels") << QStringList{"a", "\tb", "\t\tc", "d"} << "a(b(c)),d"
                                << "";
        QTest::newRow("closing several levels") << QStringList{"a", " b", "  c", "d", " e"} << "a(b(c)),d(e)"
                                                << "";
        QTest::newRow("tabs and blanks count alike") << QStringList{"a", " b", "\t c"} << "a(b(c))"
                                                     << "";
        QTest::newRow("two levels deeper")
            << QStringList{"a", "\t\tb", "c"} << "a" << QString::fromUtf8("Ungültige Ebene (2) für Eintrag \"b\"");
        QTest::newRow("indented first line is a root") << QStringList{"\t\ta", "\tb"} << "a(b)"
                                                       << "";
        QTest::newRow("empty line is an empty root") << QStringList{"a", "", "b"} << "a,,b"
                                                     << "";
        QTest::newRow("blank line is an empty node at its depth")
            << QStringList{"a", "  "} << "a" << QString::fromUtf8("Ungültige Ebene (2) für Eintrag \"\"");
        QTest::newRow("blank child") << QStringList{"a", " "} << "a()"
                                     << "";
        QTest::newRow("text keeps trailing blanks") << QStringList{"a  "} << "a  "
                                                    << "";
    }
    void treeText()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, tree);
        QFETCH(QString, error);
        QList<TreeNode> roots;
        QString raised;
        try {
            TreeText::parse(lines, roots);
        } catch (const AppError &e) {
            raised = e.text();
        }
        QCOMPARE(raised, error);
        QCOMPARE(shape(roots), tree);
    }

    void listSections_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QStringList>("properties");
        QTest::newRow("ordinary") << QStringList{"[groups]", "Box", "Text", "", "[properties]", "margin", "color", ""}
                                  << QStringList{"Box", "Text"} << QStringList{"margin", "color"};
        QTest::newRow("header case ignored, list to the end")
            << QStringList{"[Groups]", "Box", "", "[PROPERTIES]", "margin"} << QStringList{"Box"}
            << QStringList{"margin"};
        QTest::newRow("a blank before the bracket is another line")
            << QStringList{" [groups]", "Box", "", "[properties]", ""} << QStringList{} << QStringList{};
        QTest::newRow("a line of blanks is an entry")
            << QStringList{"[groups]", " ", "Box", ""} << QStringList{" ", "Box"} << QStringList{};
        QTest::newRow("header then empty line") << QStringList{"[groups]", "", "Box"} << QStringList{} << QStringList{};
    }
    void listSections()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, groups);
        QFETCH(QStringList, properties);
        QCOMPARE(StyleDefinition::listSection(lines, QStringLiteral("[groups]")), groups);
        QCOMPARE(StyleDefinition::listSection(lines, QStringLiteral("[properties]")), properties);
    }

    void propertyTree()
    {
        const QStringList def{"[groups]",
                              "Alignment",
                              "Box",
                              "Empty",
                              "",
                              "[properties]",
                              "line-height",
                              "margin",
                              "text-align",
                              "nowhere",
                              "lonely",
                              "lower",
                              "",
                              "[line-height]",
                              "group=Alignment",
                              "[MARGIN]",
                              "Group = Box ",
                              "[text-align]",
                              "group=Alignment",
                              "[nowhere]",
                              "group=Nowhere",
                              "[lower]",
                              "group=alignment"};
        QCOMPARE(shape(StyleDefinition::propertyTree(def)),
                 QStringLiteral("Alignment(line-height,text-align),Box(margin),Empty"));
    }

    // "values=colours" marks a definition's colour properties; sections match in any case.
    void colourPropertiesOfADefinition()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("modern.def"));
        DataFile::writeLines(path, {"[groups]",       "Text",         "",
                                    "[properties]",   "caret-color",  "Accent-Color",
                                    "cursor",         "text-shadow",  "",
                                    "[caret-color]",  "group=Text",   "values=colours",
                                    "[accent-color]", "group=Text",   " Values = Colours ",
                                    "[cursor]",       "group=Text",   "[text-shadow]",
                                    "group=Text",     "values=colour"});
        const StyleDefinition::Definition definition = StyleDefinition::readDefinition(path);
        QCOMPARE(shape(definition.tree), QStringLiteral("Text(caret-color,Accent-Color,cursor,text-shadow)"));
        QVERIFY(definition.colourProperties.contains(QStringLiteral("caret-color")));
        QVERIFY(definition.colourProperties.contains(QStringLiteral("Accent-Color")));
        QVERIFY(!definition.colourProperties.contains(QStringLiteral("cursor")));
        QVERIFY(!definition.colourProperties.contains(QStringLiteral("text-shadow")));
    }

    void missingDefinitionCannotBeOpened()
    {
        try {
            StyleDefinition::read(QStringLiteral("/nonexistent/CSS Level 2.def"));
            QFAIL("no error");
        } catch (const AppError &e) {
            QCOMPARE(e.text(), QString::fromUtf8("Datei /nonexistent/CSS Level 2.def kann nicht geöffnet werden"));
        }
    }

    void builtInCatalogue()
    {
        const QList<TreeNode> tree = Catalogue::builtInProperties();
        QCOMPARE(tree.size(), 12);
        qsizetype properties = 0;
        for (const TreeNode &group : tree)
            properties += group.children.size();
        QCOMPARE(properties, 87);
        QCOMPARE(Catalogue::initialValues().size(), 11);
        // The classic headings first, then the topics of today's CSS.
        const QStringList headings = Catalogue::groupNames();
        QCOMPARE(headings.indexOf(QStringLiteral("Alignment")), 0);
        QCOMPARE(headings.indexOf(QStringLiteral("Text")), 26);
        for (const char *topic : {"Grid", "Flexbox", "Logical", "Scroll", "Internet Explorer Extensions"})
            QVERIFY2(headings.contains(QLatin1String(topic)), topic);
        QVERIFY(!headings.contains(QStringLiteral("grid")));
    }

    void dispatch_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        using K = Catalogue::SourceKind;
        QTest::newRow("group heading") << "Border" << int(K::GroupHeading) << "";
        QTest::newRow("property named like a group") << "Text" << int(K::GroupHeading) << "";
        QTest::newRow("heading not in the list") << "Fonts" << int(K::OwnFile) << "Fonts.inf";
        QTest::newRow("colour") << "color" << int(K::Colours) << "";
        QTest::newRow("capital B is no colour property") << "Border-color" << int(K::OwnFile) << "Border-color.inf";
        QTest::newRow("shorthand border is a measurement") << "border" << int(K::SharedFile) << "massangaben.inf";
        QTest::newRow("mix") << "font" << int(K::SharedFile) << "mixed.inf";
        QTest::newRow("picture") << "background-image:url()" << int(K::SharedFile) << "picture.inf";
        QTest::newRow("border style") << "border-top-style" << int(K::SharedFile) << "border-style.inf";
        QTest::newRow("own file") << "font-size" << int(K::OwnFile) << "font-size.inf";
        QTest::newRow("font-family has its own file") << "font-family" << int(K::OwnFile) << "font-family.inf";
    }
    void dispatch()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, file);
        const Catalogue::ValueSource source = Catalogue::valueSourceOf(name);
        QCOMPARE(int(source.kind), kind);
        QCOMPARE(source.fileName, file);
    }

    // What the data on disk changes: a property's own value file comes before the
    // shared file of its class, and a definition may name further colour properties.
    void dispatchWithTheData_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("definitionColour");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        using K = Catalogue::SourceKind;
        QTest::newRow("own file before the shared one") << "margin" << false << int(K::OwnFile) << "margin.inf";
        QTest::newRow("shared file without an own one")
            << "padding" << false << int(K::SharedFile) << "massangaben.inf";
        QTest::newRow("mix with its own file") << "font" << false << int(K::OwnFile) << "font.inf";
        QTest::newRow("picture property keeps the picture file")
            << "background-image:url()" << false << int(K::SharedFile) << "picture.inf";
        QTest::newRow("colour class keeps the colour list") << "color" << false << int(K::Colours) << "";
        QTest::newRow("definition's colour property") << "caret-color" << true << int(K::Colours) << "";
        QTest::newRow("definition's colour property with a file") << "margin" << true << int(K::Colours) << "";
        QTest::newRow("unmarked property") << "caret-color" << false << int(K::OwnFile) << "caret-color.inf";
        QTest::newRow("heading stays a heading") << "Border" << true << int(K::GroupHeading) << "";
    }
    void dispatchWithTheData()
    {
        QFETCH(QString, name);
        QFETCH(bool, definitionColour);
        QFETCH(int, kind);
        QFETCH(QString, file);
        QTemporaryDir dir;
        for (const char *own : {"margin.inf", "font.inf", "color.inf", "background-image.inf", "Border.inf"})
            DataFile::writeLines(dir.filePath(QLatin1String(own)), {QStringLiteral("auto")});
        const Catalogue::ValueSource source
            = Catalogue::valueSourceIn(name, dir.path() + QLatin1Char('/'), definitionColour);
        QCOMPARE(int(source.kind), kind);
        QCOMPARE(source.fileName, file);
    }

    void colourRows()
    {
        const QStringList rows = Catalogue::colourRows();
        QCOMPARE(rows.size(), 216);
        QCOMPARE(rows.mid(0, 8),
                 (QStringList{"#000000 ", "#000033 ", "#000066 ", "#000099 ", "#0000CC ", "#0000FF ", "#330000",
                              "#330033"}));
        QCOMPARE(rows[35], QStringLiteral("#FF00FF"));
        QCOMPARE(rows[36], QStringLiteral("#003300"));
        QCOMPARE(rows.last(), QStringLiteral("#FFFFFF"));
    }

    void insertionTexts()
    {
        QCOMPARE(Insertion::selectorText(QStringLiteral("p")), QStringLiteral("p {"));
        QCOMPARE(Insertion::declarationText(QStringLiteral("color"), QStringLiteral("#000000 ")),
                 QStringLiteral("color: #000000 ;"));
        QCOMPARE(Insertion::urlDeclarationText(QStringLiteral("cursor"), QStringLiteral("/elsewhere/bg.gif")),
                 QStringLiteral("cursor:url(bg.gif);"));
        QCOMPARE(Insertion::urlDeclarationText(QStringLiteral("background-image:url()"), QStringLiteral("/x/bg.gif")),
                 QStringLiteral("background-image:url(bg.gif);"));
    }

    void writtenLinesEndWithCrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("selektoren.inf"));
        DataFile::writeLines(path, {QStringLiteral("p"), QStringLiteral("div")});
        QCOMPARE(readFile(path), QByteArray("p\r\ndiv\r\n"));
        QCOMPARE(DataFile::readLines(path), (QStringList{"p", "div"}));
    }
};

QTEST_APPLESS_MAIN(TestReferenceData)
#include "tst_reference_data.moc"
