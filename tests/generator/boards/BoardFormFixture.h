#pragma once
// What every board-form test needs: a program folder of its own, the dialogs double,
// the form, and the clicks and choices a user makes.

#include "boards/kit/BoardForm.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class BoardFormFixture : public ::testing::Test {
protected:
    BoardFormFixture();

    template <class Form> Form* Open() {
        auto* form = new Form(nullptr);
        opened.reset(form);
        return form;
    }
    // The board's form as the main window creates it.
    BoardForm* OpenBoard(uint8_t id);
    BoardForm& Form() { return *opened; }
    // Destroys the form as closing the program does (a close event first).
    void CloseForm();

    template <class T> T* Get(const char* name) {
        T* w = opened->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // The user picks item index of a combo box (its handler runs).
    void Choose(const char* combo, int index);
    // The user picks the item with this text.
    void ChooseText(const char* combo, const char* text);
    void Tick(const char* box, bool ticked);
    void Type(const char* edit, const std::string& text);
    void Click(const char* button);
    std::vector<std::string> Items(const char* combo);
    // Whether the named control is shown.
    bool Shown(const char* name) { return !Get<QWidget>(name)->isHidden(); }

    // Generate with the project dialog answered by the proposed file; returns its folder.
    std::string Generate();
    // The boxes shown since the last ClearRecords, as "caption|text".
    std::vector<std::string> BoxTexts() const;

    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;

private:
    std::unique_ptr<BoardForm> opened;
};

// The box a Generate that succeeded shows, as BoxTexts gives it, before the project's folder.
inline const std::string kGenerateSuccess =
    "Information|Generate Quartus Project successfully.\r\nThe project is "
    "located in the folder:\r\n";
