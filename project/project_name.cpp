#include "project/project_name.h"

#include "app/code_page.h"
#include "app/java_names.h"


bool isWindowsDeviceName(const QString &name)
{
    const QString upper = name.toUpper();
    if (upper == QLatin1String("CON") || upper == QLatin1String("PRN") || upper == QLatin1String("AUX")
        || upper == QLatin1String("NUL"))
        return true;
    return upper.size() == 4 && (upper.startsWith(QLatin1String("COM")) || upper.startsWith(QLatin1String("LPT")))
           && upper.at(3) >= QLatin1Char('1') && upper.at(3) <= QLatin1Char('9');
}

bool isValidProjectName(const QString &name)
{
    if (!isJavaIdentifier(name))
        return false;
#ifdef Q_OS_WIN
    if (isWindowsDeviceName(name))
        return false;
#endif
    return toCodePage(name).has_value();
}
