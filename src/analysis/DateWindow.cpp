#include "DateWindow.h"

namespace vinta {

TDateWindow TDateWindow::PreviousMonth(const TCivilDateTime& now)
{
    const int year = now.month == 1 ? now.year - 1 : now.year;
    const int month = now.month == 1 ? 12 : now.month - 1;
    TDateWindow window;
    window.begin = EncodeDateTime({year, month, 1, 0, 0, 0, 0});
    window.end = EncodeDateTime({year, month, DaysInMonth(year, month), 23, 59, 59, 999});
    return window;
}

} // namespace vinta
