#include "QtDialogs.h"

#include "NetworkState.h"
#include "editor/search/FindReplace.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString caption(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Confirmation:
        return QStringLiteral("Bestätigung");
    case BoxKind::Information:
        return QStringLiteral("Information");
    case BoxKind::Error:
        return QStringLiteral("Fehler");
    case BoxKind::Plain:
    case BoxKind::Failure:
        break;
    }
    return QStringLiteral("Stylograf");
}

QMessageBox::Icon boxIcon(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Confirmation:
        return QMessageBox::Question;
    case BoxKind::Information:
        return QMessageBox::Information;
    case BoxKind::Error:
    case BoxKind::Failure:
        return QMessageBox::Critical;
    case BoxKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

QString chooseFile(QFileDialog::AcceptMode mode, const QStringList &filters, QString &last)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(mode);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("css"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!last.isEmpty())
        dialog.selectFile(last);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    last = dialog.selectedFiles().constFirst();
    return last;
}

// An editable field with its history as the list. It keeps the text exactly as typed:
// a completion would turn "Color" into "color", or "font" into "font-size", and make
// Enter accept the completion instead of running the search.
QComboBox *historyField(QWidget *parent, const QString &name, const QStringList &history, const QString &text)
{
    auto *field = new QComboBox(parent);
    field->setObjectName(name);
    field->setEditable(true);
    field->setCompleter(nullptr);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->setMinimumWidth(260);
    field->addItems(history);
    field->setEditText(text);
    return field;
}

} // namespace

namespace {

// Start-up hides the pointer while it creates the windows; a box shown then must
// still be answerable with the mouse.
class VisiblePointer
{
public:
    VisiblePointer() : m_hidden(QApplication::overrideCursor() != nullptr)
    {
        if (m_hidden)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~VisiblePointer()
    {
        if (m_hidden)
            QApplication::restoreOverrideCursor();
    }
    VisiblePointer(const VisiblePointer &) = delete;
    VisiblePointer &operator=(const VisiblePointer &) = delete;

private:
    bool m_hidden;
};

} // namespace

Answer QtDialogs::message(BoxKind kind, const QString &text, Buttons buttons)
{
    const VisiblePointer pointer;
    QMessageBox box(boxIcon(kind), caption(kind), text, QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *yes = nullptr, *no = nullptr, *cancel = nullptr, *ok = nullptr;
    if (buttons == Buttons::Ok) {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    } else {
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        if (buttons != Buttons::YesNo)
            cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        // Escape and the close button press the escape button, also a hidden one.
        if (buttons == Buttons::YesNoDismissable)
            cancel->hide();
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel ? cancel : no);
    }
    box.exec();
    const auto *clicked = box.clickedButton();
    if (clicked && clicked == yes)
        return Answer::Yes;
    if (clicked && clicked == no)
        return Answer::No;
    if (clicked && clicked == ok)
        return Answer::Ok;
    return buttons == Buttons::Ok ? Answer::Ok : cancel ? Answer::Cancel : Answer::No;
}

QString QtDialogs::openStyleSheetFile()
{
    return chooseFile(QFileDialog::AcceptOpen,
                      {QStringLiteral("CSS-Dateien (*.css)"), QStringLiteral("HTML-Dateien (*.htm *.html)"),
                       QStringLiteral("Alle Dateien (*)")},
                      m_lastOpened);
}

QString QtDialogs::saveStyleSheetFile()
{
    return chooseFile(QFileDialog::AcceptSave, {QStringLiteral("CSS-Dateien (*.css)")}, m_lastSaved);
}

QString QtDialogs::openPictureFile()
{
    // The dialog shows the descriptions alone; each pattern list stands behind its
    // description, so no caption names its patterns twice.
    static const struct
    {
        const char *description;
        const char *patterns;
    } kTypes[] = {
        {"Alle (*.gif;*.ani;*.pcx;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.png)",
         "*.gif *.ani *.pcx *.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.png"},
        {"CompuServe GIF Image (*.gif)", "*.gif"},
        {"ANI Image (*.ani)", "*.ani"},
        {"PCX Image (*.pcx)", "*.pcx"},
        {"JPEG-Grafikdatei (*.jpg)", "*.jpg"},
        {"JPEG-Grafikdatei (*.jpeg)", "*.jpeg"},
        {"Bitmaps (*.bmp)", "*.bmp"},
        {"Symbole (*.ico)", "*.ico"},
        {"Erweiterte Metadateien (*.emf)", "*.emf"},
        {"Metadateien (*.wmf)", "*.wmf"},
        {"Portable Network Grafic (*.png)", "*.png"},
    };
    QStringList filters;
    for (const auto &type : kTypes)
        filters << QStringLiteral("%1 (%2)").arg(QLatin1String(type.description), QLatin1String(type.patterns));

    QFileDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("pictureDialog"));
    // Qt's own dialog, which takes the preview beside its file list.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (!m_lastPicture.isEmpty())
        dialog.selectFile(m_lastPicture);

    auto *preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("picturePreview"));
    constexpr int kPreviewSize = 160;
    preview->setFixedSize(kPreviewSize, kPreviewSize);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(preview, 1, grid->columnCount(), 1, 1, Qt::AlignTop);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString &path) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        if (size.width() > kPreviewSize || size.height() > kPreviewSize)
            reader.setScaledSize(size.scaled(kPreviewSize, kPreviewSize, Qt::KeepAspectRatio));
        const QImage image = reader.read();
        if (image.isNull())
            preview->clear();
        else
            preview->setPixmap(QPixmap::fromImage(image));
    });

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    m_lastPicture = dialog.selectedFiles().constFirst();
    return m_lastPicture;
}

