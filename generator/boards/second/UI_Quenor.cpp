#include "UI_Quenor.h"

#include "UI_QuenorLayout.h"

TFormQuenor::TFormQuenor(QWidget* owner) : LayoutForm(owner, quenor::kLayout) {}
