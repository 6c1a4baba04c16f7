#include "UI_Irvane.h"

#include "UI_IrvaneLayout.h"

TFormIrvane::TFormIrvane(QWidget* owner) : LayoutForm(owner, irvane::kLayout) {}
