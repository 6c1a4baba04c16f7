#include "BoardFormFixture.h"

#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "platform/qt/QtPlatform.h"

#include <QCloseEvent>
#include <QCoreApplication>

BoardFormFixture::BoardFormFixture() {
    seam.SetProgramFolder(dir.Folder());
    seam.SetProgramPath(dir.File("pinwright"));
}

BoardForm* BoardFormFixture::OpenBoard(uint8_t id) {
    auto* form = dynamic_cast<BoardForm*>(CreateBoardForm(*FindBoardForm(id), nullptr));
    opened.reset(form);
    return form;
}

void BoardFormFixture::CloseForm() {
    opened->close();
    opened.reset();
}

void BoardFormFixture::Choose(const char* combo, int index) {
    QComboBox* c = Get<QComboBox>(combo);
    ASSERT_LT(index, c->count()) << combo;
    c->setCurrentIndex(index);
    emit c->activated(index);
}

void BoardFormFixture::ChooseText(const char* combo, const char* text) {
    QComboBox* c = Get<QComboBox>(combo);
    const int index = c->findText(QString::fromUtf8(text));
    ASSERT_GE(index, 0) << combo << ": " << text;
    Choose(combo, index);
}

void BoardFormFixture::Tick(const char* box, bool ticked) {
    QCheckBox* b = Get<QCheckBox>(box);
    if (b->isChecked() != ticked)
        b->click();
}

void BoardFormFixture::Type(const char* edit, const std::string& text) {
    Get<QLineEdit>(edit)->setText(platform::ToQt(text));
}

void BoardFormFixture::Click(const char* button) {
    Get<QPushButton>(button)->click();
}

std::vector<std::string> BoardFormFixture::Items(const char* combo) {
    std::vector<std::string> items;
    QComboBox* c = Get<QComboBox>(combo);
    for (int i = 0; i < c->count(); ++i)
        items.push_back(platform::FromQt(c->itemText(i)));
    return items;
}

std::string BoardFormFixture::Generate() {
    const std::string name = platform::FromQt(Get<QLineEdit>("EditProjectName")->text());
    const std::string folder =
        dir.Folder() + "CodeGenerated/" + opened->Logic().Spec().folder + "/" + name + "/";
    seam.AnswerFile(folder + name + ".qpf");
    Click("ButtonGen");
    return folder;
}

std::vector<std::string> BoardFormFixture::BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : seam.Boxes())
        texts.push_back(box.caption + "|" + box.text);
    return texts;
}
