#pragma once

#include "app/opened_project.h"

#include <QList>
#include <QMap>
#include <QString>

class SettingsStore;

// Writes the bytes, making the folders on the way.
bool writeFile(const QString &path, const QByteArray &bytes);
// A path below the stand-in tools the build tree assembled.
QString standinPath(const QString &relative);
// A copy of the stand-in SDK below root, a Tovra.ini in root/app pointing at
// it and at the stand-in JDK, and the project name with these sources (file
// name to text) and one resource.
bool prepareSampleProject(const QString &root, const QString &name, const QMap<QString, QString> &sources);
OpenedProject sampleProject(const SettingsStore &store, const QString &name);
// One build as the Build button does it, with no window to paint; ok stays
// true only while every build worked.
double timeProgramBuild(SettingsStore &store, const QString &name, bool *ok);
double median(QList<double> values);
