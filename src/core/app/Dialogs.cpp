#include "Dialogs.h"

#include "AppError.h"

void Dialogs::showFailure(const AppError &error)
{
    message(BoxKind::Failure, errorBoxText(error.text()), Buttons::Ok);
}

void Dialogs::showFailureOnce(const AppError &error)
{
    if (m_shownOnce.contains(error.text()))
        return;
    m_shownOnce.insert(error.text());
    showFailure(error);
}
