#include "window_icon.h"

#include "baked_assets.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#endif

namespace tavrolin {

namespace {

#if QT_CONFIG(xcb)
// Lets go of the pages of the program file that hold data (the kernel reads them in again if
// they are ever touched again).
void releasePages(std::span<const std::uint32_t> data)
{
#ifdef MADV_DONTNEED
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<std::uintptr_t>(data.data());
    const std::uintptr_t begin = (first + page - 1) & ~(page - 1);
    const std::uintptr_t end = (first + data.size_bytes()) & ~(page - 1);
    if (begin < end)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_DONTNEED);
#else
    Q_UNUSED(data);
#endif
}

// On X11 the icon is the window's _NET_WM_ICON property. Given a QIcon, Qt keeps every size as a
// premultiplied pixmap and at show() converts each back into that property, which took about
// 8 ms of the start-up for the seven sizes; the baked property is written as it is instead.
bool setX11Icon(QWidget &window)
{
    // Other platforms may answer for X11 too (offscreen does, with no connection).
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    // Too long a request would close the connection; Qt drops such an icon too.
    if (baked::windowIcon.size() > xcb_get_maximum_request_length(connection))
        return false;
    static constexpr char name[] = "_NET_WM_ICON";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, false, sizeof name - 1, name), nullptr);
    if (!atom)
        return false;
    const auto id = static_cast<xcb_window_t>(window.winId()); // creates the X window
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom->atom, XCB_ATOM_CARDINAL, 32,
        static_cast<std::uint32_t>(baked::windowIcon.size()), baked::windowIcon.data());
    std::free(atom);
    // The X server keeps its own copy: the icon's 350 KiB need not stay in memory.
    releasePages(baked::windowIcon);
    return true;
}
#endif

QIcon bakedIcon()
{
    QIcon icon;
    const std::span<const std::uint32_t> data = baked::windowIcon;
    for (std::size_t at = 0; at + 2 <= data.size();) {
        const int width = static_cast<int>(data[at]);
        const int height = static_cast<int>(data[at + 1]);
        const QImage image(reinterpret_cast<const uchar *>(data.data() + at + 2), width, height,
            QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image));
        at += 2 + static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    }
    return icon;
}

} // namespace

void setProgramIcon(QWidget &window)
{
#if QT_CONFIG(xcb)
    if (setX11Icon(window))
        return;
#else
    Q_UNUSED(window);
#endif
    QApplication::setWindowIcon(bakedIcon());
}

} // namespace tavrolin
