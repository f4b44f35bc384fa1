#pragma once
// The application icon (a lottery ball), built into the program in the sizes the
// desktop's icon theme gets, for the windows and the dialogs.
#include <QIcon>

namespace kw {

QIcon programIcon();

}  // namespace kw
