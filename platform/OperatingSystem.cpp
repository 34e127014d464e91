// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/OperatingSystem.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#if defined(Q_OS_WIN)
#include <qt_windows.h>
#include <string>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(Q_OS_WASM)
#include <emscripten.h>
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

#if !defined(Q_OS_WASM)

void soundAlert()
{
    QApplication::beep();
}

void runModal(QMessageBox* box)
{
    box->exec();
}

void endEventLoop(int status)
{
    QCoreApplication::exit(status);
}

#endif

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

const char* windowSessionNeeded()
{
    return "a Windows desktop";
}

// Windows' heap gives large freed blocks back by itself, and the short-lived memory this is called after
// (an icon theme's index) is never taken there: Windows has no icon theme.
void releaseFreedMemory() noexcept {}

// Read with the registry's own call: QSettings would create the key it reads, and the program writes
// nothing to the registry.
double desktopTextScale()
{
    DWORD percent = 100;
    DWORD size = sizeof(percent);
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Accessibility",
                                        L"TextScaleFactor", RRF_RT_REG_DWORD, nullptr, &percent, &size);
    return status == ERROR_SUCCESS ? percent / 100.0 : 1;
}

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

#elif defined(Q_OS_WASM)

bool windowSessionNamed()
{
    return true;
}

const char* windowSessionNeeded()
{
    return "a web page";
}

// The program's windows are drawn by Qt inside the page, which keeps its own title.
void clearShownTitle(QWindow&) {}

std::optional<QString> shownTitle(QWindow&)
{
    return std::nullopt;
}

// The browser's own zoom (Ctrl and +) scales the page and the program with it, as display scaling does.
double desktopTextScale()
{
    return 1;
}

// Nothing to give back: the WebAssembly memory of a page never shrinks.
void releaseFreedMemory() noexcept {}

namespace {

// A browser has no system faces to speak of, and Qt brings only Bitstream Vera and DejaVu Sans: the
// program brings the Liberation faces, made to the metrics of Arial, Courier New and Times New Roman, as
// Quorvel Sans, Mono and Serif. The sans face is also the one of the menus and message boxes.
QFont bundledFace(const char* family, QFont::StyleHint hint)
{
    static const bool loaded = [] {
        for (const char* file : {":/fonts/QuorvelSans-Regular.ttf", ":/fonts/QuorvelSans-Bold.ttf",
                                 ":/fonts/QuorvelMono-Regular.ttf", ":/fonts/QuorvelSerif-Bold.ttf"})
            if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0)
                qWarning("Cannot load the bundled font %s", file);
        QFont applicationFont = QApplication::font();
        applicationFont.setFamily(QStringLiteral("Quorvel Sans"));
        QApplication::setFont(applicationFont);
        return true;
    }();
    Q_UNUSED(loaded)
    return face(family, hint);
}

// The browser has no system bell: a short tone through Web Audio, on one audio context for the page.
// Browsers let a page sound only after the user has interacted with it, which a refused key is.
EM_JS(void, playAlertTone, (), {
    const AudioContext = window.AudioContext || window.webkitAudioContext;
    if (!AudioContext)
        return;
    Module.quorvelAudio = Module.quorvelAudio || new AudioContext();
    const audio = Module.quorvelAudio;
    const tone = audio.createOscillator();
    const volume = audio.createGain();
    tone.frequency.value = 880;
    volume.gain.setValueAtTime(0.2, audio.currentTime);
    volume.gain.exponentialRampToValueAtTime(0.001, audio.currentTime + 0.15);
    tone.connect(volume).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.15);
});

// The page's loader shows that the program has ended and how to start it again.
EM_JS(void, tellPageProgramEnded, (int status), {
    if (Module.quorvelEnded)
        Module.quorvelEnded(status);
});

} // namespace

QFont userInterfaceFont()
{
    return bundledFace("Quorvel Sans", QFont::SansSerif);
}

QFont fixedWidthFont()
{
    return bundledFace("Quorvel Mono", QFont::TypeWriter);
}

QFont serifFont()
{
    return bundledFace("Quorvel Serif", QFont::Serif);
}

void soundAlert()
{
    playAlertTone();
}

// Qt for WebAssembly runs a nested event loop only when built with Asyncify, which makes the program half
// as large again; the box stays modal without one.
void runModal(QMessageBox* box)
{
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

// The event loop of a page never returns to main(): its windows are closed here instead.
void endEventLoop(int status)
{
    QCoreApplication::exit(status);
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    tellPageProgramEnded(status);
}

#else

bool windowSessionNamed()
{
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

const char* windowSessionNeeded()
{
    return "a graphical session (X11 or Wayland)";
}

void releaseFreedMemory() noexcept
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

// KDE keeps its general font in kdeglobals, in the user's configuration folder or the system's, under
// [General] (which QSettings reads as no group at all) as "Noto Sans,16,-1,5,50,0,0,0,0,0": the family,
// then the size in points (-1 when set in pixels).
double desktopTextScale()
{
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':');
    if (!desktops.contains(QLatin1String("KDE"), Qt::CaseInsensitive))
        return 1;
    constexpr double kdeDefaultPoints = 10;
    for (const QString& path :
         QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"))) {
        const QSettings globals(path, QSettings::IniFormat);
        const QStringList font = globals.value(QStringLiteral("font")).toStringList();
        if (font.size() < 2)
            continue;
        const double points = font.at(1).toDouble();
        return points > 0 ? points / kdeDefaultPoints : 1;
    }
    return 1;
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
