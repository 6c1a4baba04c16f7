#pragma once
// Mouse events sent straight to a widget, screenshots of widgets rendered offscreen, and
// the main window shown until its start-up connect has run.

#include "control_panel/ui/LumastatDlg.h"
#include "support/FormPixels.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons held = Qt::LeftButton) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Moves onto the point, presses and releases there.
inline void ClickAt(QWidget* widget, QPoint at) {
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonPress, at);
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// Saves the widget as <build>/screenshots/<name>.png and checks its outlines and pictures.
inline ::testing::AssertionResult SaveScreenshot(QWidget* widget, const std::string& name) {
    return testsupport::DrawnAsLaidOut(testsupport::GrabScreenshot(*widget, name), *widget, 0);
}

// The start-up connect runs once the shown window has been painted: the event loop turns
// until it has run (the connect itself is one turn).
inline void ShowAndConnect(CLumastatDlg& dialog) {
    dialog.show();
    for (int round = 0; round < 10 && dialog.Panel().StatusText() == "Ready"; ++round)
        QCoreApplication::processEvents();
}
