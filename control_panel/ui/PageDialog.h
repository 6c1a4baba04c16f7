#pragma once
// A device page of the main dialog: a child widget at (204, 288), 387 x 296. Only the
// page that is shown holds the link: the main dialog takes it from every page and
// lends it to the one it shows.

#include <QWidget>

class CBoardLink;

class CPageDialog : public QWidget {
public:
    explicit CPageDialog(QWidget* parent = nullptr) : QWidget(parent) {
        // A press on a page is the page's own; it never drags the main window.
        setAttribute(Qt::WA_NoMousePropagation);
    }

    // Borrows the main dialog's link until DetachLink.
    virtual void AttachLink(CBoardLink* link) = 0;
    // Forgets the link.
    virtual void DetachLink() = 0;
};
