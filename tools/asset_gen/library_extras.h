#pragma once
// Extra pictures for the skin constructor's libraries.

#include "hand_maker.h"

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

// Pivot heights, in hundredths of the picture's height, that the skin
// constructor starts its hands with.
inline constexpr int hour_pivot_percent = 9;
inline constexpr int mins_pivot_percent = 6;
inline constexpr int secunds_pivot_percent = 23;

// The hand padded with transparent rows so that its pivot sits exactly at
// percent hundredths of the height, as the clock computes it: any dial,
// hands and cap picked from the libraries then make a working clock before
// a slider is touched.
QImage library_hand(const hand_picture &hand, int percent);

} // namespace asset
