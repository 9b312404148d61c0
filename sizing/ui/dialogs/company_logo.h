// The company mark on the splash form: a vent stack with its cap, rising out of a blue disc
// (the program's icon shows the same).
#pragma once

#include <QPixmap>

namespace sizing {

// The mark `size` logical pixels square, drawn for `device_pixel_ratio` device pixels per
// logical one (2 on a screen scaled to 200 %), so it is never scaled up blurred.
QPixmap CompanyLogo(int size, qreal device_pixel_ratio);

}  // namespace sizing
