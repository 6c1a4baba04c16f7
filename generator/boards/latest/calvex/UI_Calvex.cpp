#include "UI_Calvex.h"

#include "CalvexRules.h"
#include "UI_CalvexLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

TFormCalvex::TFormCalvex(QWidget* owner) : BoardForm(owner, CalvexLogic(), calvex::kLayout) {
    Widget("CheckBoxDDR3")->setToolTip(QStringLiteral("Up to 4GB, 1066 data rate"));
    Start();
}

void TFormCalvex::FillChoiceLists() {
    FillList("ComboBoxBoard", kCalvexVariants);
    for (const CalvexClockList& list : CalvexLmkLists())
        FillList(list.combo, list.items)->setMaxVisibleItems(3);
    for (const CalvexClockList& list : CalvexCdcmLists())
        FillList(list.combo, list.items)->setMaxVisibleItems(15);
}
