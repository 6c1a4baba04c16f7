#pragma once
// The main window: hosts the current board's form as a borderless child filling
// its client area, remembers the board id in the program's .INI file and opens the
// board selector when a board form asks for it.

#include "boards/BoardForms.h"
#include "boards/kit/BoardHost.h"
#include "model/MainBoardId.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace platform {
class PictureBox;
}
class TFormBoardSelector;

struct WindowPlace {
    int left;
    int top;
    bool operator==(const WindowPlace&) const = default;
};

// The place of a window of the given size centred on the screen, halves rounding
// toward zero (a window larger than the screen gets a negative place).
WindowPlace CentreOnScreen(int screenWidth, int screenHeight, int width, int height);

class TFormMain : public QWidget, public BoardHost {
public:
    // Runs the selector modally and returns its modal result (1 OK, 2 Cancel).
    using SelectorRunner = std::function<int(TFormBoardSelector&)>;

    // Runs the start-up: reads the board id, then shows the board's form.
    TFormMain(QWidget* owner, std::span<const BoardFormRow> boards);
    ~TFormMain() override;
    TFormMain(const TFormMain&) = delete;
    TFormMain& operator=(const TFormMain&) = delete;

    void CreateBoardForm(uint8_t id);
    void FreeBoardForms();
    void SelectMainBoard(bool disableCancel);
    // Opens the selector once the current event is handled (message 1025).
    void PostSelectMainBoard() override;
    void LoadMainBoardId();
    void SaveMainBoardId();

    void ShowDaughterImage(platform::PictureBox* image, int daughterId);
    void SetHostCaption(const QString& caption) override { setWindowTitle(caption); }
    void CloseHost() override { close(); }
    static std::string GetDaughterBitmapName(int daughterId);

    uint8_t MainBoardId() const { return m_MainBoardId; }
    // The newest form created for the board id, or null.
    QWidget* BoardForm(uint8_t id) const;
    void SetSelectorRunner(SelectorRunner run) { m_RunSelector = std::move(run); }

private:
    void StartUp();
    std::size_t RowOf(uint8_t id) const;

    std::span<const BoardFormRow> m_BoardForms;
    std::vector<QPointer<QWidget>> m_Forms; // one per row of the board table
    uint8_t m_MainBoardId = 0;
    SelectorRunner m_RunSelector;
};

// The single main window, as the board forms reach it.
extern TFormMain* FormMain;
