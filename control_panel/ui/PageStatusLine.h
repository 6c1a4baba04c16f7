#pragma once
// The status line of the Memory, Switches, Accelerometer and VGA pages: a text with the
// small icon at its left, which shows only while the text is not empty. A cleared line
// is an empty text in green, the idle colour.

#include "PageLook.h"

#include <cstdint>
#include <string>

class QLabel;
class QWidget;

class CPageStatusLine {
public:
    CPageStatusLine(QWidget* icon, QLabel* text);

    // Stores the colour, sets the text and redraws the line at once.
    void SetStatus(const std::string& text, uint32_t colorRef);
    void Clear() { SetStatus(std::string(), STATUS_GREEN); }
    std::string Text() const;
    uint32_t Color() const { return m_color; }

private:
    QWidget* m_pIcon;
    QLabel* m_pText;
    uint32_t m_color = STATUS_GREEN;
};
