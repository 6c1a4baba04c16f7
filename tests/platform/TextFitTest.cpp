// Texts fit their controls: labels grow to their text away from the side it is aligned
// to, check boxes grow into free space only, closed drop-down lists show the whole name
// or cut it short with the name in their tooltip. Judged by the texts' real ink.
#include "platform/qt/TextFit.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/Widgets.h"
#include "support/FormOverlaps.h"
#include "support/TextInk.h"

#include <QCheckBox>
#include <QLabel>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QFont FormFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(16);
    return font;
}

// The pixels the text's ink reaches to in a widget wide enough for all of it.
QRect InkOf(QWidget& widget) {
    const auto texts = testsupport::TextsOfWidget(widget);
    return texts.size() == 1 ? texts.front().ink : QRect();
}

TEST(TextInk, FlagsHalfAColonAndPassesATextThatShowsWhole) {
    QWidget form;
    form.setFont(FormFont());
    auto* label = new QLabel(QStringLiteral("Prefix Name:"), &form);
    label->setGeometry(0, 0, 300, 20);
    const int right = InkOf(*label).right();
    label->resize(right + 1, 20); // the colon's last column of ink is the label's last one
    EXPECT_TRUE(testsupport::TextsShowWhole(form));
    label->resize(right, 20); // half the colon is outside
    const auto texts = testsupport::TextsOfWidget(*label);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_GT(texts.front().clipped, 0);
    EXPECT_LT(texts.front().clipped, 6);
    EXPECT_FALSE(testsupport::TextsShowWhole(form));

    // A check box writes its text in the part beside its indicator: the narrowest box
    // that shows "Temperature" whole passes, one pixel less does not.
    label->hide();
    auto* box = new QCheckBox(QStringLiteral("Temperature"), &form);
    int width = InkOf(*box).right() + 1;
    for (box->setGeometry(0, 30, width, 20); !testsupport::TextsShowWhole(form); box->resize(++width, 20))
        ASSERT_LT(width, 300);
    box->resize(width - 1, 20);
    EXPECT_FALSE(testsupport::TextsShowWhole(form));
}

