// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/NilObjectException.h"

#include <QFrame>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

class QVBoxLayout;

namespace quorvel::platform {

class MenuBar;

// A window of the program. Each window class has one implicit instance (see ImplicitWindow), made on
// first use. Making it runs, once and in this order, Layout, CreateControls, AddMenuHandlers and Open;
// the window then shows itself, unless Layout said otherwise, when the handler that made it returns, with
// the keyboard focus in its first text field in the Tab order (Open may put it elsewhere). Hiding
// keeps the instance; closing it with its title-bar button runs Close and destroys it, so the next use makes
// a fresh one.
//
// Controls live in the content area, are placed in pixels from its top-left corner, registered under
// their names and found again by name. The subclass reacts to events by implementing the virtuals.
class Window : public QWidget
{
    Q_OBJECT

public:
    enum class Frame {
        Document, // a titled window with the title-bar buttons chosen in Layout
        Dialog,   // a dialog with no title bar
        Host,     // a window that is never shown
    };

    ~Window() override;
    Q_DISABLE_COPY_MOVE(Window)

    // Shows the window in front and gives it the keyboard focus.
    void Show();
    void Hide();

    // The control registered under `name`; throws NilObjectException when there is none, or when it is
    // no `Control`. qobject_cast checks the control's real class, and refuses to compile for a control
    // class without Q_OBJECT, which it could not tell from its base.
    template <class Control> Control& control(const QString& name) const
    {
        QObject& found = registeredControl(name);
        if (auto* asked = qobject_cast<Control*>(&found))
            return *asked;
        throwWrongClass(found, Control::staticMetaObject);
    }

    bool hasMenuHandler(const QString& itemName) const;
    // Runs the handler registered for the menu item; returns its result (true: handled).
    bool runMenuHandler(const QString& itemName);
    void runEnableMenuItems();

    // The menu bar set for this window, or the application's when it has none of its own.
    MenuBar* menuBar() const;

    // Destroys every window of the program; the runtime does this when the program ends.
    static void destroyAll();

protected:
    Window();

    // Window events, in the order they first run.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Open() {}
    virtual void Close() {}
    virtual void Activate() {}
    // The key as its one-character text (see KeyCodes.h); return true when it was consumed.
    virtual bool KeyDown(const QString& key);
    // The position in the content area; return true when the click was consumed.
    virtual bool MouseDown(int x, int y);
    // Runs before a menu shows, while this is the active window.
    virtual void EnableMenuItems() {}

    // Window properties, set in Layout.
    void setTitle(const QString& title);
    void setContentSize(int width, int height);
    void setFrame(Frame frame, bool closeButton = true, bool minimiseButton = true);
    void setBackgroundColor(const QColor& color);
    void setVisibleWhenCreated(bool visible);
    void setMenuBar(MenuBar* menuBar);
    // Shows the menu bar inside the window, on desktops without a global one.
    void setMenuBarVisible(bool visible);

    // Creates a control in the content area, registered under `name`, at `geometry`.
    template <class Control> Control& addControl(const QString& name, const QRect& geometry)
    {
        auto* control = new Control(m_content);
        control->setObjectName(name);
        control->setGeometry(geometry);
        return *control;
    }

    // Creates a non-visual control (a timer) registered under `name`.
    template <class Control> Control& addComponent(const QString& name)
    {
        auto* control = new Control(m_content);
        control->setObjectName(name);
        return *control;
    }

    void AddMenuHandler(const QString& itemName, std::function<bool()> handler);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    template <class W> friend class ImplicitWindow;

private:
    QObject& registeredControl(const QString& name) const;
    [[noreturn]] static void throwWrongClass(const QObject& control, const QMetaObject& asked);

    void construct();
    bool isClosed() const { return m_closed; }
    void showWhenIdle();
    void appear();
    void activateWindowBehind();
    void releaseNativeWindowWhenIdle();
    void placeOnFirstShow();
    void clearShownTitle();
    void installMenuBar();

    QVBoxLayout* m_layout;
    // The content area, which holds the controls; its own accessible interface (see
    // platform/a11y/AccessibleInterfaces.cpp) has readers take it for a part of the window.
    QFrame* m_content;
    Frame m_frame = Frame::Document;
    MenuBar* m_menuBar = nullptr;
    bool m_menuBarVisible = false;
    bool m_visibleWhenCreated = true;
    bool m_showPending = false;
    bool m_placed = false;
    bool m_closed = false;
    std::map<QString, std::function<bool()>> m_menuHandlers;
};

// Gives a window class its one implicit instance: `ControlWnd::instance()` returns the live window of
// that class, or makes one. The slot is a QPointer, so a destroyed window is made afresh.
template <class W> class ImplicitWindow : public Window
{
public:
    static W& instance()
    {
        QPointer<W>& slot = instanceSlot();
        if (!exists()) {
            slot = new W;
            try {
                static_cast<Window*>(slot.data())->construct();
            } catch (...) {
                delete slot.data();
                throw;
            }
        }
        return *slot;
    }

    // Whether the implicit instance lives (shown or hidden), without making one.
    static bool exists()
    {
        const QPointer<W>& slot = instanceSlot();
        return !slot.isNull() && !static_cast<const Window*>(slot.data())->isClosed();
    }

protected:
    ImplicitWindow() = default;

private:
    static QPointer<W>& instanceSlot()
    {
        static QPointer<W> slot;
        return slot;
    }
};

} // namespace quorvel::platform
