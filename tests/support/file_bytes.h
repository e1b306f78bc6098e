#pragma once

#include <QByteArray>
#include <QString>

// Whole files as bytes, for setting up and checking what the program wrote.
QByteArray readBytes(const QString &path);        // empty when unreadable
bool writeBytes(const QString &path, const QByteArray &bytes);  // folders on the way are made
bool touch(const QString &path);                  // an empty file
bool copyTree(const QString &from, const QString &to);  // folders and files below from, permissions kept
// Bytes no text transfer leaves alone: every byte value, CR LF, bare LF and CR.
QByteArray everyByteValue();
