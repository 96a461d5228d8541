#pragma once

#include <QIcon>
#include <QUrl>

// The picture behind an icon URL as QML writes it: a file URL names a local file, a
// "qrc:" URL the resource of the same path, and anything else is taken as a path as is.
// A path that names nothing gives an empty icon.
QString trayIconPath(const QUrl& url);
QIcon trayIconFromUrl(const QUrl& url);
