#include "ConsoleCommands.h"

#include "AppError.h"
#include "CommandLine.h"
#include "SharedRoutines.h"
#include "SheetReport.h"

#include <cstdio>

namespace ConsoleCommands {

namespace {

// All of `text` into the stream, flushed: false when the output did not take it (a
// full disk, say), which a report must not pass over in silence.
bool writeOut(std::FILE *stream, const QByteArray &text)
{
    return std::fwrite(text.constData(), 1, size_t(text.size()), stream) == size_t(text.size())
        && std::fflush(stream) == 0;
}

int outputFailed()
{
    std::fputs("In die Ausgabe kann nicht geschrieben werden.\n", stderr);
    return 3;
}

} // namespace

std::optional<int> run(const CommandLine &commandLine)
{
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(commandLine.error), qPrintable(CommandLine::helpText()));
        return 2;
    }
    if (commandLine.showHelp)
        return writeOut(stdout, CommandLine::helpText().toUtf8()) ? 0 : outputFailed();
    if (!commandLine.analyseFile.isEmpty() || !commandLine.previewHtmlFile.isEmpty()
        || !commandLine.tokensFile.isEmpty()) {
        bool toStandardError = false;
        const SheetReport::Output out = !commandLine.analyseFile.isEmpty()
            ? SheetReport::analyse(commandLine.analyseFile, commandLine.syntax, toStandardError)
            : !commandLine.previewHtmlFile.isEmpty()
            ? SheetReport::previewHtml(commandLine.previewHtmlFile, commandLine.syntax, toStandardError)
            : SheetReport::tokens(commandLine.tokensFile, toStandardError);
        if (!writeOut(toStandardError ? stderr : stdout, out.text))
            return outputFailed();
        return out.exitCode;
    }
    if (commandLine.showVersion) {
        try {
            return writeOut(stdout, QStringLiteral("Stylograf %1\n").arg(versionString()).toUtf8()) ? 0
                                                                                                    : outputFailed();
        } catch (const AppError &error) {
            std::fprintf(stderr, "%s\n", qPrintable(errorBoxText(error.text())));
            return 1;
        }
    }
    return std::nullopt;
}

} // namespace ConsoleCommands
