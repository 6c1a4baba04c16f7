#pragma once
// Mouse events sent straight to a widget, and screenshots of widgets rendered offscreen.

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
