// The settings of boards 2 to 4: the defaults a first start stores when the form is
// destroyed, byte for byte in the record's layout, and a round trip
// through Save Setting and Load Setting.
#include "BoardFormFixture.h"
#include "FirstBoardsSupport.h"
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "model/DaughterId.h"
#include "platform/qt/QtPlatform.h"

using namespace firstboards;
using testsupport::ReadFile;

namespace {

struct Board {
    const char* word;
    uint8_t id;
    std::size_t size;
    int flags;
    const char* lastBox;      // the check box of the last flag
    std::size_t gpioIds;      // nGpioDaughterId[GPIO_0]; GPIO_1 follows
    std::size_t gpioPrefixes; // szGpioPrefixName[GPIO_0]; GPIO_1 128 bytes on
    BoardForm* (*open)(QWidget*);
};

template <uint8_t id> BoardForm* OpenForm(QWidget* owner) {
    return dynamic_cast<BoardForm*>(CreateBoardForm(*FindBoardForm(id), owner));
}

class FirstBoardsSettings : public BoardFormFixture, public ::testing::WithParamInterface<Board> {
protected:
    void Start() { form.reset(GetParam().open(nullptr)); }
    template <class T> T* Find(const char* name) {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Pick(const char* combo, const char* text) {
        QComboBox* c = Find<QComboBox>(combo);
        c->setCurrentIndex(c->findText(QString::fromUtf8(text)));
        emit c->activated(c->currentIndex());
    }
    std::unique_ptr<BoardForm> form;
};

} // namespace

TEST_P(FirstBoardsSettings, AFirstStartStoresTheNewRecordDefaults) {
    const Board& b = GetParam();
    Start();
    EXPECT_EQ(Find<QLineEdit>("EditProjectName")->text().toStdString(), b.word);
    for (QCheckBox* box : form->findChildren<QCheckBox*>())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(form->findChildren<QCheckBox*>().size(), b.flags);
    form.reset();
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), AsText(NewRecordDefaults(b.id, b.size, b.word, b.flags)));
}

TEST_P(FirstBoardsSettings, SaveChangeAndLoadAgain) {
    const Board& b = GetParam();
    Start();
    Find<QLineEdit>("EditProjectName")->setText("kept");
    Find<QCheckBox>(b.lastBox)->click();
    Pick("ComboBoxGpio0", "Drovik - Multi-Touch LCD Panel");
    Find<QLineEdit>("EditPrefixGpio0")->setText("LCD_");
    Pick("ComboBoxGpio1", "Ebbran - Servo Motor Kit");
    seam.AnswerFile(dir.File("kept.cfg"));
    Find<QPushButton>("ButtonSave")->click();

    // A text is copied with its terminator; the rest of its field keeps what it held.
    std::vector<uint8_t> expected = NewRecordDefaults(b.id, b.size, b.word, b.flags);
    const std::string name("kept\0", 5);
    std::copy(name.begin(), name.end(), expected.begin() + 8);
    expected[136 + static_cast<std::size_t>(b.flags) - 1] = 0;
    expected[b.gpioIds] = DAUGHTER_DROVIK;
    expected[b.gpioIds + 1] = DAUGHTER_EBBRAN;
    for (std::size_t i = 0; i < 4; ++i)
        expected[b.gpioPrefixes + i] = static_cast<uint8_t>("LCD_"[i]);
    EXPECT_EQ(ReadFile(dir.File("kept.cfg")), AsText(expected));

    Find<QLineEdit>("EditProjectName")->setText("changed");
    Find<QCheckBox>(b.lastBox)->click();
    Pick("ComboBoxGpio0", "None");
    Pick("ComboBoxGpio1", "Turvin - High Speed ADC/DAC");
    seam.AnswerFile(dir.File("kept.cfg"));
    Find<QPushButton>("ButtonLoad")->click();
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(Find<QLineEdit>("EditProjectName")->text(), "kept");
    EXPECT_FALSE(Find<QCheckBox>(b.lastBox)->isChecked());
    EXPECT_EQ(Find<QComboBox>("ComboBoxGpio0")->currentText(), "Drovik - Multi-Touch LCD Panel");
    EXPECT_EQ(Find<QLineEdit>("EditPrefixGpio0")->text(), "LCD_");
    EXPECT_EQ(Find<QComboBox>("ComboBoxGpio1")->currentText(), "Ebbran - Servo Motor Kit");
    EXPECT_TRUE(Find<QComboBox>("ComboBoxGpio1")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Boards, FirstBoardsSettings,
    ::testing::Values(Board{"Belmic", 2, 408, 14, "CheckBoxAudio", 150, 152, &OpenForm<MAINBOARD_BELMIC>},
                      Board{"Cardix", 3, 416, 19, "CheckBoxUSB", 155, 157, &OpenForm<MAINBOARD_CARDIX>},
                      Board{"Dorvel", 4, 416, 21, "CheckBoxUSB", 157, 159, &OpenForm<MAINBOARD_DORVEL>}),
    [](const auto& info) { return std::string(info.param.word); });
