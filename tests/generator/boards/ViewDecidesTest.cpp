// A board form's view decides all it shows: for every board, a form brought to a view by
// a user's actions (ticks, card and list choices, loaded records, the other FPGA, the
// GPIO dialog, Default Setting) and a new form bound to that same view draw the same
// pixels. A widget that keeps state the view lacks makes the two differ.
#include "BoardParams.h"
#include "SessionSupport.h"
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "boards/second/UI_GPIO.h"
#include "boards/second/lomar/UI_Lomar.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>

namespace {

using platform::testing::ScriptedPlatform;

constexpr uint32_t kSeed = 20261211;
constexpr int kSteps = 40;

class ViewDecides : public ::testing::TestWithParam<uint8_t> {
protected:
    ViewDecides() {
        seam.SetProgramFolder(dir.Folder());
        seam.SetProgramPath(dir.File("pinwright"));
        seam.AnswerQuestionsWith(platform::Button::Yes);
        seam.SetResourceFallback([](const std::string& name) { return platform::ReadResourceBytes(name); });
    }

    std::unique_ptr<BoardForm> NewForm() {
        return std::unique_ptr<BoardForm>(
            dynamic_cast<BoardForm*>(CreateBoardForm(*FindBoardForm(GetParam()), nullptr)));
    }

    // A record the user saved: the start with boxes and cards picked at random (now and
    // then a card its list lacks), in every part of the board.
    std::string SavedRecord(std::mt19937& rng, int n) {
        const kit::BoardLogic& board = *FindBoardLogic(GetParam());
        SettingsRecord r = StartRecord(board);
        for (int part = 0; part < board.Parts(); ++part) {
            const kit::BoardLogic& logic = board.Part(part);
            const kit::BoardSpec& spec = logic.Spec();
            for (const kit::FlagBinding& f : spec.flags)
                r.SetU8(f.offset, static_cast<uint8_t>(rng() % 2));
            for (int k = 0; k < static_cast<int>(spec.connectors.size()); ++k) {
                const std::span<const uint8_t> cards = logic.Cards(logic.ListOf(k, r));
                const uint8_t card = cards.empty() || rng() % 5 == 0
                                         ? static_cast<uint8_t>(rng() % 90)
                                         : cards[rng() % static_cast<uint32_t>(cards.size())];
                logic.StoreCard(r, k, card);
                r.SetText(spec.connectors[static_cast<std::size_t>(k)].prefixOffset, rng() % 2 ? "P_" : "");
            }
        }
        const std::string path = dir.File("saved" + std::to_string(n) + ".cfg");
        testsupport::WriteFile(path, std::string(reinterpret_cast<const char*>(r.data()), r.size()));
        return path;
    }

    // One action of the user on an enabled control, picked at random.
    void Act(BoardForm& form, std::mt19937& rng, int step) {
        const kit::BoardSpec& spec = form.Logic().Spec();
        auto pick = [&rng](QComboBox* combo) {
            if (combo->isEnabled() && combo->count() > 0) {
                const int index = static_cast<int>(rng() % static_cast<uint32_t>(combo->count()));
                combo->setCurrentIndex(index);
                emit combo->activated(index);
            }
        };
        auto find = [&form](const char* name) { return form.findChild<QWidget*>(QString::fromLatin1(name)); };
        switch (rng() % 8) {
        case 0:
        case 1:
            if (!spec.flags.empty()) {
                auto* box = static_cast<QCheckBox*>(find(spec.flags[rng() % spec.flags.size()].box));
                if (box->isEnabled())
                    box->click();
            }
            break;
        case 2:
        case 3:
            if (!spec.connectors.empty()) {
                const kit::ConnectorBinding& c = spec.connectors[rng() % spec.connectors.size()];
                if (c.combo != nullptr && !find(c.combo)->isHidden())
                    pick(static_cast<QComboBox*>(find(c.combo)));
            }
            break;
        case 4:
        case 5:
            if (!spec.choiceLists.empty())
                pick(static_cast<QComboBox*>(find(spec.choiceLists[rng() % spec.choiceLists.size()].combo)));
            break;
        case 6:
            seam.AnswerFile(SavedRecord(rng, step));
            form.ButtonLoadClick();
            break;
        default:
            if (spec.partList != nullptr)
                pick(static_cast<QComboBox*>(find(spec.partList)));
            else if (auto* lomar = dynamic_cast<TFormLomar*>(&form);
                     lomar != nullptr && !find("ButtonGpio")->isHidden())
                EditGpioHeaders(*lomar, rng);
            else if (auto* defaults = form.findChild<QPushButton*>("ButtonDefaultSetting"))
                defaults->click();
            break;
        }
    }

    // The GPIO dialog with a card picked on either header, confirmed.
    static void EditGpioHeaders(TFormLomar& form, std::mt19937& rng) {
        const int header = static_cast<int>(rng() % 2);
        const uint32_t roll = rng();
        form.SetGpioRunner([header, roll](TFormGPIO& dialog) {
            dialog.FormShow();
            auto* combo = dialog.findChild<QComboBox*>(header == 0 ? "ComboBoxGpio0" : "ComboBoxGpio1");
            if (combo->isEnabled()) {
                const int index = static_cast<int>(roll % static_cast<uint32_t>(combo->count()));
                combo->setCurrentIndex(index);
                emit combo->activated(index);
            }
            dialog.ButtonOkClick();
            return dialog.result();
        });
        form.ButtonGpioClick();
    }

    testsupport::TempDir dir;
    ScriptedPlatform seam;
};

TEST_P(ViewDecides, ANewFormBoundToTheViewDrawsTheSamePixels) {
    const uint32_t seed = kSeed + GetParam();
    std::mt19937 rng(seed);
    const std::unique_ptr<BoardForm> used = NewForm();
    for (int step = 0; step < kSteps && !HasFailure(); ++step) {
        Act(*used, rng, step);
        if (step % 8 != 7)
            continue;
        SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step));
        used->Read();
        const std::unique_ptr<BoardForm> fresh = NewForm();
        fresh->Session().View() = used->View();
        fresh->Bind();
        const QImage expected = used->grab().toImage();
        const QImage drawn = fresh->grab().toImage();
        ASSERT_EQ(drawn.size(), expected.size());
        EXPECT_TRUE(drawn == expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, ViewDecides, ::testing::ValuesIn(BoardsWithPins()), BoardParamName);

} // namespace
