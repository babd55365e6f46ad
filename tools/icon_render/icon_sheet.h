#pragma once

#include <QImage>
#include <QStringList>

// One row per picture: its name, then the picture as QIcon scales it for
// 16, 22, 32 and 48 px, first on a light ground, then on a dark one.
QImage icon_sheet(const QStringList &files);
