#include "PageStatusLine.h"

#include "QtButtonOwner.h"
#include "platform/qt/QtPlatform.h"

#include <QLabel>

CPageStatusLine::CPageStatusLine(QWidget* icon, QLabel* text) : m_pIcon(icon), m_pText(text) {
    QPalette palette = m_pText->palette();
    palette.setColor(QPalette::WindowText, FromColorRef(m_color));
    m_pText->setPalette(palette);
}

void CPageStatusLine::SetStatus(const std::string& text, uint32_t colorRef) {
    m_pIcon->setVisible(!text.empty());
    m_color = colorRef;
    QPalette palette = m_pText->palette();
    palette.setColor(QPalette::WindowText, FromColorRef(colorRef));
    m_pText->setPalette(palette);
    m_pText->setText(platform::ToQt(text));
    m_pText->repaint();
}

std::string CPageStatusLine::Text() const {
    return platform::FromQt(m_pText->text());
}
