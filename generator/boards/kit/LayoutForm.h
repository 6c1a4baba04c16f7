#pragma once
// A form that is its layout and nothing more: the placeholder forms of the catalogue,
// which bind no handler, hold no settings and have no pin table.

#include "platform/qt/FormBuilder.h"
#include "platform/qt/FormLayout.h"

#include <QWidget>
#include <span>

class LayoutForm : public QWidget {
public:
    LayoutForm(QWidget* owner, std::span<const platform::LayoutRow> layout) : QWidget(owner) {
        platform::BuildForm(this, layout);
    }
};
