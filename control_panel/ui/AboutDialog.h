#pragma once
// The About box: the program's name and version on a picture, closed by its own
// bitmap "Close" button.

#include "QtButtonOwner.h"
#include "control_panel/logic/ButtonManager.h"

#include <QDialog>
#include <memory>

class QLabel;

// What control 1055 shows: the version line and two lines about the maker.
extern const char* const ABOUT_VERSION_TEXT;

class CAboutDialog : public QDialog {
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
    ~CAboutDialog() override;

    CButtonManager& Bar() const { return *m_pBar; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CQtButtonOwner m_owner;
    std::unique_ptr<CButtonManager> m_pBar;
    QLabel* m_pName;
    QLabel* m_pVersion;
};
