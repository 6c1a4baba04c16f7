// The board pictures: the selector's, a board outline with its FPGA, headers and title;
// and the form's, drawn from the shapes of the board's layout.
#include "FormBoardPicture.h"
#include "Picture.h"
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"

#include <set>
#include <string>

using namespace pictures;

namespace {

const QColor kBoardColours[] = {QColor(24, 96, 56), QColor(20, 70, 130), QColor(120, 30, 40),
                                QColor(40, 40, 48), QColor(16, 100, 110)};

void DrawBoard(QPainter& p, int w, int h, const BoardFormRow& row, const QColor& fill) {
    Board(p, QRect(0, 0, w, h), fill);
    Label(p, QRect(20, 14, w - 40, 34), QString::fromLatin1(row.title), 22, Qt::white, true);
    Chip(p, QRect(w / 2 - 55, h / 2 - 45, 110, 90), QStringLiteral("FPGA"));
    Chip(p, QRect(40, h / 2 - 25, 60, 50), QStringLiteral("RAM"));
    Chip(p, QRect(w - 100, h / 2 - 25, 60, 50), QStringLiteral("USB"));
    Header(p, QRect(40, h - 40, w - 80, 18), 20, 2);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(i % 2 ? QColor(220, 40, 40) : QColor(240, 200, 40));
        p.drawEllipse(QRect(w / 2 - 60 + i * 15, h / 2 + 58, 8, 8));
    }
}

[[maybe_unused]] const bool registered = [] {
    std::set<std::string> drawn;
    std::size_t n = 0;
    for (const BoardFormRow& row : BoardFormTable()) {
        if (!drawn.insert(row.picture).second)
            continue; // boards sharing a picture
        const QColor fill = kBoardColours[n++ % std::size(kBoardColours)];
        Registry().push_back({"pinwright", row.picture, 400, 300, Format::Png,
                              [row, fill](QPainter& p, int w, int h) { DrawBoard(p, w, h, row, fill); }});
    }
    for (const BoardFormRow& row : BoardFormTable())
        if (row.layoutPicture != nullptr)
            RegisterFormBoardPicture(row.layout, FindBoard(row.id)->name, row.layoutPicture);
    return true;
}();

} // namespace
