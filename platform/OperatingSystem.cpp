// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/OperatingSystem.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>

#if defined(Q_OS_WIN)
#include <qt_windows.h>
#include <string>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if QT_CONFIG(xcb)
#include <memory>
#include <string_view>
#include <xcb/xcb.h>
#endif
#if defined(QUORVEL_WAYLAND_TITLE)
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client-core.h>
#endif

namespace quorvel::platform::os {
namespace {

[[maybe_unused]] bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

QFont face(const char* family, QFont::StyleHint hint)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    return font;
}

#if QT_CONFIG(xcb)
// The connection of the X11 platform, or none where the program runs on another one.
xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <class Reply> using XReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atomNamed(xcb_connection_t* connection, std::string_view name)
{
    const XReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, name.size(), name.data()), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}
#endif

#if defined(QUORVEL_WAYLAND_TITLE)
// Sends xdg_toplevel.set_title, request 2 of the stable xdg-shell protocol, with the empty title. Qt 6.4
// has no public way to reach the window's xdg_toplevel, which exists while the window is shown; returns
// whether the window had one.
bool clearWaylandTitle(QWindow& window)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* toplevel = static_cast<wl_proxy*>(native->nativeResourceForWindow("xdg_toplevel", &window));
    if (!toplevel)
        return false;
    constexpr uint32_t setTitle = 2;
    wl_proxy_marshal_flags(toplevel, setTitle, nullptr, wl_proxy_get_version(toplevel), 0, "");
    wl_display_flush(static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")));
    return true;
}
#endif

} // namespace

#if defined(Q_OS_WIN)

// Only the windows platform's native windows are HWNDs.
void clearShownTitle(QWindow& window)
{
    if (QGuiApplication::platformName() == u"windows")
        SetWindowTextW(reinterpret_cast<HWND>(window.winId()), L"");
}

std::optional<QString> shownTitle(QWindow& window)
{
    if (QGuiApplication::platformName() != u"windows")
        return std::nullopt;
    const auto handle = reinterpret_cast<HWND>(window.winId());
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
    const int length = GetWindowTextW(handle, text.data(), static_cast<int>(text.size()));
    return QString::fromWCharArray(text.data(), length);
}

bool windowSessionNamed()
{
    return true;
}

// Windows' heap gives large freed blocks back by itself, and the short-lived memory this is called after
// (an icon theme's index) is never taken there: Windows has no icon theme.
void releaseFreedMemory() noexcept {}

// The faces every Windows 10 and 11 has. The system's own message font would be Segoe UI too, except on
// some East Asian editions, where Windows links Segoe UI to their faces for the glyphs it lacks.
QFont userInterfaceFont()
{
    return face("Segoe UI", QFont::SansSerif);
}

QFont fixedWidthFont()
{
    return face("Courier New", QFont::TypeWriter);
}

QFont serifFont()
{
    return face("Times New Roman", QFont::Serif);
}

#else

bool windowSessionNamed()
{
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

void releaseFreedMemory() noexcept
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

// The desktop's own choices, as its platform theme reports them; "Times" is whatever serif face
// fontconfig gives for that name.
QFont userInterfaceFont()
{
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

QFont fixedWidthFont()
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QFont serifFont()
{
    return face("Times", QFont::Serif);
}

// Window managers read _NET_WM_NAME, and WM_NAME where it is missing. Qt writes the window's own title
// to WM_NAME; both are emptied. A Wayland compositor keeps the title that the window's xdg_toplevel sent
// last.
void clearShownTitle([[maybe_unused]] QWindow& window)
{
#if defined(QUORVEL_WAYLAND_TITLE)
    if (QGuiApplication::platformName().startsWith(u"wayland")) {
        if (window.isVisible() && !clearWaylandTitle(window))
            qWarning("Qt 6.4 workaround failed: a shown window has no xdg_toplevel to clear the title of");
        return;
    }
#endif
#if QT_CONFIG(xcb)
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atomNamed(connection, "_NET_WM_NAME"),
                        atomNamed(connection, "UTF8_STRING"), 8, 0, nullptr);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(connection);
#endif
}

std::optional<QString> shownTitle([[maybe_unused]] QWindow& window)
{
#if QT_CONFIG(xcb)
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t utf8 = atomNamed(connection, "UTF8_STRING");
    const auto asked =
        xcb_get_property(connection, 0, id, atomNamed(connection, "_NET_WM_NAME"), utf8, 0, 1024);
    const XReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, asked, nullptr),
                                                 &std::free);
    if (!reply || reply->type != utf8)
        return QString();
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
#else
    return std::nullopt;
#endif
}

#endif

} // namespace quorvel::platform::os
