#include "Dialogs.h"

#include "AppError.h"

void Dialogs::showFailure(const AppError &error)
{
    message(BoxKind::Failure, errorBoxText(error.text()), Buttons::Ok);
}
