#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

// The user-interface texts by name; the numbers are their places in the table.
enum class UiText : int {
    MenuFile = 1,
    New = 2,
    Open = 3,
    Save = 4,
    SaveAs = 5,
    Close = 6,
    Settings = 7,
    Print = 8,
    Exit = 9,
    MenuEdit = 10,
    Undo = 11,
    Redo = 12,
    Cut = 13,
    Copy = 14,
    Paste = 15,
    Delete = 16,
    SelectAll = 17,
    MenuLanguage = 20,
    German = 21,
    English = 22,
    MenuView = 23,
    ViewParser = 24,
    ViewObjects = 25,
    ViewPreview = 26,
    SelectorsTab = 27,
    Help = 30,
    HomePage = 31,
    WebLinks = 32,
    About = 33,
    Search = 40,
    SearchNext = 41,
    SearchPrevious = 42,
    Replace = 43,
    Use = 44,
    MixOfValues = 50,
    HelpMissing = 60,
    Elements = 70,
    Properties = 71,
    Values = 72,
    UseHighlighting = 73,
    ShowLineNumbers = 74,
    ShowFormattingMarks = 75,
    UseXpMenu = 76,
    KeepLanguage = 77,
    NewElement = 78,
    Add = 79,
    Remove = 80,
    KeyAttributes = 81,
    IdentifierAttributes = 82,
    NumberAttributes = 83,
    FontColour = 84,
    Bold = 85,
    Options = 86,
    ElementsPage = 87,
    HighlighterPage = 88,
    Accept = 90,
    Cancel = 91,
    FontFamilies = 100,
    FontSize = 101,
    FirstElement = 405,
    SecondElement = 406,
    PseudoClasses = 407,
    PseudoElements = 408,
    AssistantSelectors = 409,
    AboutCredit = 411,
    AboutWriteToUs = 412,
    OfflineQuestion = 435,
    SaveChangesQuestion = 450,
    FileChangedQuestion = 451,
    SaveAsUtf8Question = 452,
    NulCharactersRead = 453,
    NulCharactersSaveQuestion = 454,
    ReloadQuestion = 455,
    OverwriteQuestion = 456,
    GoToError = 460,
    GoToRule = 461,
    ShowColourSwatches = 462,
    FormatSheet = 463,
    Complete = 464,
    OfferCompletion = 465,
    InitialValue = 466,
    ShowPropertyTips = 467,
    MarkUnknownNames = 468,
    ShowSyntax = 469,
    NextUnknownName = 470,
    UnknownProperty = 471,
    DidYouMean = 472,
    NoUnknownNames = 473,
    AnalyseByCssSyntax = 474,
    AtRules = 475,
    CssSyntaxHint = 476,
    ReadByCssSyntax = 477,
    HideHint = 478,
    FileGone = 479,
    HalfCharactersRead = 480,
    HalfCharactersSaveQuestion = 481,
    ChangesMade = 600,
    SaveFileQuestion = 601,
    AssistantStart = 700,
    AssistantContext = 702,
    AssistantNodes = 703,
    AssistantChild = 704,
    AssistantAdvanced = 705,
    AssistantIntro = 710,
    AssistantHint = 711,
};

// The table of user-interface texts: German under the id, English under id + 1000.
class UiTexts
{
public:
    static constexpr int German = 0;
    static constexpr int English = 1000;

    // The text stored under exactly this number; empty when there is none. Texts
    // longer than 254 characters are cut.
    static QString stored(int number);
    static QString stored(UiText id) { return stored(int(id)); }

    int offset() const { return m_offset; }
    void setOffset(int offset) { m_offset = offset; }

    // The text of `id` in the language in force; fetch it each time it is shown.
    QString text(UiText id) const { return stored(int(id) + m_offset); }

private:
    int m_offset = German;
};

// The property under which a control or action keeps the UI text id of its caption.
inline constexpr char kUiTextIdProperty[] = "uiTextId";

inline void setUiTextId(QObject *object, UiText id)
{
    object->setProperty(kUiTextIdProperty, int(id));
}
