#include "app/entry.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quenvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Quenvel"));
    return runDesktop(app);
}
