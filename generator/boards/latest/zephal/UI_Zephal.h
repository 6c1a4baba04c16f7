#pragma once
// The form of board 26, Zephal: eighteen peripherals and the BBB header, whose pins
// follow the chosen header mode; the board revision is kept in the record, hidden.

#include "boards/kit/BoardForm.h"

namespace platform {
class PictureBox;
}

class TFormZephal : public BoardForm {
public:
    explicit TFormZephal(QWidget* owner);

    void ComboBoxBBBChange();

protected:
    void FillChoiceLists() override;
    void ChoicesToUi(const SettingsRecord& record) override;
    void UiToChoices(SettingsRecord& record) override;
    void UpdateExtras() override;
    void UpdateExtraImages() override;

private:
    QComboBox* m_ComboBoxBBB;
    QLineEdit* m_EditPrefixBBB;
    platform::PictureBox* m_ImageBBB;
    QComboBox* m_ComboBoxBoardRev;
};
