// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/KeyCodes.h"
#include "platform/MenuBarWidget.h"
#include "platform/MenuItem.h"
#include "platform/OperatingSystem.h"
#include "platform/Runtime.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace quorvel::platform {
namespace {

// The program's windows, the most recently active first.
QList<QPointer<Window>>& activationOrder()
{
    static QList<QPointer<Window>> windows;
    return windows;
}

void noteActivated(Window* window)
{
    auto& order = activationOrder();
    order.removeIf([window](const QPointer<Window>& entry) { return entry.isNull() || entry == window; });
    order.prepend(window);
}

// Posted to a window made visible, which shows itself when the event arrives.
QEvent::Type showWhenIdleEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent::Type releaseWhenIdleEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// The first text field in the Tab order has the keyboard when its window first shows, so that typing
// starts there at once, as where push buttons take no focus.
void focusFirstField(QWidget& window)
{
    for (QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        if (auto* field = qobject_cast<QLineEdit*>(widget); field && field->isEnabled()) {
            field->setFocus();
            return;
        }
    }
}

} // namespace

Window::Window() : m_layout(new QVBoxLayout(this)), m_content(new QFrame(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    m_layout->addWidget(m_content);
}

Window::~Window() = default;

void Window::construct()
{
    Layout();
    installMenuBar();
    CreateControls();
    AddMenuHandlers();
    if (const MenuBar* bar = menuBar())
        addActions(bar->shortcutActions());
    focusFirstField(*this);
    Open();
    if (m_visibleWhenCreated)
        showWhenIdle();
}

// A window made visible appears once the handler that made it has returned, so that one made and
// hidden again by the same handler never flashes up or takes the focus.
void Window::showWhenIdle()
{
    m_showPending = true;
    QCoreApplication::postEvent(this, new QEvent(showWhenIdleEvent()));
}

void Window::Show()
{
    m_showPending = false;
    appear();
    raise();
    activateWindow();
}

// A Wayland compositor learns of a window, and Qt gives it a title, only as the window shows.
// QWidget::show() would give the window the platform's default state, which Qt 6.4 for the browser
// makes full screen: each window keeps its own size and place, as on the desktop, where the two are
// the same.
void Window::appear()
{
    placeOnFirstShow();
    setVisible(true);
    if (windowTitle().isEmpty())
        clearShownTitle();
}

void Window::Hide()
{
    m_showPending = false;
    const bool wasActive = isActiveWindow();
    hide();
    if (wasActive)
        activateWindowBehind();
    releaseNativeWindowWhenIdle();
}

// A hidden window gives back its native window and the buffer it is drawn in (0.4 MB for the About
// window); showing it again makes new ones. Not at once: the window system may still be delivering the
// event that hid it, such as another window's activation.
void Window::releaseNativeWindowWhenIdle()
{
    QCoreApplication::postEvent(this, new QEvent(releaseWhenIdleEvent()));
}

// Hiding the front window brings the one behind it to the front, as a window manager would; without
// one, no window would have the keyboard.
void Window::activateWindowBehind()
{
    for (const QPointer<Window>& window : activationOrder()) {
        if (window && window != this && window->isVisible()) {
            window->raise();
            window->activateWindow();
            return;
        }
    }
}

void Window::destroyAll()
{
    // Deleting a window deletes the menus it owns, which are top-level widgets too.
    QList<QPointer<Window>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget))
            windows.append(window);
    for (const QPointer<Window>& window : windows)
        delete window.data();
}

