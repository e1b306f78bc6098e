// Compiled as a source of the core library would be; it must not compile.
#include <QtWidgets/QPushButton>
