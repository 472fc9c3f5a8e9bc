#pragma once

#include <QIcon>
#include <QPixmap>

namespace vyr {

// The program's pictures, drawn in code: the toolbar buttons, the program icon and the
// splash picture.

/// The 16 x 15 toolbar picture of a toolbar command; a blank one for any other id.
QIcon toolbarIcon(int commandId);

/// The program icon, `size` pixels square: an extruded "V" on a dark rounded square.
QPixmap programIcon(int size);
/// The program icon in the sizes a window manager asks for.
QIcon programIconSet();

/// The 300 x 200 splash picture.
QPixmap splashPicture();

}  // namespace vyr
