#pragma once
// Extra pictures for the skin constructor's libraries.

#include <QImage>
#include <QList>
#include <QString>

namespace asset {

struct library_part
{
    QString library; // Clockface, Hourface, Minface, Secundsface or Dots
    QString name;    // file stem
    QImage image;
};

QList<library_part> library_extras();

} // namespace asset
