#pragma once
// What the tests of the SoC boards (21 to 24) share: the board model of a record,
// the texts their Parts give alike, and the screenshot check of a form.

#include "boards/kit/BoardForm.h"
#include "core/MainBoard.h"
#include "model/DaughterBitmaps.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"
#include "support/TempDir.h"

#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace soc {

inline const std::string kHpsWarning = "===== HPS System warning =====\r\n"
                                       "To prevent any errors while compiling your Quartus project, \r\n"
                                       "please add the Altera HPS IP to your design.\r\n";

inline const std::string kPrefixClash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                                        "connect to the same type of daughter boards.";

// A record of the board with its head and nothing else.
inline SettingsRecord Bare(uint8_t id, std::size_t size) {
    SettingsRecord r(size);
    r.SetU8(0, id);
    r.SetI32(4, static_cast<int32_t>(size));
    return r;
}

// The board model a pin table makes of a record.
template <class Table> std::unique_ptr<TMainBoard> Model(Table table, const SettingsRecord& r) {
    auto board = std::make_unique<TMainBoard>();
    table(board.get(), r);
    return board;
}

inline std::vector<std::string> ConnectorNames(const TMainBoard& b) {
    std::vector<std::string> names;
    for (int i = 0; i < b.GetConnectorCount(); ++i)
        names.push_back(b.GetConnector(i)->GetName());
    return names;
}

inline const TConnector* Find(const TMainBoard& b, const std::string& name) {
    for (int i = 0; i < b.GetConnectorCount(); ++i)
        if (b.GetConnector(i)->GetName() == name)
            return b.GetConnector(i);
    return nullptr;
}

// The 0-based slots of a master connector that hold no pin.
inline std::vector<int> EmptySlots(const TConnector& c) {
    std::vector<int> empty;
    for (int i = 0; i < c.PinCount(); ++i)
        if (c.GetPin(i) == nullptr)
            empty.push_back(i);
    return empty;
}

// The head and the defaults' fixed part, as every record of these boards starts.
inline std::vector<uint8_t> DefaultHead(uint8_t id, int size, const char* name) {
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size), 0);
    bytes[0] = id;
    bytes[4] = static_cast<uint8_t>(size & 0xFF);
    bytes[5] = static_cast<uint8_t>(size >> 8);
    for (std::size_t i = 0; name[i] != '\0'; ++i)
        bytes[8 + i] = static_cast<uint8_t>(name[i]);
    return bytes;
}

template <class Record> std::vector<uint8_t> Bytes(const Record& r) {
    return std::vector<uint8_t>(r.data(), r.data() + r.size());
}

// The share of the pixels of `expected` that the shot shows at `at` unchanged.
inline double Matching(const QImage& shot, const QImage& expected, QPoint at) {
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    int same = 0;
    for (int y = 0; y < e.height(); ++y)
        for (int x = 0; x < e.width(); ++x)
            same += shot.pixel(at.x() + x, at.y() + y) == e.pixel(x, y);
    return e.isNull() ? 0.0 : static_cast<double>(same) / (e.width() * e.height());
}

// Saves the form's picture under the build folder and checks that the board picture
// lies where the layout puts it, that every shown outline's pen runs along all four
// edges of its rectangle and that a hidden one draws nothing there, and that the card
// picture of `cardImage` (if any) shows `card` (its transparent rim aside).
inline void CheckScreenshot(BoardForm& form, const std::string& file, const char* boardPicture,
                            const char* cardImage = nullptr, int card = 0) {
    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.size(), form.size());
    const std::string folder = testsupport::BuildDir() + "/screenshots";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(shot.save(QString::fromStdString(folder + "/" + file)));

    auto* board = form.findChild<platform::PictureBox*>("ImageBoard");
    ASSERT_NE(board, nullptr);
    // Outlines cover a little of the picture.
    EXPECT_GT(Matching(shot, platform::LoadPicture(boardPicture), board->mapTo(&form, QPoint(0, 0))), 0.8);

    // The widgets carry no meta-object of their own: cast each.
    for (QWidget* w : form.findChildren<QWidget*>()) {
        auto* shape = dynamic_cast<platform::OutlineShape*>(w);
        if (shape == nullptr)
            continue;
        const QRect r(shape->mapTo(&form, QPoint(0, 0)), shape->size());
        if (shape->Dotted() || r.width() <= 3 || r.height() <= 3)
            continue;
        const QRgb pen = shape->PenColor().rgb();
        const int band = shape->PenWidth() / 2;
        const QPoint edges[] = {{r.center().x(), r.top() + band},
                                {r.center().x(), r.bottom() - band},
                                {r.left() + band, r.center().y()},
                                {r.right() - band, r.center().y()}};
        for (const QPoint& p : edges)
            EXPECT_EQ(shot.pixel(p) == pen, shape->isVisibleTo(&form))
                << file << ": " << shape->objectName().toStdString() << " at " << p.x() << "," << p.y();
    }

    if (cardImage != nullptr) {
        auto* image = form.findChild<platform::PictureBox*>(cardImage);
        ASSERT_NE(image, nullptr);
        EXPECT_GT(Matching(shot, platform::LoadPicture(std::string(DaughterBitmapName(card))),
                           image->mapTo(&form, QPoint(0, 0))),
                  0.9);
    }
}

} // namespace soc
