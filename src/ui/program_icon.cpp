#include "ui/program_icon.h"

namespace kw {

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kugelwart-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace kw
