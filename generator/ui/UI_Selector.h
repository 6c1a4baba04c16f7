#pragma once
// The dialog in which the user picks the main board: the admitted boards on the
// left, the picture of the selected one on the right, OK and Cancel below.

#include "boards/BoardForms.h"

#include <QDialog>
#include <cstdint>
#include <vector>

class QFrame;
class QListWidget;
class QPushButton;
namespace platform {
class PictureBox;
}

class TFormBoardSelector : public QDialog {
public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    explicit TFormBoardSelector(QWidget* owner);

    void SelectBoardId(uint8_t id);
    // The board id of the selected entry (0 when the list is empty).
    uint8_t GetSelectedBoardId() const;

    // No close box and no Escape: OK and Cancel are the ways out.
    void reject() override {}

private:
    void FillBoardList();
    void ShowBoardImage();

    void ListBoxMainBoardClick();
    void ListBoxMainBoardDblClick();
    void ButtonOKClick();
    void ButtonCancelClick();

    QListWidget* ListBoxMainBoard;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;
    QFrame* PanelImage;
    platform::PictureBox* ImageBoard;
    std::vector<const BoardFormRow*> m_Entries; // one per list entry
};
