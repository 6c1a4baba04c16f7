#include "UI_Calvex.h"

#include "CalvexRules.h"
#include "UI_CalvexLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

namespace {

void Fill(QComboBox* combo, std::span<const char* const> items) {
    combo->clear();
    for (const char* item : items)
        combo->addItem(QString::fromLatin1(item));
}

} // namespace

TFormCalvex::TFormCalvex(QWidget* owner) : BoardForm(owner, CalvexLogic(), calvex::kLayout) {
    Widget("CheckBoxDDR3")->setToolTip(QStringLiteral("Up to 4GB, 1066 data rate"));
    Start();
}

void TFormCalvex::FillChoiceLists() {
    Fill(platform::Component<QComboBox>(this, "ComboBoxBoard"), kCalvexVariants);
    for (const CalvexClockList& list : CalvexLmkLists()) {
        auto* combo = platform::Component<QComboBox>(this, list.combo);
        Fill(combo, list.items);
        combo->setMaxVisibleItems(3);
    }
    for (const CalvexClockList& list : CalvexCdcmLists()) {
        auto* combo = platform::Component<QComboBox>(this, list.combo);
        Fill(combo, list.items);
        combo->setMaxVisibleItems(15);
    }
}
