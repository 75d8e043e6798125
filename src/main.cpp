#include "app/CommandLine.h"
#include "app/ConsoleCommands.h"
#include "app/WindowsModule.h"

int main(int argc, char **argv)
{
    // Read before any window system is needed: without a display the application
    // object would end the program before a usage could be printed.
    if (const std::optional<int> exitCode = ConsoleCommands::run(CommandLine::parse(argc, argv)))
        return *exitCode;
    return WindowsModule::run(argc, argv,
                              {QStringLiteral("stylograf-windows.so"), QStringLiteral(STYLOGRAF_INSTALLED_MODULE)});
}
