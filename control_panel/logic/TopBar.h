#pragma once
// The main dialog's top bar (push mode, no captions).

#include "BarButton.h"
#include "PanelConstants.h"

constexpr BarButton TOP_BAR[] = {
    {IDC_ABOUT, "", IDB_ABOUT, 481, 19},
    {IDC_MINIMIZE, "", IDB_MINIMIZE, 520, 19},
    {IDC_CLOSE, "", IDB_CLOSE, 559, 19},
    {IDC_CONNECT, "", IDB_CONNECT, 124, 492},
};