TEST(TextFit, ALabelGrowsAwayFromTheSideItsTextIsAlignedTo) {
    struct Case {
        Qt::Alignment align;
        const char* text;
        int height;
    } cases[] = {
        {Qt::AlignLeft | Qt::AlignVCenter, "Prefix Name:", 20},
        {Qt::AlignRight | Qt::AlignVCenter, "Prefix Name:", 20},
        {Qt::AlignHCenter | Qt::AlignVCenter, "Prefix Name:", 20},
        {Qt::AlignLeft | Qt::AlignTop, "VGA Pattern Display", 12},
        {Qt::AlignLeft | Qt::AlignVCenter, "VGA Pattern Display", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QWidget form;
        form.setFont(FormFont());
        auto* label = new QLabel(QString::fromLatin1(c.text), &form);
        label->setAlignment(c.align);
        const QRect laid(100, 40, 40, c.height);
        label->setGeometry(laid);
        EXPECT_FALSE(testsupport::TextsShowWhole(form));
        FitLabel(*label);
        const QRect g = label->geometry();
        EXPECT_TRUE(testsupport::TextsShowWhole(form));
        if (c.align & Qt::AlignLeft) {
            EXPECT_EQ(g.left(), laid.left());
        } else if (c.align & Qt::AlignRight) {
            EXPECT_EQ(g.right(), laid.right());
        } else {
            EXPECT_LE(std::abs(g.center().x() - laid.center().x()), 1);
        }
        if (c.align & Qt::AlignTop) {
            EXPECT_EQ(g.top(), laid.top());
        } else {
            EXPECT_LE(std::abs(g.center().y() - laid.center().y()), 1);
        }
        // Once it fits, it stays as it is.
        FitLabel(*label);
        EXPECT_EQ(label->geometry(), g);
    }
}

constexpr LayoutRow kChecks[] = {
    {"FormSample", Kind::Form, nullptr, 0, 0, 400, 200, nullptr, {.font = "MS Sans Serif", .fontPx = 16}},
    {"GroupBox1", Kind::GroupBox, nullptr, 8, 8, 380, 180, "System Configuration"},
    // Room to its right: it widens.
    {"CheckBoxRoom", Kind::CheckBox, "GroupBox1", 8, 30, 60, 20, "Programmable PLL"},
    // A neighbour close by: it stops short of it, its text still cut.
    {"CheckBoxTight", Kind::CheckBox, "GroupBox1", 8, 60, 60, 20, "Programmable PLL"},
    {"CheckBoxNext", Kind::CheckBox, "GroupBox1", 100, 60, 100, 20, "SMA"},
    // Fits as laid out: it keeps its rectangle.
    {"CheckBoxFits", Kind::CheckBox, "GroupBox1", 8, 90, 160, 20, "SMA"},
    // Too low for its text, with room below.
    {"CheckBoxLow", Kind::CheckBox, "GroupBox1", 8, 120, 200, 12, "SDRAM_1, 32MB"},
};

TEST(TextFit, ACheckBoxGrowsIntoFreeSpaceOnly) {
    QWidget form;
    BuildForm(&form, kChecks);
    form.show();
    EXPECT_EQ(testsupport::OverlappingControls(form), std::vector<std::string>{});
    auto* room = Component<QCheckBox>(&form, "CheckBoxRoom");
    EXPECT_EQ(room->pos(), QPoint(8, 30));
    EXPECT_GT(room->width(), 60);
    EXPECT_TRUE(testsupport::TextFault(testsupport::TextsOfWidget(*room).front()).empty());
    auto* tight = Component<QCheckBox>(&form, "CheckBoxTight");
    EXPECT_EQ(tight->geometry(), QRect(8, 60, 92, 20));
    EXPECT_FALSE(testsupport::TextFault(testsupport::TextsOfWidget(*tight).front()).empty());
    EXPECT_EQ(Component<QCheckBox>(&form, "CheckBoxFits")->geometry(), QRect(8, 90, 160, 20));
    auto* low = Component<QCheckBox>(&form, "CheckBoxLow");
    EXPECT_GT(low->height(), 12);
    EXPECT_TRUE(testsupport::TextFault(testsupport::TextsOfWidget(*low).front()).empty());
}

constexpr LayoutRow kCombos[] = {
    {"FormSample", Kind::Form, nullptr, 0, 0, 400, 100, nullptr, {.font = "MS Sans Serif", .fontPx = 16}},
    {"ComboBoxRoom", Kind::ComboBox, nullptr, 8, 8, 120, 24, nullptr},
    {"ComboBoxTight", Kind::ComboBox, nullptr, 8, 40, 120, 24, nullptr},
    {"ImageCard", Kind::Picture, nullptr, 134, 40, 80, 50, nullptr},
};

TEST(TextFit, AClosedDropDownListShowsTheWholeNameOrItInItsTooltip) {
    QWidget form;
    BuildForm(&form, kCombos);
    const QString name = QStringLiteral("Drovik - Multi-Touch LCD Panel");
    for (const char* box : {"ComboBoxRoom", "ComboBoxTight"}) {
        auto* combo = Component<ComboBox>(&form, box);
        combo->addItem(QStringLiteral("None"));
        combo->addItem(name);
        combo->setCurrentIndex(1);
    }
    form.show();
    EXPECT_EQ(testsupport::OverlappingControls(form), std::vector<std::string>{});
    EXPECT_TRUE(testsupport::TextsShowWhole(form));
    // Room to its right: as wide as its longest item, the name whole.
    auto* room = Component<ComboBox>(&form, "ComboBoxRoom");
    EXPECT_GT(room->width(), 120);
    EXPECT_EQ(room->ShownText(), name);
    EXPECT_EQ(room->toolTip(), QString());
    // A picture beside it: its laid-out width, the name cut short and whole in the tooltip.
    auto* tight = Component<ComboBox>(&form, "ComboBoxTight");
    EXPECT_EQ(tight->geometry(), QRect(8, 40, 120, 24));
    EXPECT_TRUE(tight->ShownText().endsWith(QChar(0x2026)));
    EXPECT_TRUE(name.startsWith(tight->ShownText().chopped(1)));
    EXPECT_EQ(tight->toolTip(), name);
    tight->setCurrentIndex(0);
    EXPECT_EQ(tight->ShownText(), QStringLiteral("None"));
    EXPECT_EQ(tight->toolTip(), QString());
    // With only short items it takes its laid-out width again.
    room->removeItem(1);
    EXPECT_EQ(room->width(), 120);
}

} // namespace