bool QtDialogs::editSearch(FindReplace::SearchState &state, bool replace)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(replace ? QStringLiteral("TTextReplaceDialog") : QStringLiteral("TTextSearchDialog"));
    dialog.setWindowTitle(replace ? QStringLiteral("Replace text") : QStringLiteral("Search Text"));
    auto *search = historyField(&dialog, QStringLiteral("cbSearchText"), state.searchHistory, state.searchText);
    auto *replacement = historyField(&dialog, QStringLiteral("cbReplaceText"), state.replaceHistory, state.replaceText);
    auto *options = new QGroupBox(QStringLiteral("Options"), &dialog);
    auto *caseSensitive = new QCheckBox(QStringLiteral("C&ase sensitivity"), options);
    auto *wholeWords = new QCheckBox(QStringLiteral("&Whole words only"), options);
    auto *fromCaret = new QCheckBox(QStringLiteral("Search from &caret"), options);
    auto *selectedOnly = new QCheckBox(QStringLiteral("&Selected text only"), options);
    caseSensitive->setChecked(state.caseSensitive);
    wholeWords->setChecked(state.wholeWords);
    fromCaret->setChecked(state.fromCaret);
    selectedOnly->setChecked(state.selectedOnly);
    auto *optionLayout = new QVBoxLayout(options);
    for (QCheckBox *box : {caseSensitive, wholeWords, fromCaret, selectedOnly})
        optionLayout->addWidget(box);
    auto *direction = new QGroupBox(QStringLiteral("Direction"), &dialog);
    auto *forward = new QRadioButton(QStringLiteral("&Forward"), direction);
    auto *backward = new QRadioButton(QStringLiteral("&Backward"), direction);
    (state.backwards ? backward : forward)->setChecked(true);
    auto *directionLayout = new QVBoxLayout(direction);
    directionLayout->addWidget(forward);
    directionLayout->addWidget(backward);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    // The texts as typed: closing would let the boxes match them to a history entry in another case.
    QString searchTyped, replacementTyped;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        searchTyped = search->currentText();
        replacementTyped = replacement->currentText();
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QGridLayout(&dialog);
    auto *searchLabel = new QLabel(QStringLiteral("&Search for:"), &dialog);
    searchLabel->setBuddy(search); // the "&" marks the access key
    layout->addWidget(searchLabel, 0, 0);
    layout->addWidget(search, 0, 1);
    if (replace) {
        auto *replaceLabel = new QLabel(QStringLiteral("&Replace with:"), &dialog);
        replaceLabel->setBuddy(replacement);
        layout->addWidget(replaceLabel, 1, 0);
        layout->addWidget(replacement, 1, 1);
    } else {
        replacement->hide();
    }
    layout->addWidget(options, 2, 0);
    layout->addWidget(direction, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
    dialog.setFixedSize(dialog.sizeHint());
    dialog.move(132, 168);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    state.backwards = backward->isChecked();
    state.caseSensitive = caseSensitive->isChecked();
    state.fromCaret = fromCaret->isChecked();
    state.selectedOnly = selectedOnly->isChecked();
    state.wholeWords = wholeWords->isChecked();
    state.searchText = searchTyped;
    FindReplace::remember(state.searchHistory, state.searchText);
    if (replace) {
        state.replaceText = replacementTyped;
        FindReplace::remember(state.replaceHistory, state.replaceText);
    }
    return true;
}

FindReplace::ReplaceAnswer QtDialogs::confirmReplace(const QString &searchText, const QRect &area, int x, int lineTop,
                                                     int lineBottom)
{
    using FindReplace::ReplaceAnswer;
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("confirmReplaceDialog"));
    dialog.setWindowTitle(QStringLiteral("Confirm replace"));
    auto *icon = new QLabel(&dialog);
    icon->setPixmap(dialog.style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto *question = new QLabel(QStringLiteral("Replace this occurence of \"%1\"?").arg(searchText), &dialog);
    question->setObjectName(QStringLiteral("confirmationLabel"));
    question->setWordWrap(true);
    ReplaceAnswer answer = ReplaceAnswer::StopReplacing;
    auto button = [&](const QString &caption, ReplaceAnswer value) {
        auto *b = new QPushButton(caption, &dialog);
        QObject::connect(b, &QPushButton::clicked, &dialog, [&dialog, &answer, value] {
            answer = value;
            dialog.accept();
        });
        return b;
    };
    QPushButton *yes = button(QStringLiteral("&Yes"), ReplaceAnswer::ReplaceThis);
    QPushButton *no = button(QStringLiteral("&No"), ReplaceAnswer::SkipThis);
    QPushButton *cancel = button(QStringLiteral("Cancel"), ReplaceAnswer::StopReplacing);
    QPushButton *all = button(QStringLiteral("Yes to &all"), ReplaceAnswer::ReplaceRest);
    yes->setDefault(true);
    auto *layout = new QGridLayout(&dialog);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(question, 0, 1, 1, 4);
    layout->addWidget(yes, 1, 1);
    layout->addWidget(no, 1, 2);
    layout->addWidget(cancel, 1, 3);
    layout->addWidget(all, 1, 4);
    dialog.setFixedSize(dialog.sizeHint());
    dialog.move(FindReplace::placeNearMatch(area, dialog.size(), x, lineTop, lineBottom));
    dialog.exec(); // Escape and the close box stop replacing
    return answer;
}

bool QtDialogs::setUpPrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::openWithDesktop(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

bool QtDialogs::isOnline()
{
    return hasNetworkConnection();
}
