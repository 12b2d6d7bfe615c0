// quilbex-cli: the pedals from a terminal, on the same core library as the window.

#include <QCoreApplication>

#include "app/Version.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

int main(int argc, char* argv[])
{
    cli::installMessageHandler();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quilbex Control"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quilbex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILBEX_VERSION_TEXT));
    return cli::runCli(QCoreApplication::arguments());
}
