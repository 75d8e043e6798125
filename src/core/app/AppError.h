#pragma once

#include <QString>
#include <exception>

// A failure of the file layer or a start-up step. The command that raised it ends
// there; whatever it did before stays done, and the caller shows the text in the
// error box.
class AppError : public std::exception
{
public:
    explicit AppError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) { }
    const QString &text() const noexcept { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

    static AppError cannotOpen(const QString &path);
    static AppError cannotCreate(const QString &path);
    static AppError cannotWriteTo(const QString &path);
    static AppError tooLarge(const QString &path);

private:
    QString m_text;
    QByteArray m_utf8;
};

// The text of the error box: a full stop is added only when the last character
// sorts after "." (so "...!", "...." or "...)" stay as they are).
QString errorBoxText(const QString &text);