// Windows store no position: each opens centred on the screen the first time it is shown.
void Window::placeOnFirstShow()
{
    if (m_placed)
        return;
    m_placed = true;
    m_layout->activate();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Window::installMenuBar()
{
    if (!m_menuBarVisible)
        return;
    if (MenuBar* bar = menuBar())
        m_layout->setMenuBar(new MenuBarWidget(*bar, this));
}

QObject& Window::registeredControl(const QString& name) const
{
    if (auto* found = m_content->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return *found;
    throw NilObjectException("no control named \"" + name.toStdString() + '"');
}

void Window::throwWrongClass(const QObject& control, const QMetaObject& asked)
{
    throw NilObjectException("the control \"" + control.objectName().toStdString() + "\" is a " +
                             control.metaObject()->className() + ", not a " + asked.className());
}

bool Window::hasMenuHandler(const QString& itemName) const
{
    return m_menuHandlers.contains(itemName);
}

bool Window::runMenuHandler(const QString& itemName)
{
    const auto handler = m_menuHandlers.find(itemName);
    return handler != m_menuHandlers.end() && handler->second();
}

void Window::runEnableMenuItems()
{
    EnableMenuItems();
}

MenuBar* Window::menuBar() const
{
    if (m_menuBar)
        return m_menuBar;
    const Application* application = Application::registered();
    return application ? application->menuBar() : nullptr;
}

bool Window::KeyDown(const QString&)
{
    return false;
}

bool Window::MouseDown(int, int)
{
    return false;
}

void Window::setTitle(const QString& title)
{
    setWindowTitle(title);
}

// An untitled window shows no title: the window system gets none, where Qt 6.4 would give it the
// program's name (see os::clearShownTitle). Each new native window, and on Wayland each showing, gets
// Qt's title again.
void Window::clearShownTitle()
{
    QWindow& native = *windowHandle();
    os::clearShownTitle(native);
    if (const auto shown = os::shownTitle(native); shown && !shown->isEmpty())
        qWarning("Qt 6.4 workaround failed: an untitled window shows the title \"%s\"", qPrintable(*shown));
}

void Window::setContentSize(int width, int height)
{
    m_content->setFixedSize(width, height);
}

void Window::setFrame(Frame frame, bool closeButton, bool minimiseButton)
{
    m_frame = frame;
    switch (frame) {
    case Frame::Document: {
        Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        flags.setFlag(Qt::WindowCloseButtonHint, closeButton);
        flags.setFlag(Qt::WindowMinimizeButtonHint, minimiseButton);
        setWindowFlags(flags);
        break;
    }
    case Frame::Dialog: {
        // Most desktops draw no frame around an untitled dialog; a hairline keeps its edge visible. It is
        // black in every palette: dark and high-contrast ones would draw it white, as their text.
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        m_content->setFrameStyle(QFrame::Box | QFrame::Plain);
        QPalette palette = m_content->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        m_content->setPalette(palette);
        break;
    }
    case Frame::Host:
        setWindowFlags(Qt::Window);
        break;
    }
}

void Window::setBackgroundColor(const QColor& color)
{
    QPalette palette = m_content->palette();
    palette.setColor(QPalette::Window, color);
    m_content->setPalette(palette);
    m_content->setAutoFillBackground(true);
}

void Window::setVisibleWhenCreated(bool visible)
{
    m_visibleWhenCreated = visible;
}

void Window::setMenuBar(MenuBar* menuBar)
{
    m_menuBar = menuBar;
}

void Window::setMenuBarVisible(bool visible)
{
    m_menuBarVisible = visible;
}

void Window::AddMenuHandler(const QString& itemName, std::function<bool()> handler)
{
    m_menuHandlers[itemName] = std::move(handler);
}

bool Window::event(QEvent* event)
{
    if (event->type() == showWhenIdleEvent()) {
        if (std::exchange(m_showPending, false))
            appear();
        return true;
    }
    if (event->type() == releaseWhenIdleEvent()) {
        if (isHidden() && testAttribute(Qt::WA_WState_Created))
            destroy();
        return true;
    }
    if (event->type() == QEvent::WinIdChange && internalWinId() && windowTitle().isEmpty())
        clearShownTitle();
    if (event->type() == QEvent::WindowActivate) {
        noteActivated(this);
        runHandler([this] { Activate(); });
    }
    return QWidget::event(event);
}

void Window::keyPressEvent(QKeyEvent* event)
{
    const QString key = keyDownText(*event);
    if (key.isEmpty() || !runHandler([&] { return KeyDown(key); }))
        QWidget::keyPressEvent(event);
}

void Window::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = m_content->mapFrom(this, event->position().toPoint());
    if (!runHandler([&] { return MouseDown(at.x(), at.y()); }))
        QWidget::mousePressEvent(event);
}

void Window::closeEvent(QCloseEvent* event)
{
    runHandler([this] { Close(); });
    m_closed = true;
    event->accept();
    deleteLater();
}

} // namespace quorvel::platform
