#pragma once
// The picture of the seed notebook's image page: a lake at sunrise.

#include <QImage>

QImage welcome_picture();
